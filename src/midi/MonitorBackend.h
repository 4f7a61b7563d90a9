#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string_view>
#include <vector>

#include "MonitorInput.h"
#include "midi/MidiBackend.h"
#include "midi/SysexAssembler.h"
#include "synth/VirtualSynth.h"

namespace ravlo {

struct MonitoredMessage {
  // Sent: what the program sent the monitor; Answered: the monitor's answers.
  enum class Direction { Sent, Answered };

  std::chrono::system_clock::time_point time;
  std::vector<std::uint8_t> bytes;
  Direction direction = Direction::Sent;
};

// The built-in port pair "Ravlo Monitor". Its output takes every message at
// once and keeps the latest ones, so a musician without a synthesizer still
// sees what would have been sent, and every tool works offline. Behind it a
// virtual XG synthesizer keeps an image of what it was sent and answers dump
// and parameter requests on the pair's input, so that reading back works
// without hardware too; the answers are kept beside what was sent. While
// nothing plays it, the synthesizer hears what was sent only when it must
// (a request, the sound, a message about to leave the window): most of it
// is never asked about, and hearing it at once slowed reading a file down.
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

  // The input half of the pair, where the answers arrive.
  MonitorInput& Input() { return input_; }

  // Its virtual synthesizer plays on `engine` from now on (null: silent again).
  void AttachSound(SoundEngine* engine);
  // The preset a part is heard on; none while silent.
  std::optional<HeardPreset> Heard(PartIndex part) const;

  // Oldest first, both directions.
  std::vector<MonitoredMessage> Messages() const;
  // How many messages were kept since the start or the last Clear (also
  // those that have since fallen out of the window).
  std::uint64_t TotalReceived() const;
  void Clear();
  // The model the synthesizer behind the pair stands for.
  void SetInstrument(InstrumentModel instrument);
  // Off: the synthesizer hears nothing more, and what is sent is only kept. For a session that
  // will never ask it anything (a command-line run without an input), which then does not pay
  // for a second intake. On again, it has missed what was sent meanwhile.
  void SetHearing(bool hearing);
  // Called (on the sending thread) after every message recorded.
  void SetListener(std::function<void()> listener);

 private:
  using Direction = MonitoredMessage::Direction;
  void Record(std::span<const std::uint8_t> bytes, Direction direction);
  // Lets the synthesizer hear the messages it has not heard yet.
  void CatchUp();
  // Records a message sent and lets the synthesizer take it; its answer, if
  // any, is recorded and kept for delivery once the lock is let go.
  void Take(std::span<const std::uint8_t> bytes, std::vector<XgMessage>& answers);
  void Deliver(const std::vector<XgMessage>& answers, const std::function<void()>& listener);

  mutable std::mutex mutex_;
  SysexAssembler assembler_;
  std::deque<MonitoredMessage> messages_;
  std::uint64_t totalReceived_ = 0;
  std::function<void()> listener_;
  bool open_ = false;
  // The newest messages kept, all sent ones, that the synthesizer has not heard.
  std::size_t unheard_ = 0;
  bool playing_ = false;
  bool hearing_ = true;
  VirtualSynth synth_;
  MonitorInput input_;
};

}  // namespace ravlo
