#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "midi/MidiBackend.h"
#include "midi/SysexAssembler.h"
#include "synth/VirtualSynth.h"

namespace ravlo::test {

// One output port with a virtual XG synthesizer behind it: whatever is sent
// reaches the synthesizer whole, and its answers go wherever `deliver` says
// (a queue, a fake input port), after `alter` had its say.
class RespondingBackend final : public MidiBackend {
 public:
  using Message = std::vector<std::uint8_t>;

  explicit RespondingBackend(std::optional<UnitNumber> unit = std::nullopt) : synth(unit) {}

  int PortCount() override { return 1; }
  MidiResult PortName(int index, std::string& name) override;
  MidiResult Open(int index) override { return index <= 0 ? kMidiOk : kMidiBadDeviceId; }
  MidiResult QueueLong(SendBuffer& buffer) override;
  MidiResult SendShort(std::uint32_t packed) override;
  void Reset() override { assembler_.Reset(); }
  void Close() override {}
  std::string ErrorText(MidiResult code) override { return StandardMidiErrorText(code); }

  // Puts a message straight into the synthesizer, as another program would.
  void Play(std::span<const std::uint8_t> message) { synth.Receive(message); }
  // The requests the synthesizer was sent, whole.
  std::vector<Message> Requests() const;

  VirtualSynth synth;
  std::function<void(std::span<const std::uint8_t>)> deliver;
  // Changes an answer on its way back; none drops it.
  std::function<std::optional<Message>(Message)> alter;
  // Every whole message that was sent.
  std::vector<Message> received;

 private:
  void Take(std::span<const std::uint8_t> message);

  SysexAssembler assembler_;
};

}  // namespace ravlo::test
