// Whatever comes back on the input while a read-back waits: each message the
// fuzzer cuts from its bytes is the answer to the next request. The answer
// check never reads past a message, a block is applied only when all of its
// answers passed it, and the report accounts for every block once. The same
// bytes sent to the virtual synthesizer get an answer or none, never a fault.
// Either instrument model is read back.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <vector>

#include "intake/SysexIntake.h"
#include "messages/XgMessages.h"
#include "midi/MidiBackend.h"
#include "midi/MidiInQueue.h"
#include "midi/SysexAssembler.h"
#include "platform/ProgressLabel.h"
#include "receive/SynthReceiver.h"
#include "support/ModelRig.h"
#include "synth/VirtualSynth.h"

namespace {

using Message = std::vector<std::uint8_t>;

// A port whose synthesizer answers each request with the next scripted message.
class ScriptedSynth final : public ravlo::MidiBackend {
 public:
  int PortCount() override { return 1; }
  ravlo::MidiResult PortName(int, std::string& name) override {
    name = "Script";
    return ravlo::kMidiOk;
  }
  ravlo::MidiResult Open(int) override { return ravlo::kMidiOk; }
  ravlo::MidiResult QueueLong(ravlo::SendBuffer& buffer) override {
    if (!answers.empty()) {
      input->Push(answers.front());
      answers.pop_front();
    }
    buffer.MarkDone();
    return ravlo::kMidiOk;
  }
  ravlo::MidiResult SendShort(std::uint32_t) override { return ravlo::kMidiOk; }
  void Reset() override {}
  void Close() override {}
  std::string ErrorText(ravlo::MidiResult code) override {
    return ravlo::StandardMidiErrorText(code);
  }

  ravlo::MidiInQueue* input = nullptr;
  std::deque<Message> answers;
};

// The fuzzer rarely hits a 7-bit sum by chance: half of the inputs get their
// dumps' checksums made right, so that the applying is explored too.
void MendChecksum(Message& message) {
  if (message.size() < ravlo::kBulkOverhead) return;
  const std::size_t at = message.size() - 2;
  message[at] = ravlo::BulkChecksum(std::span<const std::uint8_t>(message).subspan(4, at - 4));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ravlo::test::BasicModelRig<ScriptedSynth> rig;
  static ravlo::test::CountingIntakeHost host;
  static ravlo::SilentProgress progress;
  static ravlo::SysexIntake intake(rig.model, rig.prompts, progress, host);
  static ravlo::VirtualSynth synth;
  if (size == 0) return 0;
  const bool mend = (data[0] & 1) != 0;
  // The next bit: both ends stand for the extended model, with its blocks.
  const auto instrument =
      (data[0] & 2) != 0 ? ravlo::InstrumentModel::Extended : ravlo::InstrumentModel::Basic;
  rig.model.SetInstrument(instrument);
  synth.SetInstrument(instrument);
  const std::span<const std::uint8_t> bytes(data + 1, size - 1);

  synth.Receive(bytes);

  ravlo::MidiInQueue input;
  rig.backend.input = &input;
  rig.backend.answers.clear();
  ravlo::SysexAssembler cutter;
  cutter.Feed(bytes, [&](std::span<const std::uint8_t> cut) {
    Message message(cut.begin(), cut.end());
    if (mend) MendChecksum(message);
    rig.backend.answers.push_back(std::move(message));
  });
  ravlo::SynthReceiver receiver(rig.model, intake, input, rig.pauser, progress);
  const ravlo::ReceiveReport report = receiver.Receive(0);
  const std::size_t blocks = ravlo::ImageBlocks(rig.model).size();
  if (report.received.size() + report.missing.size() > blocks) __builtin_trap();
  if (report.requestBytes != 8 * report.requests) __builtin_trap();
  if (!report.silent && !report.failed && !report.cancelled &&
      report.received.size() + report.missing.size() != blocks) {
    __builtin_trap();
  }
  return 0;
}
