#include "parts/PartTemplates.h"

#include <algorithm>

namespace ravlo {

namespace {

constexpr bool ModeDependentAddressesAscend() {
  for (std::size_t i = 1; i < kModeDependentPartAddresses.size(); ++i) {
    if (kModeDependentPartAddresses[i - 1] >= kModeDependentPartAddresses[i]) return false;
  }
  return kModeDependentPartAddresses.back() < kPartAddressCount;
}
static_assert(ModeDependentAddressesAscend());

}  // namespace

const PartTemplate& PartTemplateFor(bool drumPart) {
  return drumPart ? kDrumPartTemplate : kNormalPartTemplate;
}

bool PartKindHas(bool drumPart, int address) {
  if (part_eq::IsParameter(address)) return true;
  if (address < 0 || address >= static_cast<int>(kPartAddressCount)) return false;
  return PartTemplateFor(drumPart)[static_cast<std::size_t>(address)] != kNoParameter;
}

bool IsModeDependentPartAddress(int address) {
  if (address < 0 || address >= static_cast<int>(kPartAddressCount)) return false;
  return std::binary_search(kModeDependentPartAddresses.begin(), kModeDependentPartAddresses.end(),
                            static_cast<std::uint8_t>(address));
}

}  // namespace ravlo
