#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "parts/PartParameterTable.h"

namespace ravlo {

using PartTemplate = std::array<std::uint8_t, kPartAddressCount>;

// A part's defaults by address, as the parameter table gives them; 0xFF marks
// an address the kind of part does not have. The receive channel (0x04) is the
// part's own number instead of the byte given here.
constexpr PartTemplate BuildPartTemplate(bool drum) {
  PartTemplate bytes{};
  for (std::size_t address = 0; address < kPartAddressCount; ++address) {
    const ParameterDescriptor& parameter = kPartParameters[address].parameter;
    bytes[address] = static_cast<std::uint8_t>(drum ? parameter.drumDefault
                                               : parameter.defaultFrom == DefaultFrom::PartNumber
                                                   ? 0
                                                   : parameter.defaultValue);
  }
  return bytes;
}

inline constexpr PartTemplate kNormalPartTemplate = BuildPartTemplate(false);
inline constexpr PartTemplate kDrumPartTemplate = BuildPartTemplate(true);

// The bytes that a change between normal and drum mode takes from the newly applicable
// template; the rest of the record stays.
inline constexpr std::size_t kModeDependentPartAddressCount = 32;
inline constexpr std::array<std::uint8_t, kModeDependentPartAddressCount>
    kModeDependentPartAddresses = {
        0x05, 0x06, 0x07, 0x16, 0x17, 0x34, 0x3D, 0x3F, 0x41, 0x42, 0x43,
        0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A, 0x4B, 0x4C, 0x53, 0x54,
        0x55, 0x56, 0x57, 0x58, 0x67, 0x68, 0x69, 0x6A, 0x6B, 0x6C,
};

// The part EQ's defaults, the same for both kinds of part; 0xFF where no
// parameter lives.
constexpr PartEqRecord BuildPartEqTemplate() {
  PartEqRecord bytes{};
  bytes.fill(kNoParameter);
  for (const PartParameter& entry : kPartEqParameters) {
    bytes[entry.parameter.address - part_eq::kFirst] =
        static_cast<std::uint8_t>(entry.parameter.defaultValue);
  }
  return bytes;
}
inline constexpr PartEqRecord kPartEqTemplate = BuildPartEqTemplate();

// The drum template for a drum part, else the normal one.
const PartTemplate& PartTemplateFor(bool drumPart);
// True when that kind of part has a parameter at `address`.
bool PartKindHas(bool drumPart, int address);
bool IsModeDependentPartAddress(int address);

}  // namespace ravlo
