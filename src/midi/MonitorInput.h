#pragma once

#include <mutex>
#include <string>

#include "midi/MidiInBackend.h"

namespace ravlo {

// The input half of the built-in "Ravlo Monitor" pair: the port on which the
// monitor's virtual synthesizer answers. The monitor hands it each answer.
class MonitorInput final : public MidiInBackend {
 public:
  int PortCount() override { return 1; }
  MidiResult PortName(int index, std::string& name) override;
  MidiResult Open(int index, MessageSink sink) override;
  void Close() override;
  std::string ErrorText(MidiResult code) override;

  // An answer of the monitor: to the sink while the port is open, else lost
  // as on an unplugged cable.
  void Deliver(std::span<const std::uint8_t> message);

 private:
  std::mutex mutex_;
  MessageSink sink_;
};

}  // namespace ravlo
