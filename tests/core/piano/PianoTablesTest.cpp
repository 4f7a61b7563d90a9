#include <gtest/gtest.h>

#include <set>

#include "piano/PianoTables.h"

namespace ravlo {
namespace {

TEST(PianoTablesTest, NoteKeysAreDistinctPianoCharactersWithTheirOffsets) {
  std::set<char> characters;
  for (const NoteKey& key : kNoteKeys) {
    characters.insert(key.character);
    EXPECT_GE(static_cast<char32_t>(key.character), kFirstPianoCharacter);
    EXPECT_LE(static_cast<char32_t>(key.character), kLastPianoCharacter);
    EXPECT_LE(key.offset, 31);
  }
  EXPECT_EQ(characters.size(), kNoteKeyCount);
  EXPECT_EQ(characters.count('A'), 0u);  // the arpeggio key

  EXPECT_EQ(NoteKeyOffset('Z'), 0);
  EXPECT_EQ(NoteKeyOffset('M'), 11);
  EXPECT_EQ(NoteKeyOffset(','), 12);
  EXPECT_EQ(NoteKeyOffset('/'), 16);
  EXPECT_EQ(NoteKeyOffset('Q'), 12);
  EXPECT_EQ(NoteKeyOffset('U'), 23);
  EXPECT_EQ(NoteKeyOffset('I'), 24);
  EXPECT_EQ(NoteKeyOffset(']'), 31);
  EXPECT_EQ(NoteKeyOffset('K'), -1);
  EXPECT_EQ(NoteKeyOffset('z'), -1);
  EXPECT_EQ(NoteKeyOffset(U'\u00C4'), -1);
}

TEST(PianoTablesTest, ChordTypesHaveDistinctKeypadDigitsAndRisingIntervals) {
  std::set<int> digits;
  for (const ChordShape& shape : kChordTable) {
    digits.insert(shape.keypadDigit);
    int previous = 0;
    for (std::int8_t interval : shape.intervals) {
      if (interval == kNoInterval) continue;
      EXPECT_GT(interval, previous);
      previous = interval;
    }
  }
  EXPECT_EQ(digits.size(), kChordTypeCount);
  EXPECT_EQ(ChordTypeOfDigit(0), static_cast<int>(ChordType::Major));
  EXPECT_EQ(ChordTypeOfDigit(3), static_cast<int>(ChordType::Minor));
  EXPECT_EQ(ChordTypeOfDigit(9), static_cast<int>(ChordType::Ninth));
  EXPECT_EQ(ChordTypeOfDigit(1), -1);
  EXPECT_EQ(kChordTable[static_cast<int>(ChordType::Ninth)].intervals,
            (std::array<std::int8_t, 4>{4, 7, 10, 14}));
}

TEST(PianoTablesTest, ScaleChordsRiseWithinEachChord) {
  for (const auto& voicing : kScaleChordTable) {
    for (const ScaleChord& chord : voicing) {
      for (std::size_t i = 1; i < chord.size(); ++i) EXPECT_GT(chord[i], chord[i - 1]);
    }
  }
  EXPECT_EQ(kScaleChordTable[2][0], (ScaleChord{-5, 0, 4, 11}));
  EXPECT_EQ(kScaleChordTable[1][7], (ScaleChord{12, 16, 19, 23}));
}

TEST(PianoTablesTest, EveryChordTypeDigitSelectsItsTypeWithScrollLockOff) {
  for (std::size_t type = 0; type < kChordTypeCount; ++type) {
    const KeypadBinding& binding =
        kKeypadBindings[static_cast<std::size_t>(kChordTable[type].keypadDigit)];
    EXPECT_EQ(binding.plain, KeypadAction::ChordType);
    EXPECT_EQ(binding.plainArgument, static_cast<int>(type));
  }
  for (int digit = 1; digit <= 8; ++digit) {
    EXPECT_EQ(kKeypadBindings[static_cast<std::size_t>(digit)].scaleMode, KeypadAction::ScaleChord);
    EXPECT_EQ(kKeypadBindings[static_cast<std::size_t>(digit)].scaleArgument, digit - 1);
  }
}

}  // namespace
}  // namespace ravlo
