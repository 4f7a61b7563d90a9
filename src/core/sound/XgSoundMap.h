#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "effects/EffectTypeTables.h"
#include "sound/SoundEngine.h"

namespace ravlo {

// How the virtual synthesizer's XG values are heard on a SoundFont engine:
// one row per parameter, with the XG unit and the engine unit beside it.
// What has no row is not played (see `kNotPlayedText`).

// XG values in the engine's units. `stored` is the byte as the image keeps it.
namespace xg_sound {
// Levels (volume, dry level, master volume) follow 40 log10(v / 127) dB: a gain.
double LevelGain(int stored);
// Pan 1 .. 127 (L63 .. C .. R63) as -1 .. +1; 0 (Random) sits in the centre,
// each note then drawing its own place.
double PanPosition(int stored);
// A send 0 .. 127 as the share of the sound sent.
double SendShare(int stored);
// A return level: 64 is the engine's own level.
double ReturnGain(int stored);
// Offsets stored around 64: the value - 64 in steps of the engine unit.
double CutoffCents(int stored);
double ResonanceCentibels(int stored);
double EnvelopeTimecents(int stored);
double VibratoRateCents(int stored);
double VibratoDepthCents(int stored);
double Centred(int stored);
double Switch(int stored);
double Byte(int stored);
// The system block: master tune as shown (-1024..+1023 tenths of a cent) ->
// cents on every part; master volume 0..127 -> LevelGain of the whole mix;
// transpose -24..+24 semitones -> semitones on the normal parts, added to
// their note shift.
double MasterTuneCents(int shown);
// Part detune in tenths of a hertz (nibble pair as one byte, 128 the
// centre) as cents at the frequency of `key` (A3 = 69 = 440 Hz).
double DetuneCents(int stored, int key);
// Velocity through the part's sense depth (64: as played) and offset (64: none).
int SensedVelocity(int velocity, int depth, int offset);
}  // namespace xg_sound

// What a multi part parameter does to the sound.
enum class PartSound : std::uint8_t {
  Voice,    // chooses the preset (with the part mode)
  Routing,  // which channel's messages the part plays
  Channel,  // one engine channel setting, through `convert`
  Tuning,   // the channel's coarse tune, with the system block's transpose
  OnNote    // read as each message comes (limits, velocity, receive switches, tuning)
};

struct PartSoundRow {
  std::uint8_t address;
  PartSound sound;
  ChannelSetting setting = ChannelSetting::kCount;
  double (*convert)(int stored) = nullptr;
};

inline constexpr std::size_t kPartSoundRowCount = 51;
extern const std::array<PartSoundRow, kPartSoundRowCount> kPartSoundRows;
// The row of a part address; nullptr for a parameter that is not played.
const PartSoundRow* FindPartSoundRow(int address);

// A Reverb or Chorus slot and the global setting it becomes.
struct EffectSoundRow {
  std::uint8_t slot;
  GlobalSetting setting;
  double (*convert)(int stored);
};

inline constexpr std::size_t kReverbSoundRowCount = 5;
extern const std::array<EffectSoundRow, kReverbSoundRowCount> kReverbSoundRows;
inline constexpr std::size_t kChorusSoundRowCount = 4;
extern const std::array<EffectSoundRow, kChorusSoundRowCount> kChorusSoundRows;
// How many voices the engine's chorus sums for each chorus type; 0 for None.
extern const std::array<int, kChorusTypeCount> kChorusTypeVoices;

// The voice a part asks for, and the presets that stand for it in the
// order they are tried: the XG bank mode first (a normal voice's bank LSB
// as the SoundFont bank, a drum kit in bank 128), then the same program of
// bank 0 (for drums the standard kit), then the first piano.
struct XgVoice {
  int bankMsb = 0;
  int bankLsb = 0;
  int program = 0;  // 0..127
  bool drums = false;
};
inline constexpr std::size_t kPresetChoiceCount = 3;
std::array<SoundPreset, kPresetChoiceCount> PresetChoices(const XgVoice& voice);

// The preset that is heard, and whether it stands in for the one asked for.
struct HeardPreset {
  SoundPreset preset;
  std::string name;
  bool fallback = false;
};
// The first of the choices the engine holds; none when it holds none of them.
std::optional<HeardPreset> ChoosePreset(const SoundEngine& engine, const XgVoice& voice);
// "Heard: 000:004 E.Piano 1", and " (stands in)" for a fallback; for none "Heard: nothing".
std::string HeardPresetText(const std::optional<HeardPreset>& heard);

// What the engine does not play, for the help and the monitor.
extern const char* const kNotPlayedText;

}  // namespace ravlo
