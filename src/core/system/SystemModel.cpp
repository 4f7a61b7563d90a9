#include "system/SystemModel.h"

#include <algorithm>
#include <array>
#include <span>

#include "messages/XgMessages.h"
#include "model/ModelEvents.h"
#include "model/XgModel.h"

namespace ravlo {

namespace {

constexpr std::size_t kTuneByteCount = 4;

constexpr XgAddress SystemAddress(std::size_t offset) {
  return {0x00, 0x00, static_cast<std::uint8_t>(offset)};
}

}  // namespace

bool SystemModel::SetTranspose(int value) {
  return model_.Emitter().EmitParameterChange(SystemAddress(kTranspose), EncodeTranspose(value));
}

bool SystemModel::SetMasterTune(int value) {
  const std::array<std::uint8_t, kTuneByteCount> nibbles = EncodeTune(value);
  return model_.Emitter().EmitParameterChange(SystemAddress(kTune), nibbles);
}

bool SystemModel::SetMasterVolume(int value) {
  return model_.Emitter().EmitParameterChange(SystemAddress(kVolume), EncodeVolume(value));
}

bool SystemModel::AllParameterReset() {
  if (!model_.Emit(BuildAllParameterReset(model_.UnitNumber()).Bytes())) return false;
  // A recorded reset counts as well: the image must match what the file says.
  model_.Events().AllParametersReset();
  return true;
}

bool SystemModel::DrumSetupReset(int setup) {
  if (setup < 0 || setup > 1 || !model_.Drums().IsSetup(setup)) return false;
  if (!model_.Emit(BuildDrumSetupReset(model_.UnitNumber(), setup).Bytes())) return false;
  const bool reset = model_.Drums().ResetNotes(setup);
  model_.Events().DrumSetupWasReset(setup);
  return reset;
}

bool SystemModel::SendSystemBlock(bool nonDefaultOnly, unsigned delayMs) {
  XgEmitter& emitter = model_.Emitter();
  const SystemBytes& bytes = Bytes();
  if (!nonDefaultOnly) return emitter.EmitBulkDump(kXgModelId, SystemAddress(kTune), bytes);

  const auto tuneBytes = std::span<const std::uint8_t>(bytes).subspan(kTune, kTuneByteCount);
  const auto defaultTune =
      std::span<const std::uint8_t>(kDefaultSystemBlock).subspan(kTune, kTuneByteCount);
  if (!std::equal(tuneBytes.begin(), tuneBytes.end(), defaultTune.begin())) {
    // The stored nibbles go out as they are, even a stray first nibble.
    if (!emitter.EmitParameterChange(SystemAddress(kTune), tuneBytes)) return false;
    emitter.Pause(delayMs);
  }
  // The attenuator has no single-parameter form here: only the bulk carries it.
  for (std::size_t offset : {kVolume, kTranspose}) {
    if (bytes[offset] == kDefaultSystemBlock[offset]) continue;
    if (!emitter.EmitParameterChange(SystemAddress(offset), bytes[offset])) return false;
    emitter.Pause(delayMs);
  }
  return true;
}

}  // namespace ravlo
