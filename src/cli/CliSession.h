#pragma once

#include <memory>
#include <string>
#include <vector>

#include "CliArguments.h"
#include "ConsolePrompts.h"
#include "PlatformMidi.h"
#include "files/SysexFile.h"
#include "intake/IntakeHost.h"
#include "intake/SysexIntake.h"
#include "midi/MidiInDevice.h"
#include "midi/MidiOutDevice.h"
#include "model/ModelEvents.h"
#include "model/XgModel.h"
#include "platform/Pauser.h"
#include "platform/ProgressLabel.h"
#include "platform/SettingsStore.h"

namespace ravlo {

// A model on one output port with everything a batch run needs around it:
// console prompts, resets done at once, files taken in as File Open does.
class CliSession final : public ModelEvents, public IntakeHost {
 public:
  struct Options {
    int unit = 0;
    bool adReset = false;
    bool storeUnrecognised = false;
    bool keepExtensions = false;
    int port = -1;               // -1: the built-in monitor port
    int inPort = -1;             // -1: the built-in monitor's input
    bool platformPorts = false;  // list the platform's ports (or only the monitor)
    bool paced = false;          // real pauses (a synthesizer is listening)
    unsigned messagePauseMs = SysexIntake::kMessagePauseMs;
    InstrumentModel instrument = InstrumentModel::Basic;
  };

  CliSession(const Options& options, std::ostream& messages);

  // False when the port cannot be opened.
  bool OpenPort();
  bool OpenInputPort();
  // The name of the open input port.
  std::string InputPortName();
  // Takes the files in, in order, a song as a song: one reset before the
  // first that brings something, none between them; the channel tables
  // follow the parts as each load ends. False (with the reason already on
  // standard error) when a file cannot be read or a song breaks the format.
  bool Load(const std::vector<CliLoad>& loads);

  XgModel& Model() { return model_; }
  const XgModel& Model() const { return model_; }
  SysexFile& File() { return file_; }
  MidiOutDevice& Device() { return device_; }
  MidiInDevice& Input() { return input_; }
  SysexIntake& Intake() { return intake_; }
  Pauser& Pauses() { return *pauser_; }
  ConsolePrompts& Prompts() { return prompts_; }

  // ModelEvents: with no windows, resets happen at once.
  void RaiseMark(RefreshMark, int) override {}
  void ResetRequested() override;
  void AllParametersReset() override;
  void DrumSetupWasReset(int) override {}
  // IntakeHost
  void AutoReset() override;

 private:
  class TransientSettings final : public SettingsStore {
   public:
    int ReadInt(std::string_view, int defaultValue) override { return defaultValue; }
    void WriteInt(std::string_view, int) override {}
    std::optional<std::string> ReadString(std::string_view) override { return std::nullopt; }
    void WriteString(std::string_view, std::string_view) override {}
  };

  void ResetModel();

  Options options_;
  std::ostream& messages_;
  ConsolePrompts prompts_;
  PlatformMidi midi_;
  std::unique_ptr<Pauser> pauser_;
  SilentProgress progress_;
  TransientSettings settings_;
  MidiOutDevice device_;
  MidiInDevice input_;
  XgModel model_;
  SysexIntake intake_;
  SysexFile file_;
  bool resetDone_ = false;
};

}  // namespace ravlo
