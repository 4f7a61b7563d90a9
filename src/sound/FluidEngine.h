#pragma once

#include <array>
#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "sound/SoundEngine.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_voice_t;

namespace ravlo {

// The sound engine on FluidSynth. Each part renders into a stereo pair of
// its own, which it mixes itself: the pan law puts a part panned hard left
// on the left alone, a stereo preset's right half folded in, which the
// engine's own pan cannot do. Reverb and chorus are the engine's, fed by the
// channels' sends. Every call may come from any thread; one lock keeps the
// calls and the rendering apart.
class FluidEngine final : public SoundEngine {
 public:
  // The part channels and one more, on which the voice browsers play.
  static constexpr int kAuditionChannel = kPartChannels;
  static constexpr int kChannelCount = kPartChannels + 1;

  // Loads the SoundFont at `path`; none, with the reason in `error`, when it
  // cannot be loaded.
  static std::unique_ptr<FluidEngine> Create(const std::string& path, int sampleRate,
                                             std::string& error);
  ~FluidEngine() override;
  FluidEngine(const FluidEngine&) = delete;
  FluidEngine& operator=(const FluidEngine&) = delete;

  int SampleRate() const { return sampleRate_; }

  // SoundEngine
  std::optional<std::string> PresetName(SoundPreset preset) const override;
  void SelectPreset(int channel, SoundPreset preset, bool drums) override;
  void SetChannel(int channel, ChannelSetting setting, double value) override;
  void SetGlobal(GlobalSetting setting, double value) override;
  void NoteOn(int channel, int key, int velocity, const NoteShape& shape) override;
  void NoteOff(int channel, int key) override;
  void Controller(int channel, int controller, int value) override;
  void PitchBend(int channel, int value) override;
  void ChannelPressure(int channel, int value) override;
  void KeyPressure(int channel, int key, int value) override;
  void Render(std::span<float> left, std::span<float> right) override;

  // A short note of `preset` on the audition channel, ended after `seconds`
  // of sound.
  void Audition(SoundPreset preset, bool drums, int key, double seconds);
  // The loudest a channel's sound in the mix reached since the last call, 0..1.
  float TakePeak(int channel);

 private:
  // Where a stereo pair goes in the mix.
  struct Placement {
    double position = 0;
    double gain = 1;
    // left += mid * toLeft + side * width; right += mid * toRight - side * width
    float toLeft = 1;
    float toRight = 1;
    float width = 1;
  };

  FluidEngine(_fluid_hashtable_t* settings, _fluid_synth_t* synth, int soundFont, int sampleRate);
  static void Place(Placement& placement);
  void KeepSendsToGenerators(int channel);
  static bool IsChannel(int channel) { return channel >= 0 && channel < kChannelCount; }
  void ShapeVoices(int channel, int key, const NoteShape& shape);
  void RenderPiece(float* left, float* right, int frames);
  void MixPair(const float* left, const float* right, const Placement& placement, float* outLeft,
               float* outRight, int frames, std::atomic<float>* peak);

  _fluid_hashtable_t* settings_;
  _fluid_synth_t* synth_;
  int soundFont_;
  int sampleRate_;
  mutable std::mutex mutex_;
  std::array<Placement, kChannelCount> channels_{};
  std::array<bool, kChannelCount> bendTurned_{};
  Placement reverb_;
  Placement chorus_;
  double masterGain_ = 1;
  int auditionKey_ = -1;
  long auditionFramesLeft_ = 0;
  std::array<std::atomic<float>, kChannelCount> peaks_{};
  // The parts' pairs, then reverb and chorus, one piece long each.
  std::vector<std::vector<float>> buffers_;
  std::vector<_fluid_voice_t*> voices_;
};

}  // namespace ravlo
