#include "drums/DrumSetups.h"

#include <algorithm>

#include "drums/DrumKits.h"

namespace ravlo {

DrumSetups::DrumSetups(int setupCount)
    : setups_(static_cast<std::size_t>(std::max(setupCount, 0))) {
  ResetToDefaults();
}

DrumSetup* DrumSetups::Setup(int setup) {
  return IsSetup(setup) ? &setups_[static_cast<std::size_t>(setup)] : nullptr;
}

const DrumSetup* DrumSetups::Setup(int setup) const {
  return IsSetup(setup) ? &setups_[static_cast<std::size_t>(setup)] : nullptr;
}

DrumNoteRecord* DrumSetups::Note(int setup, int note) {
  DrumSetup* drumSetup = Setup(setup);
  if (drumSetup == nullptr || !IsNote(note)) return nullptr;
  return &drumSetup->notes[static_cast<std::size_t>(note - kFirstDrumNote)];
}

const DrumNoteRecord* DrumSetups::Note(int setup, int note) const {
  const DrumSetup* drumSetup = Setup(setup);
  if (drumSetup == nullptr || !IsNote(note)) return nullptr;
  return &drumSetup->notes[static_cast<std::size_t>(note - kFirstDrumNote)];
}

void DrumSetups::ResetToDefaults() {
  for (int setup = 0; setup < Count(); ++setup) {
    setups_[static_cast<std::size_t>(setup)].kitVoice = DrumKitVoice{};
    LoadKitKind(setup);
    ResetNotes(setup);
  }
}

bool DrumSetups::LoadKitKind(int setup) {
  DrumSetup* drumSetup = Setup(setup);
  if (drumSetup == nullptr) return false;
  drumSetup->kitMask = KitMaskForVoice(drumSetup->kitVoice.bankMsb, drumSetup->kitVoice.program);
  return true;
}

bool DrumSetups::ResetNotes(int setup) {
  DrumSetup* drumSetup = Setup(setup);
  if (drumSetup == nullptr) return false;
  for (int note = kFirstDrumNote; note <= kLastDrumNote; ++note) {
    drumSetup->notes[static_cast<std::size_t>(note - kFirstDrumNote)].ResetToKitDefaults(
        drumSetup->kitMask, note);
  }
  return true;
}

}  // namespace ravlo
