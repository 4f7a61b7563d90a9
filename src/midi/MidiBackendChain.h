#pragma once

#include <vector>

#include "midi/MidiBackend.h"

namespace ravlo {

// Lists the ports of several backends one after the other (the platform's
// first, the monitor last) and forwards every operation to the backend that
// owns the open port.
class MidiBackendChain final : public MidiBackend {
 public:
  // The backends are not owned and must outlive the chain.
  explicit MidiBackendChain(std::vector<MidiBackend*> backends);

  int PortCount() override;
  MidiResult PortName(int index, std::string& name) override;
  // -1 opens the first port of the chain.
  MidiResult Open(int index) override;
  MidiResult QueueLong(SendBuffer& buffer) override;
  MidiResult SendShort(std::uint32_t packed) override;
  void Reset() override;
  void Close() override;
  std::string ErrorText(MidiResult code) override;

 private:
  struct Route {
    MidiBackend* backend = nullptr;
    int local = -1;
  };
  Route Locate(int index);

  std::vector<MidiBackend*> backends_;
  MidiBackend* open_ = nullptr;
  MidiBackend* lastFailed_ = nullptr;
};

}  // namespace ravlo
