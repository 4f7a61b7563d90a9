#include "editors/PartRunLayouts.h"

namespace ravlo {

namespace {

using T = PartFieldTransform;

constexpr std::array kPartControlFields = {
    PartRunField{"Volume", "", "Volume", 0x0B, T::Raw, 0, 127, false},
    PartRunField{"Pan", "", "Pan", 0x0E, T::Raw, 0, 127, false},
    PartRunField{"Portamento", "", "", 0x67, T::Switch, 0, 1, true},
    PartRunField{"PortamentoTime", "", "Portamento Time", 0x68, T::Raw, 0, 127, true},
    PartRunField{"LowNote", "", "Low Note", 0x0F, T::Raw, 0, 127, false},
    PartRunField{"HiNote", "", "Hi Note", 0x10, T::Raw, 0, 127, false},
    PartRunField{"NoteShift", "", "Note Shift", 0x08, T::Centred, -24, 24, false},
    PartRunField{"Detune", "", "Detune", 0x09, T::Detune, -128, 127, false},
    PartRunField{"VelocityDepth", "", "Velocity Depth", 0x0C, T::Raw, 0, 127, false},
    PartRunField{"VelocityOffset", "", "Velocity Offset", 0x0D, T::Raw, 0, 127, false},
    PartRunField{"VelocityLimitLo", "", "Velocity Limit Lo", 0x6D, T::Raw, 1, 127, false},
    PartRunField{"VelocityLimitHi", "", "Velocity Limit Hi", 0x6E, T::Raw, 1, 127, false},
};
constexpr std::array kPartControlSpans = {
    PartRunSpan{0x08, 9, false},
    PartRunSpan{0x67, 2, true},
    PartRunSpan{0x6D, 2, false},
};

constexpr std::array kPartFxSendFields = {
    PartRunField{"DryWet", "", "Dry/Wet", 0x11, T::Raw, 0, 127, false},
    PartRunField{"Reverb", "", "Reverb", 0x13, T::Raw, 0, 127, false},
    PartRunField{"Chorus", "", "Chorus", 0x12, T::Raw, 0, 127, false},
    PartRunField{"Variation", "", "Variation", 0x14, T::Raw, 0, 127, false},
};
constexpr std::array kPartFxSendSpans = {PartRunSpan{0x11, 4, false}};

constexpr std::array kToneControlFields = {
    PartRunField{"Rate", "Vibrato", "Rate", 0x15, T::Centred, -64, 63, false},
    PartRunField{"Depth", "Vibrato", "Depth", 0x16, T::Centred, -64, 63, true},
    PartRunField{"Delay", "Vibrato", "Delay", 0x17, T::Centred, -64, 63, true},
    PartRunField{"CutoffFrq", "Filter", "Cutoff Frq", 0x18, T::Centred, -64, 63, false},
    PartRunField{"Resonance", "Filter", "Resonance", 0x19, T::Centred, -64, 63, false},
    PartRunField{"Attack", "Amplitude Envelope Generator", "Attack", 0x1A, T::Centred, -64, 63,
                 false},
    PartRunField{"Decay", "Amplitude Envelope Generator", "Decay", 0x1B, T::Centred, -64, 63,
                 false},
    PartRunField{"Release", "Amplitude Envelope Generator", "Release", 0x1C, T::Centred, -64, 63,
                 false},
};
constexpr std::array kToneControlSpans = {PartRunSpan{0x15, 8, false}};

constexpr std::array kControlFields = {
    PartRunField{"PitchControl", "Control Changes", "Pitch", 0, T::Centred, -24, 24, false},
    PartRunField{"FilterControl", "Control Changes", "Filter", 1, T::Centred, -64, 63, false},
    PartRunField{"AmplitudeControl", "Control Changes", "Amplitude", 2, T::Centred, -64, 63, false},
    PartRunField{"PitchLfo", "LFO Modulation Depth", "Pitch", 3, T::Raw, 0, 127, false},
    PartRunField{"FilterLfo", "LFO Modulation Depth", "Filter", 4, T::Raw, 0, 127, false},
    PartRunField{"AmplitudeLfo", "LFO Modulation Depth", "Amplitude", 5, T::Raw, 0, 127, false},
};
constexpr std::array kControlSpans = {PartRunSpan{0, 6, false}};

constexpr std::array kAssignableControllerFields = {
    PartRunField{"ControllerNumber", "", "Controller #", 0, T::Raw, 0, 95, false},
    PartRunField{"PitchControl", "Control Changes", "Pitch", 1, T::Centred, -24, 24, false},
    PartRunField{"FilterControl", "Control Changes", "Filter", 2, T::Centred, -64, 63, false},
    PartRunField{"AmplitudeControl", "Control Changes", "Amplitude", 3, T::Centred, -64, 63, false},
    PartRunField{"PitchLfo", "LFO Modulation Depth", "Pitch", 4, T::Raw, 0, 127, false},
    PartRunField{"FilterLfo", "LFO Modulation Depth", "Filter", 5, T::Raw, 0, 127, false},
    PartRunField{"AmplitudeLfo", "LFO Modulation Depth", "Amplitude", 6, T::Raw, 0, 127, false},
};
constexpr std::array kAssignableControllerSpans = {PartRunSpan{0, 7, false}};

// One field per note of the octave, from C.
constexpr std::array kScaleTuningFields = {
    PartRunField{"C", "", "C", 0x41, T::Centred, -64, 63, false},
    PartRunField{"CSharp", "", "C#", 0x42, T::Centred, -64, 63, false},
    PartRunField{"D", "", "D", 0x43, T::Centred, -64, 63, false},
    PartRunField{"DSharp", "", "D#", 0x44, T::Centred, -64, 63, false},
    PartRunField{"E", "", "E", 0x45, T::Centred, -64, 63, false},
    PartRunField{"F", "", "F", 0x46, T::Centred, -64, 63, false},
    PartRunField{"FSharp", "", "F#", 0x47, T::Centred, -64, 63, false},
    PartRunField{"G", "", "G", 0x48, T::Centred, -64, 63, false},
    PartRunField{"GSharp", "", "G#", 0x49, T::Centred, -64, 63, false},
    PartRunField{"A", "", "A", 0x4A, T::Centred, -64, 63, false},
    PartRunField{"ASharp", "", "A#", 0x4B, T::Centred, -64, 63, false},
    PartRunField{"B", "", "B", 0x4C, T::Centred, -64, 63, false},
};
constexpr std::array kScaleTuningSpans = {PartRunSpan{0x41, 12, false}};

constexpr std::array kPitchEnvelopeFields = {
    PartRunField{"InitLevel", "", "Init Level", 0x69, T::Centred, -64, 63, false},
    PartRunField{"Attack", "", "Attack", 0x6A, T::Centred, -64, 63, false},
    PartRunField{"ReleaseLevel", "", "R. Level", 0x6B, T::Centred, -64, 63, false},
    PartRunField{"ReleaseTime", "", "R. Time", 0x6C, T::Centred, -64, 63, false},
};
constexpr std::array kPitchEnvelopeSpans = {PartRunSpan{0x69, 4, false}};

constexpr std::array<PartRunLayout, kPartRunKindCount> kLayouts = {{
    {"Part Control", kPartControlFields, kPartControlSpans, false},
    {"Part FX Send", kPartFxSendFields, kPartFxSendSpans, false},
    {"Tone Control", kToneControlFields, kToneControlSpans, false},
    {"Control", kControlFields, kControlSpans, true},
    {"Assignable Controller", kAssignableControllerFields, kAssignableControllerSpans, true},
    {"Scale Tuning - +/- Cents", kScaleTuningFields, kScaleTuningSpans, false},
    {"Pitch Envelope", kPitchEnvelopeFields, kPitchEnvelopeSpans, false},
}};
static_assert(kLayouts.size() == kPartRunKindCount);

}  // namespace

const PartRunLayout& GetPartRunLayout(PartRunKind kind) {
  const auto index = static_cast<std::size_t>(kind);
  // An unknown kind falls back to the first layout rather than reading past the table.
  return kLayouts[index < kLayouts.size() ? index : 0];
}

}  // namespace ravlo
