#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "midi/MidiBackend.h"

namespace ravlo::test {

// A scriptable backend: named ports, opens and sends that can be made to
// fail, pieces that can be held "queued", and a record of what went out.
class FakeMidiBackend final : public MidiBackend {
 public:
  explicit FakeMidiBackend(std::vector<std::string> ports = {"Port A", "Port B"})
      : ports_(std::move(ports)) {}

  int PortCount() override { return static_cast<int>(ports_.size()); }
  MidiResult PortName(int index, std::string& name) override;
  MidiResult Open(int index) override;
  MidiResult QueueLong(SendBuffer& buffer) override;
  MidiResult SendShort(std::uint32_t packed) override;
  void Reset() override { ++resets; }
  void Close() override;
  std::string ErrorText(MidiResult code) override;

  // Every long piece as queued, in order.
  std::vector<std::vector<std::uint8_t>> pieces;
  // Every short message, packed.
  std::vector<std::uint32_t> shorts;
  // The long pieces joined: the byte stream the port saw.
  std::vector<std::uint8_t> Stream() const;
  // The short messages unpacked into their wire bytes.
  std::vector<std::vector<std::uint8_t>> ShortBytes() const;
  void ClearSent();

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
  bool isOpen = false;

 private:
  // The answer to the next send, counting down sendsBeforeResult.
  MidiResult NextSendResult();

  std::vector<std::string> ports_;
};

}  // namespace ravlo::test
