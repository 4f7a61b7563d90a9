#include "PlatformMidi.h"

namespace ravlo {

PlatformMidi::PlatformMidi(std::string clientName)
    : rtmidi_(std::move(clientName)), chain_({&rtmidi_, &monitor_}) {}

}  // namespace ravlo
