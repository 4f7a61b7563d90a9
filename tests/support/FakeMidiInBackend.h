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
  MidiResult PortName(int index, std::string& name) override;
  MidiResult Open(int index, MessageSink sink) override;
  void Close() override;
  std::string ErrorText(MidiResult code) override {
    return "fake input error " + std::to_string(code);
  }

  // A message arriving: to the sink while a port is open.
  void Deliver(std::span<const std::uint8_t> message);

  MidiResult openResult = kMidiOk;
  int openIndex = -1;
  int opens = 0;
  int closes = 0;

 private:
  std::vector<std::string> ports_;
  MessageSink sink_;
};

}  // namespace ravlo::test
