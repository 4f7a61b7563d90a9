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

}  // namespace ravlo
