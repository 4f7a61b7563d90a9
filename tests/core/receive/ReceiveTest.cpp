#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "intake/SysexIntake.h"
#include "messages/XgMessages.h"
#include "receive/DumpAnswer.h"
#include "receive/ImageBlock.h"
#include "receive/InstrumentProbe.h"
#include "receive/SynthReceiver.h"
#include "sendpass/SendChoices.h"
#include "sendpass/SendPass.h"
#include "support/Bytes.h"
#include "support/ModelFixture.h"
#include "support/RecordingProgress.h"
#include "support/RespondingBackend.h"
#include "support/TypedIndices.h"

namespace ravlo::test {
namespace {

using Kind = ImageBlock::Kind;

class ImageBlockTest : public ModelFixture {};

TEST_F(ImageBlockTest, TheBlocksComeInTheOrderOfTheSendPassADrumSetupWithANoteEach) {
  const std::vector<ImageBlock> blocks = ImageBlocks(model);
  ASSERT_EQ(blocks.size(), 4u + 16u + 2u);
  EXPECT_EQ(blocks[0], (ImageBlock{Kind::System}));
  EXPECT_EQ(blocks[3], (ImageBlock{Kind::Variation}));
  EXPECT_EQ(blocks[4], (ImageBlock{Kind::Part, 0}));
  EXPECT_EQ(blocks[19], (ImageBlock{Kind::Part, 15}));
  EXPECT_EQ(blocks[21], (ImageBlock{Kind::DrumSetup, 1}));
  EXPECT_EQ(blocks[6].Name(), "Part 3");
  EXPECT_EQ(blocks[20].Name(), "Drum setup 1");

  // A drum setup has a dump for each note of its kit.
  const auto notes = [&](int setup) {
    return ImageBlock{Kind::DrumSetup, setup}.Dumps(model).size();
  };
  EXPECT_EQ(notes(0), model.Drums().KitNotes(0).size());
  const std::size_t standard = notes(1);
  ASSERT_TRUE(model.Drums().SetKitVoice(1, {126, 0, 0}));  // an SFX kit has other notes
  EXPECT_NE(notes(1), standard);
  const std::vector<XgMessage> dumps = ImageBlock{Kind::DrumSetup, 1}.Dumps(model);
  const DrumNote first = model.Drums().KitNotes(1).front();
  EXPECT_EQ(dumps.front()[6], 0x31);
  EXPECT_EQ(dumps.front()[7], first.MidiNote());
}

TEST_F(ImageBlockTest, TheDumpsOfAllBlocksAreAnAllBulkSaveWithoutItsReset) {
  ASSERT_TRUE(model.System().SetMasterVolume(90));
  ASSERT_TRUE(model.Parts().SetPartParameter(PartAt(4), 0x0B, 0x33));
  ASSERT_TRUE(model.Effects().ChangeType(EffectKind::Chorus, 3));
  ASSERT_TRUE(model.Drums().SetDrumParameter(1, NoteAt(38), 0x01, 0x50));
  SendChoices choices;
  choices.ClearNonDefaultBoxes();
  choices.reset = false;
  choices.controllers.send = false;
  RecordingProgress progress;
  const auto recorded = RecordSendPass(model, choices, progress);
  ASSERT_TRUE(recorded);

  std::vector<std::uint8_t> dumps;
  for (const ImageBlock& block : ImageBlocks(model)) {
    for (const XgMessage& dump : block.Dumps(model)) {
      dumps.insert(dumps.end(), dump.Bytes().begin(), dump.Bytes().end());
    }
  }
  EXPECT_EQ(dumps, *recorded);
}

using Message = std::vector<std::uint8_t>;

// The system block of the defaults from unit 0, the dump a request for 00 00 00 expects.
const Message kSystem = Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x07, 0x00, 0x00, 0x00, 0x00, 0x04,
                               0x00, 0x00, 0x7F, 0x00, 0x40, 0x36, 0xF7});

AnswerCheck Check(const Message& message) {
  return CheckAnswer(message, kSystem);
}

Message With(std::size_t at, std::uint8_t value) {
  Message message = kSystem;
  message[at] = value;
  return message;
}

