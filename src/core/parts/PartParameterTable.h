#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/InstrumentModel.h"
#include "parameters/ParameterDescriptor.h"
#include "parts/PartRecord.h"

namespace ravlo {

// A multi part block covers XG addresses 08 pp 00 .. 08 pp 6E, one byte each.
inline constexpr std::size_t kPartAddressCount = 0x6F;
static_assert(kPartAddressCount == 111);

// The window that edits a part parameter.
enum class PartEditor : std::uint8_t {
  PartWindowReserved,  // the Part window's element reserve field
  PartWindowVoice,     // the Part window's voice browser
  PartWindowChannel,   // the Part window's channel field and Off button
  Mode,
  PartControl,
  PartFxSend,
  ToneControl,
  ControlModulation,
  ControlBend,
  Receive,
  ScaleTuning,
  ControlChannelAftertouch,
  ControlPolyAftertouch,
  AssignableController1,
  AssignableController2,
  PitchEnvelope,
  PartEq,
  None,
  Count
};

// One multi part parameter: its descriptor (defaults of a normal part and of
// the drum part, 0xFF where that kind of part lacks it) and its editor.
struct PartParameter {
  ParameterDescriptor parameter;
  PartEditor editor;

  constexpr PartParameter In(Unit unit) const { return {parameter.In(unit), editor}; }
};

inline constexpr std::array<std::string_view, 2> kMonoPolyChoices = {"Mono", "Poly"};
inline constexpr std::array<std::string_view, 3> kSameKeyChoices = {"Single", "Multi", "Inst"};
inline constexpr std::array<std::string_view, 4> kPartModeChoices = {"Normal", "Drum", "Drum 1",
                                                                     "Drum 2"};
inline constexpr std::array<std::string_view, 6> kExtendedPartModeChoices = {
    "Normal", "Drum", "Drum 1", "Drum 2", "Drum 3", "Drum 4"};

namespace part_table_detail {
constexpr PartParameter Entry(std::uint8_t address, WireForm form, ShownAs shownAs, int minimum,
                              int maximum, int normalDefault, int drumDefault,
                              DefaultFrom defaultFrom, std::string_view label,
                              std::string_view reviewName, std::string_view name, PartEditor editor,
                              std::span<const std::string_view> choices = {}) {
  // A switch reads as a word.
  const Unit unit = shownAs == ShownAs::Switch ? Unit::OnOff : Unit::Number;
  return {{address, form, shownAs, minimum, maximum, normalDefault, drumDefault, defaultFrom, label,
           reviewName, name, choices, unit},
          editor};
}
}  // namespace part_table_detail

// Indexed by address. Review names as the review prints them (0B's ends in a
// blank); 29 .. 2F belong to no parameter. Detune (09) travels with its LSB
// (0A) as one pair of nibbles.
inline constexpr std::array<PartParameter, kPartAddressCount> kPartParameters = [] {
  using part_table_detail::Entry;
  // One row a parameter, read as a table.
  // clang-format off
  return std::array<PartParameter, kPartAddressCount>{{
    Entry(0x00, WireForm::Byte, ShownAs::Stored, 0, 32, 0x02, 0x00, DefaultFrom::Fixed, "Reserved", "ElmtReserve", "Reserved", PartEditor::PartWindowReserved),
    Entry(0x01, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0x7F, DefaultFrom::Fixed, "", "BankSel_MSB", "BankMsb", PartEditor::PartWindowVoice),
    Entry(0x02, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0x00, DefaultFrom::Fixed, "", "BankSel_LSB", "BankLsb", PartEditor::PartWindowVoice),
    Entry(0x03, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0x00, DefaultFrom::Fixed, "", "Program_Num", "Program", PartEditor::PartWindowVoice),
    Entry(0x04, WireForm::Byte, ShownAs::PlusOne, 1, 16, 0x00, 0x09, DefaultFrom::PartNumber, "Chan. #", "RcvChannel", "Channel", PartEditor::PartWindowChannel),
    Entry(0x05, WireForm::Byte, ShownAs::Stored, 0, 1, 0x01, 0xFF, DefaultFrom::Fixed, "Mode", "Mono_Poly_Md", "MonoPoly", PartEditor::Mode, kMonoPolyChoices),
    Entry(0x06, WireForm::Byte, ShownAs::Stored, 0, 2, 0x01, 0x02, DefaultFrom::Fixed, "Same Key", "Note_Assign", "SameKey", PartEditor::Mode, kSameKeyChoices),
    Entry(0x07, WireForm::Byte, ShownAs::Stored, 0, 3, 0x00, 0x02, DefaultFrom::Fixed, "Type", "Part_ModeType", "PartMode", PartEditor::Mode, kPartModeChoices),
    Entry(0x08, WireForm::Byte, ShownAs::Centred, -24, 24, 0x40, 0x40, DefaultFrom::Fixed, "Note Shift", "NoteShiftOffset", "NoteShift", PartEditor::PartControl).In(Unit::Semitones),
    Entry(0x09, WireForm::NibblePair, ShownAs::Detune, -128, 127, 0x08, 0x08, DefaultFrom::Fixed, "Detune", "Part_Detune", "Detune", PartEditor::PartControl).In(Unit::TenthHertz),
    Entry(0x0A, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0x00, DefaultFrom::Fixed, "", "Detune_LSB", "DetuneLsb", PartEditor::PartControl),
    Entry(0x0B, WireForm::Byte, ShownAs::Stored, 0, 127, 0x64, 0x64, DefaultFrom::Fixed, "Volume", "Part_Volume ", "Volume", PartEditor::PartControl),
    Entry(0x0C, WireForm::Byte, ShownAs::Stored, 0, 127, 0x40, 0x40, DefaultFrom::Fixed, "Velocity Depth", "Veloc_Depth", "VelocityDepth", PartEditor::PartControl),
    Entry(0x0D, WireForm::Byte, ShownAs::Stored, 0, 127, 0x40, 0x40, DefaultFrom::Fixed, "Velocity Offset", "Veloc_Offset", "VelocityOffset", PartEditor::PartControl),
    Entry(0x0E, WireForm::Byte, ShownAs::Stored, 0, 127, 0x40, 0x40, DefaultFrom::Fixed, "Pan", "Part_PanLevel", "Pan", PartEditor::PartControl).In(Unit::PanOrRandom),
    Entry(0x0F, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0x00, DefaultFrom::Fixed, "Low Note", "Note_LimitLo", "LowNote", PartEditor::PartControl).In(Unit::NoteName),
    Entry(0x10, WireForm::Byte, ShownAs::Stored, 0, 127, 0x7F, 0x7F, DefaultFrom::Fixed, "Hi Note", "Note_LimitHi", "HiNote", PartEditor::PartControl).In(Unit::NoteName),
    Entry(0x11, WireForm::Byte, ShownAs::Stored, 0, 127, 0x7F, 0x7F, DefaultFrom::Fixed, "Dry/Wet", "Dry_Wet_Lvl", "DryWet", PartEditor::PartFxSend),
    Entry(0x12, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0x00, DefaultFrom::Fixed, "Chorus", "Chorus_Send", "Chorus", PartEditor::PartFxSend),
    Entry(0x13, WireForm::Byte, ShownAs::Stored, 0, 127, 0x28, 0x28, DefaultFrom::Fixed, "Reverb", "Reverb_Send", "Reverb", PartEditor::PartFxSend),
    Entry(0x14, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0x00, DefaultFrom::Fixed, "Variation", "Variatn_Send", "Variation", PartEditor::PartFxSend),
    Entry(0x15, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0x40, DefaultFrom::Fixed, "Rate", "Vibrato_Rate", "Rate", PartEditor::ToneControl),
    Entry(0x16, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0xFF, DefaultFrom::Fixed, "Depth", "Vibrato_Depth", "Depth", PartEditor::ToneControl),
    Entry(0x17, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0xFF, DefaultFrom::Fixed, "Delay", "Vibrato_Delay", "Delay", PartEditor::ToneControl),
    Entry(0x18, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0x40, DefaultFrom::Fixed, "Cutoff Frq", "Flt_Cutoff_Q", "CutoffFrq", PartEditor::ToneControl),
    Entry(0x19, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0x40, DefaultFrom::Fixed, "Resonance", "Flt_Resonance", "Resonance", PartEditor::ToneControl),
    Entry(0x1A, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0x40, DefaultFrom::Fixed, "Attack", "Attack_Time", "Attack", PartEditor::ToneControl),
    Entry(0x1B, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0x40, DefaultFrom::Fixed, "Decay", "Decay_Time", "Decay", PartEditor::ToneControl),
    Entry(0x1C, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0x40, DefaultFrom::Fixed, "Release", "Release_Time", "Release", PartEditor::ToneControl),
    Entry(0x1D, WireForm::Byte, ShownAs::Centred, -24, 24, 0x40, 0x40, DefaultFrom::Fixed, "Pitch", "Mod_Pitch_Ctl", "PitchControl", PartEditor::ControlModulation).In(Unit::Semitones),
    Entry(0x1E, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0x40, DefaultFrom::Fixed, "Filter", "Mod_Filter_Ctl", "FilterControl", PartEditor::ControlModulation).In(Unit::FilterCents),
    Entry(0x1F, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0x40, DefaultFrom::Fixed, "Amplitude", "Mod_Amp_Ctl", "AmplitudeControl", PartEditor::ControlModulation).In(Unit::AmplitudePercent),
    Entry(0x20, WireForm::Byte, ShownAs::Stored, 0, 127, 0x0A, 0x0A, DefaultFrom::Fixed, "Pitch", "ModLFO_Pitch", "PitchLfo", PartEditor::ControlModulation),
    Entry(0x21, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0x00, DefaultFrom::Fixed, "Filter", "ModLFO_Filter", "FilterLfo", PartEditor::ControlModulation),
    Entry(0x22, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0x00, DefaultFrom::Fixed, "Amplitude", "ModLFO_Amp", "AmplitudeLfo", PartEditor::ControlModulation),
    Entry(0x23, WireForm::Byte, ShownAs::Centred, -24, 24, 0x42, 0x42, DefaultFrom::Fixed, "Pitch", "Bend_Pitch_Ctl", "PitchControl", PartEditor::ControlBend).In(Unit::Semitones),
    Entry(0x24, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0x40, DefaultFrom::Fixed, "Filter", "Bend_Filter_Ctl", "FilterControl", PartEditor::ControlBend).In(Unit::FilterCents),
    Entry(0x25, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0x40, DefaultFrom::Fixed, "Amplitude", "Bend_Amp_Ctl", "AmplitudeControl", PartEditor::ControlBend).In(Unit::AmplitudePercent),
    Entry(0x26, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0x00, DefaultFrom::Fixed, "Pitch", "BendLFO_Pitch", "PitchLfo", PartEditor::ControlBend),
    Entry(0x27, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0x00, DefaultFrom::Fixed, "Filter", "BendLFO_Filter", "FilterLfo", PartEditor::ControlBend),
    Entry(0x28, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0x00, DefaultFrom::Fixed, "Amplitude", "BendLFO_Amp", "AmplitudeLfo", PartEditor::ControlBend),
    Entry(0x29, WireForm::Byte, ShownAs::Stored, 0, 127, 0xFF, 0xFF, DefaultFrom::Fixed, "", "", "", PartEditor::None),
    Entry(0x2A, WireForm::Byte, ShownAs::Stored, 0, 127, 0xFF, 0xFF, DefaultFrom::Fixed, "", "", "", PartEditor::None),
    Entry(0x2B, WireForm::Byte, ShownAs::Stored, 0, 127, 0xFF, 0xFF, DefaultFrom::Fixed, "", "", "", PartEditor::None),
    Entry(0x2C, WireForm::Byte, ShownAs::Stored, 0, 127, 0xFF, 0xFF, DefaultFrom::Fixed, "", "", "", PartEditor::None),
    Entry(0x2D, WireForm::Byte, ShownAs::Stored, 0, 127, 0xFF, 0xFF, DefaultFrom::Fixed, "", "", "", PartEditor::None),
    Entry(0x2E, WireForm::Byte, ShownAs::Stored, 0, 127, 0xFF, 0xFF, DefaultFrom::Fixed, "", "", "", PartEditor::None),
    Entry(0x2F, WireForm::Byte, ShownAs::Stored, 0, 127, 0xFF, 0xFF, DefaultFrom::Fixed, "", "", "", PartEditor::None),
    Entry(0x30, WireForm::Byte, ShownAs::Switch, 0, 1, 0x01, 0x01, DefaultFrom::Fixed, "Pitch Bend", "Rcv_Pitch_Bend", "PitchBend", PartEditor::Receive),
    Entry(0x31, WireForm::Byte, ShownAs::Switch, 0, 1, 0x01, 0x01, DefaultFrom::Fixed, "Ch. AftTch", "Rcv_ChanAftTch", "ChannelAftertouch", PartEditor::Receive),
    Entry(0x32, WireForm::Byte, ShownAs::Switch, 0, 1, 0x01, 0x01, DefaultFrom::Fixed, "Prog Chg", "Rcv_PrgmChange", "ProgramChange", PartEditor::Receive),
    Entry(0x33, WireForm::Byte, ShownAs::Switch, 0, 1, 0x01, 0x01, DefaultFrom::Fixed, "Control Chg", "Rcv_CtrlChange", "ControlChange", PartEditor::Receive),
    Entry(0x34, WireForm::Byte, ShownAs::Switch, 0, 1, 0x01, 0xFF, DefaultFrom::Fixed, "Poly AftTch", "Rcv_PolyAftTch", "PolyAftertouch", PartEditor::Receive),
    Entry(0x35, WireForm::Byte, ShownAs::Switch, 0, 1, 0x01, 0x01, DefaultFrom::Fixed, "Note", "Rcv_NoteMessage", "Note", PartEditor::Receive),
    Entry(0x36, WireForm::Byte, ShownAs::Switch, 0, 1, 0x01, 0x01, DefaultFrom::Fixed, "RPN", "Rcv_RegParamN", "Rpn", PartEditor::Receive),
    Entry(0x37, WireForm::Byte, ShownAs::Switch, 0, 1, 0x01, 0x01, DefaultFrom::Fixed, "NRPN", "Rcv_NonRegPN", "Nrpn", PartEditor::Receive),
    Entry(0x38, WireForm::Byte, ShownAs::Switch, 0, 1, 0x01, 0x01, DefaultFrom::Fixed, "Modulation", "Rcv_Modulation", "Modulation", PartEditor::Receive),
    Entry(0x39, WireForm::Byte, ShownAs::Switch, 0, 1, 0x01, 0x01, DefaultFrom::Fixed, "Volume", "Rcv_Volume_Ctrl", "Volume", PartEditor::Receive),
    Entry(0x3A, WireForm::Byte, ShownAs::Switch, 0, 1, 0x01, 0x01, DefaultFrom::Fixed, "Pan", "Rcv_Pan_Control", "Pan", PartEditor::Receive),
    Entry(0x3B, WireForm::Byte, ShownAs::Switch, 0, 1, 0x01, 0x01, DefaultFrom::Fixed, "Expression", "Rcv_Expression", "Expression", PartEditor::Receive),
    Entry(0x3C, WireForm::Byte, ShownAs::Switch, 0, 1, 0x01, 0x01, DefaultFrom::Fixed, "Hold 1", "Rcv_Hold_1_Ctrl", "Hold1", PartEditor::Receive),
    Entry(0x3D, WireForm::Byte, ShownAs::Switch, 0, 1, 0x01, 0xFF, DefaultFrom::Fixed, "Portamento", "Rcv_Portamento", "Portamento", PartEditor::Receive),
    Entry(0x3E, WireForm::Byte, ShownAs::Switch, 0, 1, 0x01, 0x01, DefaultFrom::Fixed, "Sostenuto", "Rcv_Sostenuto_", "Sostenuto", PartEditor::Receive),
    Entry(0x3F, WireForm::Byte, ShownAs::Switch, 0, 1, 0x01, 0xFF, DefaultFrom::Fixed, "Soft Pedal", "Rcv_Soft_Pedal", "SoftPedal", PartEditor::Receive),
    Entry(0x40, WireForm::Byte, ShownAs::Switch, 0, 1, 0x01, 0x01, DefaultFrom::Fixed, "Bank Select", "Rcv_Bank_Select", "BankSelect", PartEditor::Receive),
    Entry(0x41, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0xFF, DefaultFrom::Fixed, "C", "ScaleTune_C", "C", PartEditor::ScaleTuning).In(Unit::Cents),
    Entry(0x42, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0xFF, DefaultFrom::Fixed, "C#", "ScaleTune_C#", "CSharp", PartEditor::ScaleTuning).In(Unit::Cents),
    Entry(0x43, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0xFF, DefaultFrom::Fixed, "D", "ScaleTune_D", "D", PartEditor::ScaleTuning).In(Unit::Cents),
    Entry(0x44, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0xFF, DefaultFrom::Fixed, "D#", "ScaleTune_D#", "DSharp", PartEditor::ScaleTuning).In(Unit::Cents),
    Entry(0x45, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0xFF, DefaultFrom::Fixed, "E", "ScaleTune_E", "E", PartEditor::ScaleTuning).In(Unit::Cents),
    Entry(0x46, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0xFF, DefaultFrom::Fixed, "F", "ScaleTune_F", "F", PartEditor::ScaleTuning).In(Unit::Cents),
    Entry(0x47, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0xFF, DefaultFrom::Fixed, "F#", "ScaleTune_F#", "FSharp", PartEditor::ScaleTuning).In(Unit::Cents),
    Entry(0x48, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0xFF, DefaultFrom::Fixed, "G", "ScaleTune_G", "G", PartEditor::ScaleTuning).In(Unit::Cents),
    Entry(0x49, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0xFF, DefaultFrom::Fixed, "G#", "ScaleTune_G#", "GSharp", PartEditor::ScaleTuning).In(Unit::Cents),
    Entry(0x4A, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0xFF, DefaultFrom::Fixed, "A", "ScaleTune_A", "A", PartEditor::ScaleTuning).In(Unit::Cents),
    Entry(0x4B, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0xFF, DefaultFrom::Fixed, "A#", "ScaleTune_A#", "ASharp", PartEditor::ScaleTuning).In(Unit::Cents),
    Entry(0x4C, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0xFF, DefaultFrom::Fixed, "B", "ScaleTune_B", "B", PartEditor::ScaleTuning).In(Unit::Cents),
    Entry(0x4D, WireForm::Byte, ShownAs::Centred, -24, 24, 0x40, 0x40, DefaultFrom::Fixed, "Pitch", "CAft_Pitch_Ctl", "PitchControl", PartEditor::ControlChannelAftertouch).In(Unit::Semitones),
    Entry(0x4E, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0x40, DefaultFrom::Fixed, "Filter", "CAft_Filter_Ctl", "FilterControl", PartEditor::ControlChannelAftertouch).In(Unit::FilterCents),
    Entry(0x4F, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0x40, DefaultFrom::Fixed, "Amplitude", "CAft_Amp_Ctl", "AmplitudeControl", PartEditor::ControlChannelAftertouch).In(Unit::AmplitudePercent),
    Entry(0x50, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0x00, DefaultFrom::Fixed, "Pitch", "CAftLFO_Pitch", "PitchLfo", PartEditor::ControlChannelAftertouch),
    Entry(0x51, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0x00, DefaultFrom::Fixed, "Filter", "CAftLFO_Filter", "FilterLfo", PartEditor::ControlChannelAftertouch),
    Entry(0x52, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0x00, DefaultFrom::Fixed, "Amplitude", "CAftLFO_Amp", "AmplitudeLfo", PartEditor::ControlChannelAftertouch),
    Entry(0x53, WireForm::Byte, ShownAs::Centred, -24, 24, 0x40, 0xFF, DefaultFrom::Fixed, "Pitch", "PAft_Pitch_Ctl", "PitchControl", PartEditor::ControlPolyAftertouch).In(Unit::Semitones),
    Entry(0x54, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0xFF, DefaultFrom::Fixed, "Filter", "PAft_Filter_Ctl", "FilterControl", PartEditor::ControlPolyAftertouch).In(Unit::FilterCents),
    Entry(0x55, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0xFF, DefaultFrom::Fixed, "Amplitude", "PAft_Amp_Ctl", "AmplitudeControl", PartEditor::ControlPolyAftertouch).In(Unit::AmplitudePercent),
    Entry(0x56, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0xFF, DefaultFrom::Fixed, "Pitch", "PAftLFO_Pitch", "PitchLfo", PartEditor::ControlPolyAftertouch),
    Entry(0x57, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0xFF, DefaultFrom::Fixed, "Filter", "PAftLFO_Filter", "FilterLfo", PartEditor::ControlPolyAftertouch),
    Entry(0x58, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0xFF, DefaultFrom::Fixed, "Amplitude", "PAftLFO_Amp", "AmplitudeLfo", PartEditor::ControlPolyAftertouch),
    Entry(0x59, WireForm::Byte, ShownAs::Stored, 0, 95, 0x10, 0x10, DefaultFrom::Fixed, "Controller #", "AC1_Control_#", "ControllerNumber", PartEditor::AssignableController1),
    Entry(0x5A, WireForm::Byte, ShownAs::Centred, -24, 24, 0x40, 0x40, DefaultFrom::Fixed, "Pitch", "AC1_Pitch_Ctl", "PitchControl", PartEditor::AssignableController1).In(Unit::Semitones),
    Entry(0x5B, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0x40, DefaultFrom::Fixed, "Filter", "AC1_Filter_Ctl", "FilterControl", PartEditor::AssignableController1).In(Unit::FilterCents),
    Entry(0x5C, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0x40, DefaultFrom::Fixed, "Amplitude", "AC1_Amp_Ctl", "AmplitudeControl", PartEditor::AssignableController1).In(Unit::AmplitudePercent),
    Entry(0x5D, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0x00, DefaultFrom::Fixed, "Pitch", "AC1LFO_Pitch", "PitchLfo", PartEditor::AssignableController1),
    Entry(0x5E, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0x00, DefaultFrom::Fixed, "Filter", "AC1LFO_Filter", "FilterLfo", PartEditor::AssignableController1),
    Entry(0x5F, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0x00, DefaultFrom::Fixed, "Amplitude", "AC1LFO_Amp", "AmplitudeLfo", PartEditor::AssignableController1),
    Entry(0x60, WireForm::Byte, ShownAs::Stored, 0, 95, 0x11, 0x11, DefaultFrom::Fixed, "Controller #", "AC2_Control_#", "ControllerNumber", PartEditor::AssignableController2),
    Entry(0x61, WireForm::Byte, ShownAs::Centred, -24, 24, 0x40, 0x40, DefaultFrom::Fixed, "Pitch", "AC2_Pitch_Ctl", "PitchControl", PartEditor::AssignableController2).In(Unit::Semitones),
    Entry(0x62, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0x40, DefaultFrom::Fixed, "Filter", "AC2_Filter_Ctl", "FilterControl", PartEditor::AssignableController2).In(Unit::FilterCents),
    Entry(0x63, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0x40, DefaultFrom::Fixed, "Amplitude", "AC2_Amp_Ctl", "AmplitudeControl", PartEditor::AssignableController2).In(Unit::AmplitudePercent),
    Entry(0x64, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0x00, DefaultFrom::Fixed, "Pitch", "AC2LFO_Pitch", "PitchLfo", PartEditor::AssignableController2),
    Entry(0x65, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0x00, DefaultFrom::Fixed, "Filter", "AC2LFO_Filter", "FilterLfo", PartEditor::AssignableController2),
    Entry(0x66, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0x00, DefaultFrom::Fixed, "Amplitude", "AC2LFO_Amp", "AmplitudeLfo", PartEditor::AssignableController2),
    Entry(0x67, WireForm::Byte, ShownAs::Switch, 0, 1, 0x00, 0xFF, DefaultFrom::Fixed, "", "Portamento_On", "Portamento", PartEditor::PartControl),
    Entry(0x68, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0xFF, DefaultFrom::Fixed, "Portamento Time", "PortamentTime", "PortamentoTime", PartEditor::PartControl),
    Entry(0x69, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0xFF, DefaultFrom::Fixed, "Init Level", "Pitch_InitLevel", "InitLevel", PartEditor::PitchEnvelope),
    Entry(0x6A, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0xFF, DefaultFrom::Fixed, "Attack", "Pitch_AtckTime", "Attack", PartEditor::PitchEnvelope),
    Entry(0x6B, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0xFF, DefaultFrom::Fixed, "R. Level", "Pitch_RelLevel", "ReleaseLevel", PartEditor::PitchEnvelope),
    Entry(0x6C, WireForm::Byte, ShownAs::Centred, -64, 63, 0x40, 0xFF, DefaultFrom::Fixed, "R. Time", "Pitch_RelTime", "ReleaseTime", PartEditor::PitchEnvelope),
    Entry(0x6D, WireForm::Byte, ShownAs::Stored, 1, 127, 0x01, 0x01, DefaultFrom::Fixed, "Velocity Limit Lo", "Veloc_LimitLo", "VelocityLimitLo", PartEditor::PartControl),
    Entry(0x6E, WireForm::Byte, ShownAs::Stored, 1, 127, 0x7F, 0x7F, DefaultFrom::Fixed, "Velocity Limit Hi", "Veloc_LimitHi", "VelocityLimitHi", PartEditor::PartControl),
  }};
  // clang-format on
}();

constexpr bool PartParametersAreByAddress() {
  for (std::size_t address = 0; address < kPartAddressCount; ++address) {
    if (kPartParameters[address].parameter.address != address) return false;
  }
  return true;
}
static_assert(PartParametersAreByAddress());

// The later instruments' part EQ, past the first level's record: gains
// 52 .. 76 (-12 .. +12 dB), the bass frequency 4 .. 40 (32 Hz .. 2.0 kHz) and
// the treble frequency 28 .. 58 (500 Hz .. 16.0 kHz) of the EQ frequency
// table (XG data list, multi part parameter change table, and Effect Data
// Assign Table #3). A drum part has them too.
inline constexpr std::array<PartParameter, 4> kPartEqParameters = [] {
  using part_table_detail::Entry;
  // clang-format off
  return std::array<PartParameter, 4>{{
    Entry(part_eq::kBassGain, WireForm::Byte, ShownAs::Stored, 0x34, 0x4C, 0x40, 0x40, DefaultFrom::Fixed, "Bass Gain", "EQ_Bass_Gain", "BassGain", PartEditor::PartEq).In(Unit::CentredDecibels),
    Entry(part_eq::kTrebleGain, WireForm::Byte, ShownAs::Stored, 0x34, 0x4C, 0x40, 0x40, DefaultFrom::Fixed, "Treble Gain", "EQ_Treble_Gain", "TrebleGain", PartEditor::PartEq).In(Unit::CentredDecibels),
    Entry(part_eq::kBassFrequency, WireForm::Byte, ShownAs::Stored, 0x04, 0x28, 0x0C, 0x0C, DefaultFrom::Fixed, "Bass Freq", "EQ_Bass_Freq", "BassFrequency", PartEditor::PartEq).In(Unit::EqFrequency),
    Entry(part_eq::kTrebleFrequency, WireForm::Byte, ShownAs::Stored, 0x1C, 0x3A, 0x36, 0x36, DefaultFrom::Fixed, "Treble Freq", "EQ_Treble_Freq", "TrebleFrequency", PartEditor::PartEq).In(Unit::EqFrequency),
  }};
  // clang-format on
}();

// Empty for 0x29 .. 0x2F and outside the table.
std::string_view PartParameterName(int address);
// nullptr outside 0x00 .. 0x6E.
const PartParameter* FindPartParameter(int address);
// The parameter as the instrument has it: the extended one's part modes
// reach drum setups 3 and 4, and its part EQ lies past 0x6E; nullptr for an
// address of no parameter the instrument has.
const PartParameter* FindPartParameter(int address, InstrumentModel instrument);

}  // namespace ravlo
