#include <gtest/gtest.h>

#include "model/XgModel.h"
#include "support/ModelFixture.h"

namespace ravlo {
namespace {

using test::Bytes;
using Messages = std::vector<std::vector<std::uint8_t>>;

class ChannelModelTest : public test::ModelFixture {
 protected:
  ChannelModel& Channels() { return model.Channels(); }
  PartRecord& Part(int part) { return *model.Parts().Record(part); }
  void PutPartOnChannel(int part, int channel) {
    Part(part)[part_address::kReceiveChannel] = static_cast<std::uint8_t>(channel);
  }
  std::vector<std::vector<std::uint8_t>> Shorts() const { return backend.ShortBytes(); }
};

// A row whose every slot differs from its default and from the others.
constexpr ControllerRow kDistinctRow{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

TEST_F(ChannelModelTest, ControlChangeCarriesTheSlotsControllerNumberAndRefusesBadArguments) {
  ASSERT_TRUE(Channels().SendControlChange(2, 5, 64));
  ASSERT_TRUE(Channels().SendControlChange(15, 10, 0));
  EXPECT_EQ(Shorts(), (Messages{Bytes({0xB2, 0x5D, 0x40}), Bytes({0xBF, 0x4A, 0x00})}));
  backend.ClearSent();
  EXPECT_FALSE(Channels().SendControlChange(-1, 0, 0));
  EXPECT_FALSE(Channels().SendControlChange(16, 0, 0));
  EXPECT_FALSE(Channels().SendControlChange(0, -1, 0));
  EXPECT_FALSE(Channels().SendControlChange(0, 11, 0));
  EXPECT_FALSE(Channels().SendControlChange(0, 0, 128));
  EXPECT_TRUE(backend.shorts.empty());
}

TEST_F(ChannelModelTest, VoiceMessagesAreBankMsbLsbAndProgram) {
  ASSERT_TRUE(Channels().SendVoiceMessages(0, 0, 0, 0));
  ASSERT_TRUE(Channels().SendVoiceMessages(9, 127, 1, 127));
  EXPECT_EQ(Shorts(),
            (Messages{Bytes({0xB0, 0x00, 0x00}), Bytes({0xB0, 0x20, 0x00}), Bytes({0xC0, 0x00}),
                      Bytes({0xB9, 0x00, 0x7F}), Bytes({0xB9, 0x20, 0x01}), Bytes({0xC9, 0x7F})}));
  backend.ClearSent();
  EXPECT_FALSE(Channels().SendVoiceMessages(16, 0, 0, 0));
  EXPECT_FALSE(Channels().SendVoiceMessages(0, 128, 0, 0));
  EXPECT_FALSE(Channels().SendVoiceMessages(0, 0, -1, 0));
  EXPECT_FALSE(Channels().SendVoiceMessages(0, 0, 0, 128));
  EXPECT_TRUE(backend.shorts.empty());

  device.Close();
  EXPECT_FALSE(Channels().SendVoiceMessages(0, 0, 0, 0));
  EXPECT_EQ(prompts.messages.size(), 1u);
}

TEST_F(ChannelModelTest, ChannelVoiceSendSkipsOnlyTheDefaultWhenAsked) {
  ASSERT_TRUE(Channels().SendChannelVoice(9, true, 5));
  ASSERT_TRUE(Channels().SendChannelVoice(0, true, 5));
  EXPECT_TRUE(backend.shorts.empty());
  EXPECT_TRUE(pauser.pauses.empty());

  ASSERT_TRUE(Channels().SendChannelVoice(9, false, 5));
  ASSERT_TRUE(Channels().SetChannelVoice(0, {1, 5, 2}));
  ASSERT_TRUE(Channels().SendChannelVoice(0, true, 5));
  EXPECT_EQ(Shorts(),
            (Messages{Bytes({0xB9, 0x00, 0x7F}), Bytes({0xB9, 0x20, 0x00}), Bytes({0xC9, 0x00}),
                      Bytes({0xB0, 0x00, 0x01}), Bytes({0xB0, 0x20, 0x02}), Bytes({0xC0, 0x04})}));
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>(6, 5));
}

TEST_F(ChannelModelTest, ChannelVoiceSendStopsAtTheFirstFailureAfterOneDelay) {
  device.Close();
  EXPECT_FALSE(Channels().SendChannelVoice(3, false, 5));
  EXPECT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>{5});
  EXPECT_FALSE(Channels().SendChannelVoice(16, false, 5));
}

TEST_F(ChannelModelTest, ControllerSendGoesThroughTheSlotsInOrder) {
  ASSERT_TRUE(Channels().SendChannelControllers(1, false, 3));
  EXPECT_EQ(Shorts(),
            (Messages{Bytes({0xB1, 7, 100}), Bytes({0xB1, 11, 127}), Bytes({0xB1, 10, 64}),
                      Bytes({0xB1, 1, 0}), Bytes({0xB1, 91, 40}), Bytes({0xB1, 93, 0}),
                      Bytes({0xB1, 94, 0}), Bytes({0xB1, 71, 64}), Bytes({0xB1, 72, 64}),
                      Bytes({0xB1, 73, 64}), Bytes({0xB1, 74, 64})}));
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>(11, 3));

