#include <gtest/gtest.h>

#include <vector>

#include "messages/XgMessages.h"
#include "model/OutputBuffer.h"
#include "model/XgModel.h"
#include "parts/PartTemplates.h"
#include "support/ModelFixture.h"

namespace ravlo {
namespace {

using test::Bytes;
using test::ChannelAt;
using test::NoteAt;
using test::PartAt;
using test::SystemChange;

TEST(OutputBuffer, BeginAllocatesOneStepALongMessageFitsAndEndFreesEverything) {
  OutputBuffer buffer;
  EXPECT_FALSE(buffer.IsActive());
  EXPECT_FALSE(buffer.Append(std::vector<std::uint8_t>{1})) << "nothing records before Begin";
  ASSERT_TRUE(buffer.Begin());
  EXPECT_EQ(buffer.Capacity(), 16384u);
  EXPECT_EQ(buffer.Length(), 0u);
  ASSERT_TRUE(buffer.Append(std::vector<std::uint8_t>(40000, 0x5A)));  // longer than a step
  EXPECT_EQ(buffer.Capacity(), 3u * 16384u);
  EXPECT_EQ(buffer.Length(), 40000u);
  buffer.End();
  EXPECT_EQ(buffer.Capacity(), 0u);
  EXPECT_FALSE(buffer.IsActive());

  // It grows by whole steps and keeps its contents.
  ASSERT_TRUE(buffer.Begin());
  std::vector<std::uint8_t> message(392);
  std::size_t appended = 0;
  while (buffer.Length() + message.size() <= 16384) {
    message[0] = static_cast<std::uint8_t>(appended++);
    ASSERT_TRUE(buffer.Append(message));
  }
  EXPECT_EQ(buffer.Capacity(), 16384u);
  message[0] = 0xEE;
  ASSERT_TRUE(buffer.Append(message));
  EXPECT_EQ(buffer.Capacity(), 32768u);
  EXPECT_EQ(buffer.Contents()[0], 0);
  EXPECT_EQ(buffer.Contents()[392], 1);
  EXPECT_EQ(buffer.Contents()[buffer.Length() - 392], 0xEE);
}

TEST(OutputBuffer, GrowthBeyondTheLimitFailsWithoutAppending) {
  OutputBuffer buffer(2 * OutputBuffer::kGrowthStep);
  ASSERT_TRUE(buffer.Begin());
  std::vector<std::uint8_t> chunk(10000, 1);
  ASSERT_TRUE(buffer.Append(chunk));
  ASSERT_TRUE(buffer.Append(chunk));
  ASSERT_TRUE(buffer.Append(chunk));
  EXPECT_EQ(buffer.Capacity(), 32768u);
  EXPECT_FALSE(buffer.Append(std::vector<std::uint8_t>(20000, 2)));
  EXPECT_EQ(buffer.Length(), 30000u);
  EXPECT_EQ(buffer.Contents().back(), 1);
}

class XgModelTest : public test::ModelFixture {};

// What initialisation gives and a reset restores: part 10 on the drum template, every
// block at its default; the user voices are kept and each other block is told once.
TEST_F(XgModelTest, InitialisationAndResetToDefaultsGiveEveryBlockItsDefaults) {
  const auto expectDefaults = [this] {
    for (int part = 0; part < kPartCount; ++part) {
      PartRecord expected = part == 9 ? kDrumPartTemplate : kNormalPartTemplate;
      expected[part_address::kReceiveChannel] = static_cast<std::uint8_t>(part);
      EXPECT_EQ(*model.Parts().Record(PartAt(part)), expected) << "part " << part;
    }
    EXPECT_EQ(model.Parts().Count(), 16);
    EXPECT_EQ(model.Drums().Count(), 2);
    EXPECT_EQ(model.System().Bytes(), (SystemBytes{0x00, 0x04, 0x00, 0x00, 0x7F, 0x00, 0x40}));
    EXPECT_EQ(model.Effects().Type(EffectKind::Reverb), 1);
    EXPECT_EQ(model.Effects().Type(EffectKind::Chorus), 1);
    EXPECT_EQ(model.Effects().Type(EffectKind::Variation), 20);
    for (int channel : {0, 4}) {
      EXPECT_EQ(model.Channels().Voice(ChannelAt(channel)), (ChannelVoice{0, 1, 0}));
    }
    EXPECT_EQ(model.Channels().Voice(ChannelAt(9)), (ChannelVoice{127, 1, 0}));
    for (int channel : {4, 15}) {
      EXPECT_EQ(model.Channels().Controllers(ChannelAt(channel)),
                (ControllerRow{100, 127, 64, 0, 40, 0, 0, 64, 64, 64, 64}));
    }
    for (int setup = 0; setup < 2; ++setup) {
      const DrumSetup& drums = *model.Drums().Setup(setup);
      EXPECT_EQ(drums.kitVoice, (DrumKitVoice{127, 0, 0}));
      EXPECT_EQ(drums.kitMask, 1);
      for (int note : {36, 40}) {
        EXPECT_EQ(drums.notes[note - 13], *DrumNoteRecord::KitDefaults(1, note));
      }
    }
  };
  expectDefaults();

  ASSERT_TRUE(model.System().SetMasterVolume(10));
  ASSERT_TRUE(model.Effects().ChangeType(EffectKind::Reverb, 5));
  ASSERT_TRUE(model.Effects().ChangeType(EffectKind::Variation, 3));
  ASSERT_TRUE(model.Parts().SetPartParameter(PartAt(3), 0x0B, 0x20));
  ASSERT_TRUE(model.Drums().SetDrumParameter(1, NoteAt(40), 0x02, 0x01));
  ASSERT_TRUE(model.Channels().SetController(ChannelAt(4), 0, 5));
  ASSERT_TRUE(model.Channels().SetChannelVoice(ChannelAt(4), {1, 2, 3}));
  ASSERT_TRUE(model.UserVoices().SetVoiceName(7, "Keep me"));
  ClearSent();
  changes.notices.clear();
  model.ResetToDefaults();
  expectDefaults();
  EXPECT_EQ(model.UserVoices().Find(UserBank::Bank, 7)->DisplayName(), "Keep me   ");
  EXPECT_TRUE(Sent().empty()) << "a reset of the model sends nothing";
  for (ModelBlock block :
       {ModelBlock::System, ModelBlock::Reverb, ModelBlock::Chorus, ModelBlock::Variation,
        ModelBlock::Part, ModelBlock::Drum, ModelBlock::Channel}) {
    const auto told = changes.Of(block);
    ASSERT_EQ(told.size(), 1u) << static_cast<int>(block);
    EXPECT_TRUE(told[0].IsWhole());
  }
  EXPECT_TRUE(changes.Of(ModelBlock::UserVoice).empty());
}

// An observer that leaves while it is told, and one that joins.
class LeavingObserver final : public ModelObserver {
 public:
  LeavingObserver(XgModel& model, ModelObserver& joining) : model_(model), joining_(joining) {}
  void ModelChanged(const ModelChange&) override {
    ++told;
    model_.Unsubscribe(*this);
    model_.Subscribe(joining_);
  }
  int told = 0;

