#include "messages/IdentityMessages.h"

#include <cstdio>

namespace ravlo {

namespace {

// General Information: sub-ID 06, then 01 request, 02 reply.
constexpr std::uint8_t kGeneralInformation = 0x06;
constexpr std::uint8_t kIdentityRequestId = 0x01;
constexpr std::uint8_t kIdentityReplyId = 0x02;
constexpr std::uint8_t kAllDevices = 0x7F;
constexpr std::size_t kRequestSize = 6;
// Header (5), codes and version (2 + 2 + 4), F7; the maker's ID comes between.
constexpr std::size_t kReplyFixedSize = 5 + 8 + 1;
// A maker's ID of three bytes starts with 00.
constexpr std::uint8_t kExtendedMakerId = 0x00;

std::uint16_t LowFirst(std::uint8_t low, std::uint8_t high) {
  return static_cast<std::uint16_t>(high << 7 | low);
}

}  // namespace

XgMessage BuildIdentityRequest() {
  return {kSysexStart,         kUniversalNonRealTime, kAllDevices,
          kGeneralInformation, kIdentityRequestId,    kSysexEnd};
}

bool IsIdentityRequest(std::span<const std::uint8_t> m) {
  return m.size() == kRequestSize && m[0] == kSysexStart && m[1] == kUniversalNonRealTime &&
         IsDataByte(m[2]) && m[3] == kGeneralInformation && m[4] == kIdentityRequestId &&
         m[5] == kSysexEnd;
}

XgMessage BuildIdentityReply(const DeviceIdentity& identity) {
  XgMessage message{kSysexStart, kUniversalNonRealTime,
                    static_cast<std::uint8_t>(identity.device & 0x7F), kGeneralInformation,
                    kIdentityReplyId};
  for (std::uint8_t byte : identity.maker) message.Append(byte & 0x7F);
  for (std::uint16_t code : {identity.family, identity.member}) {
    message.Append(static_cast<std::uint8_t>(code & 0x7F));
    message.Append(static_cast<std::uint8_t>((code >> 7) & 0x7F));
  }
  for (std::uint8_t byte : identity.version) message.Append(byte & 0x7F);
  message.Append(kSysexEnd);
  return message;
}

std::optional<DeviceIdentity> ParseIdentityReply(std::span<const std::uint8_t> m) {
  if (m.size() < kReplyFixedSize + 1 || m[0] != kSysexStart || m[1] != kUniversalNonRealTime ||
      m[3] != kGeneralInformation || m[4] != kIdentityReplyId || m.back() != kSysexEnd) {
    return std::nullopt;
  }
  for (std::size_t i = 1; i + 1 < m.size(); ++i) {
    if (!IsDataByte(m[i])) return std::nullopt;
  }
  const std::size_t makerSize = m[5] == kExtendedMakerId ? 3 : 1;
  if (m.size() != kReplyFixedSize + makerSize) return std::nullopt;
  DeviceIdentity identity;
  identity.device = m[2];
  identity.maker.assign(m.begin() + 5, m.begin() + 5 + static_cast<std::ptrdiff_t>(makerSize));
  const std::size_t codes = 5 + makerSize;
  identity.family = LowFirst(m[codes], m[codes + 1]);
  identity.member = LowFirst(m[codes + 2], m[codes + 3]);
  for (std::size_t i = 0; i < identity.version.size(); ++i) identity.version[i] = m[codes + 4 + i];
  return identity;
}

std::string DescribeIdentity(const DeviceIdentity& identity) {
  // The codes as the reply carries them, low byte first.
  const auto bytes = [](std::span<const std::uint8_t> values) {
    std::string text;
    char hex[4];
    for (std::uint8_t byte : values) {
      std::snprintf(hex, sizeof hex, " %02X", byte);
      text += hex;
    }
    return text;
  };
  const std::array<std::uint8_t, 4> codes{static_cast<std::uint8_t>(identity.family & 0x7F),
                                          static_cast<std::uint8_t>(identity.family >> 7 & 0x7F),
                                          static_cast<std::uint8_t>(identity.member & 0x7F),
                                          static_cast<std::uint8_t>(identity.member >> 7 & 0x7F)};
  std::string text = "maker";
  text += bytes(identity.maker);
  text += ", family";
  text += bytes(std::span(codes).first(2));
  text += ", member";
  text += bytes(std::span(codes).last(2));
  text += ", version";
  text += bytes(identity.version);
  return text;
}

}  // namespace ravlo
