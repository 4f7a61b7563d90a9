#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <tuple>
#include <vector>

#include "drums/DrumKits.h"
#include "drums/DrumModel.h"
#include "support/ModelFixture.h"

namespace ravlo {
namespace {

using test::Bytes;

constexpr int kIndex36 = 36 - kFirstDrumNote;
constexpr int kLevel = 0x02;
constexpr int kPan = 0x04;

class DrumModelTest : public test::ModelFixture {
 protected:
  DrumModel& drums() { return model.Drums(); }
};

TEST_F(DrumModelTest, NamesFollowTheKitAndResetRestoresItsDefaults) {
  EXPECT_EQ(drums().DrumKitName(0), "StndKit1");
  EXPECT_EQ(drums().DrumNoteName(0, kIndex36), "BassDrum H");
  EXPECT_EQ(drums().DrumNoteName(0, 85 - kFirstDrumNote), "----");
  ASSERT_TRUE(drums().SetKitVoice(0, {127, 25, 0}));
  EXPECT_EQ(drums().DrumKitName(0), "Analog");
  EXPECT_EQ(drums().DrumNoteName(0, kIndex36), "BD Analog H");
  EXPECT_EQ(drums().DrumKitName(1), "StndKit1") << "the other setup keeps its kit";
  // SFX kit 1 names its notes after the catalogue's sound-effect voices.
  ASSERT_TRUE(drums().SetKitVoice(0, {126, 0, 0}));
  EXPECT_EQ(drums().DrumNoteName(0, kIndex36), "CuttngNz");
  EXPECT_EQ(drums().DrumNoteName(0, 0), "----");  // note 13 lacks the SFX kit 1 bit

  ASSERT_TRUE(drums().SetKitVoice(1, {127, 1, 0}));
  EXPECT_EQ(drums().DrumNoteName(1, 29 - kFirstDrumNote), "SnareRoll 2");
  for (int address : {0x00, kLevel, 0x09}) {
    ASSERT_TRUE(drums().PutDrumParameter(address, 29 - kFirstDrumNote, 1, 0x12));
  }
  ClearSent();
  ASSERT_TRUE(drums().ResetDrumNote(1, 29 - kFirstDrumNote));
  EXPECT_EQ(drums().Note(1, 29)->Parameter(kLevel), 0x4F);
  EXPECT_EQ(drums().Note(1, 29)->Parameter(0x09), 0x01);
  EXPECT_EQ(drums().Note(1, 29)->Parameter(0x00), 0x40);
  EXPECT_EQ(drums().Note(1, 29)->KitWord(), 0x0003);
  EXPECT_TRUE(Sent().empty());
}

TEST_F(DrumModelTest, SetDrumParameterSendsOneChangeAndBadArgumentsAreRefused) {
  ClearSent();
  ASSERT_TRUE(drums().SetDrumParameter(0, kIndex36, 0x00,
                                       DrumByteFromDisplay(DrumDisplay::ByteMinus64, -64)));
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x30, 0x24, 0x00, 0x00, 0xF7}));
  EXPECT_EQ(drums().Note(0, 36)->Parameter(0x00), 0x40);
  ClearSent();
  model.SetUnitNumber(5);
  ASSERT_TRUE(
      drums().SetDrumParameter(1, 78, 0x00, DrumByteFromDisplay(DrumDisplay::ByteMinus64, 63)));
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x15, 0x4C, 0x31, 0x5B, 0x00, 0x7F, 0xF7}));
  ClearSent();
  EXPECT_FALSE(drums().SetDrumParameter(0, kIndex36, 0x0F, 0xFF));
  DrumParameterBytes bytes{};
  for (const auto& [setup, noteIndex, address] : std::vector<std::tuple<int, int, int>>{
           {-1, 0, 0}, {2, 0, 0}, {0, -1, 0}, {0, 79, 0}, {0, 0, -1}, {0, 0, 0x10}}) {
    SCOPED_TRACE(testing::Message() << setup << " " << noteIndex << " " << address);
    EXPECT_FALSE(drums().SetDrumParameter(setup, noteIndex, address, 0x40));
    EXPECT_FALSE(drums().PutDrumParameter(address, noteIndex, setup, 0x40));
    if (address != 0) continue;
    EXPECT_FALSE(drums().GetDrumNote(setup, noteIndex, bytes));
    EXPECT_FALSE(drums().ResetDrumNote(setup, noteIndex));
    EXPECT_EQ(drums().DrumNoteName(setup, noteIndex), "----");
  }
  for (int setup : {-1, 2}) {
    EXPECT_EQ(drums().DrumKitName(setup), "");
    EXPECT_FALSE(drums().SendDrumSetup(setup, false, 0));
    EXPECT_FALSE(drums().SendDrumSetup(setup, true, 0));
  }
  EXPECT_TRUE(Sent().empty());
  EXPECT_TRUE(pauser.pauses.empty());
  backend.sendResult = kMidiError;
  EXPECT_FALSE(drums().SetDrumParameter(0, kIndex36, 0x02, 0x10));
}

