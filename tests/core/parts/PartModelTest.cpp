#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "messages/XgMessages.h"
#include "parts/PartModel.h"
#include "parts/PartTemplates.h"
#include "support/ModelFixture.h"

namespace ravlo {
namespace {

using test::Bytes;
using Message = std::vector<std::uint8_t>;

constexpr int kGrandPiano = 0;    // 0 / 1 / 0
constexpr int kStandardKit1 = 8;  // 127 / 1 / 0
constexpr int kRoomKit = 56;      // 127 / 9 / 0

class PartModelTest : public test::ModelFixture {
 protected:
  PartModel& Parts() { return model.Parts(); }
  PartRecord& Record(int part) { return *Parts().Record(part); }

  // The sent stream cut into sysex messages.
  std::vector<Message> Messages() const {
    std::vector<Message> messages;
    Message current;
    for (std::uint8_t byte : Sent()) {
      current.push_back(byte);
      if (byte == 0xF7) {
        messages.push_back(current);
        current.clear();
      }
    }
    return messages;
  }

  static Message Change(int part, int address, int value) {
    return Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, part, address, value, 0xF7});
  }
  static Message DrumSetupReset(int setup) {
    return Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7D, setup, 0xF7});
  }
  int Slot(int channel, int slot) {
    int value = -1;
    model.Channels().GetSlot(channel, slot, value);
    return value;
  }
};

TEST_F(PartModelTest, SingleAndPairSettersSendTheirMessages) {
  EXPECT_TRUE(Parts().SetPartParameter(4, 0x0B, 0x50));
  EXPECT_TRUE(Parts().SetPartParameterPair(2, 0x09, 0x0F, 0x0F));
  EXPECT_EQ(Messages(), (std::vector<Message>{
                            Change(4, 0x0B, 0x50),
                            Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x09, 0x0F, 0x0F, 0xF7}),
                        }));
  EXPECT_EQ(Record(4)[0x0B], 0x64) << "setters send but do not store";
}

TEST_F(PartModelTest, SettersRefuseBadInputWithoutSending) {
  EXPECT_FALSE(Parts().SetPartParameter(0, 0x16, 0xFF));
  EXPECT_FALSE(Parts().SetPartParameter(16, 0x0B, 1));
  EXPECT_FALSE(Parts().SetPartParameter(0, 0x6F, 1));
  EXPECT_FALSE(Parts().SetPartParameter(0, 0x2A, 1)) << "no parameter lives in the gap";
  EXPECT_FALSE(Parts().SetPartParameterPair(0, 0x09, 0xFF, 0));
  EXPECT_FALSE(Parts().SetPartParameterPair(0, 0x09, 0, 0xFF));
  EXPECT_FALSE(Parts().SetPartParameterPair(0, 0x6E, 1, 1));
  const std::array<std::uint8_t, 3> run{1, 2, 3};
  EXPECT_FALSE(Parts().SetPartParameters(0, 0x6D, run));
  EXPECT_FALSE(Parts().SetPartParameters(16, 0x10, run));
  EXPECT_FALSE(Parts().SetPartParameters(0, -1, run));
  EXPECT_TRUE(Parts().SetPartParameters(0, 0x10, {})) << "an empty run succeeds";
  EXPECT_TRUE(Sent().empty());
}

TEST_F(PartModelTest, RangedSetterSendsDetuneAsOnePair) {
  // Part Control's run 08..10.
  const std::array<std::uint8_t, 9> run{0x40, 0x07, 0x03, 0x64, 0x40, 0x40, 0x40, 0x00, 0x7F};
  EXPECT_TRUE(Parts().SetPartParameters(1, 0x08, run));
  const std::vector<Message> messages = Messages();
  ASSERT_EQ(messages.size(), 8u);
  EXPECT_EQ(messages[0], Change(1, 0x08, 0x40));
  EXPECT_EQ(messages[1], Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x01, 0x09, 0x07, 0x03, 0xF7}));
  EXPECT_EQ(messages[2], Change(1, 0x0B, 0x64));
  EXPECT_EQ(messages[7], Change(1, 0x10, 0x7F));
}

TEST_F(PartModelTest, DetuneRunEndingAtItsFirstByteFails) {
  const std::array<std::uint8_t, 1> detune{0x08};
  EXPECT_FALSE(Parts().SetPartParameters(0, 0x09, detune));
  EXPECT_TRUE(Sent().empty());
}

TEST_F(PartModelTest, DrumReceiveRunSkipsTheBytesADrumPartLacks) {
  std::array<std::uint8_t, 17> run{};
  ASSERT_TRUE(Parts().GetPartBytes(9, 0x30, run));
  EXPECT_TRUE(Parts().SetPartParameters(9, 0x30, run));
  EXPECT_EQ(Messages().size(), 14u);
}

