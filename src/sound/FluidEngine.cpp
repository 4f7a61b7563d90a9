#include "FluidEngine.h"

#include <algorithm>
#include <cmath>

#include "FluidLibrary.h"

namespace ravlo {

namespace {

// Frames rendered at once: small enough that a call between two pieces is
// heard soon after it came.
constexpr int kPieceFrames = 256;
constexpr int kReverbPair = 2 * FluidEngine::kChannelCount;
constexpr int kChorusPair = kReverbPair + 2;
constexpr int kBufferCount = kChorusPair + 2;
// The engine needs MIDI channels in sixteens.
constexpr int kMidiChannels = 32;
constexpr double kPanUnitsPerPlace = 500;
constexpr int kReverbDepth = 91;
constexpr int kChorusDepth = 93;
constexpr int kResetAllControllers = 121;

// The engine's reverb is set by room size, not by time: seconds to fall by
// 60 dB, measured at each room size with no damping, read back between them.
struct RoomTime {
  double seconds;
  double roomSize;
};
constexpr std::array<RoomTime, 9> kRoomTimes = {{{0.7, 0.0},
                                                 {1.0, 0.2},
                                                 {1.4, 0.4},
                                                 {2.0, 0.6},
                                                 {2.7, 0.7},
                                                 {3.8, 0.8},
                                                 {4.6, 0.85},
                                                 {5.7, 0.9},
                                                 {8.0, 0.95}}};

double RoomSizeFor(double seconds) {
  if (seconds <= kRoomTimes.front().seconds) return kRoomTimes.front().roomSize;
  for (std::size_t i = 1; i < kRoomTimes.size(); ++i) {
    const RoomTime& upper = kRoomTimes[i];
    if (seconds <= upper.seconds) {
      const RoomTime& lower = kRoomTimes[i - 1];
      const double share = (seconds - lower.seconds) / (upper.seconds - lower.seconds);
      return lower.roomSize + share * (upper.roomSize - lower.roomSize);
    }
  }
  return kRoomTimes.back().roomSize;
}

int Generator(ChannelSetting setting) {
  switch (setting) {
    case ChannelSetting::ReverbSend:
      return GEN_REVERBSEND;
    case ChannelSetting::ChorusSend:
      return GEN_CHORUSSEND;
    case ChannelSetting::CoarseTune:
      return GEN_COARSETUNE;
    case ChannelSetting::FineTune:
      return GEN_FINETUNE;
    case ChannelSetting::FilterCutoff:
      return GEN_FILTERFC;
    case ChannelSetting::FilterResonance:
      return GEN_FILTERQ;
    case ChannelSetting::Attack:
      return GEN_VOLENVATTACK;
    case ChannelSetting::Decay:
      return GEN_VOLENVDECAY;
    case ChannelSetting::Release:
      return GEN_VOLENVRELEASE;
    case ChannelSetting::VibratoRate:
      return GEN_VIBLFOFREQ;
    case ChannelSetting::VibratoDepth:
      return GEN_VIBLFOTOPITCH;
    case ChannelSetting::VibratoDelay:
      return GEN_VIBLFODELAY;
    default:
      return -1;
  }
}

// The MIDI controller that carries a setting.
int ControllerOf(ChannelSetting setting) {
  switch (setting) {
    case ChannelSetting::Volume:
      return 7;
    case ChannelSetting::Expression:
      return 11;
    case ChannelSetting::Modulation:
      return 1;
    case ChannelSetting::Portamento:
      return 65;
    case ChannelSetting::PortamentoTime:
      return 5;
    default:
      return -1;
  }
}

int MidiValue(double value) {
  return std::clamp(static_cast<int>(std::lround(value)), 0, 127);
}

}  // namespace

std::unique_ptr<FluidEngine> FluidEngine::Create(const std::string& path, int sampleRate,
                                                 std::string& error) {
  if (FluidLibrary::Open(error) == nullptr) return nullptr;
  // The engine's complaints would reach standard error unasked; the caller
  // reports what matters.
  Fluid().fluid_set_log_function(FLUID_ERR, nullptr, nullptr);
  Fluid().fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
  Fluid().fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
  fluid_settings_t* settings = Fluid().new_fluid_settings();
  if (settings == nullptr) {
    error = "the sound engine could not start";
    return nullptr;
  }
  Fluid().fluid_settings_setnum(settings, "synth.sample-rate", sampleRate);
  Fluid().fluid_settings_setint(settings, "synth.midi-channels", kMidiChannels);
  Fluid().fluid_settings_setint(settings, "synth.audio-channels", kChannelCount);
  Fluid().fluid_settings_setint(settings, "synth.audio-groups", kChannelCount);
  Fluid().fluid_settings_setint(settings, "synth.effects-groups", 1);
  fluid_synth_t* synth = Fluid().new_fluid_synth(settings);
  if (synth == nullptr) {
    Fluid().delete_fluid_settings(settings);
    error = "the sound engine could not start";
    return nullptr;
  }
  const int soundFont = Fluid().fluid_synth_sfload(synth, path.c_str(), 1);
  if (soundFont == FLUID_FAILED) {
    Fluid().delete_fluid_synth(synth);
    Fluid().delete_fluid_settings(settings);
    error = path + ": not a SoundFont that can be loaded";
    return nullptr;
  }
  return std::unique_ptr<FluidEngine>(new FluidEngine(settings, synth, soundFont, sampleRate));
}

FluidEngine::FluidEngine(fluid_settings_t* settings, fluid_synth_t* synth, int soundFont,
                         int sampleRate)
    : settings_(settings),
      synth_(synth),
      soundFont_(soundFont),
      sampleRate_(sampleRate),
      buffers_(kBufferCount, std::vector<float>(kPieceFrames)),
      voices_(static_cast<std::size_t>(Fluid().fluid_synth_get_polyphony(synth))) {
  for (int channel = 0; channel < kChannelCount; ++channel) {
    KeepSendsToGenerators(channel);
    Place(channels_[static_cast<std::size_t>(channel)]);
  }
  Place(reverb_);
  Place(chorus_);
}

FluidEngine::~FluidEngine() {
  Fluid().delete_fluid_synth(synth_);
  Fluid().delete_fluid_settings(settings_);
}

void FluidEngine::KeepSendsToGenerators(int channel) {
  // The sends are the channels' generators; the effect controllers, which
  // would add to them, stay at nothing.
  Fluid().fluid_synth_cc(synth_, channel, kReverbDepth, 0);
  Fluid().fluid_synth_cc(synth_, channel, kChorusDepth, 0);
}

void FluidEngine::Place(Placement& placement) {
  // Constant power for the middle of the pair, the side narrowing to nothing
  // at either end: the centre leaves the pair as it is, the ends put it all
  // on one side.
  const double position = std::clamp(placement.position, -1.0, 1.0);
  const double angle = (position + 1.0) * M_PI / 4.0;
  placement.toLeft = static_cast<float>(placement.gain * std::sqrt(2.0) * std::cos(angle));
  placement.toRight = static_cast<float>(placement.gain * std::sqrt(2.0) * std::sin(angle));
  placement.width = static_cast<float>(placement.gain * (1.0 - std::fabs(position)));
}

std::optional<std::string> FluidEngine::PresetName(SoundPreset preset) const {
  std::lock_guard lock(mutex_);
  fluid_sfont_t* font = Fluid().fluid_synth_get_sfont_by_id(synth_, soundFont_);
  fluid_preset_t* found =
      font != nullptr ? Fluid().fluid_sfont_get_preset(font, preset.bank, preset.program) : nullptr;
  if (found == nullptr) return std::nullopt;
  return std::string(Fluid().fluid_preset_get_name(found));
}

void FluidEngine::SelectPreset(int channel, SoundPreset preset, bool drums) {
  if (!IsChannel(channel)) return;
  std::lock_guard lock(mutex_);
  Fluid().fluid_synth_set_channel_type(synth_, channel,
                                       drums ? CHANNEL_TYPE_DRUM : CHANNEL_TYPE_MELODIC);
  Fluid().fluid_synth_program_select(synth_, channel, soundFont_, preset.bank, preset.program);
}

void FluidEngine::SetChannel(int channel, ChannelSetting setting, double value) {
  if (!IsChannel(channel)) return;
  std::lock_guard lock(mutex_);
  Placement& placement = channels_[static_cast<std::size_t>(channel)];
  switch (setting) {
    case ChannelSetting::Position:
      placement.position = value;
      Place(placement);
      return;
    case ChannelSetting::DryLevel:
      placement.gain = value;
      Place(placement);
      return;
    case ChannelSetting::ReverbSend:
    case ChannelSetting::ChorusSend:
      // Thousandths of the sound.
      Fluid().fluid_synth_set_gen(synth_, channel, Generator(setting),
                                  static_cast<float>(value * 1000));
      return;
    case ChannelSetting::BendRange:
      bendTurned_[static_cast<std::size_t>(channel)] = value < 0;
      Fluid().fluid_synth_pitch_wheel_sens(synth_, channel, MidiValue(std::fabs(value)));
      return;
    default:
      break;
  }
  if (const int controller = ControllerOf(setting); controller >= 0) {
    const double scaled = setting == ChannelSetting::Portamento ? value * 127 : value;
    Fluid().fluid_synth_cc(synth_, channel, controller, MidiValue(scaled));
  } else if (const int generator = Generator(setting); generator >= 0) {
    Fluid().fluid_synth_set_gen(synth_, channel, generator, static_cast<float>(value));
  }
}

void FluidEngine::SetGlobal(GlobalSetting setting, double value) {
  std::lock_guard lock(mutex_);
  switch (setting) {
    case GlobalSetting::MasterGain:
      masterGain_ = value;
      break;
    case GlobalSetting::ReverbTime:
      Fluid().fluid_synth_set_reverb_group_roomsize(synth_, -1, RoomSizeFor(value));
      break;
    case GlobalSetting::ReverbDamping:
      Fluid().fluid_synth_set_reverb_group_damp(synth_, -1, std::clamp(value, 0.0, 1.0));
      break;
    case GlobalSetting::ReverbWidth:
      Fluid().fluid_synth_set_reverb_group_width(synth_, -1, std::clamp(value, 0.0, 1.0));
      break;
    case GlobalSetting::ReverbReturn:
      reverb_.gain = value;
      Place(reverb_);
      break;
    case GlobalSetting::ReverbPosition:
      reverb_.position = value;
      Place(reverb_);
      break;
    case GlobalSetting::ChorusVoices:
      Fluid().fluid_synth_set_chorus_group_nr(synth_, -1,
                                              std::clamp(static_cast<int>(value), 1, 99));
      break;
    case GlobalSetting::ChorusRate:
      Fluid().fluid_synth_set_chorus_group_speed(synth_, -1, std::clamp(value, 0.1, 5.0));
      break;
    case GlobalSetting::ChorusDepth:
      Fluid().fluid_synth_set_chorus_group_depth(synth_, -1, std::clamp(value, 0.0, 256.0));
      break;
    case GlobalSetting::ChorusReturn:
      chorus_.gain = value;
      Place(chorus_);
      break;
    case GlobalSetting::ChorusPosition:
      chorus_.position = value;
      Place(chorus_);
      break;
    case GlobalSetting::kCount:
      break;
  }
}

void FluidEngine::NoteOn(int channel, int key, int velocity, const NoteShape& shape) {
  if (!IsChannel(channel)) return;
  std::lock_guard lock(mutex_);
  if (Fluid().fluid_synth_noteon(synth_, channel, key, velocity) != FLUID_OK) return;
  if (!shape.IsPlain()) ShapeVoices(channel, key, shape);
}

void FluidEngine::ShapeVoices(int channel, int key, const NoteShape& shape) {
  // The voices the note just started are the newest of its key; they sound
  // from the next piece on, by which time they are shaped.
  Fluid().fluid_synth_get_voicelist(synth_, voices_.data(), static_cast<int>(voices_.size()), -1);
  unsigned int newest = 0;
  for (fluid_voice_t* voice : voices_) {
    if (voice == nullptr) break;
    if (Fluid().fluid_voice_get_channel(voice) == channel &&
        Fluid().fluid_voice_get_key(voice) == key) {
      newest = std::max(newest, Fluid().fluid_voice_get_id(voice));
    }
  }
  for (fluid_voice_t* voice : voices_) {
    if (voice == nullptr) break;
    if (Fluid().fluid_voice_get_channel(voice) != channel ||
        Fluid().fluid_voice_get_key(voice) != key || Fluid().fluid_voice_get_id(voice) != newest) {
      continue;
    }
    const auto shift = [voice](int generator, double amount) {
      if (amount == 0) return;
      Fluid().fluid_voice_gen_incr(voice, generator, static_cast<float>(amount));
      Fluid().fluid_voice_update_param(voice, generator);
    };
    shift(GEN_PAN, shape.pan * kPanUnitsPerPlace);
    shift(GEN_ATTENUATION, shape.attenuation * 10);  // centibels
    shift(GEN_COARSETUNE, shape.semitones);
    shift(GEN_FINETUNE, shape.cents);
  }
}

void FluidEngine::NoteOff(int channel, int key) {
  if (!IsChannel(channel)) return;
  std::lock_guard lock(mutex_);
  Fluid().fluid_synth_noteoff(synth_, channel, key);
}

void FluidEngine::Controller(int channel, int controller, int value) {
  if (!IsChannel(channel)) return;
  std::lock_guard lock(mutex_);
  Fluid().fluid_synth_cc(synth_, channel, controller & 0x7F, value & 0x7F);
  if (controller == kResetAllControllers) KeepSendsToGenerators(channel);
}

void FluidEngine::PitchBend(int channel, int value) {
  if (!IsChannel(channel)) return;
  std::lock_guard lock(mutex_);
  const int bend = std::clamp(value, 0, 16383);
  Fluid().fluid_synth_pitch_bend(
      synth_, channel, bendTurned_[static_cast<std::size_t>(channel)] ? 16383 - bend : bend);
}

void FluidEngine::ChannelPressure(int channel, int value) {
  if (!IsChannel(channel)) return;
  std::lock_guard lock(mutex_);
  Fluid().fluid_synth_channel_pressure(synth_, channel, value & 0x7F);
}

void FluidEngine::KeyPressure(int channel, int key, int value) {
  if (!IsChannel(channel)) return;
  std::lock_guard lock(mutex_);
  Fluid().fluid_synth_key_pressure(synth_, channel, key & 0x7F, value & 0x7F);
}

void FluidEngine::Audition(SoundPreset preset, bool drums, int key, double seconds) {
  std::lock_guard lock(mutex_);
  if (auditionKey_ >= 0) Fluid().fluid_synth_noteoff(synth_, kAuditionChannel, auditionKey_);
  Fluid().fluid_synth_set_channel_type(synth_, kAuditionChannel,
                                       drums ? CHANNEL_TYPE_DRUM : CHANNEL_TYPE_MELODIC);
  Fluid().fluid_synth_program_select(synth_, kAuditionChannel, soundFont_, preset.bank,
                                     preset.program);
  Fluid().fluid_synth_noteon(synth_, kAuditionChannel, key, 100);
  auditionKey_ = key;
  auditionFramesLeft_ = std::lround(seconds * sampleRate_);
}

float FluidEngine::TakePeak(int channel) {
  if (!IsChannel(channel)) return 0;
  return peaks_[static_cast<std::size_t>(channel)].exchange(0);
}

void FluidEngine::Render(std::span<float> left, std::span<float> right) {
  const std::size_t frames = std::min(left.size(), right.size());
  std::lock_guard lock(mutex_);
  for (std::size_t done = 0; done < frames;) {
    const int piece = static_cast<int>(std::min<std::size_t>(kPieceFrames, frames - done));
    RenderPiece(left.data() + done, right.data() + done, piece);
    done += static_cast<std::size_t>(piece);
  }
}

void FluidEngine::RenderPiece(float* left, float* right, int frames) {
  if (auditionKey_ >= 0) {
    auditionFramesLeft_ -= frames;
    if (auditionFramesLeft_ <= 0) {
      Fluid().fluid_synth_noteoff(synth_, kAuditionChannel, auditionKey_);
      auditionKey_ = -1;
    }
  }
  std::array<float*, kBufferCount> pointers{};
  for (int i = 0; i < kBufferCount; ++i) {
    float* buffer = buffers_[static_cast<std::size_t>(i)].data();
    std::fill(buffer, buffer + frames, 0.0f);
    pointers[static_cast<std::size_t>(i)] = buffer;
  }
  Fluid().fluid_synth_process(synth_, frames, 4, pointers.data() + kReverbPair, kReverbPair,
                              pointers.data());
  std::fill(left, left + frames, 0.0f);
  std::fill(right, right + frames, 0.0f);
  for (int channel = 0; channel < kChannelCount; ++channel) {
    const auto pair = static_cast<std::size_t>(2 * channel);
    MixPair(pointers[pair], pointers[pair + 1], channels_[static_cast<std::size_t>(channel)], left,
            right, frames, &peaks_[static_cast<std::size_t>(channel)]);
  }
  MixPair(pointers[kReverbPair], pointers[kReverbPair + 1], reverb_, left, right, frames, nullptr);
  MixPair(pointers[kChorusPair], pointers[kChorusPair + 1], chorus_, left, right, frames, nullptr);
  const auto gain = static_cast<float>(masterGain_);
  for (int i = 0; i < frames; ++i) {
    left[i] *= gain;
    right[i] *= gain;
  }
}

void FluidEngine::MixPair(const float* left, const float* right, const Placement& placement,
                          float* outLeft, float* outRight, int frames, std::atomic<float>* peak) {
  float loudest = 0;
  for (int i = 0; i < frames; ++i)
    loudest = std::max({loudest, std::fabs(left[i]), std::fabs(right[i])});
  // A silent part, the usual case, costs no more than that look.
  if (loudest == 0) return;
  const float toLeft = placement.toLeft;
  const float toRight = placement.toRight;
  const float width = placement.width;
  for (int i = 0; i < frames; ++i) {
    const float mid = 0.5f * (left[i] + right[i]);
    const float side = 0.5f * (left[i] - right[i]);
    outLeft[i] += mid * toLeft + side * width;
    outRight[i] += mid * toRight - side * width;
  }
  if (peak != nullptr) {
    const float level = loudest * static_cast<float>(placement.gain * masterGain_);
    float previous = peak->load();
    while (level > previous && !peak->compare_exchange_weak(previous, level)) {
    }
  }
}

}  // namespace ravlo
