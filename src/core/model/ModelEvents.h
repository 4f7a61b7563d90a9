#pragma once

#include "model/RefreshMarks.h"

namespace ravlo {

// How the model reaches the main window: marks raised during a load, the
// resets that incoming messages or the reset commands ask for, and the
// changes that other editors must show at once.
class ModelEvents {
 public:
  virtual ~ModelEvents() = default;

  virtual void RaiseMark(RefreshMark mark, int value) = 0;
  // An XG System On or All Parameter Reset arrived in a file: the main
  // window runs its Reset command (with its save question) at once.
  virtual void ResetRequested() = 0;
  // The All Parameter Reset command went out: the main window resets the
  // model and every editor, no questions asked.
  virtual void AllParametersReset() = 0;
  // A drum setup's notes were reset (its command, a received Drum Setup
  // Reset or a kit change): mark modified and refresh the drum editor.
  virtual void DrumSetupWasReset(int setup) = 0;
  // A part edit was mirrored into the controller table of a channel: mark
  // modified and let the Controllers editor show it.
  virtual void PartControllerMirrored(int channel, int slot, int value) = 0;
};

}  // namespace ravlo
