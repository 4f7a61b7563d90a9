#pragma once

#include <memory>
#include <string>

#include "MidiBackendChain.h"
#include "MonitorBackend.h"
#include "RtMidiBackend.h"

namespace ravlo {

// The backends a running program uses: the platform's ports, then the
// built-in monitor port, seen as one list. A batch run that only records can
// leave the platform out and list the monitor alone.
class PlatformMidi {
 public:
  enum class Ports { PlatformAndMonitor, MonitorOnly };

  explicit PlatformMidi(std::string clientName = "Ravlo", Ports ports = Ports::PlatformAndMonitor);

  MidiBackend& Backend() { return *chain_; }
  MonitorBackend& Monitor() { return monitor_; }
  // The index of the monitor port in the combined list.
  int MonitorIndex() { return rtmidi_ ? rtmidi_->PortCount() : 0; }

 private:
  std::unique_ptr<RtMidiBackend> rtmidi_;
  MonitorBackend monitor_;
  std::unique_ptr<MidiBackendChain> chain_;
};

}  // namespace ravlo
