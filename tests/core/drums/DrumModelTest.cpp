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
using test::NoteAt;

constexpr DrumNote kNote36 = DrumNote::FromMidiNote(36);
constexpr int kLevel = 0x02;
constexpr int kPan = 0x04;

class DrumModelTest : public test::ModelFixture {
 protected:
  DrumModel& drums() { return model.Drums(); }
};

TEST_F(DrumModelTest, NamesFollowTheKitAndResetRestoresItsDefaults) {
  EXPECT_EQ(drums().DrumKitName(0), "StndKit1");
  EXPECT_EQ(drums().DrumNoteName(0, kNote36), "BassDrum H");
  EXPECT_EQ(drums().DrumNoteName(0, NoteAt(85)), "----");
  ASSERT_TRUE(drums().SetKitVoice(0, {127, 25, 0}));
  EXPECT_EQ(drums().DrumKitName(0), "Analog");
  EXPECT_EQ(drums().DrumNoteName(0, kNote36), "BD Analog H");
  EXPECT_EQ(drums().DrumKitName(1), "StndKit1") << "the other setup keeps its kit";
  // SFX kit 1 names its notes after the catalogue's sound-effect voices.
  ASSERT_TRUE(drums().SetKitVoice(0, {126, 0, 0}));
  EXPECT_EQ(drums().DrumNoteName(0, kNote36), "CuttngNz");
  EXPECT_EQ(drums().DrumNoteName(0, NoteAt(13)), "----");  // note 13 lacks the SFX kit 1 bit

  ASSERT_TRUE(drums().SetKitVoice(1, {127, 1, 0}));
  const DrumNote note = NoteAt(29);
  EXPECT_EQ(drums().DrumNoteName(1, note), "SnareRoll 2");
  for (int address : {0x00, kLevel, 0x09}) PutDrumByte(1, note, address, 0x12);
  ClearSent();
  changes.notices.clear();
  // What the editor then shows is what the synthesizer plays: each changed
  // parameter goes back, in address order.
  ASSERT_TRUE(drums().ResetDrumNote(1, note));
  const DrumNoteRecord& reset = *drums().Note(1, note);
  EXPECT_EQ(std::tuple(reset.Parameter(kLevel), reset.Parameter(0x09), reset.Parameter(0x00)),
            std::tuple(0x4F, 0x01, 0x40));
  EXPECT_EQ(reset.KitWord(), 0x0003);
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x31, 0x1D, 0x00, 0x40, 0xF7,  //
                           0xF0, 0x43, 0x10, 0x4C, 0x31, 0x1D, 0x02, 0x4F, 0xF7,  //
                           0xF0, 0x43, 0x10, 0x4C, 0x31, 0x1D, 0x09, 0x01, 0xF7}));
  EXPECT_EQ(changes.Of(ModelBlock::Drum, 1).size(), 3u);

  // A failed send keeps what the synthesizer still has.
  PutDrumByte(1, note, kLevel, 0x12);
  backend.sendResult = kMidiError;
  EXPECT_FALSE(drums().ResetDrumNote(1, note));
  EXPECT_EQ(drums().Note(1, note)->Parameter(kLevel), 0x12);
}