TEST(CheckAnswer, EachMessageIsToldApartByWhatIsWrongWithIt) {
  Message cut(kSystem.begin(), kSystem.end() - 3);
  cut.push_back(0xF7);
  Message longer = kSystem;
  longer.insert(longer.end() - 2, 0x00);
  const auto values = std::vector<std::uint8_t>{0x00, 0x04, 0x00, 0x00, 0x64, 0x00, 0x45};
  const auto six = std::vector<std::uint8_t>{0x00, 0x04, 0x00, 0x00, 0x7F, 0x00};
  const auto dump = [](const std::vector<std::uint8_t>& data) {
    const XgMessage message = BuildBulkDump(UnitAt(0), kXgModelId, {0, 0, 0}, data);
    return Message(message.Bytes().begin(), message.Bytes().end());
  };
  const struct {
    const char* name;
    Message message;
    AnswerCheck check;
  } cases[] = {
      {"the dump asked for", kSystem, AnswerCheck::Answer},
      {"whatever its values", dump(values), AnswerCheck::Answer},
      // Messages that are no dump of the maker are unrelated.
      {"a note", Bytes({0x90, 0x3C, 0x40}), AnswerCheck::Unrelated},
      {"another maker", Bytes({0xF0, 0x41, 0x10, 0x42, 0x12, 0xF7}), AnswerCheck::Unrelated},
      {"a parameter change", Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x04, 0x50, 0xF7}),
       AnswerCheck::Unrelated},
      {"nothing", {}, AnswerCheck::Unrelated},
      {"two bytes", Bytes({0xF0, 0x43}), AnswerCheck::Unrelated},
      {"another unit", With(2, 0x01), AnswerCheck::OtherUnit},
      {"another model", With(3, kQs300ModelId), AnswerCheck::OtherModel},
      {"another address", With(8, 0x01), AnswerCheck::OtherAddress},
      {"another unit, cut", Bytes({0xF0, 0x43, 0x05}), AnswerCheck::OtherUnit},
      {"fewer data than the count says", cut, AnswerCheck::Truncated},
      {"no F7", Message(kSystem.begin(), kSystem.end() - 1), AnswerCheck::Truncated},
      {"cut inside the address", Message(kSystem.begin(), kSystem.begin() + 8),
       AnswerCheck::Truncated},
      {"cut after the model", Message(kSystem.begin(), kSystem.begin() + 4),
       AnswerCheck::Truncated},
      {"a status byte inside", With(12, 0x90), AnswerCheck::Truncated},
      {"more bytes than the count says", longer, AnswerCheck::WrongCount},
      {"a whole dump, but not of the block's size", dump(six), AnswerCheck::WrongCount},
      {"a sum that does not add up", With(16, 0x35), AnswerCheck::BadChecksum},
      {"a data byte changed on the way", With(10, 0x05), AnswerCheck::BadChecksum},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Check(c.message), c.check);
  }
  // A value asked for on its own comes back as a parameter change of its address and size.
  const Message eq = Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x72, 0x40, 0xF7});
  const struct {
    Message message;
    AnswerCheck check;
  } parameterCases[] = {
      {Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x72, 0x52, 0xF7}), AnswerCheck::Answer},
      {kSystem, AnswerCheck::Unrelated},
      {Bytes({0xF0, 0x43, 0x11, 0x4C, 0x08, 0x02, 0x72, 0x52, 0xF7}), AnswerCheck::OtherUnit},
      {Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x03, 0x72, 0x52, 0xF7}), AnswerCheck::OtherAddress},
      {Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x72, 0x52}), AnswerCheck::Truncated},
      {Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x72, 0x00, 0x52, 0xF7}),
       AnswerCheck::WrongCount},
  };
  for (const auto& c : parameterCases) EXPECT_EQ(CheckAnswer(c.message, eq), c.check);
}

std::vector<Message> DumpsOf(const XgModel& model, const ImageBlock& block) {
  std::vector<Message> dumps;
  for (const XgMessage& dump : block.Dumps(model)) {
    dumps.emplace_back(dump.Bytes().begin(), dump.Bytes().end());
  }
  return dumps;
}

