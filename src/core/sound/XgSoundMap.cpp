#include "sound/XgSoundMap.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "parameters/XgValueTables.h"

namespace ravlo {

namespace xg_sound {

namespace {
constexpr int kCentre = 0x40;
constexpr double kMaxByte = 127.0;
}  // namespace

double LevelGain(int stored) {
  const double share = std::clamp(stored, 0, 127) / kMaxByte;
  return share * share;
}

double PanPosition(int stored) {
  if (stored <= 0) return 0;
  return std::clamp((stored - kCentre) / 63.0, -1.0, 1.0);
}

double SendShare(int stored) {
  return std::clamp(stored, 0, 127) / kMaxByte;
}

double ReturnGain(int stored) {
  return std::clamp(stored, 0, 127) / static_cast<double>(kCentre);
}

// A semitone of cutoff a step: -64 closes an open filter to about 500 Hz.
double CutoffCents(int stored) {
  return (stored - kCentre) * 100.0;
}

// 0.3 dB of resonance a step.
double ResonanceCentibels(int stored) {
  return (stored - kCentre) * 3.0;
}

// A sixteenth of an octave of time a step: +63 makes a time about 15 times longer.
double EnvelopeTimecents(int stored) {
  return (stored - kCentre) * 75.0;
}

// Half a semitone of oscillator frequency a step.
double VibratoRateCents(int stored) {
  return (stored - kCentre) * 50.0;
}

// Two cents of pitch swing a step.
double VibratoDepthCents(int stored) {
  return (stored - kCentre) * 2.0;
}

double Centred(int stored) {
  return stored - kCentre;
}

double Switch(int stored) {
  return stored >= 1 ? 1.0 : 0.0;
}

double Byte(int stored) {
  return std::clamp(stored, 0, 127);
}

double MasterTuneCents(int shown) {
  return shown / 10.0;
}

double DetuneCents(int stored, int key) {
  constexpr int kDetuneCentre = 128;
  constexpr double kA3 = 69;
  const double hertz = 440.0 * std::pow(2.0, (key - kA3) / 12.0);
  const double shift = (stored - kDetuneCentre) / 10.0;
  return 1200.0 * std::log2(std::max(hertz + shift, 1.0) / hertz);
}

int SensedVelocity(int velocity, int depth, int offset) {
  const int sensed = velocity * depth / kCentre + (offset - kCentre);
  return std::clamp(sensed, 1, 127);
}

}  // namespace xg_sound

namespace {

using S = ChannelSetting;
using namespace xg_sound;

constexpr PartSoundRow Voice(std::uint8_t address) {
  return {address, PartSound::Voice};
}
constexpr PartSoundRow OnNote(std::uint8_t address) {
  return {address, PartSound::OnNote};
}
constexpr PartSoundRow Channel(std::uint8_t address, ChannelSetting setting,
                               double (*convert)(int)) {
  return {address, PartSound::Channel, setting, convert};
}

}  // namespace

// clang-format off
const std::array<PartSoundRow, kPartSoundRowCount> kPartSoundRows = {{
    Voice(0x01),                                    // bank MSB: 0 normal, 64 SFX, 126/127 drum kits
    Voice(0x02),                                    // bank LSB: the SoundFont bank of a normal voice
    Voice(0x03),                                    // program 0..127: the SoundFont program
    {0x04, PartSound::Routing},                     // receive channel 0..15, 127 off: whose messages it plays
    OnNote(0x05),                                   // mono/poly: in mono a new note ends the one before
    Voice(0x07),                                    // part mode: 0 normal; 1..3 drums, on a drum kit preset
    {0x08, PartSound::Tuning, S::CoarseTune, Centred},  // note shift -24..+24 semitones -> semitones, plus transpose
    OnNote(0x09),                                   // detune -12.8..+12.7 Hz -> cents at each note's own pitch
    Channel(0x0B, S::Volume, Byte),                 // volume 0..127 -> MIDI volume, 40 log10(v / 127) dB
    OnNote(0x0C),                                   // velocity sense depth: the slope, 64 as played
    OnNote(0x0D),                                   // velocity sense offset: 64 none
    Channel(0x0E, S::Position, PanPosition),        // pan L63..C..R63 -> -1..+1 in the mix; Random: a place per note
    OnNote(0x0F),                                   // note limit low: notes below are not played
    OnNote(0x10),                                   // note limit high: notes above are not played
    Channel(0x11, S::DryLevel, LevelGain),          // dry level 0..127 -> gain of the part's own sound, 40 log10 dB
    Channel(0x12, S::ChorusSend, SendShare),        // chorus send 0..127 -> share 0..1
    Channel(0x13, S::ReverbSend, SendShare),        // reverb send 0..127 -> share 0..1
    Channel(0x15, S::VibratoRate, VibratoRateCents),    // vibrato rate -64..+63 -> 50 cents of frequency a step
    Channel(0x16, S::VibratoDepth, VibratoDepthCents),  // vibrato depth -64..+63 -> 2 cents of swing a step
    Channel(0x17, S::VibratoDelay, EnvelopeTimecents),  // vibrato delay -64..+63 -> 75 timecents a step
    Channel(0x18, S::FilterCutoff, CutoffCents),        // cutoff -64..+63 -> 100 cents a step
    Channel(0x19, S::FilterResonance, ResonanceCentibels),  // resonance -64..+63 -> 3 centibels a step
    Channel(0x1A, S::Attack, EnvelopeTimecents),    // EG attack -64..+63 -> 75 timecents a step
    Channel(0x1B, S::Decay, EnvelopeTimecents),     // EG decay -64..+63 -> 75 timecents a step
    Channel(0x1C, S::Release, EnvelopeTimecents),   // EG release -64..+63 -> 75 timecents a step
    Channel(0x23, S::BendRange, Centred),           // pitch bend control -24..+24 semitones -> semitones
    OnNote(0x30),                                   // receive pitch bend
    OnNote(0x31),                                   // receive channel aftertouch
    OnNote(0x33),                                   // receive control change
    OnNote(0x34),                                   // receive poly aftertouch
    OnNote(0x35),                                   // receive note messages
    OnNote(0x3C),                                   // receive hold 1 (sustain)
    OnNote(0x3D),                                   // receive portamento
    OnNote(0x3E),                                   // receive sostenuto
    OnNote(0x3F),                                   // receive soft pedal
    OnNote(0x41), OnNote(0x42), OnNote(0x43),       // scale tuning C, C#, D: -64..+63 cents a note
    OnNote(0x44), OnNote(0x45), OnNote(0x46),       // D#, E, F
    OnNote(0x47), OnNote(0x48), OnNote(0x49),       // F#, G, G#
    OnNote(0x4A), OnNote(0x4B), OnNote(0x4C),       // A, A#, B
    Channel(0x67, S::Portamento, Switch),           // portamento off/on -> off/on
    Channel(0x68, S::PortamentoTime, Byte),         // portamento time 0..127 -> MIDI portamento time
    OnNote(0x6D),                                   // velocity limit low: softer notes are not played
    OnNote(0x6E),                                   // velocity limit high: harder notes are not played
}};

const std::array<EffectSoundRow, kReverbSoundRowCount> kReverbSoundRows = {{
    {static_cast<std::uint8_t>(ReverbSlot::Param1), GlobalSetting::ReverbTime,
     [](int v) { return kReverbTimeSeconds[static_cast<std::size_t>(std::clamp(v, 0, 69))]; }},
                                                    // reverb time 0..69 (XG data list, table #4) -> seconds
    {static_cast<std::uint8_t>(ReverbSlot::Param2), GlobalSetting::ReverbWidth,
     [](int v) { return std::clamp(v, 0, 10) / 10.0; }},
                                                    // diffusion 0..10, the spread of the reverb -> width 0..1
    {static_cast<std::uint8_t>(ReverbSlot::Param5), GlobalSetting::ReverbDamping,
     [](int v) {
       // LPF cutoff (table #3): 16 kHz and above leaves the highs, 1 kHz and below dulls them most.
       const double hertz = kEqFrequencyHz[static_cast<std::size_t>(std::clamp(v, 0, 60))];
       return std::clamp(std::log2(16000.0 / hertz) / 4.0, 0.0, 1.0);
     }},                                            // LPF cutoff 1..16 kHz -> damping 1..0
    {static_cast<std::uint8_t>(ReverbSlot::Return), GlobalSetting::ReverbReturn, ReturnGain},
                                                    // return 0..127 -> gain, 64 the engine's own level
    {static_cast<std::uint8_t>(ReverbSlot::Pan), GlobalSetting::ReverbPosition, PanPosition},
                                                    // pan L63..R63 -> -1..+1
}};

const std::array<EffectSoundRow, kChorusSoundRowCount> kChorusSoundRows = {{
    {static_cast<std::uint8_t>(ChorusSlot::Param1), GlobalSetting::ChorusRate,
     [](int v) { return kLfoFrequencyHz[static_cast<std::size_t>(std::clamp(v, 0, 127))]; }},
                                                    // LFO frequency 0..127 (table #1) -> hertz
    {static_cast<std::uint8_t>(ChorusSlot::Param2), GlobalSetting::ChorusDepth,
     [](int v) { return std::clamp(v, 0, 127) * 20.0 / 127.0; }},
                                                    // LFO depth 0..127 -> 0..20 ms of delay swing
    {static_cast<std::uint8_t>(ChorusSlot::Return), GlobalSetting::ChorusReturn, ReturnGain},
                                                    // return 0..127 -> gain, 64 the engine's own level
    {static_cast<std::uint8_t>(ChorusSlot::Pan), GlobalSetting::ChorusPosition, PanPosition},
                                                    // pan L63..R63 -> -1..+1
}};

// None; Chorus 1..4 three voices, Celeste 1..4 two (a detuned pair), Flanger 1..3 one.
const std::array<int, kChorusTypeCount> kChorusTypeVoices = {0, 3, 3, 3, 3, 2, 2, 2, 2, 1, 1, 1};
// clang-format on

const PartSoundRow* FindPartSoundRow(int address) {
  const auto found =
      std::find_if(kPartSoundRows.begin(), kPartSoundRows.end(),
                   [address](const PartSoundRow& row) { return row.address == address; });
  return found != kPartSoundRows.end() ? &*found : nullptr;
}

std::array<SoundPreset, kPresetChoiceCount> PresetChoices(const XgVoice& voice) {
  constexpr int kSfxKitBankMsb = 126;
  // The SFX kit where the SoundFont follows the common drum kit numbering.
  constexpr int kSfxKitProgram = 56;
  if (voice.drums) {
    const int kit = voice.bankMsb == kSfxKitBankMsb ? kSfxKitProgram : voice.program;
    return {{{SoundPreset::kDrumBank, kit}, {SoundPreset::kDrumBank, 0}, {0, 0}}};
  }
  const int bank = voice.bankMsb == 0 ? voice.bankLsb : voice.bankMsb;
  return {{{bank, voice.program}, {0, voice.program}, {0, 0}}};
}

std::optional<HeardPreset> ChoosePreset(const SoundEngine& engine, const XgVoice& voice) {
  const auto choices = PresetChoices(voice);
  for (std::size_t i = 0; i < choices.size(); ++i) {
    if (std::optional<std::string> name = engine.PresetName(choices[i])) {
      return HeardPreset{choices[i], std::move(*name), i > 0};
    }
  }
  return std::nullopt;
}

std::string HeardPresetText(const std::optional<HeardPreset>& heard) {
  if (!heard) return "Heard: nothing";
  char number[16];
  std::snprintf(number, sizeof number, "%03d:%03d ", heard->preset.bank, heard->preset.program);
  std::string text = "Heard: ";
  text += number;
  text += heard->name;
  if (heard->fallback) text += " (stands in)";
  return text;
}

const char* const kNotPlayedText =
    "The built-in sound plays the parts' voices from a General MIDI SoundFont. It does not "
    "play: the Variation block; the drum setups' per-note filter, envelope, sends and "
    "alternate groups (each note's level, pan and pitch are played); QS300 user voices (the "
    "same program of bank 0 stands in); the controllers' assignments (modulation, bend, "
    "aftertouch and AC1/AC2 beyond the pitch bend range), the pitch envelope and same-key "
    "mode; the chorus feedback and delay, and the chorus send to the reverb.";

}  // namespace ravlo
