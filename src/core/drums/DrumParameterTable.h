#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ravlo {

// The 16 parameters of one drum note, numbered by their XG address (3s nn 00 .. 3s nn 0F).
enum class DrumParameter : std::uint8_t {
  PitchCoarse = 0x00,
  PitchFine = 0x01,
  Level = 0x02,
  AlternateGroup = 0x03,
  Pan = 0x04,
  ReverbSend = 0x05,
  ChorusSend = 0x06,
  VariationSend = 0x07,
  KeyAssign = 0x08,
  RcvNoteOff = 0x09,
  RcvNoteOn = 0x0A,
  FilterCutoff = 0x0B,
  FilterResonance = 0x0C,
  EgAttack = 0x0D,
  EgDecay1 = 0x0E,
  EgDecay2 = 0x0F,
  Count
};

inline constexpr std::size_t kDrumParameterCount = static_cast<std::size_t>(DrumParameter::Count);
static_assert(kDrumParameterCount == 16);

// The 16 parameter bytes of a note in address order 00 .. 0F (bulk dump data order).
using DrumParameterBytes = std::array<std::uint8_t, kDrumParameterCount>;

// How the editor shows a stored byte.
enum class DrumDisplay : std::uint8_t { Byte, ByteMinus64 };

struct DrumParameterInfo {
  std::string_view name;   // the review name
  std::string_view label;  // the editor's field label
  DrumDisplay display;
  int displayMinimum;
  int displayMaximum;
  bool perNoteAndKit;         // note group: the default comes from the kit's note tables
  std::uint8_t fixedDefault;  // common group default; 0 (unused) for the note group
};

// Indexed by XG address.
inline constexpr std::array<DrumParameterInfo, kDrumParameterCount> kDrumParameters = {{
    {"Pitch_Coarse", "Pitch Crs", DrumDisplay::ByteMinus64, -64, 63, false, 0x40},
    {"Pitch_Fine+/-", "Pitch Fine", DrumDisplay::ByteMinus64, -64, 63, false, 0x40},
    {"Volume_Level", "Level", DrumDisplay::Byte, 0, 127, true, 0x00},
    {"Altern_Group", "Alt Grp", DrumDisplay::Byte, 0, 127, true, 0x00},
    {"Instrumnt_Pan", "Pan", DrumDisplay::Byte, 0, 127, true, 0x00},
    {"Reverb_Send", "Reverb", DrumDisplay::Byte, 0, 127, true, 0x00},
    {"Chorus_Send", "Chorus", DrumDisplay::Byte, 0, 127, true, 0x00},
    {"Variatn_Send", "Variation", DrumDisplay::Byte, 0, 127, false, 0x7F},
    {"S_Key_Assign", "Key Assign", DrumDisplay::Byte, 0, 1, false, 0x00},
    {"Rcv_NoteOff", "Rcv N. Off", DrumDisplay::Byte, 0, 1, true, 0x00},
    {"Rcv_NoteOn", "Rcv N. On", DrumDisplay::Byte, 0, 1, false, 0x01},
    {"Flt_Cutoff_Q", "Flt Cutoff", DrumDisplay::ByteMinus64, -64, 63, false, 0x40},
    {"Flt_Resonce", "Flt Res.", DrumDisplay::ByteMinus64, -64, 63, false, 0x40},
    {"EG_AttackRt", "EG Attack", DrumDisplay::ByteMinus64, -64, 63, false, 0x40},
    {"EG_Decay1", "EG Dec1", DrumDisplay::ByteMinus64, -64, 63, false, 0x40},
    {"EG_Decay2", "EG Dec2", DrumDisplay::ByteMinus64, -64, 63, false, 0x40},
}};

// Layout of one stored note record: the common group, then the note group, then the
// 16-bit kit membership word (low byte first).
inline constexpr std::size_t kDrumCommonGroupSize = 10;
inline constexpr std::size_t kDrumNoteGroupSize = 6;
inline constexpr std::size_t kDrumKitWordPosition = kDrumCommonGroupSize + kDrumNoteGroupSize;
inline constexpr std::size_t kDrumNoteRecordSize = kDrumKitWordPosition + 2;
static_assert(kDrumNoteRecordSize == 18);

// Record position -> XG address.
inline constexpr std::array<std::uint8_t, kDrumParameterCount> kDrumRecordAddressOrder = {
    0x00, 0x01, 0x07, 0x08, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F,  // common group
    0x02, 0x03, 0x04, 0x05, 0x06, 0x09,                          // note group
};

// nullptr when the address is not 0x00 .. 0x0F.
const DrumParameterInfo* FindDrumParameter(int address);
// Empty when the address is not 0x00 .. 0x0F.
std::string_view DrumParameterName(int address);

// Record position 0 .. 15 of an XG address, -1 when the address is not 0x00 .. 0x0F.
int DrumRecordPosition(int address);
// XG address at a record position, -1 when the position is not 0 .. 15.
int DrumRecordAddress(int position);
// True for the six parameters whose default depends on note and kit.
bool IsDrumNoteGroupAddress(int address);

// The value an editor field shows for a stored byte.
int DrumDisplayValue(DrumDisplay display, std::uint8_t byte);
// The byte for a displayed value, clamped to 0 .. 127 as the editor stores it.
std::uint8_t DrumByteFromDisplay(DrumDisplay display, int value);

}  // namespace ravlo