// The model on a port with a virtual synthesizer behind it, whose answers
// come back through the input queue.
class SynthReceiverTest : public ::testing::Test,
                          public BasicModelRig<RespondingBackend, RecordingPrompts, RecordingPauser,
                                               RecordingModelEvents> {
 protected:
  SynthReceiverTest() {
    backend.deliver = [this](std::span<const std::uint8_t> message) { input.Push(message); };
    model.Subscribe(changes);
  }
  ~SynthReceiverTest() override { model.Unsubscribe(changes); }

  const XgModel& Synth() { return backend.synth.Image(); }
  bool SameAsSynth(const ImageBlock& block) {
    return DumpsOf(model, block) == DumpsOf(Synth(), block);
  }
  // Drops or spoils the answers to requests for one address high and mid.
  void Spoil(std::uint8_t high, std::uint8_t mid,
             std::function<std::optional<Message>(Message)> how) {
    backend.alter = [high, mid, how](Message answer) -> std::optional<Message> {
      if (answer[6] == high && answer[7] == mid) return how(std::move(answer));
      return answer;
    };
  }
  // The synthesizer's image away from the defaults in every kind of block.
  void EditTheSynth() {
    backend.Play(SystemChange(0x04, {0x55}));
    backend.Play(EffectChange(0x00, {0x01, 0x01}));
    backend.Play(EffectChange(0x22, {0x33}));
    backend.Play(EffectChange(0x40, {0x05, 0x00}));
    backend.Play(PartChange(2, 0x0B, 0x44));
    backend.Play(PartChange(2, 0x40, 0x02));
    backend.Play(Bytes({0xF0, 0x43, 0x10, 0x4C, 0x31, 0x26, 0x01, 0x30, 0xF7}));
  }

  MidiInQueue input;
  RecordingObserver changes;
  RecordingProgress progress;
  CountingIntakeHost host;
  SysexIntake intake{model, prompts, progress, host};
  SynthReceiver receiver{model, intake, input, pauser, progress};
};

TEST_F(SynthReceiverTest, TheWholeImageArrivesInOrderAndNothingGoesBack) {
  EditTheSynth();
  for (const Message& m :
       {Bytes({0xB4, 0x00, 0x00}), Bytes({0xB4, 0x20, 0x00}), Bytes({0xC4, 0x30})})
    backend.Play(m);
  const ReceiveReport report = receiver.Receive();
  ASSERT_TRUE(report.Complete()) << report.Summary();
  EXPECT_EQ(report.Summary(), "System, effects, 16 parts, 2 drum setups received.");
  for (const ImageBlock& block : ImageBlocks(model)) {
    EXPECT_TRUE(SameAsSynth(block)) << block.Name();
  }
  const std::size_t drumNotes = model.Drums().KitNotes(0).size() + model.Drums().KitNotes(1).size();
  EXPECT_EQ(report.requests, 1 + 2 * 3 + 2 * 16 + drumNotes);
  EXPECT_EQ(report.requestBytes, 8 * report.requests);
  EXPECT_EQ(backend.received, backend.Requests()) << "no answer was passed back";
  EXPECT_EQ(backend.Requests().front(), Bytes({0xF0, 0x43, 0x20, 0x4C, 0x00, 0x00, 0x00, 0xF7}));
  EXPECT_EQ(backend.Requests()[1], Bytes({0xF0, 0x43, 0x20, 0x4C, 0x02, 0x01, 0x00, 0xF7}));
  EXPECT_TRUE(pauser.pauses.empty()) << "every answer was there at the first look";
  EXPECT_EQ(progress.shownCancellable, 1);
  EXPECT_EQ(progress.closed, 1);
  EXPECT_EQ(progress.items.front(), "System");
  EXPECT_EQ(progress.items.back(), "Drum setup 2");
  EXPECT_TRUE(events.marks.IsRaised(RefreshMark::Part));
  EXPECT_EQ(host.resets, 0) << "a read-back resets nothing";
  EXPECT_EQ(model.Channels().Voice(ChannelAt(4)).program, 0x31)
      << "the channel rows follow the received parts";
}

