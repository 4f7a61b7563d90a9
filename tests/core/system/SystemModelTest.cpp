#include <gtest/gtest.h>

#include "model/XgModel.h"
#include "support/ModelFixture.h"

namespace ravlo {
namespace {

using test::Bytes;
using Image = std::vector<std::uint8_t>;

// A system parameter change with `data` at `address`.
Image Change(int address, Image data, int unit = 0) {
  Image message = Bytes({0xF0, 0x43, 0x10 + unit, 0x4C, 0x00, 0x00, address});
  message.insert(message.end(), data.begin(), data.end());
  message.push_back(0xF7);
  return message;
}

Image operator+(Image all, const Image& more) {
  all.insert(all.end(), more.begin(), more.end());
  return all;
}

struct SystemModelTest : test::ModelFixture {
  SystemModel& system = model.System();
  Image SentBy(bool (SystemModel::*set)(int), int value) {
    ClearSent();
    EXPECT_TRUE((system.*set)(value)) << value;
    return Sent();
  }
};

TEST_F(SystemModelTest, SettersSendClampedValuesAndStoreNothing) {
  EXPECT_EQ(SentBy(&SystemModel::SetTranspose, -24), Change(0x06, {0x28}));
  EXPECT_EQ(SentBy(&SystemModel::SetTranspose, 24), Change(0x06, {0x58}));
  EXPECT_EQ(SentBy(&SystemModel::SetTranspose, 0), Change(0x06, {0x40}));
  EXPECT_EQ(SentBy(&SystemModel::SetTranspose, -30), Change(0x06, {0x28}));
  EXPECT_EQ(SentBy(&SystemModel::SetMasterTune, -1024), Change(0x00, {0x00, 0x00, 0x00, 0x00}));
  EXPECT_EQ(SentBy(&SystemModel::SetMasterTune, 1023), Change(0x00, {0x00, 0x07, 0x0F, 0x0F}));
  EXPECT_EQ(SentBy(&SystemModel::SetMasterTune, 0), Change(0x00, {0x00, 0x04, 0x00, 0x00}));
  EXPECT_EQ(SentBy(&SystemModel::SetMasterTune, 100), Change(0x00, {0x00, 0x04, 0x06, 0x04}));
  EXPECT_EQ(SentBy(&SystemModel::SetMasterTune, 5000), Change(0x00, {0x00, 0x07, 0x0F, 0x0F}));
  EXPECT_EQ(SentBy(&SystemModel::SetMasterVolume, 300), Change(0x04, {0x7F}));
  model.SetUnitNumber(3);
  EXPECT_EQ(SentBy(&SystemModel::SetMasterVolume, 90), Change(0x04, {0x5A}, 3));
  EXPECT_EQ(system.Bytes(), kDefaultSystemBlock) << "the editor stores";
}

TEST_F(SystemModelTest, ResetsSignalOnlyWhenTheMessageWent) {
  const DrumNoteRecord original = *model.Drums().Note(1, 36);
  ASSERT_TRUE(model.Drums().Note(1, 36)->SetParameter(0x02, 0x01));
  const DrumNoteRecord edited = *model.Drums().Note(1, 36);
  device.Close();
  EXPECT_FALSE(system.SetTranspose(1) || system.SetMasterTune(1) || system.SetMasterVolume(1));
  EXPECT_FALSE(system.AllParameterReset());
  EXPECT_FALSE(system.DrumSetupReset(1));
  EXPECT_EQ(prompts.messages.size(), 5u);
  EXPECT_EQ(*model.Drums().Note(1, 36), edited);

  device.Open(0);
  EXPECT_FALSE(system.DrumSetupReset(-1));
  EXPECT_FALSE(system.DrumSetupReset(2));
  ASSERT_TRUE(system.DrumSetupReset(0));
  ASSERT_TRUE(system.DrumSetupReset(1));
  ASSERT_TRUE(system.AllParameterReset());
  EXPECT_EQ(Sent(), Change(0x7D, {0x00}) + Change(0x7D, {0x01}) + Change(0x7F, {0x00}));
  EXPECT_EQ(*model.Drums().Note(1, 36), original);
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

  ClearSent();
  system.Bytes()[SystemBlock::kAttenuator] = 0x10;  // never travels on its own
  ASSERT_TRUE(system.SendSystemBlock(true, 20));
  system.WriteSystemBlock({0, 127, 1});
  ASSERT_TRUE(system.SendSystemBlock(true, 20));
  EXPECT_EQ(Sent(), Change(0x06, {0x41}));
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>{20});

  ClearSent();
  system.WriteSystemBlock({100, 90, -2});
  const SystemValues read = system.ReadSystemBlock();
  EXPECT_EQ(std::tuple(read.tune, read.volume, read.transpose), std::tuple(100, 90, -2));
  system.Bytes()[0] = 0x01;  // a stray first nibble goes out as stored...
  ASSERT_TRUE(system.SendSystemBlock(true, 7));
  EXPECT_EQ(Sent(),
            Change(0x00, {0x01, 0x04, 0x06, 0x04}) + Change(0x04, {0x5A}) + Change(0x06, {0x3E}));
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{7, 7, 7}));
  system.WriteSystemBlock({-1024, 127, -24});  // ...and is cleared by a write
  EXPECT_EQ(system.Bytes(), (SystemBytes{0, 0, 0, 0, 0x7F, 0x10, 0x28}));
  system.WriteSystemBlock({2000, 300, 99});
  const SystemValues clamped = system.ReadSystemBlock();
  EXPECT_EQ(std::tuple(clamped.tune, clamped.volume, clamped.transpose), std::tuple(1023, 127, 24));

  ClearSent();
  device.Close();
  EXPECT_FALSE(system.SendSystemBlock(true, 7));
  EXPECT_FALSE(system.SendSystemBlock(false, 7));
  EXPECT_EQ(prompts.messages.size(), 2u);
  EXPECT_TRUE(pauser.pauses.empty()) << "stopped at the first failure";
}

}  // namespace
}  // namespace ravlo