TEST_F(PartModelTest, RangedSetterStopsAtTheFirstFailure) {
  backend.sendResult = kMidiError;
  const std::array<std::uint8_t, 2> run{0x10, 0x20};
  EXPECT_FALSE(Parts().SetPartParameters(4, 0x0B, run));
  EXPECT_TRUE(events.mirrored.empty());
  EXPECT_EQ(Slot(4, 0), 100);
}

TEST_F(PartModelTest, MirroredAddressesReachTheControllerRowOfALonePart) {
  const std::array<std::uint8_t, 1> volume{0x50};
  EXPECT_TRUE(Parts().SetPartParameters(4, 0x0B, volume));
  EXPECT_EQ(Slot(4, 0), 0x50);
  ASSERT_EQ(events.mirrored.size(), 1u);
  EXPECT_EQ(events.mirrored[0].channel, 4);
  EXPECT_EQ(events.mirrored[0].slot, 0);
  EXPECT_EQ(events.mirrored[0].value, 0x50);

  // The FX sends: chorus to slot 5, reverb to slot 4, variation to slot 6; dry/wet has no slot.
  const std::array<std::uint8_t, 4> sends{0x11, 0x22, 0x33, 0x44};
  EXPECT_TRUE(Parts().SetPartParameters(4, 0x11, sends));
  EXPECT_EQ(Slot(4, 5), 0x22);
  EXPECT_EQ(Slot(4, 4), 0x33);
  EXPECT_EQ(Slot(4, 6), 0x44);
  EXPECT_EQ(events.mirrored.size(), 4u);
}

TEST_F(PartModelTest, NoMirrorWhenTheChannelIsSharedOrOff) {
  Record(5)[0x04] = 4;
  const std::array<std::uint8_t, 1> volume{0x50};
  EXPECT_TRUE(Parts().SetPartParameters(4, 0x0B, volume));
  EXPECT_EQ(Slot(4, 0), 100);
  Record(6)[0x04] = 0x7F;
  EXPECT_TRUE(Parts().SetPartParameters(6, 0x0B, volume));
  EXPECT_TRUE(events.mirrored.empty());
  EXPECT_EQ(Messages().size(), 2u);
}

TEST_F(PartModelTest, RecordAccessIsBounded) {
  std::uint8_t value = 0;
  EXPECT_TRUE(Parts().PutPartByte(3, 0x6E, 0x11));
  EXPECT_TRUE(Parts().GetPartByte(3, 0x6E, value));
  EXPECT_EQ(value, 0x11);
  EXPECT_FALSE(Parts().GetPartByte(3, 0x6F, value));
  EXPECT_FALSE(Parts().PutPartByte(16, 0, 0));
  std::array<std::uint8_t, 3> bytes{};
  EXPECT_TRUE(Parts().GetPartBytes(9, 0x01, bytes));
  EXPECT_EQ(bytes, (std::array<std::uint8_t, 3>{0x7F, 0x00, 0x00}));
  EXPECT_FALSE(Parts().GetPartBytes(9, 0x6D, bytes));
  EXPECT_FALSE(Parts().PutPartBytes(9, 0x6D, bytes));
}

TEST_F(PartModelTest, PartsAreFoundByChannelAndNamedByTheirVoice) {
  int part = -1;
  EXPECT_TRUE(Parts().FindPartByChannel(9, part));
  EXPECT_EQ(part, 9);
  Record(12)[0x04] = 3;
  EXPECT_TRUE(Parts().FindPartByChannel(3, part));
  EXPECT_EQ(part, 3) << "the lowest part wins";
  Record(3)[0x04] = 0x7F;
  EXPECT_TRUE(Parts().FindPartByChannel(3, part));
  EXPECT_EQ(part, 12);
  EXPECT_FALSE(Parts().FindPartByChannel(16, part));
  EXPECT_FALSE(Parts().FindPartByChannel(0x7F, part));

  EXPECT_TRUE(Parts().IsDrumPart(9));
  EXPECT_FALSE(Parts().IsDrumPart(0));
  EXPECT_FALSE(Parts().IsDrumPart(16));
  EXPECT_EQ(Parts().PartVoiceName(9).name, "StndKit1");
  EXPECT_EQ(Parts().PartVoiceName(0).name, "GrandPno");
  EXPECT_EQ(Parts().PartVoiceName(-1).name, "----");
}

