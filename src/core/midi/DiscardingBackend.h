#pragma once

#include <string>

#include "midi/MidiBackend.h"

namespace ravlo {

// One port that takes every message at once and keeps nothing: for runs
// that exercise the model without any output (benchmarks, fuzzing).
class DiscardingBackend final : public MidiBackend {
 public:
  int PortCount() override { return 1; }
  MidiResult PortName(int index, std::string& name) override {
    if (index != 0) return kMidiBadDeviceId;
    name = "Discard";
    return kMidiOk;
  }
  MidiResult Open(int index) override { return index <= 0 ? kMidiOk : kMidiBadDeviceId; }
  MidiResult QueueLong(SendBuffer& buffer) override {
    buffer.MarkDone();
    return kMidiOk;
  }
  MidiResult SendShort(std::uint32_t) override { return kMidiOk; }
  void Reset() override {}
  void Close() override {}
  std::string ErrorText(MidiResult code) override { return StandardMidiErrorText(code); }
};

}  // namespace ravlo