TEST_F(DrumModelTest, SetDrumParameterSendsOneChangeAndBadArgumentsAreRefused) {
  ClearSent();
  ASSERT_TRUE(drums().SetDrumValue(0, kNote36, 0x00, -64));
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x30, 0x24, 0x00, 0x00, 0xF7}));
  EXPECT_EQ(drums().Note(0, kNote36)->Parameter(0x00), 0x00) << "stored as it went";
  EXPECT_EQ(drums().DrumValue(0, kNote36, 0x00), -64);
  ClearSent();
  model.SetUnitNumber(UnitNumber::FromValue(5));
  ASSERT_TRUE(drums().SetDrumValue(1, NoteAt(91), 0x00, 63));
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x15, 0x4C, 0x31, 0x5B, 0x00, 0x7F, 0xF7}));
  ClearSent();
  EXPECT_FALSE(drums().SetDrumValue(1, NoteAt(91), 0x00, 64)) << "out of its range";
  EXPECT_FALSE(drums().SetDrumValue(1, NoteAt(91), 0x09, 2));
  EXPECT_FALSE(drums().SetDrumParameter(0, kNote36, 0x0F, 0xFF));
  DrumParameterBytes bytes{};
  for (const auto& [setup, midiNote, address] : std::vector<std::tuple<int, int, int>>{
           {-1, 13, 0}, {2, 13, 0}, {0, 12, 0}, {0, 92, 0}, {0, 13, -1}, {0, 13, 0x10}}) {
    SCOPED_TRACE(testing::Message() << setup << " " << midiNote << " " << address);
    const DrumNote note = NoteAt(midiNote);
    const std::uint8_t value[] = {0x40};
    EXPECT_FALSE(drums().SetDrumParameter(setup, note, address, 0x40));
    EXPECT_FALSE(drums().StoreDrumParameters(setup, note, address, value));
    EXPECT_FALSE(drums().DrumValue(setup, note, address).has_value());
    if (address != 0) continue;
    EXPECT_FALSE(drums().GetDrumNote(setup, note, bytes));
    EXPECT_FALSE(drums().ResetDrumNote(setup, note));
    EXPECT_EQ(drums().DrumNoteName(setup, note), "----");
  }
  for (int setup : {-1, 2}) {
    EXPECT_EQ(drums().DrumKitName(setup), "");
    EXPECT_FALSE(drums().SendDrumSetup(setup, false, 0));
    EXPECT_FALSE(drums().SendDrumSetup(setup, true, 0));
  }
  EXPECT_TRUE(Sent().empty());
  EXPECT_TRUE(pauser.pauses.empty());
  backend.sendResult = kMidiError;
  EXPECT_FALSE(drums().SetDrumParameter(0, kNote36, 0x02, 0x10));
  EXPECT_NE(drums().Note(0, kNote36)->Parameter(0x02), 0x10) << "a failed send stores nothing";
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

  PutDrumByte(0, kNote36, 0x00, 0x41);
  PutDrumByte(0, kNote36, kPan, 0x10);
  // A note the kit lacks goes only once it was set away from its defaults.
  PutDrumByte(0, NoteAt(85), kPan, 0x10);
  ClearSent();
  ASSERT_TRUE(drums().SendDrumSetup(0, true, 7));
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x30, 0x24, 0x00, 0x41, 0xF7,  //
                           0xF0, 0x43, 0x10, 0x4C, 0x30, 0x24, 0x04, 0x10, 0xF7,  //
                           0xF0, 0x43, 0x10, 0x4C, 0x30, 0x55, 0x04, 0x10, 0xF7}));
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{7, 7, 7}));

  // A stored FF ends the pass at that parameter.
  PutDrumByte(0, NoteAt(13), 0x00, 0x42);
  PutDrumByte(0, NoteAt(14), kLevel, 0xFF);
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
  PutDrumByte(1, kNote36, kPan, 0x11);
  model.SetUnitNumber(UnitNumber::FromValue(3));
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
    const DrumParameterBytes stored = drums().Note(1, NoteAt(note))->Parameters();
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

TEST_F(DrumModelTest, TheExtendedInstrumentHasSetupsThreeAndFour) {
  EXPECT_EQ(drums().Count(), 2);
  model.SetInstrument(InstrumentModel::Extended);
  ASSERT_EQ(drums().Count(), 4);
  ASSERT_TRUE(drums().SetKitVoice(3, {127, 25, 0}));
  EXPECT_EQ(drums().DrumNoteName(3, kNote36), "BD Analog H");
  EXPECT_EQ(drums().DrumKitName(2), "StndKit1");
  ClearSent();
  ASSERT_TRUE(drums().SetDrumValue(2, kNote36, kPan, 0x10));
  ASSERT_TRUE(drums().SendDrumSetup(2, true, 0));
  const auto change = Bytes({0xF0, 0x43, 0x10, 0x4C, 0x32, 0x24, 0x04, 0x10, 0xF7});
  EXPECT_EQ(Sent(), test::Join(change, change));
  EXPECT_EQ(drums().NoteDump(3, kNote36)->Bytes()[6], 0x33);
  // Back on the first level the setups are gone from every operation, kept
  // as they were for when the instrument has them again.
  model.SetInstrument(InstrumentModel::Basic);
  EXPECT_FALSE(drums().SetDrumValue(2, kNote36, kPan, 0x11));
  EXPECT_EQ(drums().Note(2, kNote36), nullptr);
  model.SetInstrument(InstrumentModel::Extended);
  EXPECT_EQ(drums().DrumValue(2, kNote36, kPan), 0x10);
}

}  // namespace
}  // namespace ravlo
