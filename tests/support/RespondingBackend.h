#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "messages/XgMessages.h"
#include "midi/MidiBackend.h"
#include "midi/ShortMessage.h"
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
  MidiResult PortName(int index, std::string& name) override {
    if (index != 0) return kMidiBadDeviceId;
    name = "Synth";
    return kMidiOk;
  }
  MidiResult Open(int index) override { return index <= 0 ? kMidiOk : kMidiBadDeviceId; }
  MidiResult QueueLong(SendBuffer& buffer) override {
    assembler_.Feed({buffer.data.data(), buffer.bufferLength},
                    [this](std::span<const std::uint8_t> message) { Take(message); });
    buffer.MarkDone();
    return kMidiOk;
  }
  MidiResult SendShort(std::uint32_t packed) override {
    Take(ShortMessage(packed).Bytes());
    return kMidiOk;
  }
  void Reset() override { assembler_.Reset(); }
  void Close() override {}
  std::string ErrorText(MidiResult code) override { return StandardMidiErrorText(code); }

  // Puts a message straight into the synthesizer, as another program would.
  void Play(std::span<const std::uint8_t> message) { synth.Receive(message); }
  // The requests the synthesizer was sent, whole.
  std::vector<Message> Requests() const {
    std::vector<Message> requests;
    for (const Message& message : received) {
      if (ParseXgRequest(message)) requests.push_back(message);
    }
    return requests;
  }

  VirtualSynth synth;
  std::function<void(std::span<const std::uint8_t>)> deliver;
  // Changes an answer on its way back; none drops it.
  std::function<std::optional<Message>(Message)> alter;
  // Every whole message that was sent.
  std::vector<Message> received;

 private:
  void Take(std::span<const std::uint8_t> message) {
    received.emplace_back(message.begin(), message.end());
    const std::optional<XgMessage> answer = synth.Receive(message);
    if (!answer) return;
    std::optional<Message> back = Message(answer->Bytes().begin(), answer->Bytes().end());
    if (alter) back = alter(std::move(*back));
    if (back && deliver) deliver(*back);
  }

  SysexAssembler assembler_;
};

}  // namespace ravlo::test
