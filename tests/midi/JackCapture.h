#pragma once

#include <rtmidi/RtMidi.h>

#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace ravlo::test {

// An RtMidi input on JACK that records every message it receives, whole.
class JackCapture {
 public:
  using Message = std::vector<std::uint8_t>;

  explicit JackCapture(const std::string& clientName = "RavloCapture");

  // What arrived once `bytes` bytes are in, or when the time is up.
  std::vector<Message> WaitFor(std::size_t bytes, std::chrono::milliseconds limit);
  void Clear();

 private:
  static void OnMessage(double, std::vector<unsigned char>* message, void* user);

  RtMidiIn input_;
  std::mutex mutex_;
  std::vector<Message> messages_;
  std::size_t received_ = 0;
};

}  // namespace ravlo::test
