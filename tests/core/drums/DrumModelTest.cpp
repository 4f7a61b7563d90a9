#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <vector>

#include "drums/DrumKits.h"
#include "drums/DrumModel.h"
#include "support/ModelFixture.h"
#include "voices/VoiceCatalogue.h"

namespace ravlo {
namespace {

constexpr int kIndex36 = 36 - kFirstDrumNote;
constexpr int kLevel = 0x02;
constexpr int kPan = 0x04;
constexpr int kRcvNoteOff = 0x09;

class DrumModelTest : public test::ModelFixture {
 protected:
  DrumModel& drums() { return model.Drums(); }

  std::uint8_t Stored(int setup, int noteIndex, int address) {
    DrumParameterBytes bytes{};
    EXPECT_TRUE(drums().GetDrumNote(setup, noteIndex, bytes));
    return bytes[static_cast<std::size_t>(address)];
  }

  // The MIDI notes the setup's kit plays, in send order.
  std::vector<int> PresentNotes(int setup) {
    std::vector<int> notes;
    const std::uint16_t mask = drums().Setup(setup)->kitMask;
    for (int note = kFirstDrumNote; note <= kLastDrumNote; ++note) {
      if (IsDrumNoteInKit(mask, note)) notes.push_back(note);
    }
    return notes;
  }
};

TEST_F(DrumModelTest, NamesFollowTheKit) {
  EXPECT_EQ(drums().DrumKitName(0), "StndKit1");
  EXPECT_EQ(drums().DrumNoteName(0, kIndex36), "BassDrum H");
  // Note 85 has only SFX membership bits.
  EXPECT_EQ(drums().DrumNoteName(0, 85 - kFirstDrumNote), "----");

  ASSERT_TRUE(drums().SetKitVoice(0, {127, 25, 0}));
  EXPECT_EQ(drums().DrumKitName(0), "Analog");
  EXPECT_EQ(drums().DrumNoteName(0, kIndex36), "BD Analog H");
  EXPECT_EQ(Stored(0, kIndex36, kLevel), 0x7F);
  // The other setup keeps its kit.
  EXPECT_EQ(drums().DrumKitName(1), "StndKit1");

  ASSERT_TRUE(drums().SetKitVoice(1, {127, 1, 0}));
  EXPECT_EQ(drums().DrumNoteName(1, 29 - kFirstDrumNote), "SnareRoll 2");
}

TEST_F(DrumModelTest, SfxKitNamesNotesAfterSoundEffectVoices) {
  ASSERT_TRUE(drums().SetKitVoice(0, {126, 0, 0}));
  EXPECT_EQ(drums().DrumNoteName(0, kIndex36), FindVoice(1, 64, 0, model).name);
  EXPECT_EQ(drums().DrumNoteName(0, kIndex36), "CuttngNz");
  // Note 13's membership word lacks the SFX kit 1 bit.
  EXPECT_EQ(drums().DrumNoteName(0, 0), "----");
  EXPECT_EQ(Stored(0, kIndex36, kLevel), 0x7F);
  EXPECT_EQ(Stored(0, kIndex36, kPan), 0x40);
}

TEST_F(DrumModelTest, ResetRestoresTheKitDefaultsAndSendsNothing) {
  ASSERT_TRUE(drums().SetKitVoice(0, {127, 1, 0}));
  const int note29 = 29 - kFirstDrumNote;
  ASSERT_TRUE(drums().PutDrumParameter(kLevel, note29, 0, 0x10));
  ASSERT_TRUE(drums().PutDrumParameter(kRcvNoteOff, note29, 0, 0x00));
  ASSERT_TRUE(drums().PutDrumParameter(0x00, note29, 0, 0x12));
  EXPECT_EQ(Stored(0, note29, kLevel), 0x10);
  EXPECT_EQ(Stored(0, note29, 0x00), 0x12);

  ClearSent();
  ASSERT_TRUE(drums().ResetDrumNote(0, note29));
  EXPECT_EQ(Stored(0, note29, kLevel), 0x4F);
  EXPECT_EQ(Stored(0, note29, kRcvNoteOff), 0x01);
  EXPECT_EQ(Stored(0, note29, 0x00), 0x40);
  EXPECT_EQ(drums().Note(0, 29)->KitWord(), 0x0003);
  EXPECT_TRUE(Sent().empty());
}

TEST_F(DrumModelTest, SetDrumParameterSendsOneChangeAndStoresNothing) {
  ClearSent();
  const std::uint8_t lowest = DrumByteFromDisplay(DrumDisplay::ByteMinus64, -64);
  ASSERT_TRUE(drums().SetDrumParameter(0, kIndex36, 0x00, lowest));
  EXPECT_EQ(Sent(), test::Bytes({0xF0, 0x43, 0x10, 0x4C, 0x30, 0x24, 0x00, 0x00, 0xF7}));
  EXPECT_EQ(Stored(0, kIndex36, 0x00), 0x40);

  ClearSent();
  model.SetUnitNumber(5);
  const std::uint8_t highest = DrumByteFromDisplay(DrumDisplay::ByteMinus64, 63);
  ASSERT_TRUE(drums().SetDrumParameter(1, 78, 0x00, highest));
  EXPECT_EQ(Sent(), test::Bytes({0xF0, 0x43, 0x15, 0x4C, 0x31, 0x5B, 0x00, 0x7F, 0xF7}));

  ClearSent();
  EXPECT_FALSE(drums().SetDrumParameter(0, kIndex36, 0x0F, 0xFF));
  EXPECT_TRUE(Sent().empty());

  backend.sendResult = kMidiError;
  EXPECT_FALSE(drums().SetDrumParameter(0, kIndex36, 0x02, 0x10));
}

TEST_F(DrumModelTest, OutOfRangeArgumentsAreRefused) {
  ClearSent();
  DrumParameterBytes bytes{};
  for (int setup : {-1, 2}) {
    EXPECT_FALSE(drums().SetDrumParameter(setup, 0, 0, 0x40));
    EXPECT_FALSE(drums().PutDrumParameter(0, 0, setup, 0x40));
    EXPECT_FALSE(drums().GetDrumNote(setup, 0, bytes));
    EXPECT_FALSE(drums().ResetDrumNote(setup, 0));
    EXPECT_EQ(drums().DrumNoteName(setup, 0), "----");
    EXPECT_EQ(drums().DrumKitName(setup), "");
    EXPECT_FALSE(drums().SendDrumSetup(setup, false, 0));
    EXPECT_FALSE(drums().SendDrumSetup(setup, true, 0));
  }
  for (int noteIndex : {-1, 79, 1000}) {
    EXPECT_FALSE(drums().SetDrumParameter(0, noteIndex, 0, 0x40));
    EXPECT_FALSE(drums().PutDrumParameter(0, noteIndex, 0, 0x40));
    EXPECT_FALSE(drums().GetDrumNote(0, noteIndex, bytes));
    EXPECT_FALSE(drums().ResetDrumNote(0, noteIndex));
    EXPECT_EQ(drums().DrumNoteName(0, noteIndex), "----");
  }
  for (int address : {-1, 0x10}) {
    EXPECT_FALSE(drums().SetDrumParameter(0, 0, address, 0x40));
    EXPECT_FALSE(drums().PutDrumParameter(address, 0, 0, 0x40));
  }
  EXPECT_TRUE(Sent().empty());
  EXPECT_TRUE(pauser.pauses.empty());
}

TEST_F(DrumModelTest, NonDefaultSendOfAnUntouchedKitEmitsNothing) {
  const DrumKitVoice kits[] = {{127, 0, 0},  {127, 1, 0},  {127, 8, 0},  {127, 16, 0},
                               {127, 24, 0}, {127, 25, 0}, {127, 32, 0}, {127, 40, 0},
                               {127, 48, 0}, {127, 2, 0},  {126, 0, 0},  {126, 1, 0}};
  for (const DrumKitVoice& kit : kits) {
    ASSERT_TRUE(drums().SetKitVoice(1, kit));
    ClearSent();
    EXPECT_TRUE(drums().SendDrumSetup(1, true, 10)) << int(kit.bankMsb) << "/" << int(kit.program);
    EXPECT_TRUE(Sent().empty()) << int(kit.bankMsb) << "/" << int(kit.program);
    EXPECT_TRUE(pauser.pauses.empty());
  }
}

TEST_F(DrumModelTest, NonDefaultSendCarriesOnlyTheEditedParametersEachFollowedByTheDelay) {
  ASSERT_TRUE(drums().PutDrumParameter(0x00, kIndex36, 0, 0x41));
  ASSERT_TRUE(drums().PutDrumParameter(kPan, kIndex36, 0, 0x10));
  // A note the kit lacks is never sent, edited or not.
  ASSERT_TRUE(drums().PutDrumParameter(kPan, 85 - kFirstDrumNote, 0, 0x10));
  ClearSent();
  ASSERT_TRUE(drums().SendDrumSetup(0, true, 7));
  EXPECT_EQ(Sent(), test::Bytes({0xF0, 0x43, 0x10, 0x4C, 0x30, 0x24, 0x00, 0x41, 0xF7,  //
                                 0xF0, 0x43, 0x10, 0x4C, 0x30, 0x24, 0x04, 0x10, 0xF7}));
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{7, 7}));

