#pragma once

#include <memory>
#include <string>

struct _fluid_audio_driver_t;
struct _fluid_hashtable_t;

namespace ravlo {

class FluidEngine;

// How the sound leaves the computer.
struct AudioOptions {
  static constexpr int kDefaultRate = 44100;
  static constexpr int kDefaultPeriod = 512;

  std::string driver;  // "jack", "pulseaudio" (PipeWire's too) or "alsa"; "" the first that opens
  std::string device;  // the driver's device; "" its default
  int sampleRate = kDefaultRate;  // under JACK the server's own
  int periodFrames = kDefaultPeriod;
};

// The engine's sound going out live through an audio driver: a JACK client
// "ravlo-synth" with ports "left" and "right" joined to the system's
// playback ports while a JACK server runs, otherwise PulseAudio, otherwise
// ALSA. The driver calls the engine from its own thread.
class AudioOutput {
 public:
  static constexpr const char* kJackClientName = "ravlo-synth";
  static constexpr const char* kDrivers[] = {"jack", "pulseaudio", "alsa"};

  // The rate the output runs at: a running JACK server's, else the one asked
  // for. The engine is made for it before the output opens.
  static int RateFor(const AudioOptions& options);
  // The output of the first driver that opens; none when none does (no
  // audio device: a server, a build machine).
  static std::unique_ptr<AudioOutput> Open(FluidEngine& engine, const AudioOptions& options);
  ~AudioOutput();
  AudioOutput(const AudioOutput&) = delete;
  AudioOutput& operator=(const AudioOutput&) = delete;

  const std::string& Driver() const { return driver_; }

 private:
  AudioOutput(_fluid_hashtable_t* settings, _fluid_audio_driver_t* driver, std::string name);
  static std::unique_ptr<AudioOutput> TryDriver(FluidEngine& engine, const AudioOptions& options,
                                                const std::string& driver);

  _fluid_hashtable_t* settings_;
  _fluid_audio_driver_t* fluidDriver_;
  std::string driver_;
};

}  // namespace ravlo