TEST_F(SynthReceiverTest, WithExtendedTheInsertionsAndTheMultiEqAreReadBackToo) {
  backend.synth.SetInstrument(InstrumentModel::Extended);
  model.SetInstrument(InstrumentModel::Extended);
  backend.Play(Bytes({0xF0, 0x43, 0x10, 0x4C, 0x03, 0x02, 0x00, 0x05, 0x00, 0xF7}));
  backend.Play(Bytes({0xF0, 0x43, 0x10, 0x4C, 0x03, 0x02, 0x0C, 0x03, 0xF7}));
  backend.Play(Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x40, 0x09, 0x4A, 0xF7}));
  backend.Play(PartChange(2, 0x72, 0x50));  // the part EQ, past the part's dumps
  backend.Play(PartChange(15, 0x77, 0x30));
  const ReceiveReport report = receiver.Receive();
  ASSERT_TRUE(report.Complete()) << report.Summary();
  EXPECT_EQ(report.Summary(),
            "System, effects, 4 insertion effects, multi EQ, 16 parts, 4 drum setups received.");
  EXPECT_EQ(model.Insertions().TypeName(2), "Delay LCR");
  EXPECT_EQ(model.Insertions().Part(2), 3);
  EXPECT_EQ(model.MultiEq().Value(0x09), 0x4A);
  EXPECT_EQ(model.Parts().PartValue(PartAt(2), 0x72), 0x50);
  EXPECT_EQ(model.Parts().PartValue(PartAt(15), 0x77), 0x30);
  EXPECT_TRUE(report.SaveChoices().insertion.send && report.SaveChoices().multiEq.send);
}

TEST_F(SynthReceiverTest, TheInstrumentSaysWhoItIsAndWhichModelItStandsFor) {
  EXPECT_EQ(AskInstrument(model, input, pauser, 50).model, InstrumentModel::Basic);
  backend.synth.SetInstrument(InstrumentModel::Extended);
  const InstrumentAnswer answer = AskInstrument(model, input, pauser, 50);
  EXPECT_EQ(answer.model, InstrumentModel::Extended);
  ASSERT_TRUE(answer.identity);
  EXPECT_EQ(*answer.identity, VirtualSynth::Identity(InstrumentModel::Extended));
  EXPECT_EQ(backend.received[2], Bytes({0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7}));
  EXPECT_EQ(backend.received[3], Bytes({0xF0, 0x43, 0x20, 0x4C, 0x02, 0x40, 0x00, 0xF7}));
  // Nobody there, or someone else: no model is offered.
  backend.alter = [](Message) { return std::nullopt; };
  EXPECT_FALSE(AskInstrument(model, input, pauser, 5).identity);
  EXPECT_TRUE(changes.notices.empty()) << "asking changes nothing";
}

TEST_F(SynthReceiverTest, WhenNothingAnswersTheFirstRequestNothingElseIsAsked) {
  EditTheSynth();
  backend.alter = [](Message) { return std::nullopt; };
  const ReceiveReport report = receiver.Receive();
  EXPECT_TRUE(report.silent);
  EXPECT_FALSE(report.AnythingReceived());
  ASSERT_EQ(backend.Requests().size(), 2u) << "the first request, and once more";
  EXPECT_EQ(backend.Requests()[0], backend.Requests()[1]);
  EXPECT_EQ(pauser.Total(), 2 * SynthReceiver::kDefaultTimeoutMs)
      << "waited the timeout each time, in pauses";
  EXPECT_TRUE(changes.notices.empty()) << "the model is unchanged";
}

