#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace ravlo {

// Joins the 512-byte pieces the output pool hands a backend back into whole
// sysex messages, and splits a block of several messages apart: platform APIs
// that take one complete message per call need exactly that.
class SysexAssembler {
 public:
  using MessageSink = std::function<void(std::span<const std::uint8_t>)>;
  // A message that never ends is dropped rather than growing without bound.
  static constexpr std::size_t kMaxMessage = std::size_t{1} << 20;

  // Calls `sink` once for every message completed by these bytes. Bytes
  // outside F0..F7 are dropped; an F0 inside a message starts a new one.
  void Feed(std::span<const std::uint8_t> bytes, const MessageSink& sink);
  void Reset() { pending_.clear(); }
  bool InMessage() const { return !pending_.empty(); }

 private:
  std::vector<std::uint8_t> pending_;
};

}  // namespace ravlo
