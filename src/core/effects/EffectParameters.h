#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "effects/EffectTypeTables.h"
#include "parameters/ParameterDescriptor.h"

namespace ravlo {

// One slot of a Reverb or Chorus row: its descriptor (the XG address low in
// 02 01 xx, the review name, and for the table that have an editor field its
// label and range) and the slot whose value decides whether the field is
// used: a type that does not use a parameter holds 255 there. Slots 0 and 1
// are the type number.
struct EffectSlot {
  ParameterDescriptor parameter;
  std::size_t gateSlot;

  constexpr bool HasField() const { return !parameter.label.empty(); }
  constexpr EffectSlot In(Unit unit) const { return {parameter.In(unit), gateSlot}; }
};

inline constexpr std::array<std::string_view, 2> kMonoStereoChoices = {"Mono", "Stereo"};

// Slot 0 is the type number, never a parameter, so it can mean "no gate".
inline constexpr std::size_t kNoGate = 0;

namespace effect_slot_detail {
// A slot the editor shows: label, object name and range.
constexpr EffectSlot Field(std::uint8_t addressLow, std::string_view reviewName,
                           std::string_view label, std::string_view name, int minimum, int maximum,
                           std::size_t gate = kNoGate) {
  return {{addressLow, WireForm::Byte, ShownAs::Stored, minimum, maximum, 0, 0,
           DefaultFrom::TypeRow, label, reviewName, name},
          gate};
}
// A slot without a field (the type number, the parameters no type offers here).
constexpr EffectSlot Hidden(std::uint8_t addressLow, std::string_view reviewName) {
  return {{addressLow, WireForm::Byte, ShownAs::Stored, 0, 127, 0, 0, DefaultFrom::TypeRow, "",
           reviewName, ""},
          kNoGate};
}
}  // namespace effect_slot_detail

// Only "White Room", "Tunnel" and "Basement" use Params 6..9, and they all
// use Width: the four follow it. Params 14 and 16 have no field.
inline constexpr std::array<EffectSlot, kReverbSlotCount> kReverbSlots = [] {
  using effect_slot_detail::Field;
  using effect_slot_detail::Hidden;
  constexpr std::size_t width = static_cast<std::size_t>(ReverbSlot::Param6);
  return std::array<EffectSlot, kReverbSlotCount>{{
      Hidden(0x00, "RevTypeMSB"),
      Hidden(0x01, "RevTypeLSB"),
      Field(0x02, "Rev_Time", "Time", "Time", 0, 69).In(Unit::ReverbTime),
      Field(0x03, "Diffusion", "Diffusion", "Diffusion", 0, 10),
      Field(0x04, "Init_Delay", "Delay", "Delay", 0, 63).In(Unit::DelayTime200),
      Field(0x05, "HPF_Cutoff", "H Cutoff", "HCutoff", 0, 52).In(Unit::EqFrequency),
      Field(0x06, "LPF_Cutoff", "L Cutoff", "LCutoff", 34, 60).In(Unit::EqFrequency),
      Field(0x07, "Rev_Width", "Width", "Width", 0, 37, width).In(Unit::ReverbDimension),
      Field(0x08, "Rev_Height", "Height", "Height", 0, 73, width).In(Unit::ReverbDimension),
      Field(0x09, "Rev_Depth", "Depth", "Depth", 0, 104, width).In(Unit::ReverbDimension),
      Field(0x0A, "Wall_Vary", "Wall Vary", "WallVary", 0, 30, width),
      Field(0x0B, "Dry_Wet", "Dry-Wet", "DryWet", 1, 127).In(Unit::DryWet),
      Field(0x0C, "ReturnLvl", "Return", "Return", 0, 127).In(Unit::LevelDecibels),
      Field(0x0D, "Rev_Pan", "Pan", "Pan", 1, 127).In(Unit::Pan),
      Field(0x10, "Rev_Delay", "Rev Delay", "RevDelay", 0, 63).In(Unit::DelayTime200),
      Field(0x11, "DensityLvl", "Density", "Density", 0, 3),
      Field(0x12, "Balance", "Balance", "Balance", 1, 127).In(Unit::ErRevBalance),
      Hidden(0x13, "Unused_1"),
      Field(0x14, "Feedback", "Feedback", "Feedback", 1, 127).In(Unit::CentredSigned),
      Hidden(0x15, "Unused_2"),
  }};
}();

// Only the Flangers use Param 14 and only Chorus 1..4 and Celeste 1..4 use
// Param 15: each of the two follows its own value. Params 5, 11, 12, 13 and
// 16 have no field.
inline constexpr std::array<EffectSlot, kChorusSlotCount> kChorusSlots = [] {
  using effect_slot_detail::Field;
  using effect_slot_detail::Hidden;
  constexpr std::size_t param14 = static_cast<std::size_t>(ChorusSlot::Param14);
  constexpr std::size_t param15 = static_cast<std::size_t>(ChorusSlot::Param15);
  auto stereo = Field(0x34, "InputMode", "Stereo", "Stereo", 0, 1, param15);
  stereo.parameter.choices = kMonoStereoChoices;
  return std::array<EffectSlot, kChorusSlotCount>{{
      Hidden(0x20, "Chorus_MSB"),
      Hidden(0x21, "Chorus_LSB"),
      Field(0x22, "LFO_Freq", "LFO Freq", "LFOFreq", 0, 127).In(Unit::LfoFrequency),
      Field(0x23, "LFO_Depth", "LFO Depth", "LFODepth", 0, 127),
      Field(0x24, "Feedback", "Feedback", "Feedback", 1, 127).In(Unit::CentredSigned),
      Field(0x25, "DelayOffset", "Delay", "Delay", 0, 127).In(Unit::ModulationDelay),
      Hidden(0x26, "Unused_1"),
      Field(0x27, "EQ_LoFreq", "EQLoFreq", "EQLoFreq", 8, 40).In(Unit::EqFrequency),
      Field(0x28, "EQ_LoGain", "EQLoGain", "EQLoGain", 52, 76).In(Unit::CentredDecibels),
      Field(0x29, "EQ_HiFreq", "EQHiFreq", "EQHiFreq", 28, 58).In(Unit::EqFrequency),
      Field(0x2A, "EQ_HiGain", "EQHiGain", "EQHiGain", 52, 76).In(Unit::CentredDecibels),
      Field(0x2B, "Dry_Wet", "Dry-Wet", "DryWet", 1, 127).In(Unit::DryWet),
      Field(0x2C, "ReturnLvl", "Return", "Return", 0, 127).In(Unit::LevelDecibels),
      Field(0x2D, "ChorusPan", "Pan", "Pan", 0, 127).In(Unit::Pan),
      Field(0x2E, "To_Reverb", "Chor2Rev", "Chor2Rev", 0, 127).In(Unit::LevelDecibels),
      Hidden(0x30, "Unused_2"),
      Hidden(0x31, "Unused_3"),
      Hidden(0x32, "Unused_4"),
      Field(0x33, "LFOPhzDf", "LFOPhase", "LFOPhase", 4, 124, param14).In(Unit::PhaseDifference),
      stereo,
      Hidden(0x35, "Unused_5"),
  }};
}();

// One of the Variation block's eleven settings (02 01 56 .. 60), kept per
// type; the connection and the part are one setting shared by all types.
// The return, pan and the two sends only mean something with a system
// connection.
struct VariationSettingInfo {
  ParameterDescriptor parameter;
  bool systemOnly;

