#include <gtest/gtest.h>

#include <map>

#include "drums/DrumNoteTables.h"

namespace ravlo {
namespace {

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

}  // namespace
}  // namespace ravlo