 private:
  XgModel& model_;
  ModelObserver& joining_;
};

TEST_F(XgModelTest, ObserversMayLeaveAndJoinWhileTheyAreTold) {
  test::RecordingObserver joining;
  LeavingObserver leaving(model, joining);
  model.Subscribe(leaving);
  model.Subscribe(leaving);  // once is enough
  ASSERT_TRUE(model.System().SetMasterVolume(90));
  ASSERT_TRUE(model.System().SetMasterVolume(91));
  EXPECT_EQ(leaving.told, 1);
  ASSERT_EQ(joining.notices.size(), 2u) << "joined during the first notice, so it hears it too";
  EXPECT_EQ(joining.notices[1].newValue, 91);
  model.Unsubscribe(joining);
}

TEST_F(XgModelTest, UnitNumberKeepsTheLowNibbleForBothDeviceBytes) {
  model.SetUnitNumber(UnitNumber::FromValue(0x13));
  EXPECT_EQ(model.Unit().Value(), 3);
  ASSERT_TRUE(model.Emitter().EmitParameterChange({0x00, 0x00, 0x04}, 0x7F));
  ASSERT_TRUE(model.Emitter().Emit(model.System().BulkDump()));
  const auto sent = Sent();
  ASSERT_EQ(sent.size(), 9u + 18u);
  EXPECT_EQ(sent[2], 0x13) << "parameter change";
  EXPECT_EQ(sent[9 + 2], 0x03) << "bulk dump";
}

TEST_F(XgModelTest, SendResetIsXgSystemOnAndOnePauseAndTheAdOptionAddsTheAdAndMixerResets) {
  model.SetResetAdMixer(false);
  ASSERT_TRUE(model.SendReset());
  EXPECT_EQ(Sent(), SystemChange(0x7E, {0x00}));
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>{50});
  ClearSent();
  model.SetResetAdMixer(true);
  ASSERT_TRUE(model.SendReset());
  const auto sent = Sent();
  ASSERT_EQ(sent.size(), 9u + 9u + 9u + 23u);
  EXPECT_EQ((std::vector{sent[9 + 3], sent[9 + 6], sent[18 + 6], sent[27 + 3]}),
            (std::vector<std::uint8_t>{0x49, 0x00, 0x01, 0x7A}));
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>{50});
  // A failed reset still pauses and reports once.
  ClearSent();
  backend.sendResult = kMidiError;
  EXPECT_FALSE(model.SendReset());
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>{50});
  EXPECT_EQ(prompts.messages.size(), 1u) << "the A/D messages are not tried";
  // Without a port an emit reports the invalid handle.
  backend.sendResult = kMidiOk;
  device.Close();
  EXPECT_FALSE(model.Emit(SystemChange(0x04, {0x7F})));
  EXPECT_EQ(prompts.messages.back(), "fake error 5");
}

TEST_F(XgModelTest, RecordingCollectsMessagesInsteadOfSendingButChannelMessagesStillGoLive) {
  ASSERT_TRUE(model.BeginRecording());
  EXPECT_TRUE(model.IsRecording());
  ASSERT_TRUE(model.SendReset());
  ASSERT_TRUE(model.Emitter().SendShort(PackControlChange(ChannelAt(2), 93, 64)));
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(backend.shorts.size(), 1u);
  EXPECT_EQ(model.TakeRecording().size(), 9u + 9u + 9u + 23u);
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>{50}) << "pauses hold while recording too";

  ASSERT_TRUE(model.BeginRecording()) << "a new recording starts empty";
  EXPECT_TRUE(model.TakeRecording().empty());
  model.EndRecording();
  EXPECT_FALSE(model.IsRecording());
  EXPECT_TRUE(model.TakeRecording().empty());
}

}  // namespace
}  // namespace ravlo
