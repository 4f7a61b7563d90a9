#include "drums/DrumParameterTable.h"

namespace ravlo {

namespace {

constexpr bool AddressOrderIsPermutation() {
  std::array<bool, kDrumParameterCount> seen{};
  for (std::uint8_t address : kDrumRecordAddressOrder) {
    if (address >= kDrumParameterCount || seen[address]) return false;
    seen[address] = true;
  }
  return true;
}
static_assert(AddressOrderIsPermutation());

// The note group must occupy exactly the record positions after the common group.
constexpr bool GroupsMatchRecordLayout() {
  for (std::size_t position = 0; position < kDrumParameterCount; ++position) {
    const bool noteGroup =
        kDrumParameters[kDrumRecordAddressOrder[position]].defaultFrom == DefaultFrom::KitTables;
    if (noteGroup != (position >= kDrumCommonGroupSize)) return false;
  }
  return true;
}
static_assert(GroupsMatchRecordLayout());

// XG address -> record position, the inverse of the order above.
constexpr std::array<std::uint8_t, kDrumParameterCount> kDrumRecordPositions = [] {
  std::array<std::uint8_t, kDrumParameterCount> positions{};
  for (std::size_t position = 0; position < kDrumParameterCount; ++position) {
    positions[kDrumRecordAddressOrder[position]] = static_cast<std::uint8_t>(position);
  }
  return positions;
}();

}  // namespace

bool IsDrumAddress(int address) {
  return address >= 0 && address < static_cast<int>(kDrumParameterCount);
}

const ParameterDescriptor* FindDrumParameter(int address) {
  if (!IsDrumAddress(address)) return nullptr;
  return &kDrumParameters[static_cast<std::size_t>(address)];
}

std::string_view DrumParameterName(int address) {
  const ParameterDescriptor* info = FindDrumParameter(address);
  return info != nullptr ? info->reviewName : std::string_view{};
}

int DrumRecordPosition(int address) {
  if (!IsDrumAddress(address)) return -1;
  return kDrumRecordPositions[static_cast<std::size_t>(address)];
}

int DrumRecordAddress(int position) {
  if (position < 0 || position >= static_cast<int>(kDrumParameterCount)) return -1;
  return kDrumRecordAddressOrder[static_cast<std::size_t>(position)];
}

bool IsDrumNoteGroupAddress(int address) {
  const ParameterDescriptor* info = FindDrumParameter(address);
  return info != nullptr && info->defaultFrom == DefaultFrom::KitTables;
}

}  // namespace ravlo
