#pragma once

#include "MidiBackendChain.h"
#include "MonitorBackend.h"
#include "RtMidiBackend.h"

namespace ravlo {

// The backends a running program uses: the platform's ports, then the
// built-in monitor port, seen as one list.
class PlatformMidi {
 public:
  explicit PlatformMidi(std::string clientName = "Ravlo");

  MidiBackend& Backend() { return chain_; }
  MonitorBackend& Monitor() { return monitor_; }
  RtMidiBackend& Platform() { return rtmidi_; }
  // The index of the monitor port in the combined list.
  int MonitorIndex() { return rtmidi_.PortCount(); }

 private:
  RtMidiBackend rtmidi_;
  MonitorBackend monitor_;
  MidiBackendChain chain_;
};

}  // namespace ravlo
