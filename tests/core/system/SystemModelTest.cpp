#include <gtest/gtest.h>

#include "model/XgModel.h"
#include "support/ModelFixture.h"

namespace ravlo {
namespace {

using test::Bytes;
using test::Join;
using test::SystemChange;
using Image = std::vector<std::uint8_t>;

struct SystemModelTest : test::ModelFixture {
  SystemModel& system = model.System();
  Image SentBy(bool (SystemModel::*set)(int), int value) {
    ClearSent();
    EXPECT_TRUE((system.*set)(value)) << value;
    return Sent();
  }
};

TEST_F(SystemModelTest, SettersSendClampedValuesAndStoreWhatWent) {
  EXPECT_EQ(SentBy(&SystemModel::SetTranspose, -24), SystemChange(0x06, {0x28}));
  EXPECT_EQ(SentBy(&SystemModel::SetTranspose, 24), SystemChange(0x06, {0x58}));
  EXPECT_EQ(SentBy(&SystemModel::SetTranspose, 0), SystemChange(0x06, {0x40}));
  EXPECT_EQ(SentBy(&SystemModel::SetTranspose, -30), SystemChange(0x06, {0x28}));
  EXPECT_EQ(SentBy(&SystemModel::SetMasterTune, -1024),
            SystemChange(0x00, {0x00, 0x00, 0x00, 0x00}));
  EXPECT_EQ(SentBy(&SystemModel::SetMasterTune, 1023),
            SystemChange(0x00, {0x00, 0x07, 0x0F, 0x0F}));
  EXPECT_EQ(SentBy(&SystemModel::SetMasterTune, 0), SystemChange(0x00, {0x00, 0x04, 0x00, 0x00}));
  EXPECT_EQ(SentBy(&SystemModel::SetMasterTune, 100), SystemChange(0x00, {0x00, 0x04, 0x06, 0x04}));
  EXPECT_EQ(SentBy(&SystemModel::SetMasterTune, 5000),
            SystemChange(0x00, {0x00, 0x07, 0x0F, 0x0F}));
  EXPECT_EQ(SentBy(&SystemModel::SetMasterVolume, 300), SystemChange(0x04, {0x7F}));
  model.SetUnitNumber(UnitNumber::FromValue(3));
  EXPECT_EQ(SentBy(&SystemModel::SetMasterVolume, 90), SystemChange(0x04, {0x5A}, 3));
  EXPECT_EQ(system.Bytes(), (SystemBytes{0x00, 0x07, 0x0F, 0x0F, 0x5A, 0x00, 0x28}));
  EXPECT_EQ(system.Value(SystemParameter::Tune), 1023);
  EXPECT_EQ(system.Value(SystemParameter::Volume), 90);
  EXPECT_EQ(system.Value(SystemParameter::Transpose), -24);
  EXPECT_FALSE(system.SetSystemParameter(SystemParameter::Attenuator, 3)) << "no single form";
}

TEST_F(SystemModelTest, EachStoredChangeIsOneNoticeWithOldAndNewValues) {
  changes.notices.clear();
  ASSERT_TRUE(system.SetTranspose(5));
  ASSERT_TRUE(system.SetTranspose(5));  // unchanged: nothing to tell
  ASSERT_TRUE(system.SetMasterTune(-1));
  ASSERT_EQ(changes.notices.size(), 2u);
  const ModelChange& transpose = changes.notices[0];
  EXPECT_EQ(transpose.block, ModelBlock::System);
  EXPECT_EQ(transpose.address, (XgAddress{0, 0, 0x06}));
  EXPECT_EQ(std::pair(transpose.oldValue, transpose.newValue), std::pair(0x40, 0x45));
  EXPECT_EQ(std::pair(changes.notices[1].oldValue, changes.notices[1].newValue),
            std::pair(1024, 1023));

  device.Close();
  changes.notices.clear();
  EXPECT_FALSE(system.SetMasterVolume(3));
  EXPECT_EQ(system.Value(SystemParameter::Volume), 127) << "a failed send stores nothing";
  EXPECT_TRUE(changes.notices.empty());

  const Image bytes{0x00, 0x04, 0x06, 0x04, 0x10, 0x7F, 0x41, 0x33};
  system.StoreBytes(4, bytes);  // what a file brings: nothing past the block
  EXPECT_EQ(system.Bytes(), (SystemBytes{0x00, 0x03, 0x0F, 0x0F, 0x00, 0x04, 0x06}));
  ASSERT_EQ(changes.notices.size(), 1u);
  EXPECT_TRUE(changes.notices[0].IsWhole());
}

TEST_F(SystemModelTest, ResetsSignalOnlyWhenTheMessageWent) {
  const DrumNote note = DrumNote::FromMidiNote(36);
  const DrumNoteRecord original = *model.Drums().Note(1, note);
  ASSERT_TRUE(model.Drums().SetDrumParameter(1, note, 0x02, 0x01));
  const DrumNoteRecord edited = *model.Drums().Note(1, note);
  ASSERT_TRUE(system.SetMasterVolume(50));
  ASSERT_TRUE(model.Parts().SetPartParameter(PartIndex::FromIndex(3), 0x0B, 0x22));
  ClearSent();
  device.Close();
  EXPECT_FALSE(system.SetTranspose(1) || system.SetMasterTune(1) || system.SetMasterVolume(1));
  EXPECT_FALSE(system.AllParameterReset());
  EXPECT_FALSE(system.DrumSetupReset(1));
  EXPECT_EQ(prompts.messages.size(), 5u);
  EXPECT_EQ(*model.Drums().Note(1, note), edited);

  device.Open(0);
  EXPECT_FALSE(system.DrumSetupReset(-1));
  EXPECT_FALSE(system.DrumSetupReset(2));
  ASSERT_TRUE(system.DrumSetupReset(0));
  ASSERT_TRUE(system.DrumSetupReset(1));
  ASSERT_TRUE(system.AllParameterReset());
  EXPECT_EQ(Sent(), Join(SystemChange(0x7D, {0x00}), SystemChange(0x7D, {0x01}),
                         SystemChange(0x7F, {0x00})));
  EXPECT_EQ(*model.Drums().Note(1, note), original);
  // The model goes back to the defaults itself, whoever hears about it.
  EXPECT_EQ(system.Bytes(), kDefaultSystemBlock);
  EXPECT_EQ((*model.Parts().Record(PartIndex::FromIndex(3)))[0x0B], 0x64);
  EXPECT_EQ(events.allParameterResets, 1);
  EXPECT_EQ(events.drumSetupResets, (std::vector<int>{0, 1}));
  ASSERT_TRUE(model.BeginRecording());
  EXPECT_TRUE(system.AllParameterReset());
  EXPECT_EQ(events.allParameterResets, 2) << "recorded counts as sent";
  model.EndRecording();
}

TEST_F(SystemModelTest, BulkSendIsOneDumpAndNonDefaultSendOneChangeEachInOrder) {
  ASSERT_TRUE(system.SendSystemBlock(false, 20));
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x07, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00,
                           0x00, 0x7F, 0x00, 0x40, 0x36, 0xF7}));
  EXPECT_TRUE(pauser.pauses.empty());

  const Image attenuator{0x10};
  system.StoreBytes(SystemParameterInfo(SystemParameter::Attenuator).address,
                    attenuator);  // never travels on its own
  ClearSent();
  ASSERT_TRUE(system.SendSystemBlock(true, 20));
  const Image transpose{0x41};
  system.StoreBytes(SystemParameterInfo(SystemParameter::Transpose).address, transpose);
  ASSERT_TRUE(system.SendSystemBlock(true, 20));
  EXPECT_EQ(Sent(), SystemChange(0x06, {0x41}));
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>{20});

  const Image stray{0x01, 0x04, 0x06, 0x04, 0x5A, 0x10, 0x3E};
  system.StoreBytes(0, stray);  // a stray first nibble goes out as stored...
  ClearSent();
  ASSERT_TRUE(system.SendSystemBlock(true, 7));
  EXPECT_EQ(Sent(), Join(SystemChange(0x00, {0x01, 0x04, 0x06, 0x04}), SystemChange(0x04, {0x5A}),
                         SystemChange(0x06, {0x3E})));
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{7, 7, 7}));
  ASSERT_TRUE(system.SetMasterTune(-1024));  // ...and is cleared by an edit
  EXPECT_EQ(system.Bytes(), (SystemBytes{0, 0, 0, 0, 0x5A, 0x10, 0x3E}));

  ClearSent();
  device.Close();
  EXPECT_FALSE(system.SendSystemBlock(true, 7));
  EXPECT_FALSE(system.SendSystemBlock(false, 7));
  EXPECT_EQ(prompts.messages.size(), 2u);
  EXPECT_TRUE(pauser.pauses.empty()) << "stopped at the first failure";
}

}  // namespace
}  // namespace ravlo
