#include "support/FakeMidiInBackend.h"

namespace ravlo::test {

MidiResult FakeMidiInBackend::PortName(int index, std::string& name) {
  if (index < 0 || index >= PortCount()) return kMidiBadDeviceId;
  name = ports_[static_cast<std::size_t>(index)];
  return kMidiOk;
}

MidiResult FakeMidiInBackend::Open(int index, MessageSink sink) {
  ++opens;
  if (openResult != kMidiOk) return openResult;
  if (index < 0 || index >= PortCount()) return kMidiBadDeviceId;
  openIndex = index;
  sink_ = std::move(sink);
  return kMidiOk;
}

void FakeMidiInBackend::Close() {
  ++closes;
  openIndex = -1;
  sink_ = nullptr;
}

void FakeMidiInBackend::Deliver(std::span<const std::uint8_t> message) {
  if (sink_) sink_(message);
}

}  // namespace ravlo::test
