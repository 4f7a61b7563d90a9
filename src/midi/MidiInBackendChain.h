#pragma once

#include <vector>

#include "PortChain.h"
#include "midi/MidiInBackend.h"

namespace ravlo {

// Lists the input ports of several backends one after the other (the
// platform's first, the monitor's last) and opens the one chosen in the
// backend that owns it.
class MidiInBackendChain final : public PortChain<MidiInBackend> {
 public:
  explicit MidiInBackendChain(std::vector<MidiInBackend*> backends)
      : PortChain(std::move(backends)) {}

  MidiResult Open(int index, MessageSink sink) override { return OpenAt(index, std::move(sink)); }
};

}  // namespace ravlo
