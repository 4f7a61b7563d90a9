#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/UserPrompts.h"

namespace ravlo::test {

// Records every message and question, and answers questions from a script
// (No when the script has run out).
class RecordingPrompts final : public UserPrompts {
 public:
  void ShowMessage(std::string_view text, MessageIcon icon) override {
    messages.emplace_back(text);
    icons.push_back(icon);
  }
  Answer AskYesNo(std::string_view text) override { return Ask(text); }
  Answer AskYesNoCancel(std::string_view text) override { return Ask(text); }
  void Beep() override { ++beeps; }
  FileChoice ChooseFileToOpen(const FileDialogRequest& request) override { return Choose(request); }
  FileChoice ChooseFileToSave(const FileDialogRequest& request) override { return Choose(request); }

  std::vector<std::string> messages;
  std::vector<MessageIcon> icons;
  std::vector<std::string> questions;
  std::deque<Answer> answers;
  int beeps = 0;
  // File dialogs answer from here in turn (Cancelled when empty).
  std::deque<FileChoice> fileChoices;
  std::vector<FileDialogRequest> fileRequests;

 private:
  FileChoice Choose(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (fileChoices.empty()) return {};
    FileChoice choice = fileChoices.front();
    fileChoices.pop_front();
    return choice;
  }

  Answer Ask(std::string_view text) {
    questions.emplace_back(text);
    if (answers.empty()) return Answer::No;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace ravlo::test
