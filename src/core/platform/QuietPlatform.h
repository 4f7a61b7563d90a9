#pragma once

#include <string_view>

#include "model/ModelEvents.h"
#include "platform/Pauser.h"
#include "platform/UserPrompts.h"

namespace ravlo {

// Stand-ins for a run with nobody at the screen and no synthesizer listening
// (benchmarks, fuzzing, batch work): questions are answered No, dialogs are
// cancelled, pauses take no time, and the model's events go nowhere.
class QuietPrompts final : public UserPrompts {
 public:
  void ShowMessage(std::string_view, MessageIcon) override {}
  Answer AskYesNo(std::string_view) override { return Answer::No; }
  Answer AskYesNoCancel(std::string_view) override { return Answer::No; }
  void Beep() override {}
  FileChoice ChooseFileToOpen(const FileDialogRequest&) override { return {}; }
  FileChoice ChooseFileToSave(const FileDialogRequest&) override { return {}; }
};

class NoPauser final : public Pauser {
 public:
  void Pause(unsigned) override {}
};

class IgnoredModelEvents final : public ModelEvents {
 public:
  void RaiseMark(RefreshMark, int) override {}
  void ResetRequested() override {}
  void AllParametersReset() override {}
  void DrumSetupWasReset(int) override {}
};

}  // namespace ravlo
