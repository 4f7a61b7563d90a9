#include "drums/DrumParameterTable.h"

#include <algorithm>

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
    const bool noteGroup = kDrumParameters[kDrumRecordAddressOrder[position]].perNoteAndKit;
    if (noteGroup != (position >= kDrumCommonGroupSize)) return false;
  }
  return true;
}
static_assert(GroupsMatchRecordLayout());

bool IsDrumAddress(int address) {
  return address >= 0 && address < static_cast<int>(kDrumParameterCount);
}

}  // namespace

const DrumParameterInfo* FindDrumParameter(int address) {
  if (!IsDrumAddress(address)) return nullptr;
  return &kDrumParameters[static_cast<std::size_t>(address)];
}

std::string_view DrumParameterName(int address) {
  const DrumParameterInfo* info = FindDrumParameter(address);
  return info != nullptr ? info->name : std::string_view{};
}

int DrumRecordPosition(int address) {
  if (!IsDrumAddress(address)) return -1;
  const auto it = std::find(kDrumRecordAddressOrder.begin(), kDrumRecordAddressOrder.end(),
                            static_cast<std::uint8_t>(address));
  return static_cast<int>(it - kDrumRecordAddressOrder.begin());
}

int DrumRecordAddress(int position) {
  if (position < 0 || position >= static_cast<int>(kDrumParameterCount)) return -1;
  return kDrumRecordAddressOrder[static_cast<std::size_t>(position)];
}

bool IsDrumNoteGroupAddress(int address) {
  const DrumParameterInfo* info = FindDrumParameter(address);
  return info != nullptr && info->perNoteAndKit;
}

int DrumDisplayValue(DrumDisplay display, std::uint8_t byte) {
  return display == DrumDisplay::ByteMinus64 ? byte - 64 : byte;
}

std::uint8_t DrumByteFromDisplay(DrumDisplay display, int value) {
  const long long byte =
      static_cast<long long>(value) + (display == DrumDisplay::ByteMinus64 ? 64 : 0);
  return static_cast<std::uint8_t>(std::clamp<long long>(byte, 0, 127));
}

}  // namespace ravlo
