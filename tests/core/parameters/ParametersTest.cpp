#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <utility>
#include <vector>

#include "channels/ControllerSlots.h"
#include "drums/DrumParameterTable.h"
#include "effects/EffectLookups.h"
#include "effects/EffectParameters.h"
#include "parameters/ParameterDisplay.h"
#include "parameters/XgValueTables.h"
#include "parts/PartParameterTable.h"
#include "system/SystemParameters.h"

namespace ravlo {
namespace {

void ExpectRising(std::span<const double> table) {
  for (std::size_t i = 1; i < table.size(); ++i) {
    EXPECT_LT(table[i - 1], table[i]) << "entry " << i;
  }
}

// Length, rise and the printed ends of each published table.
TEST(XgValueTables, EachTableHasItsLengthRisesAndReadsAsPrinted) {
  const struct {
    const char* name;
    std::span<const double> table;
    std::size_t size;
    std::vector<std::pair<std::size_t, double>> printed;
  } tables[] = {
      {"LFO frequency, table 1", kLfoFrequencyHz, 128, {{0, 0.0}, {64, 2.69}, {127, 39.7}}},
      {"modulation delay, table 2", kModulationDelayMs, 128, {{0, 0.0}, {100, 10.0}, {127, 50.0}}},
      {"EQ frequency, table 3", kEqFrequencyHz, 61, {{0, 20.0}, {34, 1000.0}, {60, 20000.0}}},
      {"reverb time, table 4", kReverbTimeSeconds, 70, {{0, 0.3}, {47, 5.0}, {69, 30.0}}},
      {"delay time 200, table 5", kDelayTime200Ms, 128, {{0, 0.1}, {63, 99.3}, {127, 200.0}}},
      {"room size, table 6", kRoomSizeMetres, 45, {{0, 0.1}, {44, 7.0}}},
      {"delay time 400, table 7", kDelayTime400Ms, 128, {{0, 0.1}, {127, 400.0}}},
      {"reverb dimension, 11", kReverbDimensionMetres, 105, {{0, 0.5}, {37, 10.2}, {104, 30.2}}},
  };
  for (const auto& t : tables) {
    SCOPED_TRACE(t.name);
    ASSERT_EQ(t.table.size(), t.size);
    ExpectRising(t.table);
    for (const auto& [index, value] : t.printed) EXPECT_DOUBLE_EQ(t.table[index], value) << index;
  }
}

TEST(XgValueTables, LevelsAreMinusInfinityAtZeroUnityAt64AndSixDecibelsAtTheTop) {
  EXPECT_TRUE(std::isinf(LevelDecibels(0)));
  EXPECT_DOUBLE_EQ(LevelDecibels(64), 0.0);
  EXPECT_NEAR(LevelDecibels(127), 6.0, 0.05);
  EXPECT_NEAR(LevelDecibels(32), -6.0, 0.03);
}

const ParameterDescriptor& Part(int address) {
  return kPartParameters[static_cast<std::size_t>(address)].parameter;
}

const ParameterDescriptor& Reverb(ReverbSlot slot) {
  return kReverbSlots[static_cast<std::size_t>(slot)].parameter;
}

const ParameterDescriptor& Chorus(ChorusSlot slot) {
  return kChorusSlots[static_cast<std::size_t>(slot)].parameter;
}

ParameterDescriptor Variation(VariationType type, std::size_t param) {
  return VariationParameter(static_cast<std::size_t>(type), param, 0);
}

const ParameterDescriptor& ControllerPan() {
  return kControllerSlots[static_cast<std::size_t>(ControllerSlot::Pan)].parameter;
}

// Pans, note names (middle C as C3), transposition and tuning, switches and
// choices, times and delays from their tables, frequencies, gains, ratios and
// dry/wet, the Variation parameters by their type, and no unit for plain
// numbers or values outside the range.
TEST(ParameterDisplay, EachUnitReadsAsItsText) {
  const struct {
    ParameterDescriptor parameter;
    std::vector<std::pair<int, const char*>> readings;
  } cases[] = {
      {Part(0x0E), {{0, "Random"}, {1, "L63"}, {63, "L1"}, {64, "C"}, {127, "R63"}}},
      {ControllerPan(), {{0, "L64"}, {65, "R1"}}},
      {Reverb(ReverbSlot::Pan), {{1, "L63"}}},
      {Part(0x0F), {{0, "C-2"}, {60, "C3"}}},
      {Part(0x10), {{61, "C#3"}, {127, "G8"}}},
      // A value a file brought from outside the range reads in its unit all the same.
      {Part(0x08),
       {{-12, "-12 semitones"}, {1, "+1 semitone"}, {0, "0 semitones"}, {-30, "-30 semitones"}}},
      {SystemParameterInfo(SystemParameter::Transpose), {{24, "+24 semitones"}}},
      {SystemParameterInfo(SystemParameter::Tune),
       {{-1024, "-102.4 cents"}, {1023, "+102.3 cents"}}},
      {Part(0x09), {{-128, "-12.8 Hz"}}},
      {Part(0x41), {{-5, "-5 cents"}}},
      {kDrumParameters[0], {{2, "+2 semitones"}}},
      {kDrumParameters[1], {{-1, "-1 cent"}}},
      {Part(0x30), {{0, "Off"}, {1, "On"}, {5, ""}}},  // a switch has its two values only
      {Part(0x07), {{2, "Drum 1"}}},
      {kDrumParameters[8], {{1, "Multi"}}},
      {Chorus(ChorusSlot::Param15), {{1, "Stereo"}}},
      {Variation(VariationType::EarlyReflect1, 0), {{2, "Random"}}},
      {Reverb(ReverbSlot::Param1), {{0, "0.3 s"}, {18, "2.1 s"}, {69, "30.0 s"}}},
      {Reverb(ReverbSlot::Param3), {{28, "44.2 ms"}}},
      {Chorus(ChorusSlot::Param4), {{127, "50.0 ms"}}},
      {Variation(VariationType::Karaoke1, 0), {{127, "400.0 ms"}}},
      {Chorus(ChorusSlot::Param1), {{6, "0.25 Hz"}, {127, "39.7 Hz"}}},
      {Reverb(ReverbSlot::Param4), {{0, "Thru"}, {13, "90 Hz"}}},
      {Reverb(ReverbSlot::Param5), {{60, "Thru"}, {46, "4.0 kHz"}}},
      {Chorus(ChorusSlot::Param6), {{8, "50 Hz"}}},
      {Chorus(ChorusSlot::Param7), {{52, "-12 dB"}, {64, "0 dB"}}},
      {Chorus(ChorusSlot::Param9), {{76, "+12 dB"}}},
      {Reverb(ReverbSlot::Param10), {{1, "D63>W"}, {64, "D=W"}, {127, "D<W63"}}},
      {Reverb(ReverbSlot::Param13), {{74, "E<R10"}}},
      {Reverb(ReverbSlot::Param15), {{1, "-63"}}},
      {Chorus(ChorusSlot::Param14), {{4, "-180 deg"}}},
      {Reverb(ReverbSlot::Return), {{0, "-\u221E dB"}, {64, "0.0 dB"}}},
      {Chorus(ChorusSlot::SendToReverb), {{127, "+6.0 dB"}}},
      {kVariationSettings[0].parameter, {{32, "-6.0 dB"}}},
      {Variation(VariationType::DelayLcr, 0), {{3330, "333.0 ms"}, {7150, "715.0 ms"}}},
      {Variation(VariationType::Hall1, 0), {{18, "2.1 s"}}},
      {Variation(VariationType::PitchChange, 0), {{40, "-24 semitones"}}},
      {Variation(VariationType::PitchChange, 2), {{114, "+50 cents"}}},
      {Variation(VariationType::EarlyReflect1, 1), {{44, "7.0 m"}}},
      {Variation(VariationType::AmpSimulator, 1), {{3, "Tube"}}},
      {Part(0x0B), {{100, ""}}},
      // 255, the mark of a parameter a type leaves out, reads as nothing.
      {Reverb(ReverbSlot::Param6), {{255, ""}}},
      {Reverb(ReverbSlot::Param1), {{70, ""}}},
      // A received value past the field's range still reads where its unit reaches.
      {Variation(VariationType::EarlyReflect1, 3), {{100, "157.5 ms"}}},
      {Variation(VariationType::EarlyReflect1, 1), {{45, ""}}},
      // Part control depths: 150 cents a step, -100 % .. +100 % (XG data list, multi part).
      {Part(0x1E), {{-64, "-9600 cents"}}},
      {Part(0x62), {{63, "+9450 cents"}}},
      {Part(0x1F), {{-64, "-100 %"}}},
      {Part(0x5C), {{63, "+100 %"}}},
      {Part(0x4F), {{10, "+16 %"}}},
      {FindPartParameter(0x76, InstrumentModel::Extended)->parameter, {{0x0C, "80 Hz"}}},
      // Variation part Off is the one past the parts.
      {kVariationSettings[static_cast<std::size_t>(VariationSetting::Part)].parameter,
       {{128, "Off"}, {3, ""}}},
  };
  for (const auto& c : cases) {
    for (const auto& [value, text] : c.readings) {
      SCOPED_TRACE(testing::Message() << c.parameter.reviewName << " " << value);
      EXPECT_EQ(UnitText(c.parameter, value), text);
    }
  }
  EXPECT_EQ(ValueText(Part(0x0B), 100), "100");
  EXPECT_EQ(ValueText(Part(0x0E), 1), "L63");
  EXPECT_EQ(FindPartParameter(0x76, InstrumentModel::Basic), nullptr);
}

TEST(ParameterDisplay, TheExtendedModelWidensThePublishedRanges) {
  const struct {
    VariationType type;
    std::size_t param;
    int basicMinimum, basicMaximum, minimum, maximum;
  } kCases[] = {{VariationType::EarlyReflect2, 3, 0, 63, 0, 127},
                {VariationType::ReverseGate, 3, 0, 63, 0, 127},
                {VariationType::Overdrive, 6, 28, 54, 14, 54},
                {VariationType::ThreeBandEq, 1, 28, 54, 14, 54},
                {VariationType::Hall1, 2, 0, 63, 0, 63}};
  for (const auto& c : kCases) {
    const auto type = static_cast<std::size_t>(c.type);
    const ParameterDescriptor basic = VariationParameter(type, c.param, 0);
    const ParameterDescriptor extended =
        VariationParameter(type, c.param, 0, InstrumentModel::Extended);
    EXPECT_EQ(basic.minimum, c.basicMinimum) << type;
    EXPECT_EQ(basic.maximum, c.basicMaximum) << type;
    EXPECT_EQ(extended.minimum, c.minimum) << type;
    EXPECT_EQ(extended.maximum, c.maximum) << type;
  }
}

}  // namespace
}  // namespace ravlo
