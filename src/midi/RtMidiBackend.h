#pragma once

#include <mutex>
#include <string>

#include "RtMidiPorts.h"
#include "midi/MidiBackend.h"
#include "midi/SysexAssembler.h"

class RtMidiOut;

namespace ravlo {

// Output through RtMidi, on the ports of every API that starts here. RtMidi
// takes whole messages, so the pool's 512-byte pieces are joined into
// complete sysex messages first.
class RtMidiBackend final : public RtMidiPorts<RtMidiOut, MidiBackend> {
 public:
  explicit RtMidiBackend(std::string clientName = "Ravlo");
  ~RtMidiBackend() override;

  MidiResult Open(int index) override;
  MidiResult QueueLong(SendBuffer& buffer) override;
  MidiResult SendShort(std::uint32_t packed) override;
  void Reset() override;
  void Close() override;

 private:
  MidiResult Send(Api& api, std::span<const std::uint8_t> message);

  SysexAssembler assembler_;
  std::mutex sendMutex_;  // the piano's step player sends from its own thread
};

}  // namespace ravlo
