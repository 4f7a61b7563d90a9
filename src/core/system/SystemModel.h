#pragma once

#include <cstdint>
#include <span>

#include "messages/XgMessage.h"
#include "model/ImageCell.h"
#include "system/SystemBlock.h"

namespace ravlo {

class XgModel;

// The system block with the operations that change it: master tune, volume
// and transpose, the reset commands, what a file or a read-back brings, and
// the block send of a pass. A setter stores what went out and tells the
// model's observers; a failed send stores nothing.
class SystemModel : public SystemBlock {
 public:
  explicit SystemModel(XgModel& model) : model_(model) {}

  // Whether the parameter travels as a change of its own: the first level's
  // three, and the master attenuator on the extended instrument.
  bool HasChange(const ParameterDescriptor& parameter) const;

  // Clamps the shown value to the parameter's range and emits one parameter
  // change (the attenuator has none: false).
  bool SetSystemParameter(SystemParameter parameter, int shown);
  bool SetTranspose(int value) { return SetSystemParameter(SystemParameter::Transpose, value); }
  bool SetMasterTune(int value) { return SetSystemParameter(SystemParameter::Tune, value); }
  bool SetMasterVolume(int value) { return SetSystemParameter(SystemParameter::Volume, value); }

  // Received bytes at their own addresses (nothing past the block); sends
  // nothing, one notice.
  void StoreBytes(std::size_t first, std::span<const std::uint8_t> bytes);
  // The XG defaults; the model tells its observers.
  void ResetToDefaults() { ResetBytes(); }

  // Emits All Parameter Reset, then puts the model back at the defaults and
  // tells the main window.
  bool AllParameterReset();
  // Emits Drum Setup Reset for a setup (0 .. 1, or 0 .. 3 extended), then resets its notes
  // to the defaults of its kit.
  bool DrumSetupReset(int setup);

  // The edit history's view: the block's bytes as cells; put back without a
  // message (one notice); and the parameter a cell belongs to sent with the
  // value `target` holds for it.
  static constexpr std::size_t kCellCount = kSystemBlockSize;
  void CopyCells(std::span<ImageCell> cells) const;
  void PutCells(std::span<const ImageCell> cells);
  CellSend SendCell(std::size_t cell, std::span<const ImageCell> target);

  // The whole block as one 18-byte bulk dump from its first address, as a
  // bulk send writes it and the synthesizer answers a request for it.
  XgMessage BulkDump() const;

  // All parameters: one 18-byte bulk dump. Non-default only: tune, volume
  // and transpose where they differ, each followed by the delay.
  bool SendSystemBlock(bool nonDefaultOnly, unsigned delayMs);

 private:
  XgModel& model_;
};

}  // namespace ravlo
