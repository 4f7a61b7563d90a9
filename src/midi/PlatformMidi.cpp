#include "PlatformMidi.h"

namespace ravlo {

PlatformMidi::PlatformMidi(std::string clientName, Ports ports) {
  std::vector<MidiBackend*> backends;
  if (ports == Ports::PlatformAndMonitor) {
    rtmidi_ = std::make_unique<RtMidiBackend>(std::move(clientName));
    backends.push_back(rtmidi_.get());
  }
  backends.push_back(&monitor_);
  chain_ = std::make_unique<MidiBackendChain>(std::move(backends));
}

}  // namespace ravlo
