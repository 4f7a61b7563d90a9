#pragma once

#include <string>

namespace ravlo {

class SettingsStore;

// The built-in sound's options (Options > Sound), kept with the other
// settings: on or off (it plays while the output is "Ravlo Monitor"), the
// audio driver and device ("" for the first that opens and its default),
// the sample rate and buffer size in frames, and the SoundFont ("" for the
// system's General MIDI one).
struct SoundSettings {
  static constexpr int kMinBuffer = 64;
  static constexpr int kMaxBuffer = 8192;

  bool on = true;
  std::string driver;
  std::string device;
  int sampleRate = 44100;
  int bufferFrames = 512;
  std::string soundFont;

  static SoundSettings Read(SettingsStore& store);
  void Write(SettingsStore& store) const;
};

}  // namespace ravlo
