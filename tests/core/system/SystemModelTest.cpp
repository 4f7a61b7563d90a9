#include <gtest/gtest.h>

#include "model/XgModel.h"
#include "support/ModelFixture.h"

namespace ravlo {
namespace {

using test::Bytes;

class SystemModelTest : public test::ModelFixture {
 protected:
  SystemModel& System() { return model.System(); }
};

TEST_F(SystemModelTest, TransposeSendsOffsetValueClampedToTwoOctaves) {
  const std::pair<int, int> cases[] = {{-24, 0x28}, {24, 0x58}, {0, 0x40}, {-30, 0x28}, {99, 0x58}};
  for (const auto& [value, wire] : cases) {
    ClearSent();
    ASSERT_TRUE(System().SetTranspose(value)) << value;
    EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x06, wire, 0xF7})) << value;
  }
  // Setters send; the editor stores.
  EXPECT_EQ(System().Bytes(), kDefaultSystemBlock);
}

TEST_F(SystemModelTest, MasterTuneSendsFourNibbles) {
  const std::pair<int, std::vector<std::uint8_t>> cases[] = {
      {-1024, Bytes({0x00, 0x00, 0x00, 0x00})}, {1023, Bytes({0x00, 0x07, 0x0F, 0x0F})},
      {0, Bytes({0x00, 0x04, 0x00, 0x00})},     {100, Bytes({0x00, 0x04, 0x06, 0x04})},
      {-5000, Bytes({0x00, 0x00, 0x00, 0x00})}, {5000, Bytes({0x00, 0x07, 0x0F, 0x0F})}};
  for (const auto& [value, nibbles] : cases) {
    ClearSent();
    ASSERT_TRUE(System().SetMasterTune(value)) << value;
    std::vector<std::uint8_t> expected = Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x00});
    expected.insert(expected.end(), nibbles.begin(), nibbles.end());
    expected.push_back(0xF7);
    EXPECT_EQ(Sent(), expected) << value;
  }
}

TEST_F(SystemModelTest, MasterVolumeClampsAndCarriesTheUnitNumber) {
  ASSERT_TRUE(System().SetMasterVolume(-5));
  ASSERT_TRUE(System().SetMasterVolume(300));
  model.SetUnitNumber(3);
  ASSERT_TRUE(System().SetMasterVolume(90));
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x04, 0x00, 0xF7,  //
                           0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x04, 0x7F, 0xF7,  //
                           0xF0, 0x43, 0x13, 0x4C, 0x00, 0x00, 0x04, 0x5A, 0xF7}));
}

TEST_F(SystemModelTest, SettersFailOnAClosedPort) {
  device.Close();
  EXPECT_FALSE(System().SetTranspose(1));
  EXPECT_FALSE(System().SetMasterTune(1));
  EXPECT_FALSE(System().SetMasterVolume(1));
  EXPECT_EQ(prompts.messages.size(), 3u);
}

TEST_F(SystemModelTest, AllParameterResetSignalsOnlyWhenTheMessageWent) {
  ASSERT_TRUE(System().AllParameterReset());
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7F, 0x00, 0xF7}));
  EXPECT_EQ(events.allParameterResets, 1);

  device.Close();
  EXPECT_FALSE(System().AllParameterReset());
  EXPECT_EQ(events.allParameterResets, 1);
  EXPECT_EQ(prompts.messages.size(), 1u);

  // Recorded counts as sent.
  ASSERT_TRUE(model.BeginRecording());
  EXPECT_TRUE(System().AllParameterReset());
  EXPECT_EQ(events.allParameterResets, 2);
  const auto recorded = model.TakeRecording();
  EXPECT_EQ(std::vector<std::uint8_t>(recorded.begin(), recorded.end()),
            Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7F, 0x00, 0xF7}));
  model.EndRecording();
}

TEST_F(SystemModelTest, DrumSetupResetRestoresTheNotesAndSignals) {
  const DrumNoteRecord original = *model.Drums().Note(1, 36);
  ASSERT_TRUE(model.Drums().Note(1, 36)->SetParameter(0x02, 0x01));
  ASSERT_NE(*model.Drums().Note(1, 36), original);

  ASSERT_TRUE(System().DrumSetupReset(1));
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7D, 0x01, 0xF7}));
  EXPECT_EQ(*model.Drums().Note(1, 36), original);
  EXPECT_EQ(events.drumSetupResets, std::vector<int>{1});

  ClearSent();
  ASSERT_TRUE(System().DrumSetupReset(0));
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7D, 0x00, 0xF7}));
}

TEST_F(SystemModelTest, DrumSetupResetFailingOrRefusedChangesNothing) {
  ASSERT_TRUE(model.Drums().Note(1, 36)->SetParameter(0x02, 0x01));
  const DrumNoteRecord edited = *model.Drums().Note(1, 36);
  device.Close();
  EXPECT_FALSE(System().DrumSetupReset(1));
  EXPECT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(*model.Drums().Note(1, 36), edited);
  EXPECT_TRUE(events.drumSetupResets.empty());

  device.Open(0);
  EXPECT_FALSE(System().DrumSetupReset(-1));
  EXPECT_FALSE(System().DrumSetupReset(2));
  EXPECT_TRUE(Sent().empty());
  EXPECT_TRUE(events.drumSetupResets.empty());
}

TEST_F(SystemModelTest, BulkSendOfTheDefaultsIsOneDumpWithoutDelay) {
  ASSERT_TRUE(System().SendSystemBlock(false, 20));
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x07, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00,
                           0x00, 0x7F, 0x00, 0x40, 0x36, 0xF7}));
  EXPECT_TRUE(pauser.pauses.empty());
}

TEST_F(SystemModelTest, NonDefaultSendSkipsWhatIsAtItsDefault) {
  ASSERT_TRUE(System().SendSystemBlock(true, 20));
  EXPECT_TRUE(Sent().empty());

  // The attenuator never travels on its own.
  System().Bytes()[SystemBlock::kAttenuator] = 0x10;
  ASSERT_TRUE(System().SendSystemBlock(true, 20));
  EXPECT_TRUE(Sent().empty());

  System().WriteSystemBlock({0, 127, 1});
  ASSERT_TRUE(System().SendSystemBlock(true, 20));
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x06, 0x41, 0xF7}));
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>{20});
}

TEST_F(SystemModelTest, NonDefaultSendGoesInOrderWithADelayAfterEach) {
  System().WriteSystemBlock({100, 90, -2});
  System().Bytes()[0] = 0x01;  // a stray first nibble goes out as stored
  ASSERT_TRUE(System().SendSystemBlock(true, 7));
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x00, 0x01, 0x04, 0x06, 0x04,
                           0xF7, 0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x04, 0x5A, 0xF7,  //
                           0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x06, 0x3E, 0xF7}));
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{7, 7, 7}));
}

TEST_F(SystemModelTest, NonDefaultSendStopsAtTheFirstFailure) {
  System().WriteSystemBlock({100, 90, -2});
  device.Close();
  EXPECT_FALSE(System().SendSystemBlock(true, 7));
  EXPECT_EQ(prompts.messages.size(), 1u);
  EXPECT_TRUE(pauser.pauses.empty());
  EXPECT_FALSE(System().SendSystemBlock(false, 7));
}

}  // namespace
}  // namespace ravlo
