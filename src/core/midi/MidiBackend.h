#pragma once

#include <cstdint>
#include <string>

#include "midi/MidiResult.h"
#include "midi/SendBuffer.h"

namespace ravlo {

// The platform operations beneath MidiOutDevice: count ports, name a port,
// open one by index, queue pool buffers (the backend marks a buffer done when
// its bytes have gone), send a short message, reset, close, and turn a code
// into text.
class MidiBackend {
 public:
  virtual ~MidiBackend() = default;

  virtual int PortCount() = 0;
  virtual MidiResult PortName(int index, std::string& name) = 0;
  // -1 opens the platform's default port.
  virtual MidiResult Open(int index) = 0;
  virtual MidiResult QueueLong(SendBuffer& buffer) = 0;
  // Status in bits 0..7, first data byte in 8..15, second in 16..23.
  virtual MidiResult SendShort(std::uint32_t packed) = 0;
  virtual void Reset() = 0;
  virtual void Close() = 0;
  virtual std::string ErrorText(MidiResult code) = 0;
};

}  // namespace ravlo
