#include "receive/SynthReceiver.h"

#include <chrono>

#include "history/ModelImage.h"
#include "intake/SysexIntake.h"
#include "messages/XgMessages.h"
#include "model/XgModel.h"
#include "platform/Pauser.h"
#include "platform/ProgressLabel.h"
#include "receive/DumpAnswer.h"

namespace ravlo {

namespace {

constexpr const char* kNoAnswer = "no answer";

// Where the edit history keeps the block, to put it back from.
std::optional<std::size_t> RegionOf(const ModelImage& image, const ImageBlock& block) {
  switch (block.kind) {
    case ImageBlock::Kind::System:
      return image.Find(ImageArea::System, 0);
    case ImageBlock::Kind::Reverb:
      return image.Find(ImageArea::Effect, 0);
    case ImageBlock::Kind::Chorus:
      return image.Find(ImageArea::Effect, 1);
    case ImageBlock::Kind::Variation:
      return image.Find(ImageArea::Effect, 2);
    case ImageBlock::Kind::Part:
      return image.Find(ImageArea::Part, block.index);
    case ImageBlock::Kind::DrumSetup:
      return image.Find(ImageArea::Drum, block.index);
    case ImageBlock::Kind::Insertion:
      return image.Find(ImageArea::Insertion, block.index);
    case ImageBlock::Kind::MultiEq:
      return image.Find(ImageArea::MultiEq, 0);
  }
  return std::nullopt;
}

}  // namespace

SynthReceiver::SynthReceiver(XgModel& model, SysexIntake& intake, MidiInQueue& input,
                             Pauser& pauser, ProgressLabel& progress)
    : model_(model), intake_(intake), input_(input), pauser_(pauser), progress_(progress) {}

ReceiveReport SynthReceiver::Receive(unsigned timeoutMs) {
  ReceiveReport report;
  const ModelImage image(model_);
  // Whatever came before the first request answers none of them.
  input_.Clear();
  progress_.ShowCancellable();
  bool partReceived = false;
  for (const ImageBlock& block : ImageBlocks(model_)) {
    if (progress_.CancelRequested()) {
      report.cancelled = true;
      break;
    }
    progress_.SetItem(block.Name());
    std::vector<MidiInQueue::Message> answers;
    std::string failure;
    bool stop = false;
    // The block's dumps as this model would send them: their addresses and
    // counts are what is asked for and expected back.
    for (const XgMessage& expected : block.Dumps(model_)) {
      const bool first = report.requests == 0;
      Wait wait = Ask(expected, timeoutMs, report);
      if (wait.sendFailed) report.failed = stop = true;
      if (wait.cancelled) report.cancelled = stop = true;
      if (first && !wait.answer && !wait.heard && !stop) report.silent = stop = true;
      if (stop) break;
      if (!wait.answer) {
        failure = wait.failure;
        break;
      }
      answers.push_back(std::move(*wait.answer));
    }
    if (stop) break;
    if (!failure.empty()) {
      report.missing.push_back({block, failure});
    } else if (Apply(block, answers, image)) {
      report.received.push_back(block);
      partReceived = partReceived || block.kind == ImageBlock::Kind::Part;
    } else {
      report.missing.push_back({block, "the answer was not taken in"});
    }
  }
  // The channel rows follow the parts, as after a file.
  if (partReceived) model_.Channels().SyncAllChannelsFromParts();
  progress_.Close();
  return report;
}

SynthReceiver::Wait SynthReceiver::Ask(const XgMessage& expected, unsigned timeoutMs,
                                       ReceiveReport& report) {
  Wait wait;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    wait = AskOnce(expected, timeoutMs, report);
    if (wait.answer || wait.heard || wait.cancelled || wait.sendFailed) break;
  }
  return wait;
}

SynthReceiver::Wait SynthReceiver::AskOnce(const XgMessage& expected, unsigned timeoutMs,
                                           ReceiveReport& report) {
  Wait wait;
  const std::optional<XgAddress> parameter = ParameterChangeAddress(expected.Bytes());
  const XgMessage request =
      parameter ? BuildParameterRequest(model_.Unit(), *parameter)
                : BuildBulkDumpRequest(model_.Unit(), *BulkAddress(expected.Bytes()));
  if (!model_.Emit(request.Bytes())) {
    wait.sendFailed = true;
    return wait;
  }
  ++report.requests;
  report.requestBytes += request.Size();
  wait.failure = kNoAnswer;
  // The pauses may run short or long: the clock decides, and so does the
  // sum of the pauses, so that a wait never outlasts either.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  unsigned waited = 0;
  const auto over = [&] {
    return waited >= timeoutMs || std::chrono::steady_clock::now() >= deadline;
  };
  while (true) {
    while (std::optional<MidiInQueue::Message> message = input_.Take()) {
      const AnswerCheck check = CheckAnswer(*message, expected.Bytes());
      switch (check) {
        case AnswerCheck::Answer:
          report.answerBytes += message->size();
          wait.answer = std::move(message);
          wait.heard = true;
          return wait;
        case AnswerCheck::Unrelated:
          break;
        case AnswerCheck::OtherAddress:
          wait.heard = true;
          break;
        case AnswerCheck::OtherUnit:
        case AnswerCheck::OtherModel:
          // Another instrument on the line; ours may still answer.
          wait.heard = true;
          wait.failure = DescribeAnswerCheck(check);
          break;
        case AnswerCheck::Truncated:
        case AnswerCheck::WrongCount:
        case AnswerCheck::BadChecksum:
          // That was the answer, and it is spoilt: asking on gains nothing.
          wait.heard = true;
          wait.failure = DescribeAnswerCheck(check);
          return wait;
      }
      // A flood of other traffic holds the wait no longer than silence would.
      if (over()) return wait;
      if (progress_.CancelRequested()) {
        wait.cancelled = true;
        return wait;
      }
    }
    if (over()) return wait;
    if (progress_.CancelRequested()) {
      wait.cancelled = true;
      return wait;
    }
    pauser_.Pause(kWaitSliceMs);
    waited += kWaitSliceMs;
  }
}

bool SynthReceiver::Apply(const ImageBlock& block, const std::vector<MidiInQueue::Message>& answers,
                          const ModelImage& image) {
  const std::optional<std::size_t> region = RegionOf(image, block);
  if (!region) return false;
  const ImageRegion& where = image.Regions()[*region];
  std::vector<ImageCell> before(where.count);
  image.CaptureRegion(model_, where, before);
  for (const MidiInQueue::Message& answer : answers) {
    if (!intake_.ApplyReceived(answer)) {
      image.PutRegion(model_, where, before);
      return false;
    }
  }
  return true;
}

}  // namespace ravlo
