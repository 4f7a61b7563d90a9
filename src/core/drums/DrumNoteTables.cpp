#include "drums/DrumNoteTables.h"

namespace ravlo {

namespace {

// Lookups index the standard table by note and the alternate table by index.
constexpr bool StandardRowsFollowNotes() {
  for (std::size_t i = 0; i < kStandardDrumNotes.size(); ++i) {
    if (kStandardDrumNotes[i].note != kFirstDrumNote + static_cast<int>(i)) return false;
  }
  return true;
}
static_assert(StandardRowsFollowNotes());

constexpr bool AlternateRowsFollowIndex() {
  for (std::size_t i = 0; i < kAlternateDrumNotes.size(); ++i) {
    if (kAlternateDrumNotes[i].index != i) return false;
  }
  return true;
}
static_assert(AlternateRowsFollowIndex());

}  // namespace

const StandardDrumNote* FindStandardDrumNote(int note) {
  if (note < kFirstDrumNote || note > kLastDrumNote) return nullptr;
  return &kStandardDrumNotes[static_cast<std::size_t>(note - kFirstDrumNote)];
}

const AlternateDrumNote* FindAlternateDrumNote(int index) {
  if (index < 0 || index >= static_cast<int>(kAlternateDrumNotes.size())) return nullptr;
  return &kAlternateDrumNotes[static_cast<std::size_t>(index)];
}

std::uint16_t StandardKitWord(int note) {
  const StandardDrumNote* row = FindStandardDrumNote(note);
  return row != nullptr ? row->kitWord : 0;
}

}  // namespace ravlo
