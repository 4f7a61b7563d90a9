#include "drums/DrumModel.h"

#include <optional>

#include "drums/DrumKits.h"
#include "messages/XgMessage.h"
#include "model/XgModel.h"
#include "voices/VoiceCatalogue.h"

namespace ravlo {

namespace {

// Drum setup s lives at XG address 3s nn pp.
constexpr std::uint8_t kDrumSetupAddressHigh = 0x30;
// The value a parameter can never take; a setter refuses it rather than send it.
constexpr std::uint8_t kNoParameterValue = 0xFF;

bool IsNoteIndex(int noteIndex) {
  return noteIndex >= 0 && noteIndex < static_cast<int>(kDrumNoteCount);
}

bool IsDrumAddress(int address) {
  return address >= 0 && address < static_cast<int>(kDrumParameterCount);
}

XgAddress DrumAddress(int setup, int noteIndex, int address) {
  return {static_cast<std::uint8_t>(kDrumSetupAddressHigh + setup),
          static_cast<std::uint8_t>(noteIndex + kFirstDrumNote),
          static_cast<std::uint8_t>(address)};
}

}  // namespace

bool DrumModel::SetDrumParameter(int setup, int noteIndex, int address, std::uint8_t value) {
  if (!IsSetup(setup) || !IsNoteIndex(noteIndex) || !IsDrumAddress(address)) return false;
  if (value == kNoParameterValue) return false;
  return model_.Emitter().EmitParameterChange(DrumAddress(setup, noteIndex, address), value);
}

bool DrumModel::PutDrumParameter(int address, int noteIndex, int setup, std::uint8_t value) {
  if (!IsNoteIndex(noteIndex)) return false;
  DrumNoteRecord* record = Note(setup, noteIndex + kFirstDrumNote);
  return record != nullptr && record->SetParameter(address, value);
}

bool DrumModel::GetDrumNote(int setup, int noteIndex, DrumParameterBytes& out) const {
  if (!IsNoteIndex(noteIndex)) return false;
  const DrumNoteRecord* record = Note(setup, noteIndex + kFirstDrumNote);
  if (record == nullptr) return false;
  out = record->Parameters();
  return true;
}

bool DrumModel::ResetDrumNote(int setup, int noteIndex) {
  const DrumSetup* drumSetup = Setup(setup);
  if (drumSetup == nullptr || !IsNoteIndex(noteIndex)) return false;
  const int note = noteIndex + kFirstDrumNote;
  DrumNoteRecord* record = Note(setup, note);
  return record != nullptr && record->ResetToKitDefaults(drumSetup->kitMask, note);
}

std::string_view DrumModel::DrumNoteName(int setup, int noteIndex) const {
  const DrumSetup* drumSetup = Setup(setup);
  if (drumSetup == nullptr || !IsNoteIndex(noteIndex)) return kAbsentDrumNoteName;
  const int note = noteIndex + kFirstDrumNote;
  const DrumNoteRecord& record = drumSetup->notes[static_cast<std::size_t>(noteIndex)];
  const XgModel& model = model_;
  return ravlo::DrumNoteName(drumSetup->kitMask, record.KitWord(), note,
                             [&model](int programNumber, int bankMsb, int bankLsb) {
                               return FindVoice(programNumber, bankMsb, bankLsb, model).name;
                             });
}

std::string_view DrumModel::DrumKitName(int setup) const {
  const DrumSetup* drumSetup = Setup(setup);
  // No kit, no name: the editor then shows its bare title.
  if (drumSetup == nullptr) return {};
  const DrumKitVoice& kit = drumSetup->kitVoice;
  return FindVoice(kit.program + 1, kit.bankMsb, kit.bankLsb, model_).name;
}

bool DrumModel::SendDrumSetup(int setup, bool nonDefaultOnly, unsigned delayMs) {
  const DrumSetup* drumSetup = Setup(setup);
  if (drumSetup == nullptr) return false;
  XgEmitter& emitter = model_.Emitter();
  for (int noteIndex = 0; noteIndex < static_cast<int>(kDrumNoteCount); ++noteIndex) {
    const DrumNoteRecord& record = drumSetup->notes[static_cast<std::size_t>(noteIndex)];
    const std::uint16_t kitWord = record.KitWord();
    if (!IsDrumNotePresent(drumSetup->kitMask, kitWord)) continue;
    const DrumParameterBytes parameters = record.Parameters();
    if (!nonDefaultOnly) {
      emitter.Pause(delayMs);
      if (!emitter.EmitBulkDump(kXgModelId, DrumAddress(setup, noteIndex, 0x00), parameters)) {
        return false;
      }
      continue;
    }
    const std::optional<DrumParameterBytes> defaults =
        DrumNoteSendDefaultParameters(drumSetup->kitMask, kitWord, noteIndex + kFirstDrumNote);
    if (!defaults) return false;
    for (int address = 0; address < static_cast<int>(kDrumParameterCount); ++address) {
      const std::uint8_t value = parameters[static_cast<std::size_t>(address)];
      if (value == (*defaults)[static_cast<std::size_t>(address)]) continue;
      // SetDrumParameter refuses a byte of 0xFF, which ends the pass.
      if (!SetDrumParameter(setup, noteIndex, address, value)) return false;
      emitter.Pause(delayMs);
    }
  }
  return true;
}

bool DrumModel::SetKitVoice(int setup, const DrumKitVoice& voice) {
  DrumSetup* drumSetup = Setup(setup);
  if (drumSetup == nullptr) return false;
  drumSetup->kitVoice = voice;
  LoadKitKind(setup);
  return ResetNotes(setup);
}

}  // namespace ravlo