TEST_F(DrumModelTest, NonDefaultSendCarriesOnlyTheEditsEachFollowedByTheDelay) {
  // An untouched kit sends nothing, whichever kit it is.
  const DrumKitVoice kits[] = {{127, 0, 0},  {127, 1, 0},  {127, 8, 0},  {127, 16, 0},
                               {127, 24, 0}, {127, 25, 0}, {127, 32, 0}, {127, 40, 0},
                               {127, 48, 0}, {127, 2, 0},  {126, 0, 0},  {126, 1, 0}};
  for (const DrumKitVoice& kit : kits) {
    ASSERT_TRUE(drums().SetKitVoice(1, kit));
    ClearSent();
    EXPECT_TRUE(drums().SendDrumSetup(1, true, 10));
    EXPECT_TRUE(Sent().empty() && pauser.pauses.empty())
        << int(kit.bankMsb) << "/" << int(kit.program);
  }

  ASSERT_TRUE(drums().PutDrumParameter(0x00, kIndex36, 0, 0x41));
  ASSERT_TRUE(drums().PutDrumParameter(kPan, kIndex36, 0, 0x10));
  // A note the kit lacks is never sent, edited or not.
  ASSERT_TRUE(drums().PutDrumParameter(kPan, 85 - kFirstDrumNote, 0, 0x10));
  ClearSent();
  ASSERT_TRUE(drums().SendDrumSetup(0, true, 7));
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x30, 0x24, 0x00, 0x41, 0xF7,  //
                           0xF0, 0x43, 0x10, 0x4C, 0x30, 0x24, 0x04, 0x10, 0xF7}));
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{7, 7}));

  // A stored FF ends the pass at that parameter.
  ASSERT_TRUE(drums().PutDrumParameter(0x00, 0, 0, 0x42));
  ASSERT_TRUE(drums().PutDrumParameter(kLevel, 1, 0, 0xFF));
  ClearSent();
  EXPECT_FALSE(drums().SendDrumSetup(0, true, 3));
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x30, 0x0D, 0x00, 0x42, 0xF7}));
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{3}));

  // The first failed emit ends the pass before its delay.
  ClearSent();
  backend.sendResult = kMidiError;
  EXPECT_FALSE(drums().SendDrumSetup(0, true, 7));
  EXPECT_TRUE(pauser.pauses.empty());
}

TEST_F(DrumModelTest, BulkSendDumpsEveryPresentNoteAfterTheDelay) {
  ASSERT_TRUE(drums().PutDrumParameter(kPan, kIndex36, 1, 0x11));
  model.SetUnitNumber(3);
  ClearSent();
  ASSERT_TRUE(drums().SendDrumSetup(1, false, 5));
  const std::vector<std::uint8_t> sent = Sent();
  ASSERT_EQ(sent.size(), 72u * 27);
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>(72, 5));
  auto dump = sent.begin();
  for (int note = kFirstDrumNote; note <= kLastDrumNote; ++note) {
    if (!IsDrumNoteInKit(kStandardKitMask, note)) continue;
    EXPECT_EQ(std::vector<std::uint8_t>(dump, dump + 9),
              Bytes({0xF0, 0x43, 0x03, 0x4C, 0x00, 0x10, 0x31, note, 0x00}));
    const DrumParameterBytes stored = drums().Note(1, note)->Parameters();
    EXPECT_TRUE(std::equal(stored.begin(), stored.end(), dump + 9)) << note;
    EXPECT_EQ(std::accumulate(dump + 5, dump + 26, 0u) % 128, 0u);
    EXPECT_EQ(dump[26], 0xF7);
    dump += 27;
    ASSERT_LE(dump, sent.end());
  }
  EXPECT_EQ(sent[23 * 27 + 9 + kPan], 0x11);  // note 36's edited pan

  // The delay comes first, so a failing port still sees one pause and nothing more.
  ClearSent();
  backend.sendResult = kMidiError;
  EXPECT_FALSE(drums().SendDrumSetup(1, false, 5));
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{5}));
  EXPECT_TRUE(Sent().empty());
}

}  // namespace
}  // namespace ravlo
