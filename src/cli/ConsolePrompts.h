#pragma once

#include <iosfwd>

#include "platform/UserPrompts.h"

namespace ravlo {

// Prompts of a command-line run: messages go to standard error, questions get
// a fixed answer chosen by the command (nobody sits at the terminal).
class ConsolePrompts final : public UserPrompts {
 public:
  explicit ConsolePrompts(std::ostream& out, Answer answer = Answer::No)
      : out_(out), answer_(answer) {}

  void SetAnswer(Answer answer) { answer_ = answer; }

  void ShowMessage(std::string_view text, MessageIcon icon) override;
  Answer AskYesNo(std::string_view text) override;
  Answer AskYesNoCancel(std::string_view text) override;
  void Beep() override {}
  // Nobody can pick a file at a terminal: every dialog is cancelled.
  FileChoice ChooseFileToOpen(const FileDialogRequest&) override { return {}; }
  FileChoice ChooseFileToSave(const FileDialogRequest&) override { return {}; }

 private:
  std::ostream& out_;
  Answer answer_;
};

}  // namespace ravlo
