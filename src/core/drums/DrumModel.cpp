#include "drums/DrumModel.h"

#include <algorithm>

#include "drums/DrumKits.h"
#include "messages/XgMessages.h"
#include "model/XgModel.h"
#include "voices/VoiceCatalogue.h"

namespace ravlo {

int DrumModel::Count() const {
  const int setups =
      model_.Instrument() == InstrumentModel::Extended ? kExtendedDrumSetupCount : kDrumSetupCount;
  return std::min(setups, StoredCount());
}

bool DrumModel::SetDrumParameter(int setup, DrumNote note, int address, std::uint8_t value) {
  DrumNoteRecord* record = MutableNote(setup, note);
  if (record == nullptr || !IsDrumAddress(address)) return false;
  // The mark of a missing parameter is refused rather than sent.
  if (value == kNoParameter) return false;
  const XgAddress at = xg_block::DrumAddress(setup, note.MidiNote(), address);
  if (!model_.Emitter().EmitParameterChange(at, value)) return false;
  const std::uint8_t old = record->Parameter(address);
  record->SetParameter(address, value);
  if (old != value) model_.Publish({ModelBlock::Drum, setup, at, old, value});
  return true;
}

bool DrumModel::SetDrumValue(int setup, DrumNote note, int address, int shown) {
  const ParameterDescriptor* info = FindDrumParameter(address);
  if (info == nullptr || !info->InRange(shown)) return false;
  return SetDrumParameter(setup, note, address, static_cast<std::uint8_t>(info->Stored(shown)));
}

std::optional<int> DrumModel::DrumValue(int setup, DrumNote note, int address) const {
  const DrumNoteRecord* record = Note(setup, note);
  const ParameterDescriptor* info = FindDrumParameter(address);
  if (record == nullptr || info == nullptr) return std::nullopt;
  return info->Shown(record->Parameter(address));
}

bool DrumModel::GetDrumNote(int setup, DrumNote note, DrumParameterBytes& out) const {
  const DrumNoteRecord* record = Note(setup, note);
  if (record == nullptr) return false;
  out = record->Parameters();
  return true;
}

bool DrumModel::ResetDrumNote(int setup, DrumNote note) {
  const DrumSetup* drumSetup = Setup(setup);
  DrumNoteRecord* record = MutableNote(setup, note);
  if (drumSetup == nullptr || record == nullptr) return false;
  const std::optional<DrumNoteRecord> defaults =
      DrumNoteRecord::KitDefaults(drumSetup->kitMask, note.MidiNote());
  if (!defaults) return false;
  for (int address = 0; address < static_cast<int>(kDrumParameterCount); ++address) {
    const std::uint8_t value = defaults->Parameter(address);
    if (record->Parameter(address) == value || value == kNoParameter) continue;
    if (!SetDrumParameter(setup, note, address, value)) return false;
  }
  record->SetKitWord(defaults->KitWord());
  return true;
}

std::string_view DrumModel::DrumNoteName(int setup, DrumNote note) const {
  const DrumSetup* drumSetup = Setup(setup);
  if (drumSetup == nullptr || !note.IsValid()) return kAbsentDrumNoteName;
  const DrumNoteRecord& record = drumSetup->notes[static_cast<std::size_t>(note.NoteIndex())];
  const XgModel& model = model_;
  return ravlo::DrumNoteName(
      drumSetup->kitMask, record.KitWord(), note.MidiNote(),
      [&model](int programNumber, int bankMsb, int bankLsb) {
        return FindVoice(programNumber, bankMsb, bankLsb, model, model.Instrument()).name;
      });
}

std::string_view DrumModel::DrumKitName(int setup) const {
  const DrumSetup* drumSetup = Setup(setup);
  // No kit, no name: the editor then shows its bare title.
  if (drumSetup == nullptr) return {};
  const DrumKitVoice& kit = drumSetup->kitVoice;
  return FindVoice(kit.program + 1, kit.bankMsb, kit.bankLsb, model_, model_.Instrument()).name;
}

bool DrumModel::SetKitVoice(int setup, const DrumKitVoice& voice) {
  DrumSetup* drumSetup = MutableSetup(setup);
  if (drumSetup == nullptr) return false;
  drumSetup->kitVoice = voice;
  LoadKitKind(setup);
  return ResetNotes(setup);
}

bool DrumModel::ResetNotes(int setup) {
  if (!ResetSetupNotes(setup)) return false;
  model_.PublishWhole(ModelBlock::Drum, setup);
  return true;
}

bool DrumModel::StoreDrumParameters(int setup, DrumNote note, int first,
                                    std::span<const std::uint8_t> values) {
  DrumNoteRecord* record = MutableNote(setup, note);
  if (record == nullptr || !IsDrumAddress(first) ||
      values.size() > kDrumParameterCount - static_cast<std::size_t>(first)) {
    return false;
  }
  if (values.size() == 1) {
    const std::uint8_t old = record->Parameter(first);
    record->SetParameter(first, values[0]);
    if (old != values[0]) {
      model_.Publish({ModelBlock::Drum, setup, xg_block::DrumAddress(setup, note.MidiNote(), first),
                      old, values[0]});
    }
    return true;
  }
  // A whole note, as a dump brings it, lands in one step.
  if (first != 0 || !record->SetParameters(values)) {
    for (std::size_t i = 0; i < values.size(); ++i) {
      record->SetParameter(first + static_cast<int>(i), values[i]);
    }
  }
  model_.PublishWhole(ModelBlock::Drum, setup);
  return true;
}

bool DrumModel::CopyCells(int setup, std::span<ImageCell> cells) const {
  const DrumSetup* drumSetup = Setup(setup);
  if (drumSetup == nullptr || cells.size() < kCellCount) return false;
  cells[0] = drumSetup->kitVoice.bankMsb;
  cells[1] = drumSetup->kitVoice.program;
  cells[2] = drumSetup->kitVoice.bankLsb;
  cells[3] = drumSetup->kitMask;
  std::size_t cell = kKitCellCount;
  for (const DrumNoteRecord& record : drumSetup->notes) {
    for (int address = 0; address < static_cast<int>(kDrumParameterCount); ++address) {
      cells[cell++] = record.Parameter(address);
    }
    cells[cell++] = record.KitWord();
  }
  return true;
}

bool DrumModel::PutCells(int setup, std::span<const ImageCell> cells) {
  DrumSetup* drumSetup = MutableSetup(setup);
  if (drumSetup == nullptr || cells.size() < kCellCount) return false;
  const auto byte = [&](std::size_t cell) { return static_cast<std::uint8_t>(cells[cell]); };
  drumSetup->kitVoice = {byte(0), byte(1), byte(2)};
  drumSetup->kitMask = static_cast<std::uint16_t>(cells[3]);
  std::size_t cell = kKitCellCount;
  for (DrumNoteRecord& record : drumSetup->notes) {
    for (int address = 0; address < static_cast<int>(kDrumParameterCount); ++address) {
      record.SetParameter(address, byte(cell++));
    }
    record.SetKitWord(static_cast<std::uint16_t>(cells[cell++]));
  }
  model_.PublishWhole(ModelBlock::Drum, setup);
  return true;
}

CellSend DrumModel::SendCell(int setup, std::size_t cell, std::span<const ImageCell> target) {
  if (cell < kKitCellCount || cell >= kCellCount || target.size() < kCellCount) {
    return CellSend::NotSent;
  }
  const std::size_t inNote = (cell - kKitCellCount) % kNoteCellCount;
  const auto value = static_cast<std::uint8_t>(target[cell]);
  if (inNote >= kDrumParameterCount || value == kNoParameter) return CellSend::NotSent;
  const DrumNote note =
      DrumNote::FromNoteIndex(static_cast<int>((cell - kKitCellCount) / kNoteCellCount));
  return SetDrumParameter(setup, note, static_cast<int>(inNote), value) ? CellSend::Sent
                                                                        : CellSend::Failed;
}

std::vector<DrumNote> DrumModel::KitNotes(int setup) const {
  std::vector<DrumNote> notes;
  const DrumSetup* drumSetup = Setup(setup);
  if (drumSetup == nullptr) return notes;
  for (int noteIndex = 0; noteIndex < static_cast<int>(kDrumNoteCount); ++noteIndex) {
    const DrumNoteRecord& record = drumSetup->notes[static_cast<std::size_t>(noteIndex)];
    if (IsDrumNotePresent(drumSetup->kitMask, record.KitWord())) {
      notes.push_back(DrumNote::FromNoteIndex(noteIndex));
    }
  }
  return notes;
}

std::optional<XgMessage> DrumModel::NoteDump(int setup, DrumNote note) const {
  const DrumNoteRecord* record = Note(setup, note);
  if (record == nullptr) return std::nullopt;
  return NoteDumpOf(setup, note, record->Parameters());
}

XgMessage DrumModel::NoteDumpOf(int setup, DrumNote note,
                                const DrumParameterBytes& parameters) const {
  return BuildBulkDump(model_.Unit(), kXgModelId,
                       xg_block::DrumAddress(setup, note.MidiNote(), 0x00), parameters);
}

bool DrumModel::SendDrumSetup(int setup, bool nonDefaultOnly, unsigned delayMs) {
  const DrumSetup* drumSetup = Setup(setup);
  if (drumSetup == nullptr) return false;
  XgEmitter& emitter = model_.Emitter();
  for (int noteIndex = 0; noteIndex < static_cast<int>(kDrumNoteCount); ++noteIndex) {
    const DrumNote note = DrumNote::FromNoteIndex(noteIndex);
    const DrumNoteRecord& record = drumSetup->notes[static_cast<std::size_t>(noteIndex)];
    const std::uint16_t kitWord = record.KitWord();
    const DrumParameterBytes parameters = record.Parameters();
    // A reader starts the note at its kit's defaults: a note the kit lacks
    // goes only when something set it away from them. A whole dump of a note
    // the kit has needs no defaults at all.
    const bool present = IsDrumNotePresent(drumSetup->kitMask, kitWord);
    std::optional<DrumParameterBytes> resetDefaults;
    if (!present || nonDefaultOnly) {
      resetDefaults = DrumNoteDefaultParameters(drumSetup->kitMask, note.MidiNote());
      if (!resetDefaults) return false;
    }
    if (!present && parameters == *resetDefaults) continue;
    if (!nonDefaultOnly) {
      emitter.Pause(delayMs);
      if (!emitter.Emit(NoteDumpOf(setup, note, parameters))) return false;
      continue;
    }
    const std::optional<DrumParameterBytes> defaults =
        DrumNoteSendDefaultParameters(drumSetup->kitMask, kitWord, note.MidiNote());
    if (!defaults) return false;
    for (int address = 0; address < static_cast<int>(kDrumParameterCount); ++address) {
      const auto a = static_cast<std::size_t>(address);
      const std::uint8_t value = parameters[a];
      if (value == (*defaults)[a] && value == (*resetDefaults)[a]) continue;
      // SetDrumParameter refuses a byte of 0xFF, which ends the pass.
      if (!SetDrumParameter(setup, note, address, value)) return false;
      emitter.Pause(delayMs);
    }
  }
  return true;
}

}  // namespace ravlo
