#pragma once

#include "model/RefreshMarks.h"

namespace ravlo {

// How the model reaches the main window: marks raised during a load, and the
// resets that incoming messages or the reset commands ask for. What changed
// in the image every window hears as a change notice (ModelObserver).
class ModelEvents {
 public:
  virtual ~ModelEvents() = default;

  virtual void RaiseMark(RefreshMark mark, int value) = 0;
  // An XG System On or All Parameter Reset arrived in a file: the main
  // window runs its Reset command (with its save question) at once.
  virtual void ResetRequested() = 0;
  // The All Parameter Reset command went out and the model is back at the
  // defaults: the main window starts its editors afresh, no questions asked.
  virtual void AllParametersReset() = 0;
  // A drum setup's notes were reset (its command, a received Drum Setup
  // Reset or a kit change): the document is modified.
  virtual void DrumSetupWasReset(int setup) = 0;
};

}  // namespace ravlo
