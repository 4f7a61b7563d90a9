#include "drums/DrumSetups.h"

#include <algorithm>

#include "drums/DrumKits.h"

namespace ravlo {

DrumSetups::DrumSetups(int storedCount)
    : setups_(static_cast<std::size_t>(std::max(storedCount, 0))) {
  ResetSetups();
}

DrumSetup* DrumSetups::MutableSetup(int setup) {
  return IsSetup(setup) ? &setups_[static_cast<std::size_t>(setup)] : nullptr;
}

const DrumSetup* DrumSetups::Setup(int setup) const {
  return IsSetup(setup) ? &setups_[static_cast<std::size_t>(setup)] : nullptr;
}

DrumNoteRecord* DrumSetups::MutableNote(int setup, DrumNote note) {
  DrumSetup* drumSetup = MutableSetup(setup);
  if (drumSetup == nullptr || !note.IsValid()) return nullptr;
  return &drumSetup->notes[static_cast<std::size_t>(note.NoteIndex())];
}

const DrumNoteRecord* DrumSetups::Note(int setup, DrumNote note) const {
  const DrumSetup* drumSetup = Setup(setup);
  if (drumSetup == nullptr || !note.IsValid()) return nullptr;
  return &drumSetup->notes[static_cast<std::size_t>(note.NoteIndex())];
}

namespace {

void TakeKitMask(DrumSetup& drumSetup) {
  drumSetup.kitMask = KitMaskForVoice(drumSetup.kitVoice.bankMsb, drumSetup.kitVoice.program);
}

void ResetNotesToKit(DrumSetup& drumSetup) {
  for (int note = kFirstDrumNote; note <= kLastDrumNote; ++note) {
    drumSetup.notes[static_cast<std::size_t>(note - kFirstDrumNote)].ResetToKitDefaults(
        drumSetup.kitMask, note);
  }
}

}  // namespace

void DrumSetups::ResetSetups() {
  // The setups the instrument lacks too: they are at their defaults when it gains them.
  for (DrumSetup& drumSetup : setups_) {
    drumSetup.kitVoice = DrumKitVoice{};
    TakeKitMask(drumSetup);
    ResetNotesToKit(drumSetup);
  }
}

bool DrumSetups::LoadKitKind(int setup) {
  DrumSetup* drumSetup = MutableSetup(setup);
  if (drumSetup == nullptr) return false;
  TakeKitMask(*drumSetup);
  return true;
}

bool DrumSetups::ResetSetupNotes(int setup) {
  DrumSetup* drumSetup = MutableSetup(setup);
  if (drumSetup == nullptr) return false;
  ResetNotesToKit(*drumSetup);
  return true;
}

}  // namespace ravlo
