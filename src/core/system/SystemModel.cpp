#include "system/SystemModel.h"

#include <algorithm>
#include <array>
#include <span>

#include "messages/XgMessages.h"
#include "model/ModelEvents.h"
#include "model/XgModel.h"

namespace ravlo {

bool SystemModel::HasChange(const ParameterDescriptor& parameter) const {
  return HasParameterChange(parameter) || model_.Instrument() == InstrumentModel::Extended;
}

bool SystemModel::SetSystemParameter(SystemParameter parameter, int shown) {
  const ParameterDescriptor& info = SystemParameterInfo(parameter);
  if (!HasChange(info)) return false;
  const std::array<std::uint8_t, 4> encoded = Encode(parameter, shown);
  const auto bytes =
      std::span<const std::uint8_t>(encoded).first(static_cast<std::size_t>(info.ByteCount()));
  if (!model_.Emitter().EmitParameterChange(xg_block::SystemAddress(info.address), bytes)) {
    return false;
  }
  const int old = Value(parameter);
  PutBytes(info.address, bytes);
  const int now = Value(parameter);
  if (now != old) {
    model_.Publish({ModelBlock::System, ModelChange::kAll, xg_block::SystemAddress(info.address),
                    info.Stored(old), info.Stored(now)});
  }
  return true;
}

void SystemModel::StoreBytes(std::size_t first, std::span<const std::uint8_t> bytes) {
  if (first >= kSystemBlockSize) return;
  const std::size_t count = std::min(bytes.size(), kSystemBlockSize - first);
  PutBytes(first, bytes.first(count));
  model_.PublishWhole(ModelBlock::System);
}

void SystemModel::CopyCells(std::span<ImageCell> cells) const {
  std::copy_n(Bytes().begin(), std::min(cells.size(), kCellCount), cells.begin());
}

void SystemModel::PutCells(std::span<const ImageCell> cells) {
  SystemBytes bytes{};
  std::copy_n(cells.begin(), std::min(cells.size(), kCellCount), bytes.begin());
  StoreBytes(0, bytes);
}

CellSend SystemModel::SendCell(std::size_t cell, std::span<const ImageCell> target) {
  if (target.size() < kCellCount) return CellSend::NotSent;
  for (std::size_t p = 0; p < kSystemParameterCount; ++p) {
    const auto parameter = static_cast<SystemParameter>(p);
    const ParameterDescriptor& info = SystemParameterInfo(parameter);
    const std::size_t first = info.address;
    if (cell < first || cell >= first + static_cast<std::size_t>(info.ByteCount())) continue;
    if (!HasChange(info)) return CellSend::NotSent;
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(target[first + i]); };
    const int stored = info.form == WireForm::FourNibbles
                           ? wire::DecodeFourNibbles(byte(0), byte(1), byte(2), byte(3))
                           : byte(0);
    return SetSystemParameter(parameter, info.Shown(stored)) ? CellSend::Sent : CellSend::Failed;
  }
  return CellSend::NotSent;
}

bool SystemModel::AllParameterReset() {
  if (!model_.Emit(BuildAllParameterReset(model_.Unit()).Bytes())) return false;
  // A recorded reset counts as well: the image must match what the file says.
  model_.ResetToDefaults();
  model_.Events().AllParametersReset();
  return true;
}

bool SystemModel::DrumSetupReset(int setup) {
  if (!model_.Drums().IsSetup(setup)) return false;
  if (!model_.Emit(BuildDrumSetupReset(model_.Unit(), setup).Bytes())) return false;
  const bool reset = model_.Drums().ResetNotes(setup);
  model_.Events().DrumSetupWasReset(setup);
  return reset;
}

XgMessage SystemModel::BulkDump() const {
  return BuildBulkDump(model_.Unit(), kXgModelId, xg_block::SystemAddress(0x00), Bytes());
}

bool SystemModel::SendSystemBlock(bool nonDefaultOnly, unsigned delayMs) {
  XgEmitter& emitter = model_.Emitter();
  if (!nonDefaultOnly) return emitter.Emit(BulkDump());
  const SystemBytes& bytes = Bytes();
  for (const ParameterDescriptor& parameter : kSystemParameters) {
    if (!HasChange(parameter)) continue;
    const auto count = static_cast<std::size_t>(parameter.ByteCount());
    const auto stored = std::span<const std::uint8_t>(bytes).subspan(parameter.address, count);
    const auto defaults =
        std::span<const std::uint8_t>(kDefaultSystemBlock).subspan(parameter.address, count);
    if (std::equal(stored.begin(), stored.end(), defaults.begin())) continue;
    // The stored bytes go out as they are, even a stray first tune nibble.
    if (!emitter.EmitParameterChange(xg_block::SystemAddress(parameter.address), stored)) {
      return false;
    }
    emitter.Pause(delayMs);
  }
  return true;
}

}  // namespace ravlo
