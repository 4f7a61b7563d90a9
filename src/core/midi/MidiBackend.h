#pragma once

#include <cstdint>
#include <string>

#include "midi/MidiPortList.h"
#include "midi/MidiResult.h"
#include "midi/SendBuffer.h"

namespace ravlo {

// The platform operations beneath MidiOutDevice: besides the port list,
// open a port by index, queue pool buffers (the backend marks a buffer done
// when its bytes have gone), send a short message, reset and close.
class MidiBackend : public MidiPortList {
 public:
  // -1 opens the platform's default port.
  virtual MidiResult Open(int index) = 0;
  virtual MidiResult QueueLong(SendBuffer& buffer) = 0;
  // Status in bits 0..7, first data byte in 8..15, second in 16..23.
  virtual MidiResult SendShort(std::uint32_t packed) = 0;
  virtual void Reset() = 0;
  virtual void Close() = 0;
};

}  // namespace ravlo
