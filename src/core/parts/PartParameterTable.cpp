#include "parts/PartParameterTable.h"

namespace ravlo {

std::string_view PartParameterName(int address) {
  const PartParameter* parameter = FindPartParameter(address);
  return parameter != nullptr ? parameter->parameter.reviewName : std::string_view{};
}

const PartParameter* FindPartParameter(int address) {
  if (address < 0 || address >= static_cast<int>(kPartParameters.size())) return nullptr;
  return &kPartParameters[static_cast<std::size_t>(address)];
}

const PartParameter* FindPartParameter(int address, InstrumentModel instrument) {
  if (instrument != InstrumentModel::Extended) return FindPartParameter(address);
  static constexpr PartParameter kExtendedPartMode = [] {
    PartParameter mode = kPartParameters[part_address::kPartMode];
    mode.parameter.maximum = static_cast<int>(kExtendedPartModeChoices.size()) - 1;
    mode.parameter.choices = kExtendedPartModeChoices;
    return mode;
  }();
  if (address == part_address::kPartMode) return &kExtendedPartMode;
  for (const PartParameter& entry : kPartEqParameters) {
    if (entry.parameter.address == address) return &entry;
  }
  return FindPartParameter(address);
}

}  // namespace ravlo
