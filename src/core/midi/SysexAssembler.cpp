#include "midi/SysexAssembler.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace ravlo {

namespace {

constexpr std::uint8_t kStart = 0xF0;
constexpr std::uint8_t kEnd = 0xF7;

using Position = std::span<const std::uint8_t>::iterator;

// memchr looks at many bytes at a time, where a loop looks at one.
Position Find(Position from, Position to, std::uint8_t byte) {
  const std::uint8_t* first = std::to_address(from);
  const void* found = std::memchr(first, byte, static_cast<std::size_t>(to - from));
  return found == nullptr ? to : from + (static_cast<const std::uint8_t*>(found) - first);
}

bool IsOneWholeMessage(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 2 || bytes.front() != kStart || bytes.back() != kEnd) return false;
  // No status byte between (a reduction without early exit checks many bytes at once);
  // a rare one that is no start or end takes the general way.
  std::uint8_t highest = 0;
  for (const std::uint8_t byte : bytes.subspan(1, bytes.size() - 2)) {
    highest = std::max(highest, byte);
  }
  return highest < kStart && bytes.size() <= SysexAssembler::kMaxMessage;
}

}  // namespace

// Whole runs of data bytes at a time, not byte by byte: every message the
// program sends passes through here, some of them several times.
void SysexAssembler::Feed(std::span<const std::uint8_t> bytes, const MessageSink& sink) {
  // What the program sends comes a whole message at a time: passed on as it is.
  if (pending_.empty() && IsOneWholeMessage(bytes)) {
    sink(bytes);
    return;
  }
  auto at = bytes.begin();
  while (at != bytes.end()) {
    if (pending_.empty()) {
      at = Find(at, bytes.end(), kStart);
      if (at == bytes.end()) return;
      pending_.push_back(kStart);
      ++at;
      continue;
    }
    // The next end, or an earlier start that cuts the message short.
    auto stop = Find(at, bytes.end(), kEnd);
    stop = Find(at, stop, kStart);
    if (pending_.size() + static_cast<std::size_t>(stop - at) > kMaxMessage) {
      // Too long: dropped, and everything up to the next start with it.
      pending_.clear();
      at = stop;
      continue;
    }
    pending_.insert(pending_.end(), at, stop);
    at = stop;
    if (at == bytes.end()) return;
    if (*at == kStart) {
      pending_.assign(1, kStart);
    } else if (pending_.size() >= kMaxMessage) {
      pending_.clear();
    } else {
      pending_.push_back(kEnd);
      sink(pending_);
      pending_.clear();
    }
    ++at;
  }
}

}  // namespace ravlo
