#include <gtest/gtest.h>

#include "model/XgModel.h"
#include "support/ModelFixture.h"

namespace ravlo {
namespace {

using test::Bytes;
using Messages = std::vector<std::vector<std::uint8_t>>;

// A row whose every slot differs from its default and from the others, and
// where its mirrored slots land in a part.
constexpr ControllerRow kDistinctRow{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
constexpr std::pair<int, int> kMirrored[] = {{0x0B, 1}, {0x0E, 3}, {0x13, 5},  {0x12, 6}, {0x14, 7},
                                             {0x19, 8}, {0x1C, 9}, {0x1A, 10}, {0x18, 11}};

struct ChannelModelTest : test::ModelFixture {
  ChannelModel& channels = model.Channels();
  PartRecord& Part(int part) { return *model.Parts().Record(part); }
  void PutPartOnChannel(int part, int channel) {
    Part(part)[part_address::kReceiveChannel] = static_cast<std::uint8_t>(channel);
  }
  ChannelVoice Voice(int channel) {
    ChannelVoice voice{};
    EXPECT_TRUE(channels.GetChannelVoice(channel, voice));
    return voice;
  }
  ControllerRow Row(int channel) {
    ControllerRow row{};
    EXPECT_TRUE(channels.GetChannelControllers(channel, row));
    return row;
  }
};

TEST_F(ChannelModelTest, ChannelMessagesSkipDefaultsWhenAskedAndPauseAfterEach) {
  // Refusals and untouched channels sent non-default only add nothing to the lists below.
  for (const auto& [channel, slot, value] :
       {std::tuple{-1, 0, 0}, {16, 0, 0}, {0, -1, 0}, {0, 11, 0}, {0, 0, 128}})
    EXPECT_FALSE(channels.SendControlChange(channel, slot, value));
  for (const auto& [channel, msb, lsb, program] :
       {std::array{16, 0, 0, 0}, {0, 128, 0, 0}, {0, 0, -1, 0}, {0, 0, 0, 128}})
    EXPECT_FALSE(channels.SendVoiceMessages(channel, msb, lsb, program));
  EXPECT_FALSE(channels.SendChannelVoice(16, false, 5));
  EXPECT_FALSE(channels.SendChannelControllers(-1, false, 3));
  ASSERT_TRUE(channels.SendChannelVoice(9, true, 5));
  ASSERT_TRUE(channels.SendChannelVoice(0, true, 5));
  ASSERT_TRUE(channels.SendChannelControllers(1, true, 3));
  ASSERT_TRUE(channels.SendControlChange(2, 5, 64));
  ASSERT_TRUE(channels.SendControlChange(15, 10, 0));
  ASSERT_TRUE(channels.SendVoiceMessages(0, 0, 0, 0));
  ASSERT_TRUE(channels.SendVoiceMessages(9, 127, 1, 127));
  ASSERT_TRUE(channels.SendChannelVoice(9, false, 5));
  ASSERT_TRUE(channels.SetChannelVoice(0, {1, 5, 2}));
  ASSERT_TRUE(channels.SendChannelVoice(0, true, 5));
  ASSERT_TRUE(channels.SendChannelControllers(1, false, 3));
  channels.SetControllerSlot(2, 3, 20);
  ASSERT_TRUE(channels.SendChannelControllers(2, true, 4));
  EXPECT_EQ(
      backend.ShortBytes(),
      (Messages{Bytes({0xB2, 0x5D, 0x40}), Bytes({0xBF, 0x4A, 0x00}), Bytes({0xB0, 0x00, 0x00}),
                Bytes({0xB0, 0x20, 0x00}), Bytes({0xC0, 0x00}),       Bytes({0xB9, 0x00, 0x7F}),
                Bytes({0xB9, 0x20, 0x01}), Bytes({0xC9, 0x7F}),       Bytes({0xB9, 0x00, 0x7F}),
                Bytes({0xB9, 0x20, 0x00}), Bytes({0xC9, 0x00}),       Bytes({0xB0, 0x00, 0x01}),
                Bytes({0xB0, 0x20, 0x02}), Bytes({0xC0, 0x04}),       Bytes({0xB1, 7, 100}),
                Bytes({0xB1, 11, 127}),    Bytes({0xB1, 10, 64}),     Bytes({0xB1, 1, 0}),
                Bytes({0xB1, 91, 40}),     Bytes({0xB1, 93, 0}),      Bytes({0xB1, 94, 0}),
                Bytes({0xB1, 71, 64}),     Bytes({0xB1, 72, 64}),     Bytes({0xB1, 73, 64}),
                Bytes({0xB1, 74, 64}),     Bytes({0xB2, 1, 20})}));
  std::vector<unsigned> pauses(6, 5);
  pauses.resize(17, 3);
  pauses.push_back(4);
  EXPECT_EQ(pauser.pauses, pauses);

  // Channel messages are never recorded.
  backend.ClearSent();
  ASSERT_TRUE(model.BeginRecording());
  ASSERT_TRUE(channels.SendControlChange(2, 5, 64));
  ASSERT_TRUE(channels.SendChannelVoice(0, false, 0));
  ASSERT_TRUE(channels.SendChannelControllers(0, false, 0));
  EXPECT_TRUE(model.TakeRecording().empty());
  EXPECT_EQ(backend.shorts.size(), 1u + 3u + 11u);
  model.EndRecording();

  // A closed port stops each send at its first message, after one delay.
  ClearSent();
  device.Close();
  EXPECT_FALSE(channels.SendChannelVoice(3, false, 5));
  EXPECT_FALSE(channels.SendChannelControllers(1, false, 3));
  EXPECT_FALSE(channels.SendVoiceMessages(0, 0, 0, 0));
  EXPECT_EQ(prompts.messages.size(), 3u);
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>{5});
}

TEST_F(ChannelModelTest, AStoredRowGoesToASolePartAnAppliedControllerToEveryPart) {
  for (const auto& [channel, slot] : {std::pair{-1, 0}, {16, 0}, {4, 11}}) {
    channels.SetControllerSlot(channel, slot, 1);
    EXPECT_EQ(channels.GetControllerSlot(channel, slot), -1);
  }
  channels.SetControllerSlot(4, 1, 200);
  EXPECT_EQ(channels.GetControllerSlot(4, 1), 127);
  EXPECT_FALSE(channels.StoreChannelControllers(16, kDistinctRow));

  ASSERT_TRUE(channels.StoreChannelControllers(4, kDistinctRow));
  EXPECT_EQ(Row(4), kDistinctRow);
  for (const auto& [address, value] : kMirrored) EXPECT_EQ(Part(4)[address], value) << address;

  PutPartOnChannel(6, 5);  // two parts: a stored row is copied to neither
  const PartRecord before = Part(5);
  ASSERT_TRUE(channels.StoreChannelControllers(5, kDistinctRow));
  EXPECT_EQ(Part(5), before);
  EXPECT_EQ(Part(6)[0x0B], 100);
  EXPECT_EQ(channels.GetControllerSlot(5, 10), 11);

  channels.ApplyControllerToParts(5, 4, 99);  // reverb
  EXPECT_EQ(Part(5)[0x13], 99);
  EXPECT_EQ(Part(6)[0x13], 99);
  EXPECT_EQ(Part(4)[0x13], 5);
  const PartRecord applied = Part(5);
  channels.ApplyControllerToParts(5, 1, 5);  // expression: no part address
  channels.ApplyControllerToParts(5, 11, 5);
  channels.ApplyControllerToParts(16, 0, 5);
  channels.ApplyControllerToParts(5, 0, 128);
  EXPECT_EQ(Part(5), applied);
  EXPECT_TRUE(backend.shorts.empty() && Sent().empty());
}

TEST_F(ChannelModelTest, SyncTakesTheSolePartOrRestoresTheDefaults) {
  Part(4)[part_address::kBankMsb] = 8;
  Part(4)[part_address::kProgram] = 24;
  Part(4)[part_address::kBankLsb] = 3;
  for (const auto& [address, value] : kMirrored)
    Part(4)[address] = static_cast<std::uint8_t>(value);
  channels.SetControllerSlot(4, 1, 90);
  channels.SetControllerSlot(4, 3, 30);
  channels.SyncChannelFromParts(4);
  EXPECT_EQ(Voice(4), (ChannelVoice{8, 25, 3}));
  EXPECT_EQ(Row(4), (ControllerRow{1, 90, 3, 30, 5, 6, 7, 8, 9, 10, 11}));

  PutPartOnChannel(6, 4);  // two parts on channel 4, none on channel 6
  ASSERT_TRUE(channels.SetChannelVoice(6, {1, 2, 3}));
  channels.SyncAllChannelsFromParts();
  EXPECT_EQ(Voice(4), (ChannelVoice{0, 1, 0}));
  EXPECT_EQ(Row(4), DefaultControllerRow());
  EXPECT_EQ(Voice(6), (ChannelVoice{0, 1, 0}));

  // The drum channel takes its part's kit, and keeps its own default without one.
  ASSERT_TRUE(channels.SetChannelVoice(9, {1, 2, 3}));
  Part(9)[part_address::kProgram] = 24;
  channels.SyncAllChannelsFromParts();
  EXPECT_EQ(Voice(9), (ChannelVoice{127, 25, 0}));
  PutPartOnChannel(9, kPartOff);
  channels.SyncChannelFromParts(9);
  EXPECT_EQ(Voice(9), (ChannelVoice{127, 1, 0}));
  channels.SyncChannelFromParts(16);  // ignored
}

}  // namespace
}  // namespace ravlo
