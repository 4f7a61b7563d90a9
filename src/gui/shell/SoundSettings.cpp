#include "shell/SoundSettings.h"

#include <algorithm>

#include "platform/SettingsStore.h"

namespace ravlo {

namespace {

constexpr const char* kSound = "Sound";
constexpr const char* kSoundDriver = "SoundDriver";
constexpr const char* kSoundDevice = "SoundDevice";
constexpr const char* kSoundRate = "SoundSampleRate";
constexpr const char* kSoundBuffer = "SoundBufferSize";
constexpr const char* kSoundFont = "SoundFont";
constexpr int kMinRate = 8000;
constexpr int kMaxRate = 192000;

}  // namespace

SoundSettings SoundSettings::Read(SettingsStore& store) {
  SoundSettings sound;
  sound.on = store.ReadInt(kSound, 1) >= 1;
  sound.driver = store.ReadString(kSoundDriver).value_or("");
  sound.device = store.ReadString(kSoundDevice).value_or("");
  sound.sampleRate = std::clamp(store.ReadInt(kSoundRate, sound.sampleRate), kMinRate, kMaxRate);
  sound.bufferFrames =
      std::clamp(store.ReadInt(kSoundBuffer, sound.bufferFrames), kMinBuffer, kMaxBuffer);
  sound.soundFont = store.ReadString(kSoundFont).value_or("");
  return sound;
}

void SoundSettings::Write(SettingsStore& store) const {
  store.WriteInt(kSound, on ? 1 : 0);
  store.WriteString(kSoundDriver, driver);
  store.WriteString(kSoundDevice, device);
  store.WriteInt(kSoundRate, sampleRate);
  store.WriteInt(kSoundBuffer, bufferFrames);
  store.WriteString(kSoundFont, soundFont);
}

}  // namespace ravlo