  ClearSent();
  ASSERT_TRUE(Channels().SendChannelControllers(1, true, 3));
  EXPECT_TRUE(backend.shorts.empty());
  Channels().SetControllerSlot(1, 3, 20);
  ASSERT_TRUE(Channels().SendChannelControllers(1, true, 3));
  EXPECT_EQ(Shorts(), Messages{Bytes({0xB1, 1, 20})});
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>{3});
}

TEST_F(ChannelModelTest, ControllerSendStopsAtTheFirstFailure) {
  device.Close();
  EXPECT_FALSE(Channels().SendChannelControllers(1, false, 3));
  EXPECT_EQ(prompts.messages.size(), 1u);
  EXPECT_TRUE(pauser.pauses.empty());
  EXPECT_FALSE(Channels().SendChannelControllers(-1, false, 3));
}

TEST_F(ChannelModelTest, ChannelMessagesBypassTheRecording) {
  ASSERT_TRUE(model.BeginRecording());
  ASSERT_TRUE(Channels().SendControlChange(2, 5, 64));
  ASSERT_TRUE(Channels().SendChannelVoice(0, false, 0));
  ASSERT_TRUE(Channels().SendChannelControllers(0, false, 0));
  EXPECT_TRUE(model.TakeRecording().empty());
  EXPECT_EQ(backend.shorts.size(), 1u + 3u + 11u);
  model.EndRecording();
}

TEST_F(ChannelModelTest, SlotAccessRefusesOutOfRange) {
  EXPECT_EQ(Channels().GetControllerSlot(4, 0), 100);
  EXPECT_EQ(Channels().GetControllerSlot(-1, 0), -1);
  EXPECT_EQ(Channels().GetControllerSlot(16, 0), -1);
  EXPECT_EQ(Channels().GetControllerSlot(4, 11), -1);
  Channels().SetControllerSlot(4, 0, 55);
  Channels().SetControllerSlot(4, 11, 1);
  Channels().SetControllerSlot(16, 0, 1);
  Channels().SetControllerSlot(4, 1, 200);
  EXPECT_EQ(Channels().GetControllerSlot(4, 0), 55);
  EXPECT_EQ(Channels().GetControllerSlot(4, 1), 127);
  ControllerRow row{};
  EXPECT_FALSE(Channels().StoreChannelControllers(16, kDistinctRow));
  EXPECT_FALSE(Channels().GetChannelControllers(-1, row));
}

TEST_F(ChannelModelTest, StoringARowCopiesTheMirroredSlotsIntoTheSolePart) {
  ASSERT_TRUE(Channels().StoreChannelControllers(4, kDistinctRow));
  ControllerRow stored{};
  ASSERT_TRUE(Channels().GetChannelControllers(4, stored));
  EXPECT_EQ(stored, kDistinctRow);
  const PartRecord& part = Part(4);
  EXPECT_EQ(part[0x0B], 1);
  EXPECT_EQ(part[0x0E], 3);
  EXPECT_EQ(part[0x13], 5);
  EXPECT_EQ(part[0x12], 6);
  EXPECT_EQ(part[0x14], 7);
  EXPECT_EQ(part[0x19], 8);
  EXPECT_EQ(part[0x1C], 9);
  EXPECT_EQ(part[0x1A], 10);
  EXPECT_EQ(part[0x18], 11);
  EXPECT_TRUE(backend.shorts.empty());
  EXPECT_TRUE(Sent().empty());
}

