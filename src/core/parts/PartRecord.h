#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "parameters/ParameterDescriptor.h"

namespace ravlo {

inline constexpr std::size_t kPartRecordSize = 111;
inline constexpr int kPartCount = 16;

// Byte i is the value of multi part address 08 pp i.
using PartRecord = std::array<std::uint8_t, kPartRecordSize>;

// The record bytes the model itself interprets.
namespace part_address {
inline constexpr std::uint8_t kElementReserve = 0x00;
inline constexpr std::uint8_t kBankMsb = 0x01;
inline constexpr std::uint8_t kBankLsb = 0x02;
inline constexpr std::uint8_t kProgram = 0x03;
inline constexpr std::uint8_t kReceiveChannel = 0x04;
inline constexpr std::uint8_t kPartMode = 0x07;
inline constexpr std::uint8_t kDetuneMsb = 0x09;
inline constexpr std::uint8_t kDetuneLsb = 0x0A;
inline constexpr std::uint8_t kVolume = 0x0B;
inline constexpr std::uint8_t kLast = 0x6E;
// 0x29..0x2F exist in the record but belong to no parameter.
inline constexpr std::uint8_t kFirstHalfEnd = 0x28;
inline constexpr std::uint8_t kSecondHalfStart = 0x30;

// The gap between the two halves of the record: no parameter lives there.
constexpr bool IsGap(int address) {
  return address > kFirstHalfEnd && address < kSecondHalfStart;
}
// An address of a parameter: 0x00 .. 0x6E outside the gap.
constexpr bool IsParameter(int address) {
  return address >= 0 && address <= kLast && !IsGap(address);
}
}  // namespace part_address

// The later instruments' part EQ, past the first level's record: 08 pp 72 ..
// 08 pp 77, of which 74 and 75 belong to no parameter (XG data list, multi
// part parameter change table). Kept beside the record, so that the first
// level's record stays as it is.
namespace part_eq {
inline constexpr std::uint8_t kFirst = 0x72;
inline constexpr std::uint8_t kBassGain = 0x72;
inline constexpr std::uint8_t kTrebleGain = 0x73;
inline constexpr std::uint8_t kBassFrequency = 0x76;
inline constexpr std::uint8_t kTrebleFrequency = 0x77;
inline constexpr std::uint8_t kLast = 0x77;
inline constexpr std::size_t kSize = kLast - kFirst + 1;

constexpr bool IsParameter(int address) {
  return address == kBassGain || address == kTrebleGain || address == kBassFrequency ||
         address == kTrebleFrequency;
}
}  // namespace part_eq

using PartEqRecord = std::array<std::uint8_t, part_eq::kSize>;

// A receive channel byte of 0x7F switches the part off.
inline constexpr std::uint8_t kPartOff = 0x7F;
// Part mode 1 is a drum part on a setup the synthesizer picks; modes 2 and
// above hold the drum setups 1 .. 4. Every drum mode uses the drum template.
inline constexpr std::uint8_t kDrumMode = 1;
inline constexpr std::uint8_t kFirstDrumMode = 2;

}  // namespace ravlo
