#include "midi/MidiResult.h"

namespace ravlo {

std::string StandardMidiErrorText(MidiResult code) {
  switch (code) {
    case kMidiOk:
      return "The operation completed successfully.";
    case kMidiError:
      return "An unspecified error occurred in the MIDI system.";
    case kMidiBadDeviceId:
      return "The MIDI port number is out of range.";
    case kMidiAllocated:
      return "The MIDI port is already in use by another program.";
    case kMidiInvalidHandle:
      return "No MIDI output port is open. Choose one with Options > Devices.";
    case kMidiNoMemory:
      return "The MIDI system could not allocate enough memory.";
    case kMidiNotSupported:
      return "The MIDI port does not support this operation.";
    case kMidiStillPlaying:
      return "The MIDI buffers are still being sent.";
    case kMidiNoMap:
      return "There is no MIDI mapping for this port.";
    case kMidiNotReady:
      return "The MIDI output port is busy: every send buffer is still queued. Try again.";
    case kMidiNoDevice:
      return "The MIDI output port is no longer available.";
    case kMidiInvalidSetup:
      return "The MIDI setup is invalid.";
    default:
      return "MIDI error " + std::to_string(code) + ".";
  }
}

}  // namespace ravlo
