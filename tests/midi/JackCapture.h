#pragma once

#include <rtmidi/RtMidi.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace ravlo::test {

// An RtMidi input on JACK that records every message it receives, whole.
class JackCapture {
 public:
  using Message = std::vector<std::uint8_t>;

  explicit JackCapture(const std::string& clientName = "RavloCapture")
      : input_(RtMidi::UNIX_JACK, clientName, 4096) {
    // Sysex is what is tested; a callback keeps bursts from overflowing a queue.
    input_.ignoreTypes(false, true, true);
    input_.setCallback(&JackCapture::OnMessage, this);
    input_.openVirtualPort("in");
  }

  // What arrived once `bytes` bytes are in, or when the time is up.
  std::vector<Message> WaitFor(std::size_t bytes, std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    arrived_.wait_for(lock, limit, [&] { return received_ >= bytes; });
    return messages_;
  }

 private:
  static void OnMessage(double, std::vector<unsigned char>* message, void* user) {
    auto* self = static_cast<JackCapture*>(user);
    std::lock_guard lock(self->mutex_);
    self->messages_.emplace_back(message->begin(), message->end());
    self->received_ += message->size();
    self->arrived_.notify_all();
  }

  RtMidiIn input_;
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::vector<Message> messages_;
  std::size_t received_ = 0;
};

}  // namespace ravlo::test
