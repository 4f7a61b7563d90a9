#include "JackCapture.h"

#include <thread>

namespace ravlo::test {

JackCapture::JackCapture(const std::string& clientName)
    : input_(RtMidi::UNIX_JACK, clientName, 4096) {
  // Sysex is what is tested; a callback keeps bursts from overflowing a queue.
  input_.ignoreTypes(false, true, true);
  input_.setCallback(&JackCapture::OnMessage, this);
  input_.openVirtualPort("in");
}

void JackCapture::OnMessage(double, std::vector<unsigned char>* message, void* user) {
  auto* self = static_cast<JackCapture*>(user);
  std::lock_guard lock(self->mutex_);
  self->messages_.emplace_back(message->begin(), message->end());
  self->received_ += message->size();
}

std::vector<JackCapture::Message> JackCapture::WaitFor(std::size_t bytes,
                                                       std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    {
      std::lock_guard lock(mutex_);
      if (received_ >= bytes) return messages_;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::lock_guard lock(mutex_);
  return messages_;
}

void JackCapture::Clear() {
  std::lock_guard lock(mutex_);
  messages_.clear();
  received_ = 0;
}

}  // namespace ravlo::test
