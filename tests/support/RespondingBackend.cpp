#include "support/RespondingBackend.h"

#include "messages/XgMessages.h"
#include "midi/ShortMessage.h"

namespace ravlo::test {

MidiResult RespondingBackend::PortName(int index, std::string& name) {
  if (index != 0) return kMidiBadDeviceId;
  name = "Synth";
  return kMidiOk;
}

MidiResult RespondingBackend::QueueLong(SendBuffer& buffer) {
  assembler_.Feed({buffer.data.data(), buffer.bufferLength},
                  [this](std::span<const std::uint8_t> message) { Take(message); });
  buffer.MarkDone();
  return kMidiOk;
}

MidiResult RespondingBackend::SendShort(std::uint32_t packed) {
  Take(ShortMessage(packed).Bytes());
  return kMidiOk;
}

void RespondingBackend::Take(std::span<const std::uint8_t> message) {
  received.emplace_back(message.begin(), message.end());
  const std::optional<XgMessage> answer = synth.Receive(message);
  if (!answer) return;
  std::optional<Message> back = Message(answer->Bytes().begin(), answer->Bytes().end());
  if (alter) back = alter(std::move(*back));
  if (back && deliver) deliver(*back);
}

std::vector<RespondingBackend::Message> RespondingBackend::Requests() const {
  std::vector<Message> requests;
  for (const Message& message : received) {
    if (ParseXgRequest(message)) requests.push_back(message);
  }
  return requests;
}

}  // namespace ravlo::test
