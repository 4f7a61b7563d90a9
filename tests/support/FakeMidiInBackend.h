#pragma once

#include <string>
#include <vector>

#include "midi/MidiInBackend.h"

namespace ravlo::test {

// A scriptable input: named ports, an open that can be made to fail, and
// messages handed in by the test as if they had arrived.
class FakeMidiInBackend final : public MidiInBackend {
 public:
  explicit FakeMidiInBackend(std::vector<std::string> ports = {"In A", "In B"})
      : ports_(std::move(ports)) {}

  int PortCount() override { return static_cast<int>(ports_.size()); }
  MidiResult PortName(int index, std::string& name) override {
    if (index < 0 || index >= PortCount()) return kMidiBadDeviceId;
    name = ports_[static_cast<std::size_t>(index)];
    return kMidiOk;
  }
  MidiResult Open(int index, MessageSink sink) override {
    ++opens;
    if (openResult != kMidiOk) return openResult;
    if (index < 0 || index >= PortCount()) return kMidiBadDeviceId;
    openIndex = index;
    sink_ = std::move(sink);
    return kMidiOk;
  }
  void Close() override {
    ++closes;
    openIndex = -1;
    sink_ = nullptr;
  }
  std::string ErrorText(MidiResult code) override {
    return "fake input error " + std::to_string(code);
  }

  // A message arriving: to the sink while a port is open.
  void Deliver(std::span<const std::uint8_t> message) {
    if (sink_) sink_(message);
  }

  MidiResult openResult = kMidiOk;
  int openIndex = -1;
  int opens = 0;
  int closes = 0;

 private:
  std::vector<std::string> ports_;
  MessageSink sink_;
};

}  // namespace ravlo::test
