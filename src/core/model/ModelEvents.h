#pragma once

#include "model/RefreshMarks.h"

namespace ravlo {

// How the model reaches the main window: marks raised during a load, and the
// resets that incoming messages or the reset commands ask for.
class ModelEvents {
 public:
  virtual ~ModelEvents() = default;

  virtual void RaiseMark(RefreshMark mark, int value) = 0;
  // An XG System On or All Parameter Reset arrived in a file: the main
  // window runs its Reset command (with its save question) at once.
  virtual void ResetRequested() = 0;
  // A Drum Setup Reset arrived: mark modified and refresh the drum editor.
  virtual void DrumSetupResetArrived() = 0;
  // The All Parameter Reset command went out: reset everything, no questions.
  virtual void AllParametersReset() = 0;
};

}  // namespace ravlo
