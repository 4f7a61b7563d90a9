#include "uservoice/UserVoice.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "messages/XgMessages.h"

namespace ravlo {

namespace {

constexpr UserVoiceElement kDefaultElement{
    0x00, 0x00, 0x00, 0x7F, 0x01, 0x7F, 0x00, 0x00, 0x00, 0x20, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40,
    0x40, 0x00, 0x40, 0x00, 0x40, 0x40, 0x40, 0x40, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40, 0x40, 0x40, 0x40,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x7F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x07, 0x40, 0x40, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

constexpr std::size_t kCommonOffset = kBulkHeaderSize;
constexpr std::size_t kFirstElementOffset = kCommonOffset + kUserVoiceCommonSize;
constexpr std::uint8_t kUserVoiceAddressHigh = 0x11;

}  // namespace

const UserVoiceElement& DefaultUserVoiceElement() {
  return kDefaultElement;
}

UserVoice::UserVoice(int voiceNumber) : voiceNumber_(voiceNumber) {
  elements_.fill(kDefaultElement);
  RebuildFromCommon();
}

void UserVoice::SetCommon(std::span<const std::uint8_t, kUserVoiceCommonSize> common) {
  std::copy(common.begin(), common.end(), common_.begin());
  RebuildFromCommon();
}

void UserVoice::RebuildFromCommon() {
  for (int i = 0; i < kUserVoiceNameLength; ++i) {
    const std::uint8_t byte = common_[static_cast<std::size_t>(i)];
    displayName_[static_cast<std::size_t>(i)] = byte >= 0x80 ? ' ' : static_cast<char>(byte);
  }
  displayName_[kUserVoiceNameLength] = '\0';
}

bool UserVoice::GetElement(int index, UserVoiceElement& element) const {
  const UserVoiceElement* source = Element(index);
  if (source == nullptr) return false;
  element = *source;
  return true;
}

bool UserVoice::SetElement(int index, const UserVoiceElement& element) {
  if (index < 0 || index >= kUserVoiceElementCount) return false;
  elements_[static_cast<std::size_t>(index)] = element;
  return true;
}

const UserVoiceElement* UserVoice::Element(int index) const {
  if (index < 0 || index >= kUserVoiceElementCount) return nullptr;
  return &elements_[static_cast<std::size_t>(index)];
}

bool UserVoice::ElementOn(int index) const {
  if (index < 0 || index >= kUserVoiceElementCount) return false;
  return (common_[kElementSwitchByte] >> index) & 1;
}

bool UserVoice::SetElementOn(int index, bool on) {
  if (index < 0 || index >= kUserVoiceElementCount) return false;
  std::uint8_t switches = 0;
  for (int i = 0; i < kUserVoiceElementCount; ++i) {
    const bool elementOn = i == index ? on : ElementOn(i);
    if (elementOn) switches |= static_cast<std::uint8_t>(1 << i);
  }
  common_[kElementSwitchByte] = switches;
  return true;
}

int UserVoice::ElementsOn() const {
  int count = 0;
  for (int i = 0; i < kUserVoiceElementCount; ++i) count += ElementOn(i) ? 1 : 0;
  return count;
}

void UserVoice::SetName(std::string_view name) {
  for (int i = 0; i < kUserVoiceNameLength; ++i) {
    const auto index = static_cast<std::size_t>(i);
    const auto byte = index < name.size() ? static_cast<std::uint8_t>(name[index]) : ' ';
    common_[index] = byte >= 0x80 ? ' ' : byte;
  }
  RebuildFromCommon();
}

int UserVoice::WaveNumber(int index) const {
  const UserVoiceElement* element = Element(index);
  if (element == nullptr) return -1;
  return ((*element)[0] & 0x7F) * 128 + ((*element)[1] & 0x7F);
}

bool UserVoice::SameData(const UserVoice& other) const {
  // Equal bytes are the common case and compare at once; only unequal ones are looked at as seven
  // bits.
  const auto same = [](std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    return std::memcmp(a.data(), b.data(), a.size()) == 0 ||
           std::equal(a.begin(), a.end(), b.begin(),
                      [](std::uint8_t x, std::uint8_t y) { return ((x ^ y) & 0x7F) == 0; });
  };
  // The common part and the elements lie back to back: equal voices compare in one go.
  static_assert(offsetof(UserVoice, elements_) == offsetof(UserVoice, common_) + sizeof common_);
  if (std::memcmp(common_.data(), other.common_.data(), sizeof common_ + sizeof elements_) == 0) {
    return true;
  }
  if (!same(common_, other.common_)) return false;
  for (std::size_t e = 0; e < elements_.size(); ++e) {
    if (!same(elements_[e], other.elements_[e])) return false;
  }
  return true;
}

std::array<std::uint8_t, kUserVoiceDumpSize> UserVoice::BuildDump(UnitNumber unit,
                                                                  int voiceNumber) const {
  std::array<std::uint8_t, kUserVoiceDumpSize - kBulkOverhead> data{};
  auto out = std::copy(common_.begin(), common_.end(), data.begin());
  for (const UserVoiceElement& element : elements_)
    out = std::copy(element.begin(), element.end(), out);
  const XgMessage message = BuildBulkDump(
      unit, kQs300ModelId,
      {kUserVoiceAddressHigh, static_cast<std::uint8_t>(voiceNumber & 0x7F), 0x00}, data);
  std::array<std::uint8_t, kUserVoiceDumpSize> dump{};
  std::copy(message.Bytes().begin(), message.Bytes().end(), dump.begin());
  return dump;
}

bool UserVoice::CopyFrom(const UserVoice& source) {
  return ParseDump(source.BuildDump(UnitNumber::FromValue(0), voiceNumber_));
}

bool UserVoice::ParseDump(std::span<const std::uint8_t> message) {
  const auto count = BulkByteCount(message);
  if (!count || *count < kUserVoiceCommonSize) return false;
  const std::size_t elementBytes = *count - kUserVoiceCommonSize;
  if (elementBytes % kUserVoiceElementSize != 0) return false;
  const std::size_t elementCount = elementBytes / kUserVoiceElementSize;
  if (elementCount > kUserVoiceElementCount) return false;
  // Refuse before touching anything, so a short message leaves the voice as it was.
  if (message.size() < kFirstElementOffset + elementCount * kUserVoiceElementSize) return false;

  std::copy_n(message.begin() + kCommonOffset, kUserVoiceCommonSize, common_.begin());
  RebuildFromCommon();
  for (std::size_t i = 0; i < elementCount; ++i) {
    const auto from = message.begin() +
                      static_cast<std::ptrdiff_t>(kFirstElementOffset + i * kUserVoiceElementSize);
    std::copy_n(from, kUserVoiceElementSize, elements_[i].begin());
  }
  return true;
}

}  // namespace ravlo
