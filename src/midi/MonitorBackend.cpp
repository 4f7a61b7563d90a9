#include "MonitorBackend.h"

#include "midi/ShortMessage.h"

namespace ravlo {

MidiResult MonitorBackend::PortName(int index, std::string& name) {
  if (index != 0) return kMidiBadDeviceId;
  name = kPortName;
  return kMidiOk;
}

MidiResult MonitorBackend::Open(int index) {
  if (index != 0 && index != -1) return kMidiBadDeviceId;
  std::lock_guard lock(mutex_);
  assembler_.Reset();
  open_ = true;
  return kMidiOk;
}

MidiResult MonitorBackend::QueueLong(SendBuffer& buffer) {
  std::function<void()> listener;
  bool recorded = false;
  {
    std::lock_guard lock(mutex_);
    if (!open_) return kMidiInvalidHandle;
    assembler_.Feed({buffer.data.data(), buffer.bufferLength},
                    [&](std::span<const std::uint8_t> message) {
                      Record(message);
                      recorded = true;
                    });
    listener = listener_;
  }
  buffer.MarkDone();
  if (recorded && listener) listener();
  return kMidiOk;
}

MidiResult MonitorBackend::SendShort(std::uint32_t packed) {
  const ShortMessage message(packed);
  if (message.Bytes().empty()) return kMidiError;
  std::function<void()> listener;
  {
    std::lock_guard lock(mutex_);
    if (!open_) return kMidiInvalidHandle;
    Record(message.Bytes());
    listener = listener_;
  }
  if (listener) listener();
  return kMidiOk;
}

void MonitorBackend::Reset() {
  std::lock_guard lock(mutex_);
  assembler_.Reset();
}

void MonitorBackend::Close() {
  std::lock_guard lock(mutex_);
  assembler_.Reset();
  open_ = false;
}

std::string MonitorBackend::ErrorText(MidiResult code) {
  return StandardMidiErrorText(code);
}

void MonitorBackend::Record(std::span<const std::uint8_t> bytes) {
  if (messages_.size() == kCapacity) messages_.pop_front();
  messages_.push_back({std::chrono::system_clock::now(), {bytes.begin(), bytes.end()}});
  ++totalReceived_;
}

std::vector<MonitoredMessage> MonitorBackend::Messages() const {
  std::lock_guard lock(mutex_);
  return {messages_.begin(), messages_.end()};
}

std::uint64_t MonitorBackend::TotalReceived() const {
  std::lock_guard lock(mutex_);
  return totalReceived_;
}

void MonitorBackend::Clear() {
  std::lock_guard lock(mutex_);
  messages_.clear();
  totalReceived_ = 0;
}

void MonitorBackend::SetListener(std::function<void()> listener) {
  std::lock_guard lock(mutex_);
  listener_ = std::move(listener);
}

}  // namespace ravlo
