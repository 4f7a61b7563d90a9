#include "extensions/ExtensionModel.h"

#include <iterator>

#include "messages/XgMessages.h"
#include "model/XgModel.h"

namespace ravlo {

namespace {

// Addresses as one number of three 7-bit digits, so that the bytes of a run
// step from 08 0F 7F to 08 10 00 as the synthesizer steps them.
constexpr std::uint32_t kAddressLimit = 1u << 21;

std::uint32_t NumberOf(XgAddress address) {
  return static_cast<std::uint32_t>(address.high & 0x7F) << 14 |
         static_cast<std::uint32_t>(address.mid & 0x7F) << 7 | (address.low & 0x7F);
}

XgAddress AddressOf(std::uint32_t number) {
  return {static_cast<std::uint8_t>(number >> 14 & 0x7F),
          static_cast<std::uint8_t>(number >> 7 & 0x7F), static_cast<std::uint8_t>(number & 0x7F)};
}

}  // namespace

bool ExtensionModel::StoreParameter(XgAddress address, std::span<const std::uint8_t> data) {
  if (data.size() > kMaxChangeData) return false;
  return Put(NumberOf(address), data);
}

bool ExtensionModel::StoreBytes(XgAddress first, std::span<const std::uint8_t> data) {
  const Number start = NumberOf(first);
  if (data.size() > kAddressLimit - start) return false;
  bool kept = false;
  for (std::size_t i = 0; i < data.size(); ++i) {
    const Number number = start + static_cast<Number>(i);
    if (model_.KnowsAddress(AddressOf(number))) continue;
    kept = Put(number, data.subspan(i, 1)) || kept;
  }
  return kept;
}

void ExtensionModel::SplitAt(Number number) {
  const auto at = cells_.find(number);
  if (at == cells_.end() || at->second.size != 0) return;
  // A parameter's addresses are stored together, so its start lies just before.
  auto start = at;
  while (start->second.size == 0) --start;
  const Number end = start->first + start->second.size;
  start->second.size = static_cast<std::uint16_t>(number - start->first);
  at->second.size = static_cast<std::uint16_t>(end - number);
}

bool ExtensionModel::Put(Number first, std::span<const std::uint8_t> data) {
  if (data.empty() || data.size() > kAddressLimit - first) return false;
  const auto end = first + static_cast<Number>(data.size());
  SplitAt(first);
  SplitAt(end);
  for (std::size_t i = 0; i < data.size(); ++i) {
    const auto size = static_cast<std::uint16_t>(i == 0 ? data.size() : 0);
    cells_[first + static_cast<Number>(i)] = {data[i], size};
  }
  return true;
}

std::vector<ExtensionModel::Parameter> ExtensionModel::Parameters() const {
  std::vector<Parameter> parameters;
  for (auto cell = cells_.begin(); cell != cells_.end(); ++cell) {
    if (cell->second.size == 0) continue;
    Parameter parameter{AddressOf(cell->first), {}};
    auto byte = cell;
    for (std::uint16_t i = 0; i < cell->second.size; ++i, ++byte) {
      parameter.data.push_back(byte->second.value);
    }
    parameters.push_back(std::move(parameter));
  }
  return parameters;
}

bool ExtensionModel::SendParameters(unsigned delayMs) {
  XgEmitter& emitter = model_.Emitter();
  for (const Parameter& parameter : Parameters()) {
    if (!emitter.Emit(BuildWideParameterChange(model_.Unit(), parameter.address, parameter.data))) {
      return false;
    }
    emitter.Pause(delayMs);
  }
  return true;
}

}  // namespace ravlo
