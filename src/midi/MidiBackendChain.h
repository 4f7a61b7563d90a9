#pragma once

#include <vector>

#include "PortChain.h"
#include "midi/MidiBackend.h"

namespace ravlo {

// Lists the output ports of several backends one after the other (the
// platform's first, the monitor last) and forwards every operation to the
// backend that owns the open port.
class MidiBackendChain final : public PortChain<MidiBackend> {
 public:
  explicit MidiBackendChain(std::vector<MidiBackend*> backends) : PortChain(std::move(backends)) {}

  // -1 opens the first port of the chain.
  MidiResult Open(int index) override;
  MidiResult QueueLong(SendBuffer& buffer) override;
  MidiResult SendShort(std::uint32_t packed) override;
  void Reset() override;
};

}  // namespace ravlo
