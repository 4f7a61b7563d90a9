#include "MonitorInput.h"

#include "MonitorBackend.h"

namespace ravlo {

MidiResult MonitorInput::PortName(int index, std::string& name) {
  if (index != 0) return kMidiBadDeviceId;
  name = MonitorBackend::kPortName;
  return kMidiOk;
}

MidiResult MonitorInput::Open(int index, MessageSink sink) {
  if (index != 0) return kMidiBadDeviceId;
  std::lock_guard lock(mutex_);
  sink_ = std::move(sink);
  return kMidiOk;
}

void MonitorInput::Close() {
  std::lock_guard lock(mutex_);
  sink_ = nullptr;
}

std::string MonitorInput::ErrorText(MidiResult code) {
  return StandardMidiErrorText(code);
}

void MonitorInput::Deliver(std::span<const std::uint8_t> message) {
  std::lock_guard lock(mutex_);
  if (sink_) sink_(message);
}

}  // namespace ravlo
