#include <gtest/gtest.h>

#include <vector>

#include "intake/SysexScanner.h"
#include "messages/XgMessages.h"
#include "sendpass/SendChoices.h"
#include "sendpass/SendPass.h"
#include "support/ModelFixture.h"
#include "support/RecordingProgress.h"

namespace ravlo::test {
namespace {

std::vector<std::size_t> MessageLengths(std::span<const std::uint8_t> bytes) {
  std::vector<std::size_t> lengths;
  SysexScanner scanner = SysexScanner::Plain(bytes);
  while (const auto message = scanner.Next()) lengths.push_back(message->length);
  return lengths;
}

SendChoices AllBulkExceptControllers() {
  SendChoices choices;
  choices.ClearNonDefaultBoxes();
  choices.controllers.send = false;
  return choices;
}

class SendPassTest : public ModelFixture {
 protected:
  RecordingProgress progress;
};

TEST_F(SendPassTest, AnAllBulkSaveHasTheFixedOrder) {
  model.SetResetAdMixer(true);
  const SendChoices choices = AllBulkExceptControllers();
  EXPECT_FALSE(choices.controllers.nonDefaultOnly) << "the clear button takes every column's box";
  const auto recorded = RecordSendPass(model, choices, progress);
  ASSERT_TRUE(recorded);
  // The reset first; the blocks' dumps follow in the order of the read-back image.
  const std::vector<std::size_t> lengths = MessageLengths(*recorded);
  ASSERT_GE(lengths.size(), 5u);
  EXPECT_EQ(std::vector(lengths.begin(), lengths.begin() + 5),
            (std::vector<std::size_t>{9, 9, 9, 23, 18}));
  EXPECT_TRUE(Sent().empty()) << "a saving pass records instead of sending";
  EXPECT_TRUE(backend.shorts.empty());
  EXPECT_FALSE(model.IsRecording());
  EXPECT_EQ(progress.items, (std::vector<std::string>{"Reset", "System", "Reverb", "Chorus",
                                                      "Variation", "Parts", "Drum 1", "Drum 2"}));
  EXPECT_EQ(progress.shown, 1);
  EXPECT_EQ(progress.closed, 1);
}

TEST_F(SendPassTest, NonDefaultOnlyOfAnUntouchedModelIsJustTheResetAndASaveSendsNoControllers) {
  model.SetResetAdMixer(false);
  SendChoices choices;
  choices.delayMs = 20;
  RunSendPass(model, choices, progress);
  EXPECT_EQ(MessageLengths(Sent()), std::vector<std::size_t>{9});
  EXPECT_TRUE(backend.shorts.empty()) << "untouched channels send no controllers";
  // A saving pass never sends controllers, even all of them.
  choices.controllers = {true, false};
  ASSERT_TRUE(RecordSendPass(model, choices, progress));
  EXPECT_TRUE(backend.shorts.empty());
}

TEST_F(SendPassTest, ControllersAloneSendTheVoiceBeforeTheControllersOfEveryChannel) {
  SendChoices choices;
  choices.ClearCategories();
  choices.controllers = {true, false};
  RunSendPass(model, choices, progress);
  const auto shorts = backend.ShortBytes();
  ASSERT_EQ(shorts.size(), 16u * (3 + 11));
  EXPECT_EQ(shorts[0], Bytes({0xB0, 0x00, 0x00}));
  EXPECT_EQ(shorts[1], Bytes({0xB0, 0x20, 0x00}));
  EXPECT_EQ(shorts[2], Bytes({0xC0, 0x00}));
  EXPECT_EQ(shorts[3], Bytes({0xB0, 0x07, 100}));
  EXPECT_EQ(progress.items.front(), "Controllers Channel 0");
  EXPECT_EQ(progress.items.back(), "Controllers Channel 15");

  backend.ClearSent();
  choices.part = {true, true};
  RunSendPass(model, choices, progress);
  EXPECT_EQ(backend.ShortBytes().size(), 16u * 11) << "a part send carries the voices";
}

TEST_F(SendPassTest, ClearThenOnlyDrum2SendsSetupTwoAlone) {
  SendChoices choices;
  choices.ClearCategories();
  choices.drum2.send = true;
  const std::uint8_t level11[] = {0x11};
  const std::uint8_t level22[] = {0x22};
  ASSERT_TRUE(model.Drums().StoreDrumParameters(1, NoteAt(36), 0x02, level11));
  ASSERT_TRUE(model.Drums().StoreDrumParameters(0, NoteAt(36), 0x02, level22));
  RunSendPass(model, choices, progress);
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x31, 36, 0x02, 0x11, 0xF7}));
  EXPECT_EQ(progress.items, std::vector<std::string>{"Drum 2"});
}

TEST_F(SendPassTest, EveryEditGoesOutAsTheModelHoldsItAndAFailureEndsOnlyItsCategory) {
  // Edits as the editors make them: nothing is left in a window to fetch first.
  ASSERT_TRUE(model.Effects().ChangeType(EffectKind::Reverb, 3));  // "Room 1"
  ASSERT_TRUE(model.System().SetMasterVolume(90));
  ASSERT_TRUE(model.Channels().SetController(ChannelAt(3), 1, 50));
  ClearSent();
  SendChoices choices;
  choices.reset = false;
  choices.delayMs = 7;
  RunSendPass(model, choices, progress);
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x04, 0x5A, 0xF7,  //
                           0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x02, 0x00, 0xF7}));
  EXPECT_EQ(backend.ShortBytes(), std::vector<std::vector<std::uint8_t>>{Bytes({0xB3, 11, 50})});
  EXPECT_GT(pauser.Count(7), 0);

  // A failure ends its category and the pass goes on.
  model.SetResetAdMixer(false);
  backend.sendResult = kMidiError;
  RunSendPass(model, AllBulkExceptControllers(), progress);
  // Reset, System, three effects, Parts, two drum setups: one error each.
  EXPECT_EQ(prompts.messages.size(), 8u);
  EXPECT_EQ(progress.items.back(), "Drum 2");
}

}  // namespace
}  // namespace ravlo::test
