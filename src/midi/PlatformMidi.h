#pragma once

#include <memory>
#include <string>

#include "MidiBackendChain.h"
#include "MidiInBackendChain.h"
#include "MonitorBackend.h"
#include "RtMidiBackend.h"
#include "RtMidiInBackend.h"

namespace ravlo {

// The backends a running program uses: the platform's ports, then the
// built-in monitor pair, seen as one list of outputs and one of inputs. A
// batch run that only records can leave the platform out and list the
// monitor alone.
class PlatformMidi {
 public:
  enum class Ports { PlatformAndMonitor, MonitorOnly };

  explicit PlatformMidi(std::string clientName = "Ravlo", Ports ports = Ports::PlatformAndMonitor);

  MidiBackend& Backend() { return *chain_; }
  MidiInBackend& InputBackend() { return *inputChain_; }
  MonitorBackend& Monitor() { return monitor_; }
  // The index of the monitor's output in the combined list, and of its input.
  int MonitorIndex() { return rtmidi_ ? rtmidi_->PortCount() : 0; }
  int MonitorInputIndex() { return rtmidiIn_ ? rtmidiIn_->PortCount() : 0; }

 private:
  std::unique_ptr<RtMidiBackend> rtmidi_;
  std::unique_ptr<RtMidiInBackend> rtmidiIn_;
  MonitorBackend monitor_;
  std::unique_ptr<MidiBackendChain> chain_;
  std::unique_ptr<MidiInBackendChain> inputChain_;
};

}  // namespace ravlo
