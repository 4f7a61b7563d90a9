#include "support/FakeMidiBackend.h"

#include "midi/ShortMessage.h"

namespace ravlo::test {

MidiResult FakeMidiBackend::PortName(int index, std::string& name) {
  if (index < 0 || index >= PortCount()) return kMidiBadDeviceId;
  if (unreadableNames.count(index) != 0) return kMidiNoDevice;
  name = ports_[static_cast<std::size_t>(index)];
  return kMidiOk;
}

MidiResult FakeMidiBackend::Open(int index) {
  ++opens;
  if (openResult != kMidiOk) return openResult;
  openIndex = index;
  isOpen = true;
  return kMidiOk;
}

MidiResult FakeMidiBackend::NextSendResult() {
  if (sendsBeforeResult > 0) {
    --sendsBeforeResult;
    return kMidiOk;
  }
  return sendResult;
}

MidiResult FakeMidiBackend::QueueLong(SendBuffer& buffer) {
  if (const MidiResult result = NextSendResult(); result != kMidiOk) return result;
  pieces.emplace_back(buffer.data.begin(), buffer.data.begin() + buffer.bufferLength);
  if (!holdQueued) buffer.MarkDone();
  return kMidiOk;
}

MidiResult FakeMidiBackend::SendShort(std::uint32_t packed) {
  if (const MidiResult result = NextSendResult(); result != kMidiOk) return result;
  shorts.push_back(packed);
  return kMidiOk;
}

void FakeMidiBackend::Close() {
  ++closes;
  isOpen = false;
}

std::string FakeMidiBackend::ErrorText(MidiResult code) {
  return "fake error " + std::to_string(code);
}

std::vector<std::uint8_t> FakeMidiBackend::Stream() const {
  std::vector<std::uint8_t> stream;
  for (const auto& piece : pieces) stream.insert(stream.end(), piece.begin(), piece.end());
  return stream;
}

std::vector<std::vector<std::uint8_t>> FakeMidiBackend::ShortBytes() const {
  std::vector<std::vector<std::uint8_t>> messages;
  for (std::uint32_t packed : shorts) {
    const ShortMessage message(packed);
    messages.emplace_back(message.Bytes().begin(), message.Bytes().end());
  }
  return messages;
}

void FakeMidiBackend::ClearSent() {
  pieces.clear();
  shorts.clear();
}

}  // namespace ravlo::test
