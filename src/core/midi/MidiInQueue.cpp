#include "midi/MidiInQueue.h"

namespace ravlo {

void MidiInQueue::Push(std::span<const std::uint8_t> message) {
  {
    std::lock_guard lock(mutex_);
    if (messages_.size() >= kCapacity) return;
    messages_.emplace_back(message.begin(), message.end());
  }
  arrived_.notify_one();
}

std::optional<MidiInQueue::Message> MidiInQueue::Take() {
  std::lock_guard lock(mutex_);
  if (messages_.empty()) return std::nullopt;
  Message message = std::move(messages_.front());
  messages_.pop_front();
  return message;
}

std::optional<MidiInQueue::Message> MidiInQueue::WaitAndTake(std::chrono::milliseconds limit) {
  std::unique_lock lock(mutex_);
  if (!arrived_.wait_for(lock, limit, [this] { return !messages_.empty(); })) return std::nullopt;
  Message message = std::move(messages_.front());
  messages_.pop_front();
  return message;
}

void MidiInQueue::Clear() {
  std::lock_guard lock(mutex_);
  messages_.clear();
}

}  // namespace ravlo
