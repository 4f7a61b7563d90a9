#include <gtest/gtest.h>

#include <map>
#include <set>

#include "drums/DrumNoteTables.h"

namespace ravlo {
namespace {

bool GroupIsSevenBit(const DrumNoteGroup& g) {
  return g.level <= 0x7F && g.alternateGroup <= 0x7F && g.pan <= 0x7F && g.reverbSend <= 0x7F &&
         g.chorusSend <= 0x7F && g.rcvNoteOff <= 0x01;
}

TEST(StandardDrumNotes, OneRowPerNoteInOrder) {
  ASSERT_EQ(kStandardDrumNotes.size(), 79u);
  for (int note = kFirstDrumNote; note <= kLastDrumNote; ++note) {
    const StandardDrumNote* row = FindStandardDrumNote(note);
    ASSERT_NE(row, nullptr) << note;
    EXPECT_EQ(row->note, note);
    EXPECT_FALSE(row->name.empty()) << note;
    EXPECT_TRUE(GroupIsSevenBit(row->defaults)) << note;
    EXPECT_EQ(row->kitWord & ~0x07FF, 0) << note;
  }
  EXPECT_EQ(FindStandardDrumNote(12), nullptr);
  EXPECT_EQ(FindStandardDrumNote(92), nullptr);
  EXPECT_EQ(StandardKitWord(92), 0);
}

TEST(StandardDrumNotes, SampleRows) {
  EXPECT_EQ(FindStandardDrumNote(13)->name, "Surdo Mute");
  EXPECT_EQ(FindStandardDrumNote(36)->name, "BassDrum H");
  EXPECT_EQ(StandardKitWord(36), 0x07FB);
  EXPECT_EQ(FindStandardDrumNote(84)->name, "Bell Tree ");
  EXPECT_EQ(FindStandardDrumNote(91)->name, "Snare H 2");
  EXPECT_EQ(StandardKitWord(85), 0x0600);
  const DrumNoteGroup expected = {0x6C, 0x00, 0x22, 0x64, 0x64, 0x00};
  EXPECT_EQ(FindStandardDrumNote(67)->defaults, expected);
}

TEST(AlternateDrumNotes, IndexIsPositionAndUnique) {
  ASSERT_EQ(kAlternateDrumNotes.size(), 103u);
  std::set<int> indexes;
  for (std::size_t i = 0; i < kAlternateDrumNotes.size(); ++i) {
    const AlternateDrumNote& row = kAlternateDrumNotes[i];
    EXPECT_EQ(row.index, i);
    indexes.insert(row.index);
    EXPECT_GE(row.note, kFirstDrumNote);
    EXPECT_LE(row.note, kLastDrumNote);
    EXPECT_FALSE(row.name.empty()) << i;
    EXPECT_TRUE(GroupIsSevenBit(row.defaults)) << i;
  }
  EXPECT_EQ(indexes.size(), 103u);
  EXPECT_EQ(FindAlternateDrumNote(-1), nullptr);
  EXPECT_EQ(FindAlternateDrumNote(103), nullptr);
  EXPECT_EQ(FindAlternateDrumNote(102)->name, "HandCym Clsd H");
}

TEST(AlternateDrumNotes, EachKitIsOneAscendingList) {
  std::map<int, int> counts;
  for (std::size_t i = 1; i < kAlternateDrumNotes.size(); ++i) {
    const AlternateDrumNote& prev = kAlternateDrumNotes[i - 1];
    const AlternateDrumNote& row = kAlternateDrumNotes[i];
    if (row.kitMask == prev.kitMask) {
      EXPECT_LT(prev.note, row.note) << "index " << i;
    } else {
      EXPECT_EQ(row.kitMask, prev.kitMask * 2) << "index " << i;
    }
  }
  for (const AlternateDrumNote& row : kAlternateDrumNotes) ++counts[row.kitMask];
  const std::map<int, int> expected = {{2, 7},   {4, 8},  {8, 12},   {16, 17},
                                       {32, 27}, {64, 7}, {128, 10}, {256, 15}};
  EXPECT_EQ(counts, expected);
}

TEST(AlternateDrumNotes, FirstRowsOfKitsAndTrailingBlanks) {
  EXPECT_EQ(kAlternateDrumNotes[0].name, "SnareRoll 2");
  EXPECT_EQ(kAlternateDrumNotes[7].name, "SD Room L");
  EXPECT_EQ(kAlternateDrumNotes[44].kitMask, 32);
  EXPECT_EQ(kAlternateDrumNotes[44].note, 28);
  EXPECT_EQ(kAlternateDrumNotes[88].name, "Bass Drum L2");
  EXPECT_EQ(kAlternateDrumNotes[29].name, "High_Q  ");
  EXPECT_EQ(kAlternateDrumNotes[45].name, "High_Q    ");
}

}  // namespace
}  // namespace ravlo
