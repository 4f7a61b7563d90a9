#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "sound/SoundEngine.h"

namespace ravlo::test {

// A sound engine that keeps the last value of every setting and every note
// it was given, and holds the presets a test gives it: for the mapping's
// tests and fuzz target, which need no sound.
class RecordingSoundEngine final : public SoundEngine {
 public:
  struct Note {
    int channel;
    int key;
    int velocity;  // 0: a note-off
    NoteShape shape;
  };

  std::optional<std::string> PresetName(SoundPreset preset) const override {
    const auto found = presets.find({preset.bank, preset.program});
    if (found == presets.end()) return std::nullopt;
    return found->second;
  }
  void SelectPreset(int channel, SoundPreset preset, bool drums) override {
    selected[channel] = {preset, drums};
  }
  void SetChannel(int channel, ChannelSetting setting, double value) override {
    settings[{channel, setting}] = value;
  }
  void SetGlobal(GlobalSetting setting, double value) override { globals[setting] = value; }
  void NoteOn(int channel, int key, int velocity, const NoteShape& shape) override {
    notes.push_back({channel, key, velocity, shape});
  }
  void NoteOff(int channel, int key) override { notes.push_back({channel, key, 0, {}}); }
  void Controller(int, int, int) override {}
  void PitchBend(int channel, int value) override { bends.push_back({channel, value}); }
  void ChannelPressure(int, int) override {}
  void KeyPressure(int, int, int) override {}
  void Render(std::span<float> left, std::span<float> right) override {
    std::fill(left.begin(), left.end(), 0.0f);
    std::fill(right.begin(), right.end(), 0.0f);
  }

  double Setting(int channel, ChannelSetting setting) const {
    const auto found = settings.find({channel, setting});
    return found != settings.end() ? found->second : -99999;
  }

  std::map<std::pair<int, int>, std::string> presets;
  std::map<int, std::pair<SoundPreset, bool>> selected;
  std::map<std::pair<int, ChannelSetting>, double> settings;
  std::map<GlobalSetting, double> globals;
  std::vector<Note> notes;
  std::vector<std::pair<int, int>> bends;
};

}  // namespace ravlo::test
