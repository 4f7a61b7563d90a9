#include "drums/DrumSetups.h"

#include <algorithm>

#include "drums/DrumKits.h"

namespace ravlo {

DrumSetups::DrumSetups(int setupCount)
    : setups_(static_cast<std::size_t>(std::max(setupCount, 0))) {
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

void DrumSetups::ResetSetups() {
  for (int setup = 0; setup < Count(); ++setup) {
    setups_[static_cast<std::size_t>(setup)].kitVoice = DrumKitVoice{};
    LoadKitKind(setup);
    ResetSetupNotes(setup);
  }
}

bool DrumSetups::LoadKitKind(int setup) {
  DrumSetup* drumSetup = MutableSetup(setup);
  if (drumSetup == nullptr) return false;
  drumSetup->kitMask = KitMaskForVoice(drumSetup->kitVoice.bankMsb, drumSetup->kitVoice.program);
  return true;
}

bool DrumSetups::ResetSetupNotes(int setup) {
  DrumSetup* drumSetup = MutableSetup(setup);
  if (drumSetup == nullptr) return false;
  for (int note = kFirstDrumNote; note <= kLastDrumNote; ++note) {
    drumSetup->notes[static_cast<std::size_t>(note - kFirstDrumNote)].ResetToKitDefaults(
        drumSetup->kitMask, note);
  }
  return true;
}

}  // namespace ravlo
