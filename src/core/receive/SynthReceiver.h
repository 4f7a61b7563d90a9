#pragma once

#include <optional>
#include <string>
#include <vector>

#include "midi/MidiInQueue.h"
#include "receive/ReceiveReport.h"

namespace ravlo {

class ModelImage;
class Pauser;
class ProgressLabel;
class SysexIntake;
class XgModel;

// Reads the synthesizer back into the model: asks for each block in turn
// with bulk dump requests, waits for each answer, checks it, and applies a
// block's answers through the intake (not passed back) once all of them
// came sound. A block with a missing or bad answer keeps what it held, so
// nothing stays half applied; what came before a cancel stays. A request
// that hears nothing at all is asked once more: a message can be lost on the
// way (a port connected a moment before, a busy sound server), and one
// repeat costs little beside a block missed.
class SynthReceiver {
 public:
  static constexpr unsigned kDefaultTimeoutMs = 300;
  // How long one look at the input waits before the next.
  static constexpr unsigned kWaitSliceMs = 1;
  static constexpr int kAttempts = 2;

  SynthReceiver(XgModel& model, SysexIntake& intake, MidiInQueue& input, Pauser& pauser,
                ProgressLabel& progress);

  // `timeoutMs` for each answer, by the clock; Cancel and the time are
  // looked at also while other traffic keeps the input busy.
  ReceiveReport Receive(unsigned timeoutMs = kDefaultTimeoutMs);

 private:
  // How waiting for one answer ended.
  struct Wait {
    std::optional<MidiInQueue::Message> answer;
    std::string failure;  // why there is none
    bool heard = false;   // something other than unrelated traffic arrived
    bool cancelled = false;
    bool sendFailed = false;
  };
  Wait Ask(const XgMessage& expected, unsigned timeoutMs, ReceiveReport& report);
  // One request and its wait.
  Wait AskOnce(const XgMessage& expected, unsigned timeoutMs, ReceiveReport& report);
  // Applies a block's answers; on a refusal puts the block back as it was.
  bool Apply(const ImageBlock& block, const std::vector<MidiInQueue::Message>& answers,
             const ModelImage& image);

  XgModel& model_;
  SysexIntake& intake_;
  MidiInQueue& input_;
  Pauser& pauser_;
  ProgressLabel& progress_;
};

}  // namespace ravlo
