#pragma once

#include <optional>
#include <span>
#include <string>

namespace ravlo {

// A preset of the SoundFont the engine plays: bank 0..128 (128 holds the
// drum kits) and program 0..127.
struct SoundPreset {
  static constexpr int kDrumBank = 128;

  int bank = 0;
  int program = 0;

  friend bool operator==(const SoundPreset&, const SoundPreset&) = default;
};

// What one engine channel is set to, each in the engine's own unit. The
// SoundFont units (cents, timecents, centibels) are offsets added to what
// the preset itself says.
enum class ChannelSetting {
  Volume,           // MIDI channel volume 0..127, on the engine's 40 log10(v / 127) dB curve
  Expression,       // MIDI expression 0..127, the same curve
  Modulation,       // modulation wheel 0..127
  Position,         // where the channel sits in the mix: -1 left .. 0 centre .. +1 right
  DryLevel,         // gain of the channel's own sound in the mix, 0..1
  ReverbSend,       // share of the sound sent to the reverb, 0..1
  ChorusSend,       // share sent to the chorus, 0..1
  CoarseTune,       // semitones
  FineTune,         // cents
  FilterCutoff,     // cents
  FilterResonance,  // centibels
  Attack,           // timecents of the volume envelope's attack
  Decay,            // timecents of its decay
  Release,          // timecents of its release
  VibratoRate,      // cents of the vibrato oscillator's frequency
  VibratoDepth,     // cents of pitch the vibrato reaches
  VibratoDelay,     // timecents before the vibrato starts
  BendRange,        // semitones of the pitch wheel's full travel; below 0 the wheel turns round
  Portamento,       // 0 off, 1 on
  PortamentoTime,   // MIDI portamento time 0..127
  kCount
};

// What the whole instrument is set to.
enum class GlobalSetting {
  MasterGain,      // gain of the whole mix, 0..1
  ReverbTime,      // seconds the reverb takes to fall by 60 dB
  ReverbDamping,   // how much faster the highs die away in the reverb, 0..1
  ReverbWidth,     // stereo spread of the reverb, 0..1
  ReverbReturn,    // gain of the reverb in the mix (1: the engine's own level)
  ReverbPosition,  // -1 .. +1, as ChannelSetting::Position
  ChorusVoices,    // how many delayed copies the chorus sums, 1..99
  ChorusRate,      // hertz of the chorus oscillator
  ChorusDepth,     // milliseconds the delay swings
  ChorusReturn,    // gain of the chorus in the mix (1: the engine's own level)
  ChorusPosition,  // -1 .. +1
  kCount
};

// What one note gets on top of its channel's settings: a drum note's own
// level, pan and pitch, a random pan, the part's scale tuning.
struct NoteShape {
  double pan = 0;          // added to the note's place, in halves of the stereo width: -2 .. +2
  double attenuation = 0;  // decibels, 0 or more
  double semitones = 0;
  double cents = 0;

  bool IsPlain() const { return pan == 0 && attenuation == 0 && semitones == 0 && cents == 0; }
};

// The sound engine the virtual synthesizer plays its parts on, as MIDI
// goes out through MidiBackend: one channel per multi part, SoundFont
// presets, and the mix. The core decides what XG values mean; the engine
// only applies settings in its own units. A setting or a note of a channel
// out of range is ignored.
class SoundEngine {
 public:
  static constexpr int kPartChannels = 16;

  virtual ~SoundEngine() = default;

  // The name the SoundFont gives the preset; none where it has no such preset.
  virtual std::optional<std::string> PresetName(SoundPreset preset) const = 0;
  // The channel plays the preset from its next note on; `drums`: as a drum kit.
  virtual void SelectPreset(int channel, SoundPreset preset, bool drums) = 0;
  virtual void SetChannel(int channel, ChannelSetting setting, double value) = 0;
  virtual void SetGlobal(GlobalSetting setting, double value) = 0;

  virtual void NoteOn(int channel, int key, int velocity, const NoteShape& shape) = 0;
  virtual void NoteOff(int channel, int key) = 0;
  // The performance controllers: sustain, sostenuto, soft pedal, portamento
  // control, all sound off, reset all controllers, all notes off.
  virtual void Controller(int channel, int controller, int value) = 0;
  // 0 .. 16383, 8192 the centre.
  virtual void PitchBend(int channel, int value) = 0;
  virtual void ChannelPressure(int channel, int value) = 0;
  virtual void KeyPressure(int channel, int key, int value) = 0;

  // The next frames of the mix, at the engine's sample rate; both spans the
  // same length.
  virtual void Render(std::span<float> left, std::span<float> right) = 0;
};

}  // namespace ravlo
