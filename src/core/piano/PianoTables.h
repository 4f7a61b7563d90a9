#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "piano/PianoKey.h"

namespace ravlo {

// Chord types, as the keypad chooses them.
enum class ChordType : std::uint8_t {
  Minor,            // keypad 3
  Major,            // keypad 0
  MinorSixth,       // keypad 4
  MinorSeventh,     // keypad 5
  MajorSixth,       // keypad 6
  DominantSeventh,  // keypad 7
  Ninth,            // keypad 9
  Count
};
inline constexpr std::size_t kChordTypeCount = static_cast<std::size_t>(ChordType::Count);
inline constexpr std::size_t kChordSlotCount = 4;
inline constexpr int kNoInterval = -1;

struct ChordShape {
  int keypadDigit;                                     // the keypad digit that selects it
  std::array<std::int8_t, kChordSlotCount> intervals;  // semitones above the root
};

inline constexpr std::array<ChordShape, kChordTypeCount> kChordTable{{
    {3, {3, 7, kNoInterval, kNoInterval}},
    {0, {4, 7, kNoInterval, kNoInterval}},
    {4, {3, 7, 9, kNoInterval}},
    {5, {3, 7, 10, kNoInterval}},
    {6, {4, 7, 9, kNoInterval}},
    {7, {4, 7, 10, kNoInterval}},
    {9, {4, 7, 10, 14}},
}};
static_assert(kChordTable.size() == 7);

// Scale chords: four notes, semitones from the tonic, per voicing and per
// scale degree (keypad 1..8 with Scroll Lock on).
inline constexpr std::size_t kScaleVoicingCount = 3;
inline constexpr std::size_t kScaleRowCount = 8;
inline constexpr std::size_t kScaleChordNoteCount = 4;
using ScaleChord = std::array<std::int8_t, kScaleChordNoteCount>;

inline constexpr std::array<std::array<ScaleChord, kScaleRowCount>, kScaleVoicingCount>
    kScaleChordTable{{
        {{{0, 4, 7, 11},
          {0, 2, 5, 9},
          {-1, 2, 4, 7},
          {0, 4, 5, 9},
          {2, 5, 7, 11},
          {0, 4, 7, 9},
          {-1, 2, 5, 9},
          {0, 4, 7, 11}}},
        {{{0, 4, 7, 11},
          {2, 5, 9, 12},
          {4, 7, 11, 14},
          {5, 9, 12, 16},
          {7, 11, 14, 17},
          {9, 12, 16, 19},
          {11, 14, 17, 21},
          {12, 16, 19, 23}}},
        {{{-5, 0, 4, 11},
          {-3, 2, 5, 12},
          {-1, 4, 7, 14},
          {0, 5, 9, 16},
          {2, 7, 11, 17},
          {4, 9, 12, 19},
          {5, 11, 14, 21},
          {7, 12, 16, 23}}},
    }};
static_assert(kScaleChordTable.size() == 3 && kScaleChordTable[0].size() == 8);

// The note keys: two rows of the keyboard in piano layout, lower row from Z,
// upper row from Q, each with its semitone offset above the octave's C.
struct NoteKey {
  char character;
  std::uint8_t offset;
};
inline constexpr std::size_t kNoteKeyCount = 37;
inline constexpr std::array<NoteKey, kNoteKeyCount> kNoteKeys{{
    {'Z', 0},  {'S', 1},  {'X', 2},  {'D', 3},  {'C', 4},  {'V', 5},  {'G', 6},  {'B', 7},
    {'H', 8},  {'N', 9},  {'J', 10}, {'M', 11}, {',', 12}, {'L', 13}, {'.', 14}, {';', 15},
    {'/', 16}, {'Q', 12}, {'2', 13}, {'W', 14}, {'3', 15}, {'E', 16}, {'R', 17}, {'5', 18},
    {'T', 19}, {'6', 20}, {'Y', 21}, {'7', 22}, {'U', 23}, {'I', 24}, {'9', 25}, {'O', 26},
    {'0', 27}, {'P', 28}, {'[', 29}, {'=', 30}, {']', 31},
}};
static_assert(kNoteKeys.size() == 37);

// The piano takes every character from ',' to ']'; others pass to the windows.
inline constexpr char32_t kFirstPianoCharacter = 0x2C;
inline constexpr char32_t kLastPianoCharacter = 0x5D;

// Semitone offset of a note key, or -1 when the character is not one.
int NoteKeyOffset(char32_t character);

// What a keypad key does outside recording and delay entry, with Scroll Lock
// off and on.
enum class KeypadAction : std::uint8_t {
  None,
  ChordType,  // argument: the chord type
  ToggleRootUpOctave,
  ToggleFifthDownOctave,
  ToggleAddedOctave,
  ToggleRaisedFifth,        // also clears the lowered third and fifth
  ToggleLoweredThirdFifth,  // also clears the raised fifth
  ClearModifiers,
  ChannelUp,
  ChannelDown,
  ScaleChord,  // argument: the row
  NextVoicing,
  ToggleScaleOctaveUp,
};

struct KeypadBinding {
  KeypadAction plain;
  int plainArgument;
  KeypadAction scaleMode;
  int scaleArgument;
};

inline constexpr std::size_t kKeypadKeyCount = static_cast<std::size_t>(KeypadKey::Count);

inline constexpr int ChordTypeOfDigit(int digit) {
  for (std::size_t type = 0; type < kChordTypeCount; ++type) {
    if (kChordTable[type].keypadDigit == digit) return static_cast<int>(type);
  }
  return -1;
}

inline constexpr std::array<KeypadBinding, kKeypadKeyCount> kKeypadBindings{{
    {KeypadAction::ChordType, ChordTypeOfDigit(0), KeypadAction::ChordType, ChordTypeOfDigit(0)},
    {KeypadAction::ToggleRootUpOctave, 0, KeypadAction::ScaleChord, 0},
    {KeypadAction::ToggleFifthDownOctave, 0, KeypadAction::ScaleChord, 1},
    {KeypadAction::ChordType, ChordTypeOfDigit(3), KeypadAction::ScaleChord, 2},
    {KeypadAction::ChordType, ChordTypeOfDigit(4), KeypadAction::ScaleChord, 3},
    {KeypadAction::ChordType, ChordTypeOfDigit(5), KeypadAction::ScaleChord, 4},
    {KeypadAction::ChordType, ChordTypeOfDigit(6), KeypadAction::ScaleChord, 5},
    {KeypadAction::ChordType, ChordTypeOfDigit(7), KeypadAction::ScaleChord, 6},
    {KeypadAction::ToggleAddedOctave, 0, KeypadAction::ScaleChord, 7},
    {KeypadAction::ChordType, ChordTypeOfDigit(9), KeypadAction::ChordType, ChordTypeOfDigit(9)},
    {KeypadAction::ToggleRaisedFifth, 0, KeypadAction::NextVoicing, 0},                // *
    {KeypadAction::ChannelUp, 0, KeypadAction::ChannelUp, 0},                          // +
    {KeypadAction::None, 0, KeypadAction::None, 0},                                    // separator
    {KeypadAction::ChannelDown, 0, KeypadAction::ChannelDown, 0},                      // -
    {KeypadAction::ClearModifiers, 0, KeypadAction::ClearModifiers, 0},                // .
    {KeypadAction::ToggleLoweredThirdFifth, 0, KeypadAction::ToggleScaleOctaveUp, 0},  // /
}};
static_assert(kKeypadBindings.size() == 16);

// The digit of a keypad key, or -1 for the operators.
inline constexpr int KeypadDigit(KeypadKey key) {
  const auto index = static_cast<int>(key);
  return index <= static_cast<int>(KeypadKey::Digit9) ? index : -1;
}

}  // namespace ravlo
