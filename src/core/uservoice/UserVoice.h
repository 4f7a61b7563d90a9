#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/Indices.h"

namespace ravlo {

inline constexpr std::size_t kUserVoiceCommonSize = 61;
inline constexpr std::size_t kUserVoiceElementSize = 80;
inline constexpr int kUserVoiceElementCount = 4;
inline constexpr int kUserVoiceNameLength = 10;
inline constexpr std::size_t kUserVoiceDumpSize = 392;
inline constexpr int kUserVoicesPerBank = 32;

using UserVoiceElement = std::array<std::uint8_t, kUserVoiceElementSize>;
using UserVoiceCommon = std::array<std::uint8_t, kUserVoiceCommonSize>;

// The element a fresh voice starts with.
const UserVoiceElement& DefaultUserVoiceElement();

// One QS300 user voice: a 61-byte common block and four 80-byte elements,
// kept raw in dump order. Only the name, the element switches and the level
// are interpreted; every other byte passes through unchanged.
class UserVoice {
 public:
  static constexpr std::size_t kElementSwitchByte = 11;
  static constexpr std::size_t kLevelByte = 12;

  explicit UserVoice(int voiceNumber = 0);

  int VoiceNumber() const { return voiceNumber_; }
  void SetVoiceNumber(int voiceNumber) { voiceNumber_ = voiceNumber; }

  const UserVoiceCommon& Common() const { return common_; }
  void SetCommon(std::span<const std::uint8_t, kUserVoiceCommonSize> common);

  // Element index 0..3; false for any other.
  bool GetElement(int index, UserVoiceElement& element) const;
  bool SetElement(int index, const UserVoiceElement& element);
  const UserVoiceElement* Element(int index) const;

  bool ElementOn(int index) const;
  // Rewrites common byte 11 from the four switches (other bits cleared).
  bool SetElementOn(int index, bool on);
  int ElementsOn() const;

  // At most 10 characters; bytes of 128 or more become blanks; padded with blanks.
  void SetName(std::string_view name);
  // The first 10 common bytes with every byte of 128 or more shown as a
  // blank; a zero byte ends the name, as it ends an empty one.
  std::string_view DisplayName() const { return displayName_.data(); }

  int Level() const { return common_[kLevelByte]; }
  void SetLevel(int level) { common_[kLevelByte] = static_cast<std::uint8_t>(level & 0x7F); }

  // (byte 0 & 127) * 128 + (byte 1 & 127) of the element; -1 for a bad index.
  int WaveNumber(int index) const;

  // True when both voices' dumps carry the same data (bytes compared as seven bits, as they
  // leave), whatever their voice numbers.
  bool SameData(const UserVoice& other) const;

  // The 392-byte QS300 bulk dump of this voice addressed to `voiceNumber`.
  std::array<std::uint8_t, kUserVoiceDumpSize> BuildDump(UnitNumber unit, int voiceNumber) const;

  // Takes a QS300 bulk dump in. The count less 61 must be 80 per element, at
  // most four; the message must hold every byte it announces. On failure the
  // voice is unchanged.
  bool ParseDump(std::span<const std::uint8_t> message);
  // Takes another voice's bytes through the dump form, keeping its own
  // voice number; false (unchanged) when the dump does not parse.
  bool CopyFrom(const UserVoice& source);

 private:
  void RebuildFromCommon();

  UserVoiceCommon common_{};
  std::array<UserVoiceElement, kUserVoiceElementCount> elements_;
  int voiceNumber_ = 0;
  std::array<char, kUserVoiceNameLength + 1> displayName_{};
};

}  // namespace ravlo
