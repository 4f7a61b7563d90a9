#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "uservoice/UserVoice.h"

namespace ravlo {

// The six modal dialogs that edit one element of a user voice.
enum class ElementPage { Basic, Lfo, Pitch, Filter, Level, Amplitude, kCount };

inline constexpr std::size_t kElementPageCount = static_cast<std::size_t>(ElementPage::kCount);

struct ElementPageInfo {
  std::string_view caption;     // the dialog's caption
  std::string_view buttonText;  // the User Voice window's button that opens it
  std::string_view buttonName;  // that button's object name
};

inline constexpr std::array<ElementPageInfo, kElementPageCount> kElementPages{{
    {"Basic Voice Parameters", "B&asic", "ElementBasic"},
    {"LFO", "&LFO", "ElementLfo"},
    {"Pitch", "&Pitch", "ElementPitch"},
    {"Filter", "&Filter", "ElementFilter"},
    {"Level", "L&evel", "ElementLevel"},
    {"Amplitude", "A&mp", "ElementAmp"},
}};
static_assert(kElementPages.size() == kElementPageCount);

// How a field's bytes become what its control shows.
enum class FieldKind {
  Number,  // one byte shown as is
  Pair,    // two bytes, high 7 bits first, shown as one number
  Choice,  // one byte: the index of a radio button
  Check,   // one byte: 0 or 1
  Pan,     // one byte: a slider position 0..14, or 15 for "Scaling"
};

struct ElementField {
  ElementPage page;
  FieldKind kind;
  int offset;  // first byte within the element
  std::string_view label;
  std::string_view name;  // the control's object name
  int minimum;
  int maximum;
  std::span<const std::string_view> choices{};  // Choice only, in value order
};

inline constexpr std::array<std::string_view, 2> kVelocityCurveChoices{"Linear", "Exp."};
inline constexpr std::array<std::string_view, 3> kLfoWaveChoices{"Saw", "Triangle", "S && H"};
inline constexpr std::array<std::string_view, 6> kPitchScalingChoices{"100%", "50%", "20%",
                                                                      "10%",  "5%",  "0%"};
inline constexpr std::array<std::string_view, 4> kEgDepthChoices{".5 Oct", "1 Oct", "2 Oct",
                                                                 "4 Oct"};
inline constexpr std::array<std::string_view, 7> kLevelCurveChoices{"1", "2", "3", "4",
                                                                    "5", "6", "7"};

inline constexpr std::size_t kElementFieldCount = 78;

// Every byte of the 80-byte element belongs to exactly one field. Values
// centred on 64 (57..71, note shift, detune) are shown raw.
// clang-format off
inline constexpr std::array<ElementField, kElementFieldCount> kElementFields{{
    {ElementPage::Basic, FieldKind::Pair, 0, "Wave#", "WaveNumber", 0, 527},
    {ElementPage::Basic, FieldKind::Number, 2, "Note Limit Lo", "NoteLimitLo", 0, 127},
    {ElementPage::Basic, FieldKind::Number, 3, "Note Limit Hi", "NoteLimitHi", 0, 127},
    {ElementPage::Basic, FieldKind::Number, 4, "Velocity Limit Lo", "VelocityLimitLo", 0, 127},
    {ElementPage::Basic, FieldKind::Number, 5, "Velocity Limit Hi", "VelocityLimitHi", 0, 127},
    {ElementPage::Basic, FieldKind::Choice, 6, "Velocity Curve", "VelocityCurve", 0, 1, kVelocityCurveChoices},

    {ElementPage::Lfo, FieldKind::Choice, 7, "LFO Wave", "LfoWave", 0, 2, kLfoWaveChoices},
    {ElementPage::Lfo, FieldKind::Check, 8, "Phase Initialize", "PhaseInitialize", 0, 1},
    {ElementPage::Lfo, FieldKind::Number, 9, "Speed", "Speed", 0, 63},
    {ElementPage::Lfo, FieldKind::Number, 10, "Delay", "Delay", 0, 127},
    {ElementPage::Lfo, FieldKind::Number, 11, "Fade", "Fade", 0, 127},
    {ElementPage::Lfo, FieldKind::Number, 12, "Mod Depth Pitch", "ModDepthPitch", 0, 63},
    {ElementPage::Lfo, FieldKind::Number, 13, "Mod Depth Cutoff", "ModDepthCutoff", 0, 15},
    {ElementPage::Lfo, FieldKind::Number, 14, "Mod Depth Amp", "ModDepthAmp", 0, 31},

    {ElementPage::Pitch, FieldKind::Number, 15, "Note Shift", "NoteShift", 32, 96},
    {ElementPage::Pitch, FieldKind::Number, 16, "Detune", "Detune", 14, 114},
    {ElementPage::Pitch, FieldKind::Choice, 17, "Scaling", "PitchScaling", 0, 5, kPitchScalingChoices},
    {ElementPage::Pitch, FieldKind::Number, 18, "Center Note", "CenterNote", 0, 127},
    {ElementPage::Pitch, FieldKind::Choice, 19, "EG Depth", "EgDepth", 0, 3, kEgDepthChoices},
    {ElementPage::Pitch, FieldKind::Number, 20, "EG Vel. Sens. Level", "EgVelSensLevel", 57, 71},
    {ElementPage::Pitch, FieldKind::Number, 21, "EG Vel. Sens. Rate", "EgVelSensRate", 57, 71},
    {ElementPage::Pitch, FieldKind::Number, 22, "EG Rate Scale Rate", "EgRateScaleRate", 57, 71},
    {ElementPage::Pitch, FieldKind::Number, 23, "EG Rate Scale Center #", "EgRateScaleCenter", 0, 127},
    {ElementPage::Pitch, FieldKind::Number, 24, "EG Rate 1", "EgRate1", 0, 63},
    {ElementPage::Pitch, FieldKind::Number, 25, "EG Rate 2", "EgRate2", 0, 63},
    {ElementPage::Pitch, FieldKind::Number, 26, "EG Rate 3", "EgRate3", 0, 63},
    {ElementPage::Pitch, FieldKind::Number, 27, "EG Rate 4", "EgRate4", 0, 63},
    {ElementPage::Pitch, FieldKind::Number, 28, "EG Level 0", "EgLevel0", 0, 127},
    {ElementPage::Pitch, FieldKind::Number, 29, "EG Level 1", "EgLevel1", 0, 127},
    {ElementPage::Pitch, FieldKind::Number, 30, "EG Level 2", "EgLevel2", 0, 127},
    {ElementPage::Pitch, FieldKind::Number, 31, "EG Level 3", "EgLevel3", 0, 127},
    {ElementPage::Pitch, FieldKind::Number, 32, "EG Level 4", "EgLevel4", 0, 127},

    {ElementPage::Filter, FieldKind::Number, 33, "Resonance", "Resonance", 0, 63},
    {ElementPage::Filter, FieldKind::Number, 34, "Vel. Sens.", "VelSens", 0, 7},
    {ElementPage::Filter, FieldKind::Number, 35, "Cutoff Frq.", "CutoffFrequency", 0, 127},
    {ElementPage::Filter, FieldKind::Number, 36, "Cutoff Scaling Break Point 1", "BreakPoint1", 0, 127},
    {ElementPage::Filter, FieldKind::Number, 37, "Cutoff Scaling Break Point 2", "BreakPoint2", 0, 127},
    {ElementPage::Filter, FieldKind::Number, 38, "Cutoff Scaling Break Point 3", "BreakPoint3", 0, 127},
    {ElementPage::Filter, FieldKind::Number, 39, "Cutoff Scaling Break Point 4", "BreakPoint4", 0, 127},
    {ElementPage::Filter, FieldKind::Number, 40, "Cutoff Scaling Offset 1", "Offset1", 0, 127},
    {ElementPage::Filter, FieldKind::Number, 41, "Cutoff Scaling Offset 2", "Offset2", 0, 127},
    {ElementPage::Filter, FieldKind::Number, 42, "Cutoff Scaling Offset 3", "Offset3", 0, 127},
    {ElementPage::Filter, FieldKind::Number, 43, "Cutoff Scaling Offset 4", "Offset4", 0, 127},
    {ElementPage::Filter, FieldKind::Number, 44, "EG Vel. Sens. Level", "EgVelSensLevel", 57, 71},
    {ElementPage::Filter, FieldKind::Number, 45, "EG Vel. Sens. Rate", "EgVelSensRate", 57, 71},
    {ElementPage::Filter, FieldKind::Number, 46, "EG Rate Scale Rate", "EgRateScaleRate", 57, 71},
    {ElementPage::Filter, FieldKind::Number, 47, "EG Rate Scale Center #", "EgRateScaleCenter", 0, 127},
    {ElementPage::Filter, FieldKind::Number, 48, "EG Rate 1", "EgRate1", 0, 63},
    {ElementPage::Filter, FieldKind::Number, 49, "EG Rate 2", "EgRate2", 0, 63},
    {ElementPage::Filter, FieldKind::Number, 50, "EG Rate 3", "EgRate3", 0, 63},
    {ElementPage::Filter, FieldKind::Number, 51, "EG Rate 4", "EgRate4", 0, 63},
    {ElementPage::Filter, FieldKind::Number, 52, "EG Level 0", "EgLevel0", 0, 127},
    {ElementPage::Filter, FieldKind::Number, 53, "EG Level 1", "EgLevel1", 0, 127},
    {ElementPage::Filter, FieldKind::Number, 54, "EG Level 2", "EgLevel2", 0, 127},
    {ElementPage::Filter, FieldKind::Number, 55, "EG Level 3", "EgLevel3", 0, 127},
    {ElementPage::Filter, FieldKind::Number, 56, "EG Level 4", "EgLevel4", 0, 127},

    {ElementPage::Level, FieldKind::Number, 57, "Level", "Level", 0, 127},
    {ElementPage::Level, FieldKind::Number, 58, "Level Scaling Break Point 1", "BreakPoint1", 0, 127},
    {ElementPage::Level, FieldKind::Number, 59, "Level Scaling Break Point 2", "BreakPoint2", 0, 127},
    {ElementPage::Level, FieldKind::Number, 60, "Level Scaling Break Point 3", "BreakPoint3", 0, 127},
    {ElementPage::Level, FieldKind::Number, 61, "Level Scaling Break Point 4", "BreakPoint4", 0, 127},
    {ElementPage::Level, FieldKind::Number, 62, "Level Scaling Offset 1", "Offset1", 0, 127},
    {ElementPage::Level, FieldKind::Number, 63, "Level Scaling Offset 2", "Offset2", 0, 127},
    {ElementPage::Level, FieldKind::Number, 64, "Level Scaling Offset 3", "Offset3", 0, 127},
    {ElementPage::Level, FieldKind::Number, 65, "Level Scaling Offset 4", "Offset4", 0, 127},
    {ElementPage::Level, FieldKind::Choice, 66, "Velocity Curve", "VelocityCurve", 0, 6, kLevelCurveChoices},
    {ElementPage::Level, FieldKind::Pan, 67, "Pan", "Pan", 0, 15},

    {ElementPage::Amplitude, FieldKind::Number, 68, "EG Rate Scale Rate", "EgRateScaleRate", 57, 71},
    {ElementPage::Amplitude, FieldKind::Number, 69, "EG Rate Scale Center #", "EgRateScaleCenter", 0, 127},
    {ElementPage::Amplitude, FieldKind::Number, 70, "KeyOn Delay", "KeyOnDelay", 0, 15},
    {ElementPage::Amplitude, FieldKind::Number, 71, "Attack", "Attack", 0, 127},
    {ElementPage::Amplitude, FieldKind::Number, 72, "Decay 1 Rate", "Decay1Rate", 0, 127},
    {ElementPage::Amplitude, FieldKind::Number, 73, "Decay 2 Rate", "Decay2Rate", 0, 127},
    {ElementPage::Amplitude, FieldKind::Number, 74, "Release", "Release", 0, 127},
    {ElementPage::Amplitude, FieldKind::Number, 75, "Decay 1 Level", "Decay1Level", 0, 127},
    {ElementPage::Amplitude, FieldKind::Number, 76, "Decay 2 Level", "Decay2Level", 0, 127},
    {ElementPage::Amplitude, FieldKind::Pair, 77, "Address Offset", "AddressOffset", 0, 16256},
    {ElementPage::Amplitude, FieldKind::Number, 79, "Resonance Sensitivity", "ResonanceSensitivity", 57, 71},
}};
// clang-format on
static_assert(kElementFields.size() == kElementFieldCount);

// The pan byte's slider and "Scaling" box.
inline constexpr int kPanSliderMaximum = 14;
inline constexpr int kPanScaling = 15;

struct PanView {
  bool scaling = false;
  int slider = 0;
};

// A stored 15 shows "Scaling" ticked over a slider at 0.
PanView PanViewOf(int panByte);
// "Scaling" stores 15 whatever the slider shows.
int PanByteOf(const PanView& view);

// How many bytes a field spans (2 for a pair, else 1).
int FieldWidth(const ElementField& field);
// The value a field's control shows for an element.
int ReadField(const ElementField& field, const UserVoiceElement& element);
// Writes a shown value back into the field's bytes; false (nothing written)
// when the value is outside the field's range.
bool WriteField(const ElementField& field, int value, UserVoiceElement& element);

// The fields of one dialog, in table order.
std::span<const ElementField> FieldsOf(ElementPage page);

}  // namespace ravlo
