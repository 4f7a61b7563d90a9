#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "midi/MidiPortList.h"

namespace ravlo {

// The platform operations beneath MidiInDevice: besides the port list, open
// a port by index with somewhere for its messages to go, and close it.
class MidiInBackend : public MidiPortList {
 public:
  // Called with every whole message that arrives, possibly on the backend's
  // own thread.
  using MessageSink = std::function<void(std::span<const std::uint8_t>)>;

  // From a successful Open until Close returns, every message goes to `sink`.
  virtual MidiResult Open(int index, MessageSink sink) = 0;
  virtual void Close() = 0;
};

}  // namespace ravlo
