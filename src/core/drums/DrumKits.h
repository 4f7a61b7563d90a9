#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "drums/DrumNoteTables.h"
#include "drums/DrumParameterTable.h"

namespace ravlo {

// A drum setup's kit mask: 1 the standard kit, 2 .. 256 (one bit each) the drum kits with an
// alternate note list, 0x200 and 0x400 the SFX kits, 0 a kit without note tables.
inline constexpr std::uint16_t kStandardKitMask = 0x001;
inline constexpr std::uint16_t kLastAlternateKitMask = 0x100;
inline constexpr std::uint16_t kSfxKit1Mask = 0x200;
inline constexpr std::uint16_t kSfxKit2Mask = 0x400;

// Matches any program in a kit mask row.
inline constexpr int kAnyKitProgram = -1;

struct DrumKitMaskRow {
  int bankMsb;
  int program;  // 0-based, or kAnyKitProgram
  std::uint16_t kitMask;
};

// Searched in order; the first matching row decides, and a bank MSB without a row gives 0.
inline constexpr std::size_t kDrumKitMaskRowCount = 12;
inline constexpr std::array<DrumKitMaskRow, kDrumKitMaskRowCount> kDrumKitMasks = {{
    {127, 0, kStandardKitMask},
    {127, 1, 0x002},
    {127, 8, 0x004},
    {127, 16, 0x008},
    {127, 24, 0x010},
    {127, 25, 0x020},
    {127, 32, 0x040},
    {127, 40, 0x080},
    {127, 48, kLastAlternateKitMask},
    {127, kAnyKitProgram, 0},
    {126, 1, kSfxKit2Mask},
    {126, kAnyKitProgram, kSfxKit1Mask},
}};

// The kit mask of a kit voice (bank MSB, 0-based program). A program outside 0 .. 127 gives 0.
std::uint16_t KitMaskForVoice(int bankMsb, int program);

// Whether a note with this kit membership word sounds in the kit. Notes that are not present
// are named "----" and skipped by drum setup sends.
bool IsDrumNotePresent(std::uint16_t kitMask, std::uint16_t kitWord);
// The same with the standard table's word of a MIDI note; false outside 13 .. 91.
bool IsDrumNoteInKit(std::uint16_t kitMask, int note);

// The alternate index (0 .. 102) of a MIDI note in the list of kit mask 2 .. 256; -1 when the
// kit has no alternate for the note or the mask has no list.
int AlternateDrumNoteIndex(std::uint16_t kitMask, int note);

// The name shown for a note that the kit does not have.
inline constexpr std::string_view kAbsentDrumNoteName = "----";

// SFX kit notes are named after sound-effect voices of this bank.
inline constexpr int kSfxVoiceBankMsb = 64;
inline constexpr int kSfxVoiceBankLsb = 0;

enum class DrumNoteNameKind : std::uint8_t { Absent, Standard, Alternate, Catalogue };

// Where a note's instrument name comes from. For Catalogue the caller asks the voice
// catalogue for (programNumber, bankMsb, bankLsb); programNumber counts from 1 and may lie
// outside 1 .. 128, which the catalogue answers with "----".
struct DrumNoteNameSource {
  DrumNoteNameKind kind;
  std::string_view name;  // empty for Catalogue
  int programNumber;
  int bankMsb;
  int bankLsb;
};

DrumNoteNameSource FindDrumNoteName(std::uint16_t kitMask, std::uint16_t kitWord, int note);

// Answers the voice catalogue's name for (program number 1 .. 128, bank MSB, bank LSB).
using DrumVoiceNameLookup =
    std::function<std::string_view(int programNumber, int bankMsb, int bankLsb)>;

// The instrument name of a MIDI note; an empty lookup answers "----".
std::string_view DrumNoteName(std::uint16_t kitMask, std::uint16_t kitWord, int note,
                              const DrumVoiceNameLookup& lookup);
// The same with the standard table's word of the note.
std::string_view DrumNoteName(std::uint16_t kitMask, int note, const DrumVoiceNameLookup& lookup);

// The note-group defaults that a note reset takes; nullopt outside 13 .. 91.
std::optional<DrumNoteGroup> DrumNoteGroupDefaults(std::uint16_t kitMask, int note);
// The note-group values a non-default send compares against, decided by the stored kit
// membership word; nullopt outside 13 .. 91.
std::optional<DrumNoteGroup> DrumNoteGroupSendDefaults(std::uint16_t kitMask, std::uint16_t kitWord,
                                                       int note);

// All 16 defaults in address order: the common group's fixed values and the note group above.
std::optional<DrumParameterBytes> DrumNoteDefaultParameters(std::uint16_t kitMask, int note);
std::optional<DrumParameterBytes> DrumNoteSendDefaultParameters(std::uint16_t kitMask,
                                                                std::uint16_t kitWord, int note);

}  // namespace ravlo
