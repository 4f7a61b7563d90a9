#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "midi/MidiBackend.h"
#include "midi/ShortMessage.h"

namespace ravlo::test {

// A scriptable backend: named ports, opens and sends that can be made to
// fail, pieces that can be held "queued", and a record of what went out.
class FakeMidiBackend final : public MidiBackend {
 public:
  explicit FakeMidiBackend(std::vector<std::string> ports = {"Port A", "Port B"})
      : ports_(std::move(ports)) {}

  int PortCount() override { return static_cast<int>(ports_.size()); }
  MidiResult PortName(int index, std::string& name) override {
    if (index < 0 || index >= PortCount()) return kMidiBadDeviceId;
    if (unreadableNames.count(index) != 0) return kMidiNoDevice;
    name = ports_[static_cast<std::size_t>(index)];
    return kMidiOk;
  }
  MidiResult Open(int index) override {
    ++opens;
    if (openResult == kMidiOk) openIndex = index;
    return openResult;
  }
  MidiResult QueueLong(SendBuffer& buffer) override {
    if (const MidiResult result = NextSendResult(); result != kMidiOk) return result;
    pieces.emplace_back(buffer.data.begin(), buffer.data.begin() + buffer.bufferLength);
    if (!holdQueued) buffer.MarkDone();
    return kMidiOk;
  }
  MidiResult SendShort(std::uint32_t packed) override {
    if (const MidiResult result = NextSendResult(); result != kMidiOk) return result;
    shorts.push_back(packed);
    return kMidiOk;
  }
  void Reset() override { ++resets; }
  void Close() override { ++closes; }
  std::string ErrorText(MidiResult code) override { return "fake error " + std::to_string(code); }

  // Every long piece as queued, in order.
  std::vector<std::vector<std::uint8_t>> pieces;
  // Every short message, packed.
  std::vector<std::uint32_t> shorts;
  // The long pieces joined: the byte stream the port saw.
  std::vector<std::uint8_t> Stream() const {
    std::vector<std::uint8_t> stream;
    for (const auto& piece : pieces) stream.insert(stream.end(), piece.begin(), piece.end());
    return stream;
  }
  // The short messages unpacked into their wire bytes.
  std::vector<std::vector<std::uint8_t>> ShortBytes() const {
    std::vector<std::vector<std::uint8_t>> messages;
    for (std::uint32_t packed : shorts) {
      const ShortMessage message(packed);
      messages.emplace_back(message.Bytes().begin(), message.Bytes().end());
    }
    return messages;
  }
  void ClearSent() {
    pieces.clear();
    shorts.clear();
  }

  // Scripting.
  bool holdQueued = false;          // pieces stay queued (not done)
  MidiResult openResult = kMidiOk;  // what Open answers
  MidiResult sendResult = kMidiOk;  // what QueueLong and SendShort answer
  int sendsBeforeResult = 0;        // sends that go through before sendResult applies
  std::set<int> unreadableNames;    // ports whose name cannot be read

  // Observations.
  int opens = 0;
  int closes = 0;
  int resets = 0;
  int openIndex = -2;

 private:
  // The answer to the next send, counting down sendsBeforeResult.
  MidiResult NextSendResult() {
    if (sendsBeforeResult <= 0) return sendResult;
    --sendsBeforeResult;
    return kMidiOk;
  }

  std::vector<std::string> ports_;
};

}  // namespace ravlo::test
