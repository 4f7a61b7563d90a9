#pragma once

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "sendpass/SendChoices.h"
#include "shell/MainBar.h"
#include "support/FakeMidiBackend.h"
#include "support/FakeMidiInBackend.h"
#include "support/MemorySettings.h"
#include "support/RecordingPauser.h"
#include "support/RecordingPrompts.h"

namespace ravlo::test {

// The main bar over a fake port (with input ports beside it), prompts, settings in memory and
// pauses, by default scripted and counted; its Send and Devices dialogs answer from here.
template <typename Backend = FakeMidiBackend, typename Prompts = RecordingPrompts,
          typename Pauses = RecordingPauser>
struct BasicMainBarRig {
  template <typename... BackendArguments>
  explicit BasicMainBarRig(BackendArguments&&... arguments)
      : backend(std::forward<BackendArguments>(arguments)...) {
    settings.ints["MIDIOutPort"] = 0;
  }

  MainBar& Bar() {
    if (!bar) {
      bar = std::make_unique<MainBar>(
          ShellServices{backend, prompts, settings, pauser, nullptr, &inputs});
      bar->SetSendDialogRunner(
          [this](unsigned delay, bool savingMode) -> std::optional<SendChoices> {
            sendDialogs.push_back({delay, savingMode});
            if (!sendChoices) return std::nullopt;
            SendChoices choices = *sendChoices;
            choices.savingMode = savingMode;
            return choices;
          });
      bar->SetDevicesDialogRunner(
          [this](const std::vector<MidiPort>&, const std::vector<MidiPort>& inputPorts,
                 const DevicesDialog::Choice& current) -> std::optional<DevicesDialog::Choice> {
            inputsShown.push_back(inputPorts);
            if (!devicesChoice) return std::nullopt;
            DevicesDialog::Choice choice = *devicesChoice;
            if (choice.port == -2) choice.port = current.port;  // keep the port
            if (choice.inPort == -2) choice.inPort = current.inPort;
            return choice;
          });
    }
    return *bar;
  }

  void Start() {
    Bar().show();
    Bar().Start();
  }

  struct SendDialogCall {
    unsigned delay;
    bool savingMode;
  };

  Backend backend;
  // Input ports, none of them chosen unless a test stores one.
  FakeMidiInBackend inputs{{"Synth A In"}};
  Prompts prompts;
  MemorySettings settings;
  Pauses pauser;
  std::unique_ptr<MainBar> bar;
  std::optional<SendChoices> sendChoices = SendChoices{};
  std::optional<DevicesDialog::Choice> devicesChoice;
  std::vector<SendDialogCall> sendDialogs;
  std::vector<std::vector<MidiPort>> inputsShown;
};

// The usual rig: two output ports.
struct MainBarRig : BasicMainBarRig<> {
  MainBarRig() : BasicMainBarRig(std::vector<std::string>{"Synth A", "Synth B"}) {}
};

}  // namespace ravlo::test
