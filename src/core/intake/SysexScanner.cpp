#include "intake/SysexScanner.h"

#include <algorithm>
#include <cstring>

namespace ravlo {

namespace {

constexpr std::uint8_t kStart = 0xF0;
constexpr std::uint8_t kEnd = 0xF7;
constexpr std::size_t kMaxLengthField = 4;
constexpr std::size_t kShortestMessage = 3;

}  // namespace

SysexScanner SysexScanner::Plain(std::span<const std::uint8_t> image) {
  // Only MIDI-file mode writes, so a read-only image is safe here.
  return {const_cast<std::uint8_t*>(image.data()), image.size(), false};
}

SysexScanner SysexScanner::MidiFile(std::span<std::uint8_t> image) {
  return {image.data(), image.size(), true};
}

bool SysexScanner::IsMidiFile(std::span<const std::uint8_t> image) {
  return image.size() >= 4 && std::memcmp(image.data(), "MThd", 4) == 0;
}

std::optional<std::size_t> SysexScanner::Find(std::uint8_t byte, std::size_t from) const {
  if (from >= size_) return std::nullopt;
  const auto* found =
      static_cast<const std::uint8_t*>(std::memchr(image_ + from, byte, size_ - from));
  if (found == nullptr) return std::nullopt;
  return static_cast<std::size_t>(found - image_);
}

SysexScanner::Candidate SysexScanner::ExamineEvent(std::size_t start, std::size_t& messageStart) {
  if (size_ - start < 4) return Candidate::End;
  // The count: 7 bits a byte, most significant first, every byte but the
  // last with its top bit set, at most four bytes, and never past the image.
  std::size_t count = 0;
  std::size_t last = start;
  for (std::size_t i = 1; i <= kMaxLengthField && start + i < size_; ++i) {
    last = start + i;
    const std::uint8_t byte = image_[last];
    count = count * 128 + (byte & 0x7F);
    if (byte < 0x80) break;
  }
  if (count >= size_ - last || image_[last + count] != kEnd) {
    messageStart = last;
    return Candidate::Skip;
  }
  image_[last] = kStart;
  messageStart = last;
  return Candidate::Event;
}

std::optional<ScannedMessage> SysexScanner::Next() {
  while (!ended_) {
    const std::optional<std::size_t> start = Find(kStart, position_);
    if (!start) break;
    std::size_t messageStart = *start;
    if (midiMode_) {
      const Candidate candidate = ExamineEvent(*start, messageStart);
      if (candidate == Candidate::End) break;
      if (candidate == Candidate::Skip) {
        position_ = messageStart;
        continue;
      }
    }
    const std::optional<std::size_t> end = Find(kEnd, messageStart);
    if (!end) break;
    position_ = *end + 1;
    const ScannedMessage message{messageStart, *end - messageStart + 1};
    if (message.length < kShortestMessage) break;
    if (position_ >= size_) ended_ = true;
    return message;
  }
  ended_ = true;
  return std::nullopt;
}

}  // namespace ravlo
