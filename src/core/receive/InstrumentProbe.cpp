#include "receive/InstrumentProbe.h"

#include <functional>

#include "messages/XgMessages.h"
#include "midi/MidiInQueue.h"
#include "model/XgModel.h"
#include "platform/Pauser.h"
#include "receive/DumpAnswer.h"

namespace ravlo {

namespace {

constexpr unsigned kWaitSliceMs = 1;

// The first message `fits` accepts, waiting up to the timeout.
std::optional<MidiInQueue::Message> WaitFor(
    MidiInQueue& input, Pauser& pauser, unsigned timeoutMs,
    const std::function<bool(const MidiInQueue::Message&)>& fits) {
  unsigned waited = 0;
  while (true) {
    while (std::optional<MidiInQueue::Message> message = input.Take()) {
      if (fits(*message)) return message;
    }
    if (waited >= timeoutMs) return std::nullopt;
    pauser.Pause(kWaitSliceMs);
    waited += kWaitSliceMs;
  }
}

}  // namespace

InstrumentAnswer AskInstrument(XgModel& model, MidiInQueue& input, Pauser& pauser,
                               unsigned timeoutMs) {
  InstrumentAnswer answer;
  input.Clear();
  if (!model.Emit(BuildIdentityRequest().Bytes())) return answer;
  const auto reply = WaitFor(input, pauser, timeoutMs, [](const MidiInQueue::Message& m) {
    return ParseIdentityReply(m).has_value();
  });
  if (!reply) return answer;
  answer.identity = ParseIdentityReply(*reply);
  if (answer.identity->maker != std::vector<std::uint8_t>{kYamahaId}) return answer;

  const XgMessage expected = model.MultiEq().BulkDump();
  if (!model.Emit(BuildBulkDumpRequest(model.Unit(), *BulkAddress(expected.Bytes())).Bytes())) {
    return answer;
  }
  const auto dump = WaitFor(input, pauser, timeoutMs, [&expected](const MidiInQueue::Message& m) {
    return CheckAnswer(m, expected.Bytes()) == AnswerCheck::Answer;
  });
  answer.model = dump ? InstrumentModel::Extended : InstrumentModel::Basic;
  return answer;
}

}  // namespace ravlo
