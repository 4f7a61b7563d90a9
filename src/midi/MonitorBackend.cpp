#include "MonitorBackend.h"

#include "midi/ShortMessage.h"

namespace ravlo {

MidiResult MonitorBackend::PortName(int index, std::string& name) {
  if (index != 0) return kMidiBadDeviceId;
  name = kPortName;
  return kMidiOk;
}

MidiResult MonitorBackend::Open(int index) {
  if (index != 0 && index != -1) return kMidiBadDeviceId;
  std::lock_guard lock(mutex_);
  assembler_.Reset();
  open_ = true;
  return kMidiOk;
}

MidiResult MonitorBackend::QueueLong(SendBuffer& buffer) {
  std::function<void()> listener;
  // One reference for the sink to hold: it then fits in the function
  // object itself, which allocates nothing for every message sent.
  struct Taken {
    std::vector<XgMessage> answers;
    bool recorded = false;
  } taken;
  {
    std::lock_guard lock(mutex_);
    if (!open_) return kMidiInvalidHandle;
    assembler_.Feed({buffer.data.data(), buffer.bufferLength},
                    [this, &taken](std::span<const std::uint8_t> message) {
                      Take(message, taken.answers);
                      taken.recorded = true;
                    });
    listener = listener_;
  }
  buffer.MarkDone();
  if (taken.recorded) Deliver(taken.answers, listener);
  return kMidiOk;
}

MidiResult MonitorBackend::SendShort(std::uint32_t packed) {
  const ShortMessage message(packed);
  if (message.Bytes().empty()) return kMidiError;
  std::function<void()> listener;
  std::vector<XgMessage> answers;
  {
    std::lock_guard lock(mutex_);
    if (!open_) return kMidiInvalidHandle;
    Take(message.Bytes(), answers);
    listener = listener_;
  }
  Deliver(answers, listener);
  return kMidiOk;
}

void MonitorBackend::Take(std::span<const std::uint8_t> bytes, std::vector<XgMessage>& answers) {
  if (!hearing_) {
    Record(bytes, Direction::Sent);
    return;
  }
  if (!playing_ && !VirtualSynth::AsksForAnswer(bytes)) {
    Record(bytes, Direction::Sent);
    ++unheard_;
    return;
  }
  CatchUp();
  Record(bytes, Direction::Sent);
  if (const std::optional<XgMessage> answer = synth_.Receive(bytes)) {
    Record(answer->Bytes(), Direction::Answered);
    answers.push_back(*answer);
  }
}

void MonitorBackend::CatchUp() {
  for (auto message = messages_.end() - static_cast<std::ptrdiff_t>(unheard_);
       message != messages_.end(); ++message) {
    synth_.Receive(message->bytes);
  }
  unheard_ = 0;
}

void MonitorBackend::Deliver(const std::vector<XgMessage>& answers,
                             const std::function<void()>& listener) {
  // Outside the lock: the input's sink belongs to whoever listens.
  for (const XgMessage& answer : answers) input_.Deliver(answer.Bytes());
  if (listener) listener();
}

void MonitorBackend::Reset() {
  std::lock_guard lock(mutex_);
  assembler_.Reset();
}

void MonitorBackend::Close() {
  std::lock_guard lock(mutex_);
  assembler_.Reset();
  open_ = false;
}

std::string MonitorBackend::ErrorText(MidiResult code) {
  return StandardMidiErrorText(code);
}

void MonitorBackend::Record(std::span<const std::uint8_t> bytes, Direction direction) {
  if (messages_.size() == kCapacity) {
    if (unheard_ == messages_.size()) {
      synth_.Receive(messages_.front().bytes);
      --unheard_;
    }
    messages_.pop_front();
  }
  messages_.push_back({std::chrono::system_clock::now(), {bytes.begin(), bytes.end()}, direction});
  ++totalReceived_;
}

std::vector<MonitoredMessage> MonitorBackend::Messages() const {
  std::lock_guard lock(mutex_);
  return {messages_.begin(), messages_.end()};
}

std::uint64_t MonitorBackend::TotalReceived() const {
  std::lock_guard lock(mutex_);
  return totalReceived_;
}

void MonitorBackend::Clear() {
  std::lock_guard lock(mutex_);
  CatchUp();
  messages_.clear();
  totalReceived_ = 0;
}

void MonitorBackend::AttachSound(SoundEngine* engine) {
  std::lock_guard lock(mutex_);
  CatchUp();
  playing_ = engine != nullptr;
  synth_.AttachSound(engine);
}

std::optional<HeardPreset> MonitorBackend::Heard(PartIndex part) const {
  std::lock_guard lock(mutex_);
  return synth_.Heard(part);
}

void MonitorBackend::SetInstrument(InstrumentModel instrument) {
  const std::lock_guard lock(mutex_);
  CatchUp();
  synth_.SetInstrument(instrument);
}

void MonitorBackend::SetHearing(bool hearing) {
  const std::lock_guard lock(mutex_);
  if (!hearing) CatchUp();
  hearing_ = hearing;
}

void MonitorBackend::SetListener(std::function<void()> listener) {
  std::lock_guard lock(mutex_);
  listener_ = std::move(listener);
}

}  // namespace ravlo
