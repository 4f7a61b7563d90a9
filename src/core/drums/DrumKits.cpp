#include "drums/DrumKits.h"

#include <algorithm>
#include <vector>

namespace ravlo {

namespace {

constexpr bool IsAlternateKitMask(std::uint16_t kitMask) {
  // One bit from 0x002 to 0x100.
  return kitMask >= 0x002 && kitMask <= kLastAlternateKitMask && (kitMask & (kitMask - 1)) == 0;
}

constexpr bool AlternateRowsUseAlternateKits() {
  for (const AlternateDrumNote& row : kAlternateDrumNotes) {
    if (!IsAlternateKitMask(row.kitMask)) return false;
    if (row.note < kFirstDrumNote || row.note > kLastDrumNote) return false;
  }
  return true;
}
static_assert(AlternateRowsUseAlternateKits());

DrumParameterBytes WithCommonGroup(const DrumNoteGroup& group) {
  DrumParameterBytes bytes{};
  for (std::size_t address = 0; address < kDrumParameterCount; ++address) {
    bytes[address] = static_cast<std::uint8_t>(kDrumParameters[address].defaultValue);
  }
  bytes[static_cast<std::size_t>(DrumParameter::Level)] = group.level;
  bytes[static_cast<std::size_t>(DrumParameter::AlternateGroup)] = group.alternateGroup;
  bytes[static_cast<std::size_t>(DrumParameter::Pan)] = group.pan;
  bytes[static_cast<std::size_t>(DrumParameter::ReverbSend)] = group.reverbSend;
  bytes[static_cast<std::size_t>(DrumParameter::ChorusSend)] = group.chorusSend;
  bytes[static_cast<std::size_t>(DrumParameter::RcvNoteOff)] = group.rcvNoteOff;
  return bytes;
}

}  // namespace

std::uint16_t KitMaskForVoice(int bankMsb, int program) {
  if (program < 0 || program > 127) return 0;
  for (const DrumKitMaskRow& row : kDrumKitMasks) {
    if (row.bankMsb == bankMsb && (row.program == kAnyKitProgram || row.program == program)) {
      return row.kitMask;
    }
  }
  return 0;
}

bool IsDrumNotePresent(std::uint16_t kitMask, std::uint16_t kitWord) {
  // Masks above the drum kits (the SFX kits) have their own membership bit; every other kit
  // plays the notes the standard kit has.
  if (kitMask > kLastAlternateKitMask) return (kitWord & kitMask) != 0;
  return (kitWord & kStandardKitMask) != 0;
}

bool IsDrumNoteInKit(std::uint16_t kitMask, int note) {
  const StandardDrumNote* row = FindStandardDrumNote(note);
  return row != nullptr && IsDrumNotePresent(kitMask, row->kitWord);
}

int AlternateDrumNoteIndex(std::uint16_t kitMask, int note) {
  if (!IsAlternateKitMask(kitMask)) return -1;
  for (const AlternateDrumNote& row : kAlternateDrumNotes) {
    if (row.kitMask == kitMask && row.note == note) return row.index;
  }
  return -1;
}

DrumNoteNameSource FindDrumNoteName(std::uint16_t kitMask, std::uint16_t kitWord, int note) {
  const DrumNoteNameSource absent{DrumNoteNameKind::Absent, kAbsentDrumNoteName, 0, 0, 0};
  const StandardDrumNote* row = FindStandardDrumNote(note);
  if (row == nullptr || !IsDrumNotePresent(kitMask, kitWord)) return absent;
  if (kitMask == kStandardKitMask || kitWord == kStandardKitMask) {
    return {DrumNoteNameKind::Standard, row->name, 0, 0, 0};
  }
  const int noteIndex = note - kFirstDrumNote;
  if (kitMask == kSfxKit1Mask) {
    // The program number wraps as a byte: the lowest notes name no voice.
    return {DrumNoteNameKind::Catalogue,
            {},
            (noteIndex - 22) & 0xFF,
            kSfxVoiceBankMsb,
            kSfxVoiceBankLsb};
  }
  if (kitMask == kSfxKit2Mask) {
    return {DrumNoteNameKind::Catalogue, {}, noteIndex + 42, kSfxVoiceBankMsb, kSfxVoiceBankLsb};
  }
  if (kitMask > kLastAlternateKitMask) return absent;
  const AlternateDrumNote* alternate = FindAlternateDrumNote(AlternateDrumNoteIndex(kitMask, note));
  if (alternate != nullptr) return {DrumNoteNameKind::Alternate, alternate->name, 0, 0, 0};
  return {DrumNoteNameKind::Standard, row->name, 0, 0, 0};
}

std::string_view DrumNoteName(std::uint16_t kitMask, std::uint16_t kitWord, int note,
                              const DrumVoiceNameLookup& lookup) {
  const DrumNoteNameSource source = FindDrumNoteName(kitMask, kitWord, note);
  if (source.kind != DrumNoteNameKind::Catalogue) return source.name;
  if (!lookup) return kAbsentDrumNoteName;
  return lookup(source.programNumber, source.bankMsb, source.bankLsb);
}

std::string_view DrumNoteName(std::uint16_t kitMask, int note, const DrumVoiceNameLookup& lookup) {
  return DrumNoteName(kitMask, StandardKitWord(note), note, lookup);
}

std::optional<DrumNoteGroup> DrumNoteGroupDefaults(std::uint16_t kitMask, int note) {
  const StandardDrumNote* row = FindStandardDrumNote(note);
  if (row == nullptr) return std::nullopt;
  if (kitMask > kLastAlternateKitMask) return kSfxDrumNoteDefaults;
  if (kitMask == kStandardKitMask || row->kitWord == kStandardKitMask) return row->defaults;
  const AlternateDrumNote* alternate = FindAlternateDrumNote(AlternateDrumNoteIndex(kitMask, note));
  return alternate != nullptr ? alternate->defaults : row->defaults;
}

std::optional<DrumNoteGroup> DrumNoteGroupSendDefaults(std::uint16_t kitMask, std::uint16_t kitWord,
                                                       int note) {
  // The tests run in a different order from the reset's and consult the stored word.
  const StandardDrumNote* row = FindStandardDrumNote(note);
  if (row == nullptr) return std::nullopt;
  if (kitMask == kStandardKitMask || kitWord == kStandardKitMask) return row->defaults;
  if (kitMask > kLastAlternateKitMask) return kSfxDrumNoteDefaults;
  if ((kitWord & kitMask) != 0) {
    const AlternateDrumNote* alternate =
        FindAlternateDrumNote(AlternateDrumNoteIndex(kitMask, note));
    if (alternate != nullptr) return alternate->defaults;
  }
  return row->defaults;
}

namespace {

std::optional<DrumParameterBytes> WorkOutNoteDefaults(std::uint16_t kitMask, int note) {
  const std::optional<DrumNoteGroup> group = DrumNoteGroupDefaults(kitMask, note);
  if (!group) return std::nullopt;
  return WithCommonGroup(*group);
}

// Every note's defaults of one kit.
struct KitDefaults {
  std::uint16_t kitMask = 0;
  std::array<std::optional<DrumParameterBytes>, kLastDrumNote - kFirstDrumNote + 1> notes{};
};

// Worked out once for every kit there is, on first use, not at every
// reset of a setup or every note a dump brings.
const std::vector<KitDefaults>& AllKitDefaults() {
  static const std::vector<KitDefaults> kits = [] {
    std::vector<KitDefaults> all;
    for (const DrumKitMaskRow& row : kDrumKitMasks) {
      const bool known = std::any_of(all.begin(), all.end(), [&](const KitDefaults& kit) {
        return kit.kitMask == row.kitMask;
      });
      if (known) continue;
      KitDefaults& kit = all.emplace_back();
      kit.kitMask = row.kitMask;
      for (int note = kFirstDrumNote; note <= kLastDrumNote; ++note) {
        kit.notes[static_cast<std::size_t>(note - kFirstDrumNote)] =
            WorkOutNoteDefaults(row.kitMask, note);
      }
    }
    return all;
  }();
  return kits;
}

}  // namespace

std::optional<DrumParameterBytes> DrumNoteDefaultParameters(std::uint16_t kitMask, int note) {
  if (note < kFirstDrumNote || note > kLastDrumNote) return std::nullopt;
  for (const KitDefaults& kit : AllKitDefaults()) {
    if (kit.kitMask == kitMask) return kit.notes[static_cast<std::size_t>(note - kFirstDrumNote)];
  }
  return WorkOutNoteDefaults(kitMask, note);
}

std::optional<DrumParameterBytes> DrumNoteSendDefaultParameters(std::uint16_t kitMask,
                                                                std::uint16_t kitWord, int note) {
  const std::optional<DrumNoteGroup> group = DrumNoteGroupSendDefaults(kitMask, kitWord, note);
  if (!group) return std::nullopt;
  return WithCommonGroup(*group);
}

}  // namespace ravlo
