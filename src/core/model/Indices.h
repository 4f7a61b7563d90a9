#pragma once

#include <compare>

namespace ravlo {

// The indices that travel together through the model, each its own type so
// that a part can never be passed where a channel belongs, and each with one
// named conversion per way of counting it.

// A multi part: 0..15 on the wire, "Part 1".."Part 16" on screen.
class PartIndex {
 public:
  static constexpr PartIndex FromIndex(int zeroBased) { return PartIndex(zeroBased); }
  static constexpr PartIndex FromNumber(int oneBased) { return PartIndex(oneBased - 1); }
  constexpr int Index() const { return index_; }
  constexpr int Number() const { return index_ + 1; }
  friend constexpr auto operator<=>(PartIndex, PartIndex) = default;

 private:
  explicit constexpr PartIndex(int index) : index_(index) {}
  int index_;
};

// A MIDI channel: 0..15 in a status byte, 1..16 on screen.
class MidiChannel {
 public:
  static constexpr int kCount = 16;
  static constexpr MidiChannel FromIndex(int zeroBased) { return MidiChannel(zeroBased); }
  static constexpr MidiChannel FromNumber(int oneBased) { return MidiChannel(oneBased - 1); }
  constexpr int Index() const { return index_; }
  constexpr int Number() const { return index_ + 1; }
  constexpr bool IsValid() const { return index_ >= 0 && index_ < kCount; }
  friend constexpr auto operator<=>(MidiChannel, MidiChannel) = default;

 private:
  explicit constexpr MidiChannel(int index) : index_(index) {}
  int index_;
};

// A note of a drum setup: MIDI notes 13..91, stored at note indexes 0..78.
class DrumNote {
 public:
  static constexpr int kFirst = 13;
  static constexpr int kLast = 91;
  static constexpr DrumNote FromMidiNote(int note) { return DrumNote(note); }
  static constexpr DrumNote FromNoteIndex(int index) { return DrumNote(index + kFirst); }
  constexpr int MidiNote() const { return note_; }
  constexpr int NoteIndex() const { return note_ - kFirst; }
  constexpr bool IsValid() const { return note_ >= kFirst && note_ <= kLast; }
  friend constexpr auto operator<=>(DrumNote, DrumNote) = default;

 private:
  explicit constexpr DrumNote(int note) : note_(note) {}
  int note_;
};

// The synthesizer's device number 0..15 ("Unit ID"); messages carry it in the
// low nibble of their device byte.
class UnitNumber {
 public:
  static constexpr UnitNumber FromValue(int value) { return UnitNumber(value & 0x0F); }
  constexpr int Value() const { return value_; }
  friend constexpr auto operator<=>(UnitNumber, UnitNumber) = default;

 private:
  explicit constexpr UnitNumber(int value) : value_(value) {}
  int value_;
};

}  // namespace ravlo
