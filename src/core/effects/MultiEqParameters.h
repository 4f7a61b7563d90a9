#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "parameters/ParameterDescriptor.h"

namespace ravlo {

// The multi EQ of the later XG instruments at 02 40 00 .. 14: an EQ type
// and five bands of gain, frequency and Q; the lowest and the highest band
// also choose a shelving or a peaking shape (XG data list, Multi EQ table).
// The addresses 08, 0C and 10 hold no parameter.
inline constexpr std::uint8_t kMultiEqHigh = 0x02;
inline constexpr std::uint8_t kMultiEqMid = 0x40;
inline constexpr std::size_t kMultiEqSize = 0x15;
inline constexpr std::size_t kMultiEqBandCount = 5;

inline constexpr std::array<std::string_view, 5> kMultiEqTypeChoices = {"Flat", "Jazz", "Pops",
                                                                        "Rock", "Classic"};
inline constexpr std::array<std::string_view, 2> kMultiEqShapeChoices = {"Shelving", "Peaking"};

namespace multi_eq_detail {
constexpr ParameterDescriptor Byte(std::uint8_t low, int minimum, int maximum, int defaultValue,
                                   std::string_view label, std::string_view reviewName,
                                   std::string_view name, Unit unit = Unit::Number) {
  return ParameterDescriptor{
      low, WireForm::Byte,     ShownAs::Stored, minimum,    maximum, defaultValue,
      0,   DefaultFrom::Fixed, label,           reviewName, name}
      .In(unit);
}
constexpr ParameterDescriptor Unused(std::uint8_t low) {
  ParameterDescriptor parameter;
  parameter.address = low;
  parameter.maximum = 0;
  parameter.defaultValue = kNoParameter;
  return parameter;
}
constexpr ParameterDescriptor WithChoices(ParameterDescriptor parameter,
                                          std::span<const std::string_view> choices) {
  parameter.choices = choices;
  return parameter;
}
}  // namespace multi_eq_detail

// Gains 34..4C are -12..+12 dB; frequencies read in Effect Data Assign Table
// #3 (band 1: 32 Hz..2.0 kHz, bands 2..4: 100 Hz..10 kHz, band 5: 500 Hz..
// 16 kHz); Q 0.1..12.0. The defaults are the flat EQ's.
inline constexpr std::array<ParameterDescriptor, kMultiEqSize> kMultiEqParameters = [] {
  using multi_eq_detail::Byte;
  using multi_eq_detail::Unused;
  using multi_eq_detail::WithChoices;
  constexpr Unit kGain = Unit::CentredDecibels;
  constexpr Unit kFrequency = Unit::EqFrequency;
  constexpr Unit kQ = Unit::Tenths;
  return std::array<ParameterDescriptor, kMultiEqSize>{{
      WithChoices(Byte(0x00, 0, 4, 0, "EQ Type", "EQ_Type", "EqType"), kMultiEqTypeChoices),
      Byte(0x01, 0x34, 0x4C, 0x40, "Gain 1", "EQ_Gain1", "Gain1", kGain),
      Byte(0x02, 0x04, 0x28, 0x0C, "Freq 1", "EQ_Freq1", "Freq1", kFrequency),
      Byte(0x03, 0x01, 0x78, 0x07, "Q 1", "EQ_Q1", "Q1", kQ),
      WithChoices(Byte(0x04, 0, 1, 0, "Shape 1", "EQ_Shape1", "Shape1"), kMultiEqShapeChoices),
      Byte(0x05, 0x34, 0x4C, 0x40, "Gain 2", "EQ_Gain2", "Gain2", kGain),
      Byte(0x06, 0x0E, 0x36, 0x1C, "Freq 2", "EQ_Freq2", "Freq2", kFrequency),
      Byte(0x07, 0x01, 0x78, 0x07, "Q 2", "EQ_Q2", "Q2", kQ),
      Unused(0x08),
      Byte(0x09, 0x34, 0x4C, 0x40, "Gain 3", "EQ_Gain3", "Gain3", kGain),
      Byte(0x0A, 0x0E, 0x36, 0x22, "Freq 3", "EQ_Freq3", "Freq3", kFrequency),
      Byte(0x0B, 0x01, 0x78, 0x07, "Q 3", "EQ_Q3", "Q3", kQ),
      Unused(0x0C),
      Byte(0x0D, 0x34, 0x4C, 0x40, "Gain 4", "EQ_Gain4", "Gain4", kGain),
      Byte(0x0E, 0x0E, 0x36, 0x2E, "Freq 4", "EQ_Freq4", "Freq4", kFrequency),
      Byte(0x0F, 0x01, 0x78, 0x07, "Q 4", "EQ_Q4", "Q4", kQ),
      Unused(0x10),
      Byte(0x11, 0x34, 0x4C, 0x40, "Gain 5", "EQ_Gain5", "Gain5", kGain),
      Byte(0x12, 0x1C, 0x3A, 0x34, "Freq 5", "EQ_Freq5", "Freq5", kFrequency),
      Byte(0x13, 0x01, 0x78, 0x07, "Q 5", "EQ_Q5", "Q5", kQ),
      WithChoices(Byte(0x14, 0, 1, 0, "Shape 5", "EQ_Shape5", "Shape5"), kMultiEqShapeChoices),
  }};
}();

// Where band b (0..4) keeps its gain, frequency and Q, and its shape (bands
// 1 and 5; the others are peaking).
struct MultiEqBandAddresses {
  std::uint8_t gain;
  std::uint8_t frequency;
  std::uint8_t q;
  std::optional<std::uint8_t> shape;
};
inline constexpr std::array<MultiEqBandAddresses, kMultiEqBandCount> kMultiEqBands = {{
    {0x01, 0x02, 0x03, 0x04},
    {0x05, 0x06, 0x07, std::nullopt},
    {0x09, 0x0A, 0x0B, std::nullopt},
    {0x0D, 0x0E, 0x0F, std::nullopt},
    {0x11, 0x12, 0x13, 0x14},
}};

constexpr bool MultiEqAddressesAreTheirPlaces() {
  for (std::size_t i = 0; i < kMultiEqParameters.size(); ++i) {
    if (kMultiEqParameters[i].address != i) return false;
  }
  return true;
}
static_assert(MultiEqAddressesAreTheirPlaces());

}  // namespace ravlo
