#include "parts/PartParameterTable.h"

namespace ravlo {

std::string_view PartParameterName(int address) {
  if (address < 0 || address >= static_cast<int>(kPartParameterNames.size())) return {};
  return kPartParameterNames[static_cast<std::size_t>(address)];
}

const PartParameterInfo* FindPartParameter(int address) {
  if (address < 0 || address >= static_cast<int>(kPartParameters.size())) return nullptr;
  return &kPartParameters[static_cast<std::size_t>(address)];
}

}  // namespace ravlo