TEST_F(ChannelModelTest, StoringARowOnAChannelWithTwoPartsCopiesNothing) {
  PutPartOnChannel(6, 4);
  const PartRecord before4 = Part(4);
  const PartRecord before6 = Part(6);
  ASSERT_TRUE(Channels().StoreChannelControllers(4, kDistinctRow));
  EXPECT_EQ(Part(4), before4);
  EXPECT_EQ(Part(6), before6);
  EXPECT_EQ(Channels().GetControllerSlot(4, 10), 11);
}

TEST_F(ChannelModelTest, SyncTakesTheSolePartsVoiceAndMirroredBytes) {
  PartRecord& part = Part(4);
  part[part_address::kBankMsb] = 8;
  part[part_address::kProgram] = 24;
  part[part_address::kBankLsb] = 3;
  for (std::size_t slot = 0; slot < kControllerSlotCount; ++slot) {
    if (const auto address = kControllerSlots[slot].partAddress)
      part[*address] = kDistinctRow[slot];
  }
  Channels().SetControllerSlot(4, 1, 90);
  Channels().SetControllerSlot(4, 3, 30);

  Channels().SyncChannelFromParts(4);
  ChannelVoice voice;
  ASSERT_TRUE(Channels().GetChannelVoice(4, voice));
  EXPECT_EQ(voice, (ChannelVoice{8, 25, 3}));
  ControllerRow row{};
  ASSERT_TRUE(Channels().GetChannelControllers(4, row));
  EXPECT_EQ(row, (ControllerRow{1, 90, 3, 30, 5, 6, 7, 8, 9, 10, 11}));
}

TEST_F(ChannelModelTest, SyncWithoutASolePartRestoresTheDefaults) {
  ASSERT_TRUE(Channels().SetChannelVoice(4, {1, 2, 3}));
  ASSERT_TRUE(Channels().StoreChannelControllers(4, kDistinctRow));
  PutPartOnChannel(6, 4);
  Channels().SyncChannelFromParts(4);
  ChannelVoice voice;
  ControllerRow row{};
  ASSERT_TRUE(Channels().GetChannelVoice(4, voice));
  ASSERT_TRUE(Channels().GetChannelControllers(4, row));
  EXPECT_EQ(voice, (ChannelVoice{0, 1, 0}));
  EXPECT_EQ(row, DefaultControllerRow());

  // Channel 6 now has no part at all; the drum channel keeps its own default.
  ASSERT_TRUE(Channels().SetChannelVoice(6, {1, 2, 3}));
  PutPartOnChannel(9, kPartOff);
  ASSERT_TRUE(Channels().SetChannelVoice(9, {1, 2, 3}));
  Channels().SyncAllChannelsFromParts();
  ASSERT_TRUE(Channels().GetChannelVoice(6, voice));
  EXPECT_EQ(voice, (ChannelVoice{0, 1, 0}));
  ASSERT_TRUE(Channels().GetChannelVoice(9, voice));
  EXPECT_EQ(voice, (ChannelVoice{127, 1, 0}));
  Channels().SyncChannelFromParts(16);  // ignored
}

TEST_F(ChannelModelTest, SyncAllTakesTheDrumPartsKitOnChannelTen) {
  ASSERT_TRUE(Channels().SetChannelVoice(9, {1, 2, 3}));
  Part(9)[part_address::kProgram] = 24;
  Channels().SyncAllChannelsFromParts();
  ChannelVoice voice;
  ASSERT_TRUE(Channels().GetChannelVoice(9, voice));
  EXPECT_EQ(voice, (ChannelVoice{127, 25, 0}));
}

TEST_F(ChannelModelTest, ApplyingAControllerWritesEveryPartOnTheChannel) {
  PutPartOnChannel(6, 4);
  Channels().ApplyControllerToParts(4, 4, 99);  // reverb
  EXPECT_EQ(Part(4)[0x13], 99);
  EXPECT_EQ(Part(6)[0x13], 99);
  EXPECT_EQ(Part(5)[0x13], 40);

  const PartRecord before = Part(4);
  Channels().ApplyControllerToParts(4, 1, 5);  // expression
  Channels().ApplyControllerToParts(4, 3, 5);  // modulation
  Channels().ApplyControllerToParts(4, 11, 5);
  Channels().ApplyControllerToParts(16, 0, 5);
  Channels().ApplyControllerToParts(4, 0, 128);
  EXPECT_EQ(Part(4), before);
  EXPECT_TRUE(backend.shorts.empty());
  EXPECT_TRUE(Sent().empty());
}

}  // namespace
}  // namespace ravlo
