#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>

namespace ravlo {

inline constexpr std::uint8_t kSysexStart = 0xF0;
inline constexpr std::uint8_t kSysexEnd = 0xF7;
inline constexpr std::uint8_t kYamahaId = 0x43;
inline constexpr std::uint8_t kXgModelId = 0x4C;
inline constexpr std::uint8_t kQs300ModelId = 0x4B;
inline constexpr std::uint8_t kAdModelId = 0x49;
inline constexpr std::uint8_t kMixerModelId = 0x7A;
inline constexpr std::uint8_t kUniversalNonRealTime = 0x7E;
inline constexpr std::uint8_t kUniversalRealTime = 0x7F;

// The model IDs of the XG family the program takes in and describes.
constexpr bool IsXgFamilyModel(std::uint8_t id) {
  return id == kAdModelId || id == kQs300ModelId || id == kXgModelId || id == kMixerModelId;
}

// A MIDI data byte: 0..127.
constexpr bool IsDataByte(int value) {
  return value >= 0 && value <= 127;
}

// Parameter changes carry F0 43 1n id ah am al, data, F7.
inline constexpr std::size_t kChangeHeaderSize = 7;
// Bulk dumps carry F0 43 0n id bh bl ah am al, data, checksum, F7.
inline constexpr std::size_t kBulkOverhead = 11;
inline constexpr std::size_t kBulkHeaderSize = 9;
// The largest message the program builds itself: a QS300 user voice dump.
inline constexpr std::size_t kMaxBuiltMessage = 392;
inline constexpr std::size_t kMaxBulkData = kMaxBuiltMessage - kBulkOverhead;
inline constexpr std::size_t kMaxChangeData = kMaxBuiltMessage - kChangeHeaderSize - 1;

struct XgAddress {
  std::uint8_t high = 0;
  std::uint8_t mid = 0;
  std::uint8_t low = 0;

  friend constexpr bool operator==(const XgAddress&, const XgAddress&) = default;
};

// The address highs (and mids) of the blocks the program knows.
namespace xg_block {
inline constexpr std::uint8_t kSystemHigh = 0x00;
inline constexpr std::uint8_t kSystemMid = 0x00;
inline constexpr std::uint8_t kEffectHigh = 0x02;
inline constexpr std::uint8_t kEffectMid = 0x01;
inline constexpr std::uint8_t kPartHigh = 0x08;
inline constexpr std::uint8_t kAdPartHigh = 0x10;
inline constexpr std::uint8_t kAdSystemHigh = 0x11;
// Drum setup s (0 .. 3; the first XG level has 0 and 1) lives at 3s nn pp.
inline constexpr std::uint8_t kDrumSetupHigh = 0x30;
inline constexpr int kDrumSetupHighCount = 4;

// The system commands: one data byte each, at these system address lows.
inline constexpr std::uint8_t kDrumSetupResetLow = 0x7D;
inline constexpr std::uint8_t kXgSystemOnLow = 0x7E;
inline constexpr std::uint8_t kAllParameterResetLow = 0x7F;

constexpr XgAddress SystemAddress(std::uint8_t low) {
  return {kSystemHigh, kSystemMid, low};
}
constexpr XgAddress EffectAddress(std::uint8_t low) {
  return {kEffectHigh, kEffectMid, low};
}
constexpr XgAddress PartAddress(int part, int low) {
  return {kPartHigh, static_cast<std::uint8_t>(part), static_cast<std::uint8_t>(low)};
}
constexpr XgAddress DrumAddress(int setup, int midiNote, int low) {
  return {static_cast<std::uint8_t>(kDrumSetupHigh + setup), static_cast<std::uint8_t>(midiNote),
          static_cast<std::uint8_t>(low)};
}
constexpr bool IsSystem(std::uint8_t high, std::uint8_t mid) {
  return high == kSystemHigh && mid == kSystemMid;
}
constexpr bool IsEffect(std::uint8_t high, std::uint8_t mid) {
  return high == kEffectHigh && mid == kEffectMid;
}
constexpr bool IsDrumSetup(std::uint8_t high) {
  return high >= kDrumSetupHigh && high < kDrumSetupHigh + kDrumSetupHighCount;
}
// The A/D input parts and A/D system of the XG family: passed on, never stored.
constexpr bool IsAd(std::uint8_t high, std::uint8_t mid) {
  return (high == kAdPartHigh && mid <= 0x01) || (high == kAdSystemHigh && mid == 0x00);
}
}  // namespace xg_block

// A message built on the stack: nothing is allocated per message.
class XgMessage {
 public:
  XgMessage() = default;
  // Inline: most messages start from a few constant bytes, which the
  // compiler then stores directly.
  XgMessage(std::initializer_list<std::uint8_t> bytes)
      : size_(std::min(bytes.size(), kMaxBuiltMessage)) {
    std::copy_n(bytes.begin(), size_, bytes_.begin());
  }

  std::span<const std::uint8_t> Bytes() const { return {bytes_.data(), size_}; }
  std::size_t Size() const { return size_; }
  bool Empty() const { return size_ == 0; }
  std::uint8_t operator[](std::size_t i) const { return bytes_[i]; }

  void Append(std::uint8_t byte) { bytes_[size_++] = byte; }
  std::uint8_t* Data() { return bytes_.data(); }
  void Resize(std::size_t size) { size_ = size; }

 private:
  // Not cleared: only the first size_ bytes are ever read, and a save builds
  // thousands of messages.
  std::array<std::uint8_t, kMaxBuiltMessage> bytes_;
  std::size_t size_ = 0;
};

}  // namespace ravlo
