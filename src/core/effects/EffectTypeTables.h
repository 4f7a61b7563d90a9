#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "parameters/ParameterDescriptor.h"

namespace ravlo {

// A default value of 255 marks a parameter that the type does not use: it gets no editor
// control, is never sent as a parameter change and goes out as 0 in a bulk dump.
inline constexpr uint8_t kEffectParamUnused = 255;

// The largest value of an effect parameter carried in two data bytes.
inline constexpr std::int32_t kEffectMaxPairValue = 0x3FFF;
// The seven bits of a value that one data byte carries.
constexpr std::uint8_t EffectDataByte(std::int32_t value) {
  return static_cast<std::uint8_t>(value & 0x7F);
}

enum class ReverbType : uint8_t {
  None,
  Hall1,
  Hall2,
  Room1,
  Room2,
  Room3,
  Stage1,
  Stage2,
  Plate,
  WhiteRoom,
  Tunnel,
  Basement,
  Count
};
inline constexpr std::size_t kReverbTypeCount = static_cast<std::size_t>(ReverbType::Count);
static_assert(kReverbTypeCount == 12);

enum class ChorusType : uint8_t {
  None,
  Chorus1,
  Chorus2,
  Chorus3,
  Chorus4,
  Celeste1,
  Celeste2,
  Celeste3,
  Celeste4,
  Flanger1,
  Flanger2,
  Flanger3,
  Count
};
inline constexpr std::size_t kChorusTypeCount = static_cast<std::size_t>(ChorusType::Count);
static_assert(kChorusTypeCount == 12);

enum class VariationType : uint8_t {
  None,
  Hall1,
  Hall2,
  Room1,
  Room2,
  Room3,
  Stage1,
  Stage2,
  Plate,
  Chorus1,
  Chorus2,
  Chorus3,
  Chorus4,
  Celeste1,
  Celeste2,
  Celeste3,
  Celeste4,
  Flanger1,
  Flanger2,
  Flanger3,
  DelayLcr,
  DelayLr,
  Echo,
  CrossDelay,
  EarlyReflect1,
  EarlyReflect2,
  GateReverb,
  ReverseGate,
  Karaoke1,
  Karaoke2,
  Karaoke3,
  Symphonic,
  RotarySpkr,
  Tremolo,
  AutoPan,
  Phaser1,
  Phaser2,
  Distortion,
  Overdrive,
  AmpSimulator,
  ThreeBandEq,
  TwoBandEq,
  AutoWah,
  PitchChange,
  VoxCancel,
  Through,
  Count
};
inline constexpr std::size_t kVariationTypeCount = static_cast<std::size_t>(VariationType::Count);
static_assert(kVariationTypeCount == 46);

// Reverb row slots. Slots 0 and 1 carry the type number so that a row dumps as it stands.
enum class ReverbSlot : uint8_t {
  TypeMsb,
  TypeLsb,
  Param1,
  Param2,
  Param3,
  Param4,
  Param5,
  Param6,
  Param7,
  Param8,
  Param9,
  Param10,
  Return,
  Pan,
  Param11,
  Param12,
  Param13,
  Param14,
  Param15,
  Param16,
  Count
};
inline constexpr std::size_t kReverbSlotCount = static_cast<std::size_t>(ReverbSlot::Count);
static_assert(kReverbSlotCount == 20);

enum class ChorusSlot : uint8_t {
  TypeMsb,
  TypeLsb,
  Param1,
  Param2,
  Param3,
  Param4,
  Param5,
  Param6,
  Param7,
  Param8,
  Param9,
  Param10,
  Return,
  Pan,
  SendToReverb,
  Param11,
  Param12,
  Param13,
  Param14,
  Param15,
  Param16,
  Count
};
inline constexpr std::size_t kChorusSlotCount = static_cast<std::size_t>(ChorusSlot::Count);
static_assert(kChorusSlotCount == 21);

// The first parameter slot of a Reverb or Chorus row; the slots before it are the type number.
inline constexpr std::size_t kFirstEffectParamSlot = 2;

// Variation parameters 1..16; 1..10 are two-byte values up to 7150.
inline constexpr std::size_t kVariationParamCount = 16;
inline constexpr std::size_t kVariationTwoByteParamCount = 10;

// The per-type Variation settings, in address order from 0x56.
enum class VariationSetting : uint8_t {
  Return,
  Pan,
  SendToReverb,
  SendToChorus,
  Connection,
  Part,
  ModDepth,
  BendDepth,
  CatDepth,
  Ac1Depth,
  Ac2Depth,
  Count
};
inline constexpr std::size_t kVariationSettingCount =
    static_cast<std::size_t>(VariationSetting::Count);
static_assert(kVariationSettingCount == 11);

inline constexpr uint8_t kVariationConnectionInsertion = 0;
inline constexpr uint8_t kVariationConnectionSystem = 1;
inline constexpr uint8_t kVariationPartOff = 127;

using ReverbRow = std::array<uint8_t, kReverbSlotCount>;
using ChorusRow = std::array<uint8_t, kChorusSlotCount>;
using VariationRow = std::array<int32_t, kVariationParamCount>;
using VariationSettings = std::array<uint8_t, kVariationSettingCount>;

struct ReverbTypeRecord {
  std::string_view name;
  ReverbRow defaults;  // slots 0 and 1: type MSB and LSB
};

struct ChorusTypeRecord {
  std::string_view name;
  ChorusRow defaults;  // slots 0 and 1: type MSB and LSB
};

struct VariationTypeRecord {
  std::string_view name;  // at most 15 characters
  uint8_t typeAddressLow;
  uint8_t typeMsb;
  uint8_t typeLsb;
  uint32_t layout;  // index into kParamLayouts
};

struct ParamRange {
  int32_t minimum;
  int32_t maximum;
  bool operator==(const ParamRange&) const = default;
};

// Label, range and unit of one kind of Variation parameter; entry 0 stands
// for "not used". Choices, where there are any, name the values from the minimum.
struct ParamDescriptor {
  std::string_view label;
  int32_t minimum;
  int32_t maximum;
  Unit unit = Unit::Number;
  std::span<const std::string_view> choices = {};
};
inline constexpr std::size_t kParamDescriptorCount = 62;

// The descriptor number of each Variation parameter 1..16 (0: not used).
struct ParamLayout {
  std::array<uint8_t, kVariationParamCount> descriptors;
};
inline constexpr std::size_t kParamLayoutCount = 24;

// "Amp Type" is labelled with the amp type that the parameter currently selects.
inline constexpr std::size_t kAmpTypeDescriptor = 50;
inline constexpr std::size_t kAmpTypeCount = 4;

extern const std::array<ReverbTypeRecord, kReverbTypeCount> kReverbTypes;
extern const std::array<ChorusTypeRecord, kChorusTypeCount> kChorusTypes;
extern const std::array<VariationTypeRecord, kVariationTypeCount> kVariationTypes;
// Parameters 1..16 of each Variation type, in the order of kVariationTypes.
extern const std::array<VariationRow, kVariationTypeCount> kVariationDefaultRows;
extern const std::array<ParamDescriptor, kParamDescriptorCount> kParamDescriptors;
extern const std::array<ParamLayout, kParamLayoutCount> kParamLayouts;
extern const std::array<std::string_view, kAmpTypeCount> kAmpTypeLabels;

}  // namespace ravlo
