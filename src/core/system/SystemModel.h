#pragma once

#include "system/SystemBlock.h"

namespace ravlo {

class XgModel;

// The system block with the operations that send its edits: master tune,
// volume and transpose, the reset commands, and the block send of a pass.
// Setters send but do not store; the editor stores what went out.
class SystemModel : public SystemBlock {
 public:
  explicit SystemModel(XgModel& model) : model_(model) {}

  // Each clamps to its range and emits one parameter change.
  bool SetTranspose(int value);
  bool SetMasterTune(int value);
  bool SetMasterVolume(int value);

  // Emits All Parameter Reset, then asks the main window to reset everything.
  bool AllParameterReset();
  // Emits Drum Setup Reset for setup 0 or 1, then resets that setup's notes
  // to the defaults of its kit.
  bool DrumSetupReset(int setup);

  // All parameters: one 18-byte bulk dump. Non-default only: tune, volume
  // and transpose where they differ, each followed by the delay.
  bool SendSystemBlock(bool nonDefaultOnly, unsigned delayMs);

 private:
  XgModel& model_;
};

}  // namespace ravlo