TEST_F(PartModelTest, DrumKitForANormalPartTakesTheFreeSetup) {
  ASSERT_TRUE(model.Drums().SetKitVoice(1, {127, 8, 0}));
  EXPECT_TRUE(Parts().SelectPartVoice(0, kStandardKit1));
  EXPECT_EQ(Messages(), (std::vector<Message>{Change(0, 1, 127), Change(0, 2, 0), Change(0, 3, 0),
                                              DrumSetupReset(1)}));
  const PartRecord& record = Record(0);
  EXPECT_EQ(record[0x07], 3);
  EXPECT_EQ(record[0x01], 127);
  EXPECT_EQ(record[0x05], 0xFF) << "the drum defaults came in";
  EXPECT_EQ(model.Drums().Setup(1)->kitVoice, (DrumKitVoice{127, 0, 0}));
  EXPECT_EQ(events.drumSetupResets, std::vector<int>{1});
  ChannelVoice voice;
  ASSERT_TRUE(model.Channels().GetVoice(0, voice));
  EXPECT_EQ(voice, (ChannelVoice{127, 1, 0}));
}

TEST_F(PartModelTest, DrumKitForADrumPartKeepsItsSetupAndSharersFollow) {
  Record(3)[0x07] = 2;  // shares Drum 1 with part 10
  EXPECT_TRUE(Parts().SelectPartVoice(9, kRoomKit));
  EXPECT_EQ(Messages().back(), DrumSetupReset(0));
  EXPECT_EQ(Record(9)[0x07], 2);
  EXPECT_EQ(Record(9)[0x03], 8);
  EXPECT_EQ(Record(3)[0x03], 8);
  EXPECT_EQ(Record(3)[0x01], 127);
  EXPECT_EQ(model.Drums().Setup(0)->kitVoice, (DrumKitVoice{127, 8, 0}));
  EXPECT_EQ(events.drumSetupResets, std::vector<int>{0});
}

TEST_F(PartModelTest, NormalVoiceForADrumPartRestoresTheNormalMode) {
  Record(9)[0x0B] = 0x30;
  EXPECT_TRUE(Parts().SelectPartVoice(9, kGrandPiano));
  PartRecord expected = kNormalPartTemplate;
  for (std::size_t a = 0; a < kPartRecordSize; ++a) {
    if (!IsModeDependentPartAddress(static_cast<int>(a))) expected[a] = kDrumPartTemplate[a];
  }
  expected[0x04] = 9;
  expected[0x0B] = 0x30;
  expected[0x01] = 0;
  EXPECT_EQ(Record(9), expected);
  EXPECT_EQ(Messages().size(), 3u) << "no drum setup reset";
  ChannelVoice voice;
  ASSERT_TRUE(model.Channels().GetVoice(9, voice));
  EXPECT_EQ(voice, (ChannelVoice{0, 1, 0}));
}

TEST_F(PartModelTest, VoiceSelectionRefusesBadIndexesAndFailedSends) {
  EXPECT_FALSE(Parts().SelectPartVoice(0, 523));
  EXPECT_FALSE(Parts().SelectPartVoice(0, -1));
  EXPECT_FALSE(Parts().SelectPartVoice(16, kGrandPiano));
  EXPECT_TRUE(Sent().empty());
  backend.sendResult = kMidiError;
  const PartRecord before = Record(0);
  EXPECT_FALSE(Parts().SelectPartVoice(0, kStandardKit1));
  EXPECT_EQ(Record(0), before);
  EXPECT_TRUE(events.drumSetupResets.empty());
}

TEST_F(PartModelTest, ChannelVoiceReachesEveryPartOnTheChannel) {
  Record(7)[0x04] = 2;
  Parts().ApplyChannelVoice(2, 8, 127, 0);
  EXPECT_EQ(Messages(), std::vector<Message>{DrumSetupReset(1)});
  for (int part : {2, 7}) {
    EXPECT_EQ(Record(part)[0x07], 3) << part;
    EXPECT_EQ(Record(part)[0x03], 8) << part;
  }
  EXPECT_EQ(model.Drums().Setup(1)->kitVoice, (DrumKitVoice{127, 8, 0}));

  ClearSent();
  Parts().ApplyChannelVoice(2, 4, 0, 1);
  EXPECT_TRUE(Sent().empty()) << "a normal voice sends nothing";
  EXPECT_EQ(Record(7)[0x07], 0);
  EXPECT_EQ(Record(7)[0x02], 1);
  EXPECT_EQ(Record(7)[0x03], 4);

  Record(15)[0x04] = 0x7F;
  Parts().ApplyChannelVoice(15, 0, 127, 0);  // no part on the channel
  Parts().ApplyChannelVoice(16, 0, 127, 0);
  Parts().ApplyChannelVoice(1, 128, 0, 0);
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(Record(1)[0x03], 0);
}

