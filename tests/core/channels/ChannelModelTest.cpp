#include <gtest/gtest.h>

#include "model/XgModel.h"
#include "support/ModelFixture.h"

namespace ravlo {
namespace {

using test::Bytes;
using test::ChannelAt;
using test::PartAt;
using Messages = std::vector<std::vector<std::uint8_t>>;

// A row whose mirrored slots land in a part: slot -> part address.
constexpr std::pair<int, int> kMirrored[] = {{0, 0x0B}, {2, 0x0E}, {4, 0x13}, {5, 0x12}, {6, 0x14},
                                             {7, 0x19}, {8, 0x1C}, {9, 0x1A}, {10, 0x18}};

struct ChannelModelTest : test::ModelFixture {
  ChannelModel& channels = model.Channels();
  const PartRecord& Part(int part) { return *model.Parts().Record(PartAt(part)); }
};

TEST_F(ChannelModelTest, ChannelMessagesSkipDefaultsWhenAskedAndPauseAfterEach) {
  // Refusals and untouched channels sent non-default only add nothing to the lists below.
  for (const auto& [channel, slot, value] :
       {std::tuple{-1, 0, 0}, {16, 0, 0}, {0, -1, 0}, {0, 11, 0}, {0, 0, 128}})
    EXPECT_FALSE(channels.SetController(ChannelAt(channel), slot, value));
  for (const auto& [channel, msb, lsb, program] :
       {std::array{16, 0, 0, 1}, {0, 128, 0, 1}, {0, 0, 128, 1}, {0, 0, 0, 0}, {0, 0, 0, 129}})
    EXPECT_FALSE(channels.SetChannelVoice(
        ChannelAt(channel), {static_cast<std::uint8_t>(msb), static_cast<std::uint8_t>(program),
                             static_cast<std::uint8_t>(lsb)}));
  EXPECT_FALSE(channels.SendChannelVoice(ChannelAt(16), false, 5));
  EXPECT_FALSE(channels.SendChannelControllers(ChannelAt(-1), false, 3));
  ASSERT_TRUE(channels.SendChannelVoice(ChannelAt(9), true, 5));
  ASSERT_TRUE(channels.SendChannelVoice(ChannelAt(0), true, 5));
  ASSERT_TRUE(channels.SendChannelControllers(ChannelAt(1), true, 3));
  ASSERT_TRUE(channels.SetController(ChannelAt(2), 5, 64));
  ASSERT_TRUE(channels.SetController(ChannelAt(15), 10, 0));
  ASSERT_TRUE(channels.SetChannelVoice(ChannelAt(0), {0, 1, 0}));
  ASSERT_TRUE(channels.SetChannelVoice(ChannelAt(9), {127, 128, 1}));
  ASSERT_TRUE(channels.SendChannelVoice(ChannelAt(9), false, 5));
  ASSERT_TRUE(channels.SetChannelVoice(ChannelAt(0), {1, 5, 2}));
  ASSERT_TRUE(channels.SendChannelVoice(ChannelAt(0), true, 5));
  ASSERT_TRUE(channels.SendChannelControllers(ChannelAt(1), false, 3));
  channels.StoreModulation(ChannelAt(2), 20);
  ASSERT_TRUE(channels.SendChannelControllers(ChannelAt(2), true, 4));
  EXPECT_EQ(
      backend.ShortBytes(),
      (Messages{Bytes({0xB2, 0x5D, 0x40}), Bytes({0xBF, 0x4A, 0x00}), Bytes({0xB0, 0x00, 0x00}),
                Bytes({0xB0, 0x20, 0x00}), Bytes({0xC0, 0x00}),       Bytes({0xB9, 0x00, 0x7F}),
                Bytes({0xB9, 0x20, 0x01}), Bytes({0xC9, 0x7F}),       Bytes({0xB9, 0x00, 0x7F}),
                Bytes({0xB9, 0x20, 0x01}), Bytes({0xC9, 0x7F}),       Bytes({0xB0, 0x00, 0x01}),
                Bytes({0xB0, 0x20, 0x02}), Bytes({0xC0, 0x04}),       Bytes({0xB0, 0x00, 0x01}),
                Bytes({0xB0, 0x20, 0x02}), Bytes({0xC0, 0x04}),       Bytes({0xB1, 7, 100}),
                Bytes({0xB1, 11, 127}),    Bytes({0xB1, 10, 64}),     Bytes({0xB1, 1, 0}),
                Bytes({0xB1, 91, 40}),     Bytes({0xB1, 93, 0}),      Bytes({0xB1, 94, 0}),
                Bytes({0xB1, 71, 64}),     Bytes({0xB1, 72, 64}),     Bytes({0xB1, 73, 64}),
                Bytes({0xB1, 74, 64}),     Bytes({0xB2, 1, 20}),      Bytes({0xB2, 93, 64})}));
  std::vector<unsigned> pauses(6, 5);
  pauses.resize(17, 3);
  pauses.resize(19, 4);
  EXPECT_EQ(pauser.pauses, pauses);

  // Channel messages are never recorded.
  backend.ClearSent();
  ASSERT_TRUE(model.BeginRecording());
  ASSERT_TRUE(channels.SetController(ChannelAt(2), 5, 64));
  ASSERT_TRUE(channels.SendChannelVoice(ChannelAt(0), false, 0));
  ASSERT_TRUE(channels.SendChannelControllers(ChannelAt(0), false, 0));
  EXPECT_TRUE(model.TakeRecording().empty());
  EXPECT_EQ(backend.shorts.size(), 1u + 3u + 11u);
  model.EndRecording();

  // A closed port stops each send at its first message, after one delay.
  ClearSent();
  device.Close();
  EXPECT_FALSE(channels.SendChannelVoice(ChannelAt(3), false, 5));
  EXPECT_FALSE(channels.SendChannelControllers(ChannelAt(1), false, 3));
  EXPECT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>{5});
}

TEST_F(ChannelModelTest, WhatWentIsStoredWhatFailedIsNot) {
  changes.notices.clear();
  ASSERT_TRUE(channels.SetController(ChannelAt(3), 1, 90));  // expression
  ASSERT_TRUE(channels.SetChannelVoice(ChannelAt(3), {8, 25, 3}));
  EXPECT_EQ(channels.Controller(ChannelAt(3), 1), 90);
  EXPECT_EQ(channels.Voice(ChannelAt(3)), (ChannelVoice{8, 25, 3}));
  EXPECT_EQ(Part(3)[part_address::kProgram], 24) << "the part on the channel plays it";
  const auto told = changes.Of(ModelBlock::Channel, 3);
  ASSERT_EQ(told.size(), 2u);
  EXPECT_EQ(told[0].address, (XgAddress{0, 0, 1}));
  EXPECT_EQ(std::pair(told[0].oldValue, told[0].newValue), std::pair(127, 90));
  EXPECT_EQ(told[1].address, (XgAddress{0, 0, ModelChange::kChannelVoiceLow}));

  // The program change fails after both bank selects went: the voice stays.
  backend.sendResult = kMidiError;
  backend.sendsBeforeResult = 2;
  EXPECT_FALSE(channels.SetChannelVoice(ChannelAt(3), {0, 1, 0}));
  EXPECT_EQ(channels.Voice(ChannelAt(3)), (ChannelVoice{8, 25, 3}));
  EXPECT_EQ(Part(3)[part_address::kProgram], 24);
  backend.sendResult = kMidiOk;
  device.Close();
  EXPECT_FALSE(channels.SetController(ChannelAt(3), 1, 10));
  EXPECT_EQ(channels.Controller(ChannelAt(3), 1), 90);
}

TEST_F(ChannelModelTest, AControllerReachesEveryPartOnItsChannelAndAPartEditItsSoleChannel) {
  PutPartByte(6, part_address::kReceiveChannel, 5);  // parts 5 and 6 on channel 5
  changes.notices.clear();
  ASSERT_TRUE(channels.SetController(ChannelAt(5), 4, 99));  // reverb
  EXPECT_EQ(std::tuple(Part(4)[0x13], Part(5)[0x13], Part(6)[0x13]), std::tuple(40, 99, 99));
  EXPECT_EQ(changes.Of(ModelBlock::Part).size(), 2u) << "each part that took it is told";
  const PartRecord before = Part(5);
  ASSERT_TRUE(channels.SetController(ChannelAt(5), 1, 5));  // expression: no part address
  ASSERT_TRUE(channels.SetController(ChannelAt(5), 3, 5));  // modulation: none either
  EXPECT_EQ(Part(5), before);

  // A part alone on its channel mirrors its edits into the row, both ways.
  for (const auto& [slot, address] : kMirrored) {
    ASSERT_TRUE(
        model.Parts().SetPartParameter(PartAt(4), address, static_cast<std::uint8_t>(slot)));
    EXPECT_EQ(channels.Controller(ChannelAt(4), slot), slot) << address;
  }
  ASSERT_TRUE(model.Parts().SetPartParameter(PartAt(5), 0x0B, 7));  // two parts: the row stays
  EXPECT_EQ(channels.Controller(ChannelAt(5), 0), 100);
}

TEST_F(ChannelModelTest, RowsFollowASolePartAndALoadRebuildsThemAll) {
  const std::uint8_t voice[] = {8, 3, 24};
  ASSERT_TRUE(model.Parts().StorePartBytes(PartAt(4), part_address::kBankMsb, voice));
  channels.StoreModulation(ChannelAt(4), 30);
  channels.FollowSolePart(ChannelAt(4));
  EXPECT_EQ(channels.Voice(ChannelAt(4)), (ChannelVoice{8, 25, 3}));
  EXPECT_EQ(channels.Controller(ChannelAt(4), 3), 30) << "modulation has no part parameter";

  // Moving a part to a channel gives the channel its voice when it is alone there;
  // a channel that then holds two parts keeps its rows.
  ASSERT_TRUE(channels.SetController(ChannelAt(7), 1, 77));
  PutPartByte(6, part_address::kReceiveChannel, kPartOff);
  ASSERT_TRUE(model.Parts().SetReceiveChannel(PartAt(4), ChannelAt(6)));
  EXPECT_EQ(channels.Voice(ChannelAt(6)), (ChannelVoice{8, 25, 3}));
  ASSERT_TRUE(model.Parts().SetReceiveChannel(PartAt(4), ChannelAt(7)));
  EXPECT_EQ(channels.Voice(ChannelAt(7)), (ChannelVoice{0, 1, 0}));
  EXPECT_EQ(channels.Controller(ChannelAt(7), 1), 77);

  ASSERT_TRUE(channels.SetChannelVoice(ChannelAt(6), {1, 2, 3}));  // no part on channel 6 now
  changes.notices.clear();
  channels.SyncAllChannelsFromParts();
  EXPECT_EQ(channels.Voice(ChannelAt(7)), (ChannelVoice{0, 1, 0}));
  ControllerRow kept = DefaultControllerRow();
  kept[1] = 77;  // expression is the channel's own, whatever parts share it
  EXPECT_EQ(channels.Controllers(ChannelAt(7)), kept);
  EXPECT_EQ(channels.Voice(ChannelAt(6)), (ChannelVoice{0, 1, 0}));
  const auto told = changes.Of(ModelBlock::Channel);
  ASSERT_FALSE(told.empty());
  EXPECT_EQ(told.back().IsWhole(), true);

  // The drum channel takes its part's kit, and keeps its own default without one.
  PutPartByte(9, part_address::kProgram, 24);
  channels.SyncAllChannelsFromParts();
  EXPECT_EQ(channels.Voice(ChannelAt(9)), (ChannelVoice{127, 25, 0}));
  PutPartByte(9, part_address::kReceiveChannel, kPartOff);
  channels.SyncAllChannelsFromParts();
  EXPECT_EQ(channels.Voice(ChannelAt(9)), (ChannelVoice{127, 1, 0}));
  EXPECT_EQ(backend.shorts.size(), 4u) << "only the controller and the voice above";
}

}  // namespace
}  // namespace ravlo
