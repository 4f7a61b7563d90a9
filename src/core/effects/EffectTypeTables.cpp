#include "effects/EffectTypeTables.h"

namespace ravlo {
namespace {

constexpr int kNa = kEffectParamUnused;

// Rows are built through these so that a missing or extra value fails to compile instead of
// being zero-filled.
template <typename... Values>
constexpr ReverbRow RevRow(Values... values) {
  static_assert(sizeof...(Values) == kReverbSlotCount);
  return {static_cast<uint8_t>(values)...};
}

template <typename... Values>
constexpr ChorusRow ChoRow(Values... values) {
  static_assert(sizeof...(Values) == kChorusSlotCount);
  return {static_cast<uint8_t>(values)...};
}

template <typename... Values>
constexpr VariationRow VarRow(Values... values) {
  static_assert(sizeof...(Values) == kVariationParamCount);
  return {static_cast<int32_t>(values)...};
}

template <typename... Numbers>
constexpr ParamLayout Layout(Numbers... numbers) {
  static_assert(sizeof...(Numbers) == kVariationParamCount);
  return {{static_cast<uint8_t>(numbers)...}};
}

template <typename Records>
constexpr bool NamesFitRecord(const Records& records) {
  for (const auto& record : records) {
    if (record.name.size() > 15) return false;
  }
  return true;
}

}  // namespace

// Every table is built with std::to_array, so a missing or extra entry fails to compile.

// Name, then slots 0..19: type MSB, type LSB, Params 1..10, Return, Pan, Params 11..16.
extern constexpr std::array<ReverbTypeRecord, kReverbTypeCount> kReverbTypes =
    std::to_array<ReverbTypeRecord>({
        {"None", RevRow(0, 0, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa,
                        kNa, kNa, kNa, kNa)},
        {"Hall 1",
         RevRow(1, 0, 18, 10, 8, 13, 49, kNa, kNa, kNa, kNa, 40, 64, 64, 0, 3, 52, kNa, 64, kNa)},
        {"Hall 2",
         RevRow(1, 1, 25, 10, 28, 6, 46, kNa, kNa, kNa, kNa, 40, 64, 64, 13, 3, 74, kNa, 64, kNa)},
        {"Room 1",
         RevRow(2, 0, 5, 10, 16, 4, 49, kNa, kNa, kNa, kNa, 40, 64, 64, 5, 3, 64, kNa, 64, kNa)},
        {"Room 2",
         RevRow(2, 1, 12, 10, 5, 4, 38, kNa, kNa, kNa, kNa, 40, 64, 64, 0, 3, 50, kNa, 64, kNa)},
        {"Room 3",
         RevRow(2, 2, 9, 10, 47, 5, 36, kNa, kNa, kNa, kNa, 40, 64, 64, 0, 3, 60, kNa, 64, kNa)},
        {"Stage 1",
         RevRow(3, 0, 19, 10, 16, 7, 54, kNa, kNa, kNa, kNa, 40, 64, 64, 0, 3, 64, kNa, 64, kNa)},
        {"Stage 2",
         RevRow(3, 1, 11, 10, 16, 7, 51, kNa, kNa, kNa, kNa, 40, 64, 64, 2, 2, 64, kNa, 64, kNa)},
        {"Plate",
         RevRow(4, 0, 25, 10, 6, 8, 49, kNa, kNa, kNa, kNa, 40, 64, 64, 3, 3, 64, kNa, 64, kNa)},
        {"White Room",
         RevRow(16, 0, 9, 5, 11, 0, 46, 30, 50, 70, 7, 40, 64, 64, 34, 3, 64, kNa, 64, kNa)},
        {"Tunnel",
         RevRow(17, 0, 48, 6, 19, 0, 44, 33, 52, 70, 16, 40, 64, 64, 20, 3, 64, kNa, 64, kNa)},
        {"Basement",
         RevRow(19, 0, 3, 6, 3, 0, 35, 26, 29, 59, 15, 40, 64, 64, 32, 3, 64, kNa, 64, kNa)},
    });

// Name, then slots 0..20: type MSB, type LSB, Params 1..10, Return, Pan, Send To Reverb,
// Params 11..16.
extern constexpr std::array<ChorusTypeRecord, kChorusTypeCount> kChorusTypes =
    std::to_array<ChorusTypeRecord>({
        {"None", ChoRow(0, 0, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa,
                        kNa, kNa, kNa, kNa, kNa)},
        {"Chorus 1", ChoRow(65, 0, 6, 54, 77, 106, kNa, 28, 64, 46, 64, 64, 64, 64, 0, kNa, kNa,
                            kNa, kNa, 0, kNa)},
        {"Chorus 2", ChoRow(65, 1, 8, 63, 64, 30, kNa, 28, 62, 42, 58, 64, 64, 64, 0, kNa, kNa, kNa,
                            kNa, 0, kNa)},
        {"Chorus 3", ChoRow(65, 2, 4, 44, 64, 110, kNa, 28, 64, 46, 66, 64, 64, 64, 0, kNa, kNa,
                            kNa, kNa, 0, kNa)},
        {"Chorus 4", ChoRow(65, 8, 9, 32, 69, 104, kNa, 28, 64, 46, 64, 64, 64, 64, 0, kNa, kNa,
                            kNa, kNa, 1, kNa)},
        {"Celeste 1", ChoRow(66, 0, 12, 32, 64, 0, kNa, 28, 64, 46, 64, 127, 64, 64, 0, kNa, kNa,
                             kNa, kNa, 0, kNa)},
        {"Celeste 2", ChoRow(66, 1, 28, 18, 90, 2, kNa, 28, 62, 42, 60, 84, 64, 64, 0, kNa, kNa,
                             kNa, kNa, 0, kNa)},
        {"Celeste 3", ChoRow(66, 2, 4, 63, 44, 2, kNa, 28, 64, 46, 68, 127, 64, 64, 0, kNa, kNa,
                             kNa, kNa, 0, kNa)},
        {"Celeste 4", ChoRow(66, 8, 8, 29, 64, 0, kNa, 28, 64, 51, 66, 127, 64, 64, 0, kNa, kNa,
                             kNa, kNa, 1, kNa)},
        {"Flanger 1", ChoRow(67, 0, 14, 14, 104, 2, kNa, 28, 64, 46, 64, 96, 64, 64, 0, kNa, kNa,
                             kNa, 4, kNa, kNa)},
        {"Flanger 2", ChoRow(67, 1, 32, 17, 26, 2, kNa, 28, 64, 46, 60, 96, 64, 64, 0, kNa, kNa,
                             kNa, 4, kNa, kNa)},
        {"Flanger 3", ChoRow(67, 8, 4, 109, 109, 2, kNa, 28, 64, 46, 64, 127, 64, 64, 0, kNa, kNa,
                             kNa, 4, kNa, kNa)},
    });

// Name, type address low, type MSB, type LSB, layout; the trailing comment is the index.
extern constexpr std::array<VariationTypeRecord, kVariationTypeCount> kVariationTypes =
    std::to_array<VariationTypeRecord>({
        {"None", 0x40, 0, 0, 0},             // 0
        {"Hall 1", 0x40, 1, 0, 1},           // 1
        {"Hall 2", 0x40, 1, 1, 1},           // 2
        {"Room 1", 0x40, 2, 0, 1},           // 3
        {"Room 2", 0x40, 2, 1, 1},           // 4
        {"Room 3", 0x40, 2, 2, 1},           // 5
        {"Stage 1", 0x40, 3, 0, 1},          // 6
        {"Stage 2", 0x40, 3, 1, 1},          // 7
        {"Plate", 0x40, 4, 0, 1},            // 8
        {"Chorus 1", 0x40, 65, 0, 2},        // 9
        {"Chorus 2", 0x40, 65, 1, 2},        // 10
        {"Chorus 3", 0x40, 65, 2, 2},        // 11
        {"Chorus 4", 0x40, 65, 8, 2},        // 12
        {"Celeste 1", 0x40, 66, 0, 2},       // 13
        {"Celeste 2", 0x40, 66, 1, 2},       // 14
        {"Celeste 3", 0x40, 66, 2, 2},       // 15
        {"Celeste 4", 0x40, 66, 8, 2},       // 16
        {"Flanger 1", 0x40, 67, 0, 3},       // 17
        {"Flanger 2", 0x40, 67, 1, 3},       // 18
        {"Flanger 3", 0x40, 67, 8, 3},       // 19
        {"Delay LCR", 0x40, 5, 0, 4},        // 20
        {"Delay LR", 0x40, 6, 0, 5},         // 21
        {"Echo", 0x40, 7, 0, 6},             // 22
        {"CrossDelay", 0x40, 8, 0, 7},       // 23
        {"Early Reflect 1", 0x40, 9, 0, 8},  // 24
        {"Early Reflect 2", 0x40, 9, 1, 8},  // 25
        {"Gate Reverb", 0x40, 10, 0, 9},     // 26
        {"Reverse Gate", 0x40, 11, 0, 9},    // 27
        {"Karaoke 1", 0x40, 20, 0, 10},      // 28
        {"Karaoke 2", 0x40, 20, 1, 10},      // 29
        {"Karaoke 3", 0x40, 20, 2, 10},      // 30
        {"Symphonic", 0x40, 68, 0, 11},      // 31
        {"Rotary Spkr", 0x40, 69, 0, 12},    // 32
        {"Tremolo", 0x40, 70, 0, 13},        // 33
        {"Auto Pan", 0x40, 71, 0, 14},       // 34
        {"Phaser 1", 0x40, 72, 0, 15},       // 35
        {"Phaser 2", 0x40, 72, 8, 16},       // 36
        {"Distortion", 0x40, 73, 0, 17},     // 37
        {"Overdrive", 0x40, 74, 0, 17},      // 38
        {"Amp Simulator", 0x40, 75, 0, 18},  // 39
        {"3 Band EQ", 0x40, 76, 0, 19},      // 40
        {"2 Band EQ", 0x40, 77, 0, 20},      // 41
        {"Auto Wah", 0x40, 78, 0, 21},       // 42
        {"Pitch Change", 0x40, 80, 0, 22},   // 43
        {"Vox Cancel", 0x40, 85, 0, 23},     // 44
        {"Through", 0x40, 64, 0, 0},         // 45
    });
static_assert(NamesFitRecord(kVariationTypes));

extern constexpr std::array<VariationRow, kVariationTypeCount> kVariationDefaultRows =
    std::to_array<VariationRow>({
        // 0 None
        VarRow(kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa),
        // 1 Hall 1
        VarRow(18, 10, 8, 13, 49, kNa, kNa, kNa, kNa, 40, 0, 3, 52, kNa, 64, kNa),
        // 2 Hall 2
        VarRow(25, 10, 28, 6, 46, kNa, kNa, kNa, kNa, 40, 13, 3, 74, kNa, 64, kNa),
        // 3 Room 1
        VarRow(5, 10, 16, 4, 49, kNa, kNa, kNa, kNa, 40, 5, 3, 64, kNa, 64, kNa),
        // 4 Room 2
        VarRow(12, 10, 5, 4, 38, kNa, kNa, kNa, kNa, 40, 0, 3, 50, kNa, 64, kNa),
        // 5 Room 3
        VarRow(9, 10, 47, 5, 36, kNa, kNa, kNa, kNa, 40, 0, 3, 60, kNa, 64, kNa),
        // 6 Stage 1
        VarRow(19, 10, 16, 7, 54, kNa, kNa, kNa, kNa, 40, 0, 3, 64, kNa, 64, kNa),
        // 7 Stage 2
        VarRow(11, 10, 16, 7, 51, kNa, kNa, kNa, kNa, 40, 2, 2, 64, kNa, 64, kNa),
        // 8 Plate
        VarRow(25, 10, 6, 8, 49, kNa, kNa, kNa, kNa, 40, 3, 3, 64, kNa, 64, kNa),
        // 9 Chorus 1
        VarRow(6, 54, 77, 106, kNa, 28, 64, 46, 64, 64, kNa, kNa, kNa, kNa, 0, kNa),
        // 10 Chorus 2
        VarRow(8, 63, 64, 30, kNa, 28, 62, 42, 58, 64, kNa, kNa, kNa, kNa, 0, kNa),
        // 11 Chorus 3
        VarRow(4, 44, 64, 110, kNa, 28, 64, 46, 66, 64, kNa, kNa, kNa, kNa, 0, kNa),
        // 12 Chorus 4
        VarRow(9, 32, 69, 104, kNa, 28, 64, 46, 64, 64, kNa, kNa, kNa, kNa, 1, kNa),
        // 13 Celeste 1
        VarRow(12, 32, 64, 0, kNa, 28, 64, 46, 64, 127, kNa, kNa, kNa, kNa, 0, kNa),
        // 14 Celeste 2
        VarRow(28, 18, 90, 2, kNa, 28, 62, 42, 60, 84, kNa, kNa, kNa, kNa, 0, kNa),
        // 15 Celeste 3
        VarRow(4, 63, 44, 2, kNa, 28, 64, 46, 68, 127, kNa, kNa, kNa, kNa, 0, kNa),
        // 16 Celeste 4
        VarRow(8, 29, 64, 0, kNa, 28, 64, 51, 66, 127, kNa, kNa, kNa, kNa, 1, kNa),
        // 17 Flanger 1
        VarRow(14, 14, 104, 2, kNa, 28, 64, 46, 64, 96, kNa, kNa, kNa, 4, kNa, kNa),
        // 18 Flanger 2
        VarRow(32, 17, 26, 2, kNa, 28, 64, 46, 60, 96, kNa, kNa, kNa, 4, kNa, kNa),
        // 19 Flanger 3
        VarRow(4, 109, 109, 2, kNa, 28, 64, 46, 64, 127, kNa, kNa, kNa, 4, kNa, kNa),
        // 20 Delay LCR
        VarRow(3330, 1670, 5000, 5000, 74, 100, 10, kNa, kNa, 32, kNa, kNa, 28, 64, 46, 64),
        // 21 Delay LR
        VarRow(2500, 3750, 3750, 3750, 87, 10, kNa, kNa, kNa, 32, kNa, kNa, 28, 64, 46, 64),
        // 22 Echo
        VarRow(1700, 80, 1780, 80, 10, 1700, 1780, 0, kNa, 40, kNa, kNa, 28, 64, 46, 64),
        // 23 CrossDelay
        VarRow(1700, 1750, 111, 1, 10, kNa, kNa, kNa, kNa, 32, kNa, kNa, 28, 64, 46, 64),
        // 24 Early Reflect 1
        VarRow(0, 19, 5, 16, 64, 0, 46, kNa, kNa, 32, 5, 0, 10, kNa, kNa, kNa),
        // 25 Early Reflect 2
        VarRow(2, 7, 10, 16, 64, 0, 46, kNa, kNa, 32, 5, 2, 10, kNa, kNa, kNa),
        // 26 Gate Reverb
        VarRow(0, 15, 6, 2, 64, 0, 44, kNa, kNa, 32, 4, 3, 10, kNa, kNa, kNa),
        // 27 Reverse Gate
        VarRow(1, 19, 8, 3, 64, 0, 47, kNa, kNa, 32, 6, 3, 10, kNa, kNa, kNa),
        // 28 Karaoke 1
        VarRow(63, 97, 0, 48, kNa, kNa, kNa, kNa, kNa, 64, kNa, kNa, kNa, kNa, kNa, kNa),
        // 29 Karaoke 2
        VarRow(55, 105, 0, 50, kNa, kNa, kNa, kNa, kNa, 64, kNa, kNa, kNa, kNa, kNa, kNa),
        // 30 Karaoke 3
        VarRow(43, 110, 14, 53, kNa, kNa, kNa, kNa, kNa, 64, kNa, kNa, kNa, kNa, kNa, kNa),
        // 31 Symphonic
        VarRow(12, 25, 16, kNa, kNa, 28, 64, 46, 64, 64, kNa, kNa, kNa, kNa, kNa, kNa),
        // 32 Rotary Spkr
        VarRow(81, 35, kNa, kNa, kNa, 24, 60, 45, 54, 127, kNa, kNa, kNa, kNa, kNa, kNa),
        // 33 Tremolo
        VarRow(83, 56, 0, kNa, kNa, 28, 64, 46, 64, kNa, kNa, kNa, kNa, 64, 0, kNa),
        // 34 Auto Pan
        VarRow(76, 80, 32, 5, kNa, 28, 64, 46, 64, kNa, kNa, kNa, kNa, kNa, kNa, kNa),
        // 35 Phaser 1
        VarRow(8, 111, 74, 104, kNa, 28, 64, 46, 64, 64, 6, 1, 64, kNa, kNa, kNa),
        // 36 Phaser 2
        VarRow(8, 111, 74, 108, kNa, 28, 64, 46, 64, 64, 5, 1, 4, kNa, kNa, kNa),
        // 37 Distortion
        VarRow(40, 20, 72, 53, 48, kNa, 43, 74, 10, 127, 120, kNa, kNa, kNa, kNa, kNa),
        // 38 Overdrive
        VarRow(29, 24, 68, 45, 55, kNa, 41, 72, 10, 127, 104, kNa, kNa, kNa, kNa, kNa),
        // 39 Amp Simulator
        VarRow(39, 1, 48, 55, kNa, kNa, kNa, kNa, kNa, 127, 112, kNa, kNa, kNa, kNa, kNa),
        // 40 3 Band EQ
        VarRow(70, 34, 60, 10, 70, 28, 46, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa),
        // 41 2 Band EQ
        VarRow(28, 70, 46, 70, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa),
        // 42 Auto Wah
        VarRow(70, 56, 39, 25, kNa, 28, 66, 46, 64, 127, kNa, kNa, kNa, kNa, kNa, kNa),
        // 43 Pitch Change
        VarRow(64, 8, 64, kNa, kNa, 28, 66, 46, 64, 64, kNa, kNa, kNa, kNa, kNa, kNa),
        // 44 Vox Cancel
        VarRow(kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, 13, 13, kNa, kNa, kNa, kNa),
        // 45 Through
        VarRow(kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa, kNa),
    });

// The words of the parameters that pick one of a few settings, as the XG
// effect parameter list names them.
constexpr std::array<std::string_view, 2> kMonoStereo = {"Mono", "Stereo"};
constexpr std::array<std::string_view, 3> kInputSelect = {"L", "R", "L&R"};
constexpr std::array<std::string_view, 6> kEarlyReflectionTypes = {"S-H",    "L-H",   "Random",
                                                                   "Revers", "Plate", "Spring"};
constexpr std::array<std::string_view, 6> kPanDirections = {"L<->R",  "L->R",   "L<-R",
                                                            "L turn", "R turn", "L/R"};
constexpr std::array<std::string_view, 4> kAmpTypes = {"Off", "Stack", "Combo", "Tube"};
constexpr std::array<std::string_view, 2> kGateTypes = {"Type A", "Type B"};

// Label, minimum, maximum and the unit (or the words) it reads in: reverb
// and delay times, filter and EQ frequencies, LFO frequencies, room sizes and
// modulation delays by the XG Effect Data Assign Tables #4, #5, #3, #1, #6,
// #2 and #7; the trailing comment is the descriptor number.
extern constexpr std::array<ParamDescriptor, kParamDescriptorCount> kParamDescriptors =
    std::to_array<ParamDescriptor>({
        {"", 0, 0},                                           // 0
        {"Rev_Time", 0, 69, Unit::ReverbTime},                // 1
        {"Diffusion", 0, 10},                                 // 2
        {"InitDelay", 0, 63, Unit::DelayTime200},             // 3
        {"HPFCutoff", 0, 52, Unit::EqFrequency},              // 4
        {"LPFCutoff", 34, 60, Unit::EqFrequency},             // 5
        {"Dry-Wet", 1, 127, Unit::DryWet},                    // 6
        {"Rev_Delay", 0, 63, Unit::DelayTime200},             // 7
        {"Density", 0, 3},                                    // 8
        {"Balance", 1, 127, Unit::ErRevBalance},              // 9
        {"Feedback", 1, 127, Unit::CentredSigned},            // 10
        {"LFO_Freq", 0, 127, Unit::LfoFrequency},             // 11
        {"LFO_Depth", 0, 127},                                // 12
        {"DelayOffset", 0, 127, Unit::ModulationDelay},       // 13
        {"EQLoFreq", 8, 40, Unit::EqFrequency},               // 14
        {"EQLoGain", 52, 76, Unit::CentredDecibels},          // 15
        {"EQHiFreq", 28, 58, Unit::EqFrequency},              // 16
        {"EQHiGain", 52, 76, Unit::CentredDecibels},          // 17
        {"LFOPhase", 4, 124, Unit::PhaseDifference},          // 18
        {"Stereo", 0, 1, Unit::Number, kMonoStereo},          // 19
        {"LChnDelay", 1, 7150, Unit::TenthMilliseconds},      // 20
        {"RChnDelay", 1, 7150, Unit::TenthMilliseconds},      // 21
        {"CChnDelay", 1, 7150, Unit::TenthMilliseconds},      // 22
        {"Fback Del", 1, 7150, Unit::TenthMilliseconds},      // 23
        {"CCh_Level", 0, 127},                                // 24
        {"Hi Damp", 1, 10, Unit::Tenths},                     // 25
        {"Fback_1", 1, 7150, Unit::TenthMilliseconds},        // 26
        {"Fback_2", 1, 7150, Unit::TenthMilliseconds},        // 27
        {"LChDel_2", 1, 3550, Unit::TenthMilliseconds},       // 28
        {"RChDel_2", 1, 3550, Unit::TenthMilliseconds},       // 29
        {"Del_2Level", 0, 127},                               // 30
        {"L->R Delay", 1, 3550, Unit::TenthMilliseconds},     // 31
        {"R->L Delay", 1, 3550, Unit::TenthMilliseconds},     // 32
        {"Input", 0, 2, Unit::Number, kInputSelect},          // 33
        {"Type", 0, 5, Unit::Number, kEarlyReflectionTypes},  // 34
        {"RoomSize", 0, 44, Unit::RoomSize},                  // 35
        {"Liveness", 0, 10},                                  // 36
        {"AM Depth", 0, 127},                                 // 37
        {"PM Depth", 0, 127},                                 // 38
        {"L-R Depth", 0, 127},                                // 39
        {"F-R Depth", 0, 127},                                // 40
        {"Pan Dir", 0, 5, Unit::Number, kPanDirections},      // 41
        {"PhaseShift", 0, 127},                               // 42
        {"Drive", 0, 127},                                    // 43
        {"Out Level", 0, 127},                                // 44
        {"EQMidFreq", 28, 54, Unit::EqFrequency},             // 45
        {"EQMidGain", 52, 76, Unit::CentredDecibels},         // 46
        {"EQMidWid", 10, 120, Unit::Tenths},                  // 47
        {"CutoffFreq", 0, 127},                               // 48
        {"Resonance", 10, 120, Unit::Tenths},                 // 49
        {"Amp Type", 0, 3, Unit::Number, kAmpTypes},          // 50
        {"LChDel_1", 1, 3550, Unit::TenthMilliseconds},       // 51
        {"RChDel_1", 1, 3550, Unit::TenthMilliseconds},       // 52
        {"Gate Type", 0, 1, Unit::Number, kGateTypes},        // 53
        {"Delay Time", 0, 127, Unit::DelayTime400},           // 54
        {"Stage_1", 6, 10},                                   // 55
        {"Stage_2", 3, 5},                                    // 56
        {"__Edge__", 0, 127},                                 // 57
        {"Lo_Adjust", 0, 26},                                 // 58
        {"Hi_Adjust", 0, 26},                                 // 59
        {"Pitch_+_-", 40, 88, Unit::CentredSemitones},        // 60
        {"Fine_+_-", 14, 114, Unit::CentredCents},            // 61
    });

// Descriptor numbers of Params 1..16; the trailing comment is the layout number.
extern constexpr std::array<ParamLayout, kParamLayoutCount> kParamLayouts =
    std::to_array<ParamLayout>({
        Layout(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0),              // 0
        Layout(1, 2, 3, 4, 5, 0, 0, 0, 0, 6, 7, 8, 9, 0, 10, 0),             // 1
        Layout(11, 12, 10, 13, 0, 14, 15, 16, 17, 6, 0, 0, 0, 0, 19, 0),     // 2
        Layout(11, 12, 10, 13, 0, 14, 15, 16, 17, 6, 0, 0, 0, 18, 0, 0),     // 3
        Layout(20, 21, 22, 23, 10, 24, 25, 0, 0, 6, 0, 0, 14, 15, 16, 17),   // 4
        Layout(20, 21, 26, 27, 10, 25, 0, 0, 0, 6, 0, 0, 14, 15, 16, 17),    // 5
        Layout(51, 10, 52, 10, 25, 28, 29, 30, 0, 6, 0, 0, 14, 15, 16, 17),  // 6
        Layout(31, 32, 10, 33, 25, 0, 0, 0, 0, 6, 0, 0, 14, 15, 16, 17),     // 7
        Layout(34, 35, 2, 3, 10, 4, 5, 0, 0, 6, 36, 8, 25, 0, 0, 0),         // 8
        Layout(53, 35, 2, 3, 10, 4, 5, 0, 0, 6, 36, 8, 25, 0, 0, 0),         // 9
        Layout(54, 10, 4, 5, 0, 0, 0, 0, 0, 6, 0, 0, 0, 0, 0, 0),            // 10
        Layout(11, 12, 13, 0, 0, 14, 15, 16, 17, 6, 0, 0, 0, 0, 0, 0),       // 11
        Layout(11, 12, 0, 0, 0, 14, 15, 16, 17, 6, 0, 0, 0, 0, 0, 0),        // 12
        Layout(11, 37, 38, 0, 0, 14, 15, 16, 17, 0, 0, 0, 0, 18, 19, 0),     // 13
        Layout(11, 39, 40, 41, 0, 14, 15, 16, 17, 0, 0, 0, 0, 0, 0, 0),      // 14
        Layout(11, 12, 42, 10, 0, 14, 15, 16, 17, 6, 55, 2, 18, 0, 0, 0),    // 15
        Layout(11, 12, 42, 10, 0, 14, 15, 16, 17, 6, 56, 2, 18, 0, 0, 0),    // 16
        Layout(43, 14, 15, 5, 44, 0, 45, 46, 47, 6, 57, 0, 0, 0, 0, 0),      // 17
        Layout(43, 50, 5, 44, 0, 0, 0, 0, 0, 6, 57, 0, 0, 0, 0, 0),          // 18
        Layout(15, 45, 46, 47, 17, 14, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0),       // 19
        Layout(14, 15, 16, 17, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0),          // 20
        Layout(11, 12, 48, 49, 0, 14, 15, 16, 17, 6, 0, 0, 0, 0, 0, 0),      // 21
        Layout(60, 3, 61, 0, 0, 14, 15, 16, 17, 6, 0, 0, 0, 0, 0, 0),        // 22
        Layout(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 58, 59, 0, 0, 0, 0),            // 23
    });

extern constexpr std::array<std::string_view, kAmpTypeCount> kAmpTypeLabels =
    std::to_array<std::string_view>({"Type_Off", "StackType", "ComboType", "TubeType"});

}  // namespace ravlo
