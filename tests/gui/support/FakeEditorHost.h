#pragma once

#include <functional>
#include <string>
#include <vector>

#include "shell/EditorHost.h"

namespace ravlo::test {

// Records what an editor asks of the main bar.
class FakeEditorHost final : public EditorHost {
 public:
  void MarkModified() override { ++modified; }
  void EditorClosed(EditorSlot slot) override { closed.push_back(slot); }
  void VoiceChosenForChannel(int msb, int lsb, int program) override {
    voicesForChannel.push_back({msb, lsb, program});
  }
  void ChannelVoiceSelected(int voiceIndex) override { channelVoices.push_back(voiceIndex); }
  void ChannelChosenInControllers(int channel, int modulation) override {
    controllerChannels.push_back({channel, modulation});
  }
  void ChannelChosenInPart(int channel) override { partChannels.push_back(channel); }
  void ModulationSet(int value) override { modulations.push_back(value); }
  MidiChannel ControllersChannel() const override { return controllersChannel; }
  // No history here: the edit runs, and its step's name is kept.
  bool RecordEdit(const std::string& name, const StepReplay&, const std::function<bool()>& edit,
                  StepJoin) override {
    steps.push_back(name);
    return edit();
  }

  struct VoiceForChannel {
    int msb, lsb, program;
  };
  struct ChannelAndModulation {
    int channel, modulation;
  };
  int modified = 0;
  MidiChannel controllersChannel = MidiChannel::FromIndex(0);
  std::vector<std::string> steps;
  std::vector<EditorSlot> closed;
  std::vector<VoiceForChannel> voicesForChannel;
  std::vector<int> channelVoices;
  std::vector<ChannelAndModulation> controllerChannels;
  std::vector<int> partChannels;
  std::vector<int> modulations;
};

}  // namespace ravlo::test