  constexpr VariationSettingInfo In(Unit unit) const { return {parameter.In(unit), systemOnly}; }
};

namespace variation_setting_detail {
constexpr VariationSettingInfo Setting(VariationSetting setting, ShownAs shownAs, int minimum,
                                       int maximum, int defaultValue, std::string_view reviewName,
                                       std::string_view label, std::string_view name,
                                       bool systemOnly) {
  return {{static_cast<std::uint8_t>(0x56 + static_cast<int>(setting)), WireForm::Byte, shownAs,
           minimum, maximum, defaultValue, 0, DefaultFrom::Fixed, label, reviewName, name},
          systemOnly};
}
}  // namespace variation_setting_detail

inline constexpr std::array<std::string_view, 2> kVariationConnectionChoices = {"Insertion",
                                                                                "System"};

inline constexpr std::array<VariationSettingInfo, kVariationSettingCount> kVariationSettings = [] {
  using variation_setting_detail::Setting;
  using S = VariationSetting;
  using A = ShownAs;
  auto connection =
      Setting(S::Connection, A::Stored, 0, 1, 0, "Connection", "", "Connection", false);
  connection.parameter.choices = kVariationConnectionChoices;
  return std::array<VariationSettingInfo, kVariationSettingCount>{{
      Setting(S::Return, A::Stored, 0, 127, 64, "ReturnLvl", "Return", "Return", true)
          .In(Unit::LevelDecibels),
      Setting(S::Pan, A::Stored, 0, 127, 64, "Var_Pan", "Pan", "Pan", true).In(Unit::Pan),
      Setting(S::SendToReverb, A::Stored, 0, 127, 0, "To_Reverb", "To Reverb", "ToReverb", true)
          .In(Unit::LevelDecibels),
      Setting(S::SendToChorus, A::Stored, 0, 127, 0, "To_Chorus", "To Chorus", "ToChorus", true)
          .In(Unit::LevelDecibels),
      connection,
      // 127 is no part: the field shows it as 128.
      Setting(S::Part, A::PlusOne, 1, 128, 127, "Part_Num", "", "PartNumber", false)
          .In(Unit::PartOrOff),
      Setting(S::ModDepth, A::Stored, 0, 127, 64, "ModDepth", "Mod Depth", "ModDepth", false),
      Setting(S::BendDepth, A::Stored, 0, 127, 64, "BendDepth", "Bend Dpth", "BendDepth", false),
      Setting(S::CatDepth, A::Stored, 0, 127, 64, "CAT_Depth", "CAT Depth", "CatDepth", false),
      Setting(S::Ac1Depth, A::Stored, 0, 127, 64, "AC1_Depth", "AC1 Depth", "Ac1Depth", false),
      Setting(S::Ac2Depth, A::Stored, 0, 127, 64, "AC2_Depth", "AC2 Depth", "Ac2Depth", false),
  }};
}();

constexpr VariationSettings BuildVariationSettingsDefaults() {
  VariationSettings settings{};
  for (std::size_t i = 0; i < kVariationSettingCount; ++i) {
    settings[i] = static_cast<uint8_t>(kVariationSettings[i].parameter.defaultValue);
  }
  return settings;
}
inline constexpr VariationSettings kVariationSettingsDefaults = BuildVariationSettingsDefaults();

template <typename Slots>
constexpr bool AddressesAscend(const Slots& table) {
  for (std::size_t i = 1; i < table.size(); ++i) {
    if (table[i - 1].parameter.address >= table[i].parameter.address) return false;
  }
  return true;
}
static_assert(AddressesAscend(kReverbSlots) && AddressesAscend(kChorusSlots) &&
              AddressesAscend(kVariationSettings));
static_assert(kVariationSettingsDefaults[static_cast<std::size_t>(VariationSetting::Part)] ==
              kVariationPartOff);

}  // namespace ravlo
