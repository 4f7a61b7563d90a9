#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "messages/XgMessage.h"

namespace ravlo {

// Who an instrument says it is, as the universal Identity Reply carries it:
// F0 7E dd 06 02, the maker's ID (one byte, or 00 and two more), the family
// code and the member code (two bytes each, the low byte first), four bytes
// of software version, F7.
struct DeviceIdentity {
  std::uint8_t device = 0x7F;
  std::vector<std::uint8_t> maker;
  std::uint16_t family = 0;
  std::uint16_t member = 0;
  std::array<std::uint8_t, 4> version{};

  friend bool operator==(const DeviceIdentity&, const DeviceIdentity&) = default;
};

// F0 7E 7F 06 01 F7: every device on the line is asked.
XgMessage BuildIdentityRequest();
// An Identity Request to any device number.
bool IsIdentityRequest(std::span<const std::uint8_t> message);

XgMessage BuildIdentityReply(const DeviceIdentity& identity);
// None for anything but a whole, well-formed Identity Reply.
std::optional<DeviceIdentity> ParseIdentityReply(std::span<const std::uint8_t> message);

// "maker 43, family 00 41, member 00 00, version 00 00 00 01": the codes as
// the reply carries them.
std::string DescribeIdentity(const DeviceIdentity& identity);

}  // namespace ravlo