TEST_F(SynthReceiverTest, TheTimeoutIsWaitedForEveryRequestThatGetsNoAnswerAndSaidSo) {
  Spoil(0x02, 0x01, [](Message) { return std::nullopt; });
  const ReceiveReport report = receiver.Receive(50);
  EXPECT_EQ(pauser.Total(), 3u * 2u * 50u)
      << "the first dump of each effect block, asked twice, then it moves on";
  ASSERT_EQ(report.missing.size(), 3u);
  EXPECT_EQ(report.missing[0].block, (ImageBlock{Kind::Reverb}));
  EXPECT_EQ(report.missing[0].reason, "no answer");
  EXPECT_EQ(report.Summary(),
            "System, 16 parts, 2 drum setups received.\nNot received:\nReverb: no answer\n"
            "Chorus: no answer\nVariation: no answer");

  // Summaries name what came in few words.
  ReceiveReport empty;
  EXPECT_EQ(empty.Summary(), "Nothing was received.");
  empty.received = {{Kind::Chorus}, {Kind::Part, 0}, {Kind::DrumSetup, 1}};
  EXPECT_EQ(empty.Summary(), "Chorus, 1 part, 1 drum setup received.");
  EXPECT_NE(NoInputPortText(UnitAt(3)).find("unit 3"), std::string::npos);
  const std::string silent = NoAnswerText("Ravlo Monitor", UnitAt(4));
  EXPECT_NE(silent.find("\"Ravlo Monitor\""), std::string::npos);
  EXPECT_NE(silent.find("unit 4"), std::string::npos);
}

TEST_F(SynthReceiverTest, ALostAnswerIsAskedForAgainAndABadSecondHalfLeavesThePartAlone) {
  EditTheSynth();
  bool lost = false;
  Spoil(0x08, 0x02, [&lost](Message answer) -> std::optional<Message> {
    if (lost || answer[8] != 0x30) return answer;
    lost = true;
    return std::nullopt;
  });
  const ReceiveReport report = receiver.Receive(30);
  EXPECT_TRUE(report.Complete()) << report.Summary();
  EXPECT_TRUE(SameAsSynth({Kind::Part, 2}));
  EXPECT_EQ(pauser.Total(), 30u);
  const auto requests = backend.Requests();
  EXPECT_EQ(std::count(requests.begin(), requests.end(),
                       Bytes({0xF0, 0x43, 0x20, 0x4C, 0x08, 0x02, 0x30, 0xF7})),
            2);

  // A bad second half leaves the part as it was.
  ASSERT_TRUE(model.Parts().SetPartParameter(PartAt(2), 0x0B, 0x12));
  const Message before = DumpsOf(model, {Kind::Part, 2})[0];
  Spoil(0x08, 0x02, [](Message answer) -> std::optional<Message> {
    if (answer[8] == 0x30) answer[answer.size() - 2] ^= 0x01;
    return answer;
  });
  const ReceiveReport spoilt = receiver.Receive();
  ASSERT_EQ(spoilt.missing.size(), 1u);
  EXPECT_EQ(spoilt.missing[0].block, (ImageBlock{Kind::Part, 2}));
  EXPECT_EQ(spoilt.missing[0].reason, "the answer's checksum is wrong");
  EXPECT_EQ(DumpsOf(model, {Kind::Part, 2})[0], before) << "the sound first half is not applied";
  EXPECT_TRUE(SameAsSynth({Kind::Part, 3}));
  EXPECT_TRUE(SameAsSynth({Kind::System}));
}

TEST_F(SynthReceiverTest, EachSpoiltAnswerIsReportedOnceWithItsFault) {
  backend.alter = [](Message answer) -> std::optional<Message> {
    switch (answer[6]) {
      case 0x00:  // system: another unit
        answer[2] = 0x05;
        return answer;
      case 0x02:  // effects: another model, cut short, a wrong count
        if (answer[8] == 0x00) answer[3] = kQs300ModelId;
        if (answer[8] == 0x20) answer.erase(answer.begin() + 10, answer.begin() + 12);
        if (answer[8] == 0x40) answer.insert(answer.end() - 2, 0x00);
        return answer;
      default:
        return answer;
    }
  };
  const ReceiveReport report = receiver.Receive(20);
  EXPECT_FALSE(report.silent) << "an answer of another unit is an answer";
  ASSERT_EQ(report.missing.size(), 4u);
  EXPECT_EQ(report.missing[0].reason, "an answer came from another unit");
  EXPECT_EQ(report.missing[1].reason, "an answer came for another model");
  EXPECT_EQ(report.missing[2].reason, "the answer was cut short");
  EXPECT_EQ(report.missing[3].reason, "the answer's byte count is wrong");
  EXPECT_EQ(report.received.size(), 16u + 2u);
  EXPECT_EQ(pauser.Total(), 2u * 20u) << "a spoilt answer ends the wait; a foreign one does not";
}

