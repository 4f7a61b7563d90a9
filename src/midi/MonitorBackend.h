#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string_view>
#include <vector>

#include "midi/MidiBackend.h"
#include "midi/SysexAssembler.h"

namespace ravlo {

struct MonitoredMessage {
  std::chrono::system_clock::time_point time;
  std::vector<std::uint8_t> bytes;
};

// The built-in output port: it takes every message at once and keeps the
// latest ones, so a musician without a synthesizer still sees what would have
// been sent, and every tool works offline.
class MonitorBackend final : public MidiBackend {
 public:
  static constexpr std::string_view kPortName = "Ravlo Monitor";
  static constexpr std::size_t kCapacity = 10000;

  int PortCount() override { return 1; }
  MidiResult PortName(int index, std::string& name) override;
  MidiResult Open(int index) override;
  MidiResult QueueLong(SendBuffer& buffer) override;
  MidiResult SendShort(std::uint32_t packed) override;
  void Reset() override;
  void Close() override;
  std::string ErrorText(MidiResult code) override;

  // Oldest first.
  std::vector<MonitoredMessage> Messages() const;
  // How many messages arrived since the start or the last Clear (also those
  // that have since fallen out of the window).
  std::uint64_t TotalReceived() const;
  void Clear();
  // Called (on the sending thread) after every message recorded.
  void SetListener(std::function<void()> listener);

 private:
  void Record(std::span<const std::uint8_t> bytes);

  mutable std::mutex mutex_;
  SysexAssembler assembler_;
  std::deque<MonitoredMessage> messages_;
  std::uint64_t totalReceived_ = 0;
  std::function<void()> listener_;
  bool open_ = false;
};

}  // namespace ravlo
