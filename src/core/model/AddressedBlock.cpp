#include "model/AddressedBlock.h"

#include <algorithm>

#include "messages/XgMessages.h"
#include "model/XgModel.h"

namespace ravlo {

AddressedBlock::AddressedBlock(XgModel& model, ModelBlock block, XgAddress start,
                               std::span<const ParameterDescriptor> parameters)
    : model_(model),
      block_(block),
      start_(start),
      parameters_(parameters),
      bytes_(parameters.size()) {
  ResetToDefaults();
}

const ParameterDescriptor* AddressedBlock::Parameter(std::size_t low) const {
  if (low >= parameters_.size() || parameters_[low].defaultValue == kNoParameter) return nullptr;
  return &parameters_[low];
}

XgAddress AddressedBlock::AddressOf(std::size_t low) const {
  return {start_.high, start_.mid, static_cast<std::uint8_t>(start_.low + low)};
}

bool AddressedBlock::SetParameter(std::uint8_t low, int stored) {
  const ParameterDescriptor* parameter = Parameter(low);
  if (parameter == nullptr) return false;
  const auto value = static_cast<std::uint8_t>(std::clamp(
      stored, parameter->Stored(parameter->minimum), parameter->Stored(parameter->maximum)));
  if (!model_.Emitter().EmitParameterChange(AddressOf(low), value)) return false;
  const int old = bytes_[low];
  bytes_[low] = value;
  if (old != value) model_.Publish({block_, ModelChange::kAll, AddressOf(low), old, value});
  return true;
}

bool AddressedBlock::StoreBytes(std::uint8_t low, std::span<const std::uint8_t> data) {
  if (low >= bytes_.size()) return false;
  const std::size_t count = std::min(data.size(), bytes_.size() - low);
  for (std::size_t i = 0; i < count; ++i) {
    // An address that holds no parameter keeps its 0, as the dumps carry it.
    if (Parameter(low + i) != nullptr) bytes_[low + i] = data[i] & 0x7F;
  }
  model_.PublishWhole(block_);
  return true;
}

void AddressedBlock::ResetToDefaults() {
  for (std::size_t low = 0; low < bytes_.size(); ++low) {
    const ParameterDescriptor* parameter = Parameter(low);
    bytes_[low] = parameter != nullptr ? static_cast<std::uint8_t>(parameter->defaultValue) : 0;
  }
}

XgMessage AddressedBlock::BulkDump() const {
  return BuildBulkDump(model_.Unit(), kXgModelId, start_, bytes_);
}

bool AddressedBlock::SendBlock(bool nonDefaultOnly, unsigned pauseMs) {
  XgEmitter& emitter = model_.Emitter();
  if (!nonDefaultOnly) return emitter.Emit(BulkDump());
  for (std::size_t low = 0; low < bytes_.size(); ++low) {
    const ParameterDescriptor* parameter = Parameter(low);
    if (parameter == nullptr || bytes_[low] == parameter->defaultValue) continue;
    if (!emitter.EmitParameterChange(AddressOf(low), bytes_[low])) return false;
    emitter.Pause(pauseMs);
  }
  return true;
}

void AddressedBlock::CopyCells(std::span<ImageCell> cells) const {
  std::copy_n(bytes_.begin(), std::min(cells.size(), bytes_.size()), cells.begin());
}

void AddressedBlock::PutCells(std::span<const ImageCell> cells) {
  const std::size_t count = std::min(cells.size(), bytes_.size());
  for (std::size_t i = 0; i < count; ++i) bytes_[i] = static_cast<std::uint8_t>(cells[i]);
  model_.PublishWhole(block_);
}

CellSend AddressedBlock::SendCell(std::size_t cell, std::span<const ImageCell> target) {
  if (cell >= target.size() || Parameter(cell) == nullptr) return CellSend::NotSent;
  return SetParameter(static_cast<std::uint8_t>(cell), target[cell]) ? CellSend::Sent
                                                                     : CellSend::Failed;
}

}  // namespace ravlo
