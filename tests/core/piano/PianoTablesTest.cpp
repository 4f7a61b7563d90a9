#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "piano/PianoTables.h"

namespace ravlo {
namespace {

TEST(PianoTablesTest, NoteKeysAreDistinctAndChordsHaveTheirDigitsAndRisingNotes) {
  std::set<char> characters;
  for (const NoteKey& key : kNoteKeys) {
    EXPECT_TRUE(characters.insert(key.character).second) << key.character;
    EXPECT_GE(static_cast<char32_t>(key.character), kFirstPianoCharacter);
    EXPECT_LE(static_cast<char32_t>(key.character), kLastPianoCharacter);
    EXPECT_LE(key.offset, 31);
  }
  EXPECT_EQ(NoteKeyOffset('A'), -1);  // the arpeggio key
  // Chords have their own keypad digits and rising notes.
  for (std::size_t type = 0; type < kChordTypeCount; ++type) {
    const auto digit = static_cast<std::size_t>(kChordTable[type].keypadDigit);
    EXPECT_EQ(kKeypadBindings[digit].plain, KeypadAction::ChordType);
    EXPECT_EQ(kKeypadBindings[digit].plainArgument, static_cast<int>(type));
    int previous = 0;
    for (std::int8_t interval : kChordTable[type].intervals) {
      if (interval == kNoInterval) continue;
      EXPECT_GT(interval, std::exchange(previous, interval)) << type;
    }
  }
  for (const auto& voicing : kScaleChordTable) {
    for (const ScaleChord& chord : voicing) {
      for (std::size_t i = 1; i < chord.size(); ++i) EXPECT_GT(chord[i], chord[i - 1]);
    }
  }
}

}  // namespace
}  // namespace ravlo