TEST_F(PartModelTest, ModeVoiceComesFromAPartOrTheSetupKit) {
  Parts().AdoptModeVoice(0, 2);
  EXPECT_EQ(Record(0)[0x01], 127) << "copied from part 10";
  ASSERT_TRUE(model.Drums().SetKitVoice(1, {126, 1, 0}));
  Parts().AdoptModeVoice(1, 3);
  EXPECT_EQ(Record(1)[0x01], 126);
  EXPECT_EQ(Record(1)[0x03], 1);
  Record(2)[0x03] = 5;
  Parts().AdoptModeVoice(2, 1);
  EXPECT_EQ(Record(2)[0x03], 5) << "no voice belongs to an unused mode 1";
  Parts().AdoptModeVoice(16, 2);
  EXPECT_TRUE(Sent().empty());
}

TEST_F(PartModelTest, NonDefaultPassOfAnUntouchedModelSendsNothing) {
  EXPECT_TRUE(Parts().SendParts(true, 20));
  EXPECT_TRUE(Sent().empty());
  EXPECT_TRUE(pauser.pauses.empty());
}

TEST_F(PartModelTest, BulkPassSendsBothHalvesOfEveryPart) {
  EXPECT_TRUE(Parts().SendParts(false, 7));
  EXPECT_EQ(Sent().size(), 16u * (52 + 74));
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>(16, 7));
  const std::vector<Message> messages = Messages();
  ASSERT_EQ(messages.size(), 32u);

  Message first = Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x29, 0x08, 0x00, 0x00});
  first.insert(first.end(), kNormalPartTemplate.begin(), kNormalPartTemplate.begin() + 0x29);
  first.push_back(BulkChecksum(std::span(first).subspan(4)));
  first.push_back(0xF7);
  EXPECT_EQ(messages[0], first);

  const Message& drumSecond = messages[19];
  EXPECT_EQ(drumSecond[4], 0x00);
  EXPECT_EQ(drumSecond[5], 0x3F);
  EXPECT_EQ(drumSecond[7], 0x09);
  EXPECT_EQ(drumSecond[8], 0x30);
  EXPECT_EQ(drumSecond[9 + 0x34 - 0x30], 0x00) << "Poly AT goes as 0";
  EXPECT_EQ(drumSecond[9 + 0x35 - 0x30], 0x01);
  EXPECT_EQ(messages[18][9 + 0x05], 0x00) << "Mono/Poly goes as 0";
}

TEST_F(PartModelTest, ElementReservesGoFirstInAscendingOrder) {
  Record(3)[0x00] = 5;
  Record(1)[0x00] = 7;
  Record(9)[0x00] = 2;  // the drum part's default is 0
  Record(0)[0x00] = 0;
  Record(4)[0x00] = 32;  // past the walk
  EXPECT_TRUE(Parts().SendParts(true, 3));
  EXPECT_EQ(Messages(), (std::vector<Message>{Change(0, 0, 0), Change(9, 0, 2), Change(3, 0, 5),
                                              Change(1, 0, 7)}));
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>(4, 3));
}

TEST_F(PartModelTest, NonDefaultPassHandlesChannelModeVoiceAndDetune) {
  Record(2)[0x04] = 5;
  Record(9)[0x04] = 3;   // the drum part off channel 10
  Record(4)[0x04] = 9;   // a normal part on channel 10
  Record(6)[0x03] = 24;  // program alone still sends the trio
  Record(8)[0x0A] = 1;
  EXPECT_TRUE(Parts().SendParts(true, 5));
  EXPECT_EQ(Messages(), (std::vector<Message>{
                            Change(2, 0x04, 5), Change(4, 0x04, 9), Change(4, 0x07, 0),
                            Change(6, 0x01, 0), Change(6, 0x02, 0), Change(6, 0x03, 24),
                            Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x08, 0x09, 0x08, 0x01, 0xF7}),
                            Change(9, 0x04, 3), Change(9, 0x07, 2)}));
  EXPECT_EQ(pauser.pauses.size(), 8u) << "no delay after the detune pair";
}

TEST_F(PartModelTest, DifferingMissingParameterEndsThePartLoop) {
  Record(0)[0x16] = 0xFF;
  Record(1)[0x0B] = 0x10;
  EXPECT_FALSE(Parts().SendParts(true, 0));
  EXPECT_TRUE(Sent().empty());
}

}  // namespace
}  // namespace ravlo
