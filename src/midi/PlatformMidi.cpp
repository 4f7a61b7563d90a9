#include "PlatformMidi.h"

namespace ravlo {

PlatformMidi::PlatformMidi(std::string clientName, Ports ports) {
  std::vector<MidiBackend*> outputs;
  std::vector<MidiInBackend*> inputs;
  if (ports == Ports::PlatformAndMonitor) {
    rtmidi_ = std::make_unique<RtMidiBackend>(clientName);
    rtmidiIn_ = std::make_unique<RtMidiInBackend>(clientName);
    outputs.push_back(rtmidi_.get());
    inputs.push_back(rtmidiIn_.get());
  }
  outputs.push_back(&monitor_);
  inputs.push_back(&monitor_.Input());
  chain_ = std::make_unique<MidiBackendChain>(std::move(outputs));
  inputChain_ = std::make_unique<MidiInBackendChain>(std::move(inputs));
}

}  // namespace ravlo
