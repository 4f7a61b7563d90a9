#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "parameters/ParameterDescriptor.h"

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

namespace drum_table_detail {
// A parameter of the note group takes its default from the kit's note tables;
// the common group has one fixed default.
constexpr ParameterDescriptor Entry(DrumParameter parameter, bool centred, int minimum, int maximum,
                                    bool perNoteAndKit, int fixedDefault,
                                    std::string_view reviewName, std::string_view label,
                                    std::string_view name) {
  return {static_cast<std::uint8_t>(parameter),
          WireForm::Byte,
          centred ? ShownAs::Centred : ShownAs::Stored,
          minimum,
          maximum,
          perNoteAndKit ? 0 : fixedDefault,
          0,
          perNoteAndKit ? DefaultFrom::KitTables : DefaultFrom::Fixed,
          label,
          reviewName,
          name};
}
}  // namespace drum_table_detail

inline constexpr std::array<std::string_view, 2> kKeyAssignChoices = {"Single", "Multi"};

// Indexed by XG address: the review name, the editor's field label and the
// field's object name.
inline constexpr std::array<ParameterDescriptor, kDrumParameterCount> kDrumParameters = [] {
  using drum_table_detail::Entry;
  using P = DrumParameter;
  auto keyAssign =
      Entry(P::KeyAssign, false, 0, 1, false, 0x00, "S_Key_Assign", "Key Assign", "KeyAssign");
  keyAssign.choices = kKeyAssignChoices;
  return std::array<ParameterDescriptor, kDrumParameterCount>{{
      Entry(P::PitchCoarse, true, -64, 63, false, 0x40, "Pitch_Coarse", "Pitch Crs", "PitchCrs")
          .In(Unit::Semitones),
      Entry(P::PitchFine, true, -64, 63, false, 0x40, "Pitch_Fine+/-", "Pitch Fine", "PitchFine")
          .In(Unit::Cents),
      Entry(P::Level, false, 0, 127, true, 0, "Volume_Level", "Level", "Level"),
      Entry(P::AlternateGroup, false, 0, 127, true, 0, "Altern_Group", "Alt Grp", "AltGrp"),
      Entry(P::Pan, false, 0, 127, true, 0, "Instrumnt_Pan", "Pan", "Pan").In(Unit::PanOrRandom),
      Entry(P::ReverbSend, false, 0, 127, true, 0, "Reverb_Send", "Reverb", "Reverb"),
      Entry(P::ChorusSend, false, 0, 127, true, 0, "Chorus_Send", "Chorus", "Chorus"),
      Entry(P::VariationSend, false, 0, 127, false, 0x7F, "Variatn_Send", "Variation", "Variation"),
      keyAssign,
      Entry(P::RcvNoteOff, false, 0, 1, true, 0, "Rcv_NoteOff", "Rcv N. Off", "RcvNOff")
          .In(Unit::OnOff),
      Entry(P::RcvNoteOn, false, 0, 1, false, 0x01, "Rcv_NoteOn", "Rcv N. On", "RcvNOn")
          .In(Unit::OnOff),
      Entry(P::FilterCutoff, true, -64, 63, false, 0x40, "Flt_Cutoff_Q", "Flt Cutoff", "FltCutoff"),
      Entry(P::FilterResonance, true, -64, 63, false, 0x40, "Flt_Resonce", "Flt Res.", "FltRes"),
      Entry(P::EgAttack, true, -64, 63, false, 0x40, "EG_AttackRt", "EG Attack", "EGAttack"),
      Entry(P::EgDecay1, true, -64, 63, false, 0x40, "EG_Decay1", "EG Dec1", "EGDec1"),
      Entry(P::EgDecay2, true, -64, 63, false, 0x40, "EG_Decay2", "EG Dec2", "EGDec2"),
  }};
}();

constexpr bool DrumParametersAreByAddress() {
  for (std::size_t address = 0; address < kDrumParameterCount; ++address) {
    if (kDrumParameters[address].address != address) return false;
  }
  return true;
}
static_assert(DrumParametersAreByAddress());

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

// True for the addresses 0x00 .. 0x0F of a note's parameters.
bool IsDrumAddress(int address);
// nullptr when the address is not 0x00 .. 0x0F.
const ParameterDescriptor* FindDrumParameter(int address);
// Empty when the address is not 0x00 .. 0x0F.
std::string_view DrumParameterName(int address);

// Record position 0 .. 15 of an XG address, -1 when the address is not 0x00 .. 0x0F.
int DrumRecordPosition(int address);
// XG address at a record position, -1 when the position is not 0 .. 15.
int DrumRecordAddress(int position);
// True for the six parameters whose default depends on note and kit.
bool IsDrumNoteGroupAddress(int address);

}  // namespace ravlo
