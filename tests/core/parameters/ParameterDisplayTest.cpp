#include <gtest/gtest.h>

#include "channels/ControllerSlots.h"
#include "drums/DrumParameterTable.h"
#include "effects/EffectLookups.h"
#include "effects/EffectParameters.h"
#include "parameters/ParameterDisplay.h"
#include "parts/PartParameterTable.h"
#include "system/SystemParameters.h"

namespace ravlo {
namespace {

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

TEST(ParameterDisplay, PartPanReadsRandomLeftCentreRight) {
  const ParameterDescriptor& pan = Part(0x0E);
  EXPECT_EQ(UnitText(pan, 0), "Random");
  EXPECT_EQ(UnitText(pan, 1), "L63");
  EXPECT_EQ(UnitText(pan, 63), "L1");
  EXPECT_EQ(UnitText(pan, 64), "C");
  EXPECT_EQ(UnitText(pan, 127), "R63");
}

TEST(ParameterDisplay, PanWithoutRandomStartsAtTheFarLeft) {
  const ParameterDescriptor& pan =
      kControllerSlots[static_cast<std::size_t>(ControllerSlot::Pan)].parameter;
  EXPECT_EQ(UnitText(pan, 0), "L64");
  EXPECT_EQ(UnitText(pan, 65), "R1");
  EXPECT_EQ(UnitText(Reverb(ReverbSlot::Pan), 1), "L63");
}

TEST(ParameterDisplay, NoteLimitsAreNoteNamesWithMiddleCAsC3) {
  EXPECT_EQ(UnitText(Part(0x0F), 0), "C-2");
  EXPECT_EQ(UnitText(Part(0x0F), 60), "C3");
  EXPECT_EQ(UnitText(Part(0x10), 61), "C#3");
  EXPECT_EQ(UnitText(Part(0x10), 127), "G8");
}

TEST(ParameterDisplay, TranspositionAndTuning) {
  EXPECT_EQ(UnitText(Part(0x08), -12), "-12 semitones");
  EXPECT_EQ(UnitText(Part(0x08), 1), "+1 semitone");
  EXPECT_EQ(UnitText(Part(0x08), 0), "0 semitones");
  EXPECT_EQ(UnitText(SystemParameterInfo(SystemParameter::Transpose), 24), "+24 semitones");
  EXPECT_EQ(UnitText(SystemParameterInfo(SystemParameter::Tune), -1024), "-102.4 cents");
  EXPECT_EQ(UnitText(SystemParameterInfo(SystemParameter::Tune), 1023), "+102.3 cents");
  EXPECT_EQ(UnitText(Part(0x09), -128), "-12.8 Hz");
  EXPECT_EQ(UnitText(Part(0x41), -5), "-5 cents");
  EXPECT_EQ(UnitText(kDrumParameters[0], 2), "+2 semitones");
  EXPECT_EQ(UnitText(kDrumParameters[1], -1), "-1 cent");
}

TEST(ParameterDisplay, SwitchesAndChoicesReadAsWords) {
  EXPECT_EQ(UnitText(Part(0x30), 0), "Off");
  EXPECT_EQ(UnitText(Part(0x30), 1), "On");
  EXPECT_EQ(UnitText(Part(0x07), 2), "Drum 1");
  EXPECT_EQ(UnitText(kDrumParameters[8], 1), "Multi");
  EXPECT_EQ(UnitText(Chorus(ChorusSlot::Param15), 1), "Stereo");
  EXPECT_EQ(UnitText(Variation(VariationType::EarlyReflect1, 0), 2), "Random");
}

TEST(ParameterDisplay, ReverbTimeAndDelaysFromTheirTables) {
  EXPECT_EQ(UnitText(Reverb(ReverbSlot::Param1), 0), "0.3 s");
  EXPECT_EQ(UnitText(Reverb(ReverbSlot::Param1), 18), "2.1 s");
  EXPECT_EQ(UnitText(Reverb(ReverbSlot::Param1), 69), "30.0 s");
  EXPECT_EQ(UnitText(Reverb(ReverbSlot::Param3), 28), "44.2 ms");
  EXPECT_EQ(UnitText(Chorus(ChorusSlot::Param4), 127), "50.0 ms");
  EXPECT_EQ(UnitText(Variation(VariationType::Karaoke1, 0), 127), "400.0 ms");
}

TEST(ParameterDisplay, FrequenciesInHertz) {
  EXPECT_EQ(UnitText(Chorus(ChorusSlot::Param1), 6), "0.25 Hz");
  EXPECT_EQ(UnitText(Chorus(ChorusSlot::Param1), 127), "39.7 Hz");
  EXPECT_EQ(UnitText(Reverb(ReverbSlot::Param4), 0), "Thru");
  EXPECT_EQ(UnitText(Reverb(ReverbSlot::Param4), 13), "90 Hz");
  EXPECT_EQ(UnitText(Reverb(ReverbSlot::Param5), 60), "Thru");
  EXPECT_EQ(UnitText(Reverb(ReverbSlot::Param5), 46), "4.0 kHz");
  EXPECT_EQ(UnitText(Chorus(ChorusSlot::Param6), 8), "50 Hz");
}

TEST(ParameterDisplay, GainsRatiosAndDryWet) {
  EXPECT_EQ(UnitText(Chorus(ChorusSlot::Param7), 52), "-12 dB");
  EXPECT_EQ(UnitText(Chorus(ChorusSlot::Param7), 64), "0 dB");
  EXPECT_EQ(UnitText(Chorus(ChorusSlot::Param9), 76), "+12 dB");
  EXPECT_EQ(UnitText(Reverb(ReverbSlot::Param10), 1), "D63>W");
  EXPECT_EQ(UnitText(Reverb(ReverbSlot::Param10), 64), "D=W");
  EXPECT_EQ(UnitText(Reverb(ReverbSlot::Param10), 127), "D<W63");
  EXPECT_EQ(UnitText(Reverb(ReverbSlot::Param13), 74), "E<R10");
  EXPECT_EQ(UnitText(Reverb(ReverbSlot::Param15), 1), "-63");
  EXPECT_EQ(UnitText(Chorus(ChorusSlot::Param14), 4), "-180 deg");
  EXPECT_EQ(UnitText(Reverb(ReverbSlot::Return), 0), "-\u221E dB");
  EXPECT_EQ(UnitText(Reverb(ReverbSlot::Return), 64), "0.0 dB");
  EXPECT_EQ(UnitText(Chorus(ChorusSlot::SendToReverb), 127), "+6.0 dB");
  EXPECT_EQ(UnitText(kVariationSettings[0].parameter, 32), "-6.0 dB");
}

TEST(ParameterDisplay, VariationParametersFollowTheirType) {
  EXPECT_EQ(UnitText(Variation(VariationType::DelayLcr, 0), 3330), "333.0 ms");
  EXPECT_EQ(UnitText(Variation(VariationType::DelayLcr, 0), 7150), "715.0 ms");
  EXPECT_EQ(UnitText(Variation(VariationType::Hall1, 0), 18), "2.1 s");
  EXPECT_EQ(UnitText(Variation(VariationType::PitchChange, 0), 40), "-24 semitones");
  EXPECT_EQ(UnitText(Variation(VariationType::PitchChange, 2), 114), "+50 cents");
  EXPECT_EQ(UnitText(Variation(VariationType::EarlyReflect1, 1), 44), "7.0 m");
  EXPECT_EQ(UnitText(Variation(VariationType::AmpSimulator, 1), 3), "Tube");
}

TEST(ParameterDisplay, PlainNumbersAndValuesOutsideTheRangeHaveNoUnit) {
  EXPECT_EQ(UnitText(Part(0x0B), 100), "");
  EXPECT_EQ(ValueText(Part(0x0B), 100), "100");
  EXPECT_EQ(ValueText(Part(0x0E), 1), "L63");
  // 255, the mark of a parameter a type leaves out, reads as nothing.
  EXPECT_EQ(UnitText(Reverb(ReverbSlot::Param6), 255), "");
  EXPECT_EQ(UnitText(Reverb(ReverbSlot::Param1), 70), "");
  // A received value past the field's range still reads where its unit reaches.
  EXPECT_EQ(UnitText(Variation(VariationType::EarlyReflect1, 3), 100), "157.5 ms");
  EXPECT_EQ(UnitText(Variation(VariationType::EarlyReflect1, 1), 45), "");
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

TEST(ParameterDisplay, PartControlDepthsReadInCentsAndPercent) {
  // 150 cents a step, -100 % .. +100 % (XG data list, multi part).
  const struct {
    int address;
    int shown;
    const char* text;
  } cases[] = {{0x1E, -64, "-9600 cents"},
               {0x62, 63, "+9450 cents"},
               {0x1F, -64, "-100 %"},
               {0x5C, 63, "+100 %"},
               {0x4F, 10, "+16 %"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.address);
    EXPECT_EQ(UnitText(Part(c.address), c.shown), c.text);
  }
  // A value a file brought from outside the range reads in its unit all the same.
  EXPECT_EQ(UnitText(Part(0x08), -30), "-30 semitones");
  EXPECT_EQ(UnitText(Part(0x30), 5), "") << "a switch has its two values only";
  const ParameterDescriptor& bass = FindPartParameter(0x76, InstrumentModel::Extended)->parameter;
  EXPECT_EQ(UnitText(bass, 0x0C), "80 Hz");
  EXPECT_EQ(FindPartParameter(0x76, InstrumentModel::Basic), nullptr);
}

TEST(ParameterDisplay, VariationPartOffIsTheOnePastTheParts) {
  const ParameterDescriptor& part =
      kVariationSettings[static_cast<std::size_t>(VariationSetting::Part)].parameter;
  EXPECT_EQ(UnitText(part, 128), "Off");
  EXPECT_EQ(UnitText(part, 3), "");
}

}  // namespace
}  // namespace ravlo
