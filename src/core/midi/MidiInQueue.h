#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

namespace ravlo {

// Where received messages wait for the program's own thread: a backend's
// thread pushes, the core takes, one whole message at a time, oldest first.
class MidiInQueue {
 public:
  using Message = std::vector<std::uint8_t>;
  // A flood nobody takes from is cut off here rather than growing without bound.
  static constexpr std::size_t kCapacity = 4096;

  void Push(std::span<const std::uint8_t> message);
  std::optional<Message> Take();
  // Takes the next message, waiting up to `limit` for one to come.
  std::optional<Message> WaitAndTake(std::chrono::milliseconds limit);
  void Clear();

 private:
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::deque<Message> messages_;
};

}  // namespace ravlo