  // The first failed emit ends the pass before its delay.
  ClearSent();
  backend.sendResult = kMidiError;
  EXPECT_FALSE(drums().SendDrumSetup(0, true, 7));
  EXPECT_TRUE(pauser.pauses.empty());
}

TEST_F(DrumModelTest, NonDefaultSendStopsAtAStoredFF) {
  ASSERT_TRUE(drums().PutDrumParameter(0x00, 0, 0, 0x41));
  ASSERT_TRUE(drums().PutDrumParameter(kLevel, 1, 0, 0xFF));
  ASSERT_TRUE(drums().PutDrumParameter(0x00, 2, 0, 0x42));
  ClearSent();
  EXPECT_FALSE(drums().SendDrumSetup(0, true, 3));
  EXPECT_EQ(Sent(), test::Bytes({0xF0, 0x43, 0x10, 0x4C, 0x30, 0x0D, 0x00, 0x41, 0xF7}));
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{3}));
}

TEST_F(DrumModelTest, BulkSendDumpsEveryPresentNoteAfterTheDelay) {
  ASSERT_TRUE(drums().PutDrumParameter(kPan, kIndex36, 1, 0x11));
  model.SetUnitNumber(3);
  ClearSent();
  ASSERT_TRUE(drums().SendDrumSetup(1, false, 5));

  const std::vector<int> notes = PresentNotes(1);
  ASSERT_EQ(notes.size(), 72u);
  const std::vector<std::uint8_t> sent = Sent();
  ASSERT_EQ(sent.size(), notes.size() * 27);
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>(notes.size(), 5));
  for (std::size_t i = 0; i < notes.size(); ++i) {
    const auto dump = sent.begin() + static_cast<std::ptrdiff_t>(i * 27);
    const std::vector<std::uint8_t> header(dump, dump + 9);
    EXPECT_EQ(header, test::Bytes({0xF0, 0x43, 0x03, 0x4C, 0x00, 0x10, 0x31, notes[i], 0x00}));
    DrumParameterBytes stored{};
    ASSERT_TRUE(drums().GetDrumNote(1, notes[i] - kFirstDrumNote, stored));
    EXPECT_TRUE(std::equal(stored.begin(), stored.end(), dump + 9));
    EXPECT_EQ(std::accumulate(dump + 5, dump + 26, 0u) % 128, 0u);
    EXPECT_EQ(dump[26], 0xF7);
  }
  const auto note36 = sent.begin() + 23 * 27;
  EXPECT_EQ(note36[7], 36);
  EXPECT_EQ(note36[9 + kPan], 0x11);

  // The delay comes first, so a failing port still sees one pause and nothing more.
  ClearSent();
  backend.sendResult = kMidiError;
  EXPECT_FALSE(drums().SendDrumSetup(1, false, 5));
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{5}));
  EXPECT_TRUE(Sent().empty());
}

}  // namespace
}  // namespace ravlo
