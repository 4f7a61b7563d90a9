#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <numeric>
#include <tuple>
#include <vector>

#include "drums/DrumKits.h"
#include "drums/DrumModel.h"
#include "drums/DrumNoteRecord.h"
#include "drums/DrumNoteTables.h"
#include "drums/DrumParameterTable.h"
#include "support/ModelFixture.h"

namespace ravlo {
namespace {

using test::Bytes;
using test::NoteAt;

TEST(DrumKits, EveryRowOfTheMaskTableAndTheAlternateAbsentAndSfxNoteNames) {
  const std::vector<std::tuple<int, int, int>> cases = {
      {127, 0, 1},   {127, 1, 2},    {127, 8, 4},    {127, 16, 8},    {127, 24, 16},
      {127, 25, 32}, {127, 32, 64},  {127, 40, 128}, {127, 48, 256},  {127, 2, 0},
      {127, 127, 0}, {126, 1, 1024}, {126, 0, 512},  {126, 127, 512}, {0, 0, 0},
      {64, 1, 0},    {126, -1, 0},   {126, 128, 0},  {127, 256, 0}};
  for (const auto& [msb, program, mask] : cases) {
    EXPECT_EQ(KitMaskForVoice(msb, program), mask) << msb << "/" << program;
  }

  // Note names: alternate, absent and SFX notes.
  EXPECT_EQ(DrumNoteName(32, 39, {}), "Hand Clap") << "a note the Analog kit takes unchanged";
  EXPECT_EQ(DrumNoteGroupDefaults(32, 36)->level, 0x7F);
  EXPECT_EQ(FindDrumNoteName(kStandardKitMask, 0x0600, 85).kind, DrumNoteNameKind::Absent);
  EXPECT_EQ(DrumNoteName(kStandardKitMask, 12, {}), "----");
  EXPECT_EQ(DrumNoteName(kStandardKitMask, 92, {}), "----");
  // A drum kit without a table plays the standard names; an unknown high mask names nothing.
  EXPECT_EQ(DrumNoteName(0, 36, {}), "BassDrum H");
  EXPECT_EQ(DrumNoteName(0x600, 36, {}), "----");
  // Only a single drum kit bit has an alternate list.
  EXPECT_EQ(AlternateDrumNoteIndex(256, 59), 102);
  for (const auto& [mask, note] : std::vector<std::pair<std::uint16_t, int>>{
           {2, 30}, {1, 36}, {0, 36}, {6, 38}, {kSfxKit1Mask, 36}}) {
    EXPECT_EQ(AlternateDrumNoteIndex(mask, note), -1) << mask << " " << note;
  }
  // SFX kits ask the catalogue.
  std::vector<std::tuple<int, int, int>> asked;
  const DrumVoiceNameLookup lookup = [&](int program, int msb, int lsb) -> std::string_view {
    asked.emplace_back(program, msb, lsb);
    return "SfxVoice";
  };
  EXPECT_EQ(DrumNoteName(kSfxKit1Mask, 36, lookup), "SfxVoice");
  EXPECT_EQ(DrumNoteName(kSfxKit2Mask, 36, lookup), "SfxVoice");
  // Note 13's word lacks the SFX bits: no catalogue question.
  EXPECT_EQ(DrumNoteName(kSfxKit1Mask, 13, lookup), "----");
  EXPECT_EQ(asked, (std::vector<std::tuple<int, int, int>>{{1, 64, 0}, {65, 64, 0}}));
  EXPECT_EQ(DrumNoteName(kSfxKit1Mask, 36, {}), "----");
  // The program number wraps as a byte.
  EXPECT_EQ(FindDrumNoteName(kSfxKit1Mask, kSfxKit1Mask, 13).programNumber, 234);
}

TEST(DrumNoteDefaults, ParameterBytesAndSendBaseline) {
  // SFX defaults apply whether or not the kit has the note.
  const DrumParameterBytes sfx = {0x40, 0x40, 0x7F, 0x00, 0x40, 0x7F, 0x7F, 0x7F,
                                  0x00, 0x00, 0x01, 0x40, 0x40, 0x40, 0x40, 0x40};
  EXPECT_EQ(DrumNoteDefaultParameters(kSfxKit2Mask, 13), sfx);
  EXPECT_EQ(DrumNoteDefaultParameters(kSfxKit1Mask, 36), sfx);
  EXPECT_FALSE(DrumNoteSendDefaultParameters(kStandardKitMask, 1, 92));

  // The stored membership word decides which baseline a send compares against.
  const DrumNoteGroup standard = FindStandardDrumNote(38)->defaults;
  const DrumNoteGroup analog = kAlternateDrumNotes[51].defaults;
  ASSERT_NE(standard, analog);
  EXPECT_EQ(DrumNoteGroupSendDefaults(32, 0x05BF, 38), analog);
  EXPECT_EQ(DrumNoteGroupSendDefaults(32, 0x0001, 38), standard);
  EXPECT_EQ(DrumNoteGroupSendDefaults(32, 0x0400, 38), standard);
  EXPECT_EQ(DrumNoteGroupSendDefaults(kSfxKit1Mask, 0x0001, 38), standard);
  EXPECT_EQ(DrumNoteGroupSendDefaults(kSfxKit1Mask, 0x05BF, 38), kSfxDrumNoteDefaults);
}

bool GroupIsSevenBit(const DrumNoteGroup& g) {
  return g.level <= 0x7F && g.alternateGroup <= 0x7F && g.pan <= 0x7F && g.reverbSend <= 0x7F &&
         g.chorusSend <= 0x7F && g.rcvNoteOff <= 0x01;
}

TEST(DrumNoteTables, StandardRowPerNoteAndAlternateRunsPerKit) {
  ASSERT_EQ(kStandardDrumNotes.size(), 79u);
  for (int note = kFirstDrumNote; note <= kLastDrumNote; ++note) {
    const StandardDrumNote* row = FindStandardDrumNote(note);
    ASSERT_NE(row, nullptr) << note;
    EXPECT_EQ(row->note, note);
    EXPECT_FALSE(row->name.empty()) << note;
    EXPECT_TRUE(GroupIsSevenBit(row->defaults)) << note;
    EXPECT_EQ(row->kitWord & ~0x07FF, 0) << note;
  }
  EXPECT_EQ(StandardKitWord(92), 0);
  EXPECT_EQ(FindStandardDrumNote(84)->name, "Bell Tree ");  // the trailing blank is kept

  // Each kit's alternates form one ascending run, the kits in mask order.
  ASSERT_EQ(kAlternateDrumNotes.size(), 103u);
  std::map<int, int> counts;
  for (std::size_t i = 0; i < kAlternateDrumNotes.size(); ++i) {
    const AlternateDrumNote& row = kAlternateDrumNotes[i];
    ++counts[row.kitMask];
    EXPECT_EQ(row.index, i);
    EXPECT_TRUE(row.note >= kFirstDrumNote && row.note <= kLastDrumNote) << i;
    EXPECT_FALSE(row.name.empty()) << i;
    EXPECT_TRUE(GroupIsSevenBit(row.defaults)) << i;
    if (i == 0) continue;
    const AlternateDrumNote& prev = kAlternateDrumNotes[i - 1];
    if (row.kitMask == prev.kitMask) {
      EXPECT_LT(prev.note, row.note) << "index " << i;
    } else {
      EXPECT_EQ(row.kitMask, prev.kitMask * 2) << "index " << i;
    }
  }
  EXPECT_EQ(counts,
            (std::map<int, int>{
                {2, 7}, {4, 8}, {8, 12}, {16, 17}, {32, 27}, {64, 7}, {128, 10}, {256, 15}}));
  EXPECT_EQ(FindAlternateDrumNote(-1), nullptr);
  EXPECT_EQ(FindAlternateDrumNote(103), nullptr);
  EXPECT_EQ(FindAlternateDrumNote(102)->name, "HandCym Clsd H");
  EXPECT_EQ(kAlternateDrumNotes[45].name, "High_Q    ");
}

TEST(DrumParameterTable, NamesGroupsRecordOrderDisplayAndBadAddresses) {
  // The note group is the kit-dependent six and sits after the common group in a record.
  for (int address = 0; address < 16; ++address) {
    const bool noteGroup = (address >= 0x02 && address <= 0x06) || address == 0x09;
    EXPECT_EQ(IsDrumNoteGroupAddress(address), noteGroup) << address;
    EXPECT_EQ(DrumRecordPosition(address) >= 10, noteGroup) << address;
    EXPECT_EQ(DrumRecordAddress(DrumRecordPosition(address)), address);
  }
  for (int address : {-1, 0x10}) {
    EXPECT_EQ(FindDrumParameter(address), nullptr);
    EXPECT_EQ(DrumParameterName(address), "");
    EXPECT_EQ(DrumRecordPosition(address), -1);
    EXPECT_EQ(DrumRecordAddress(address), -1);
    EXPECT_FALSE(IsDrumNoteGroupAddress(address));
  }
  // Every shown range maps into the data bytes; the signed ones are centred on 64.
  for (const ParameterDescriptor& parameter : kDrumParameters) {
    SCOPED_TRACE(parameter.reviewName);
    EXPECT_GE(parameter.Stored(parameter.minimum), 0);
    EXPECT_LE(parameter.Stored(parameter.maximum), 127);
    EXPECT_EQ(parameter.shownAs == ShownAs::Centred, parameter.minimum < 0);
    EXPECT_EQ(parameter.defaultFrom == DefaultFrom::KitTables,
              IsDrumNoteGroupAddress(parameter.address));
    EXPECT_FALSE(parameter.name.empty());
  }
  const ParameterDescriptor& coarse = *FindDrumParameter(0x00);  // Pitch Crs: -64 .. 63
  EXPECT_EQ(coarse.Shown(0x40), 0);
  EXPECT_EQ(coarse.Shown(0x00), -64);
  EXPECT_EQ(coarse.Stored(63), 0x7F);
  EXPECT_EQ(FindDrumParameter(0x02)->Shown(100), 100);
}

TEST(DrumNoteRecord, KitDefaultsAccessRoundTripsAndBadInput) {
  const std::optional<DrumNoteRecord> defaults = DrumNoteRecord::KitDefaults(2, 29);
  ASSERT_TRUE(defaults);
  const DrumNoteRecord::Bytes expected = {0x40, 0x40, 0x7F, 0x00, 0x01, 0x40, 0x40, 0x40, 0x40,
                                          0x40, 0x4F, 0x00, 0x40, 0x7F, 0x7F, 0x01, 0x03, 0x00};
  EXPECT_EQ(defaults->Raw(), expected);
  EXPECT_EQ(defaults->Parameters(), DrumNoteDefaultParameters(2, 29));
  // The kit word comes from the standard table in every kit.
  EXPECT_EQ(DrumNoteRecord::KitDefaults(kSfxKit1Mask, 36)->KitWord(), 0x07FB);
  EXPECT_EQ(DrumNoteRecord::KitDefaults(32, 36)->KitWord(), 0x07FB);

  DrumNoteRecord record;
  for (int address = 0; address < 16; ++address) {
    EXPECT_TRUE(record.SetParameter(address, static_cast<std::uint8_t>(address + 1)));
  }
  const DrumParameterBytes parameters = record.Parameters();
  for (int address = 0; address < 16; ++address) EXPECT_EQ(parameters[address], address + 1);
  DrumNoteRecord copy;
  ASSERT_TRUE(copy.SetParameters(parameters));
  EXPECT_EQ(copy, record);

  std::vector<std::uint8_t> buffer(kDrumNoteRecordSize + 1, 0xEE);
  ASSERT_TRUE(record.CopyTo(buffer));
  EXPECT_EQ(buffer.back(), 0xEE);
  EXPECT_EQ(DrumNoteRecord::FromBytes(buffer), record);

  // Bad input is refused and changes nothing.
  const DrumNoteRecord before = record;
  EXPECT_EQ(record.Parameter(-1), 0xFF);
  EXPECT_EQ(record.Parameter(0x10), 0xFF);
  EXPECT_FALSE(record.SetParameter(0x10, 0));
  EXPECT_FALSE(record.SetParameters(std::vector<std::uint8_t>(15, 0)));
  EXPECT_FALSE(record.ResetToKitDefaults(kStandardKitMask, 12));
  EXPECT_EQ(record, before);
  EXPECT_FALSE(DrumNoteRecord::KitDefaults(kStandardKitMask, 92));
  std::vector<std::uint8_t> shortBuffer(17);
  EXPECT_FALSE(DrumNoteRecord::FromBytes(shortBuffer));
  EXPECT_FALSE(record.CopyTo(shortBuffer));
}

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
