#pragma once

#include <array>
#include <atomic>
#include <cstdint>

namespace ravlo {

// One entry of the output pool. The sender copies a piece of a block into
// `data`, clears kDone and queues it; the backend sets kDone again once the
// bytes have gone, possibly from its own thread.
struct SendBuffer {
  static constexpr std::uint32_t kDone = 1;
  static constexpr std::uint32_t kCapacity = 512;

  std::array<std::uint8_t, kCapacity> data{};
  const std::uint32_t capacity = kCapacity;  // the longest piece `data` takes
  std::uint32_t bufferLength = 0;            // bytes of the piece queued
  std::atomic<std::uint32_t> flags{kDone};

  bool IsDone() const { return (flags.load(std::memory_order_acquire) & kDone) != 0; }
  void MarkDone() { flags.fetch_or(kDone, std::memory_order_release); }
};

}  // namespace ravlo