TEST_F(SynthReceiverTest, UnrelatedMessagesAndOtherDumpsAreLookedPast) {
  EditTheSynth();
  backend.alter = [this](Message answer) -> std::optional<Message> {
    input.Push(Bytes({0x90, 0x3C, 0x40}));
    // A dump of an address nobody asked for (the A/D part's).
    input.Push(Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x01, 0x10, 0x00, 0x00, 0x00, 0x6F, 0xF7}));
    return answer;
  };
  const ReceiveReport report = receiver.Receive();
  EXPECT_TRUE(report.Complete()) << report.Summary();
  EXPECT_TRUE(SameAsSynth({Kind::Part, 2}));
}

TEST_F(SynthReceiverTest, CancelKeepsTheBlocksThatCameBeforeIt) {
  EditTheSynth();
  progress.cancelAfterItems = 6;  // System .. Variation, Part 1, Part 2
  const ReceiveReport report = receiver.Receive();
  EXPECT_TRUE(report.cancelled);
  EXPECT_EQ(report.received.size(), 6u);
  EXPECT_TRUE(SameAsSynth({Kind::System}));
  EXPECT_TRUE(SameAsSynth({Kind::Part, 1}));
  EXPECT_FALSE(SameAsSynth({Kind::Part, 2})) << "asked for no more after the cancel";
  EXPECT_NE(report.Summary().find("Receiving was cancelled."), std::string::npos);
}

TEST_F(SynthReceiverTest, CancelWhileWaitingDropsTheBlockAskedFor) {
  Spoil(0x00, 0x00, [](Message) { return std::nullopt; });
  progress.cancelAfterItems = 1;
  const ReceiveReport report = receiver.Receive();
  EXPECT_TRUE(report.cancelled);
  EXPECT_FALSE(report.silent);
  EXPECT_TRUE(report.received.empty());
  EXPECT_TRUE(pauser.pauses.empty());
}

TEST_F(SynthReceiverTest, AFloodOfOtherTrafficEndsTheWaitInTimeOrAtCancel) {
  Spoil(0x00, 0x00, [](Message) { return std::nullopt; });
  for (const bool cancel : {false, true}) {
    SCOPED_TRACE(cancel ? "cancelled" : "timed out");
    progress.items.clear();
    if (cancel) progress.cancelAfterItems = 1;  // while the first request waits
    std::atomic<bool> stop = false;
    // Faster than the wait takes them: the input is never empty.
    std::thread flood([&] {
      while (!stop) input.Push(Bytes({0x90, 0x3C, 0x40}));
    });
    const auto start = std::chrono::steady_clock::now();
    const ReceiveReport report = receiver.Receive(50);
    const auto took = std::chrono::steady_clock::now() - start;
    stop = true;
    flood.join();
    EXPECT_EQ(report.cancelled, cancel);
    EXPECT_EQ(report.silent, !cancel);
    EXPECT_LT(took, std::chrono::seconds(3));
  }
}

TEST_F(SynthReceiverTest, TheDrumRequestsFollowTheKitAndARefusedRequestEndsTheReadBack) {
  ASSERT_TRUE(model.Drums().SetKitVoice(1, {126, 0, 0}));
  const ReceiveReport report = receiver.Receive();
  ASSERT_TRUE(report.Complete());
  std::size_t setup2 = 0;
  for (const Message& request : backend.Requests()) setup2 += request[4] == 0x31;
  EXPECT_EQ(setup2, model.Drums().KitNotes(1).size());
  EXPECT_NE(setup2, model.Drums().KitNotes(0).size());

  // A refused request ends the read-back.
  const std::size_t shown = prompts.messages.size();
  backend.alter = nullptr;
  device.Close();
  const ReceiveReport refused = receiver.Receive();
  EXPECT_TRUE(refused.failed);
  EXPECT_EQ(refused.requests, 0u);
  EXPECT_GT(prompts.messages.size(), shown) << "the port's error was shown";
}

}  // namespace
}  // namespace ravlo::test
