#pragma once

#include "platform/UserPrompts.h"

class QWidget;

namespace ravlo {

// Message boxes, questions and file dialogs with Qt, owned by a window.
class QtPrompts final : public UserPrompts {
 public:
  explicit QtPrompts(QWidget* owner = nullptr) : owner_(owner) {}
  void SetOwner(QWidget* owner) { owner_ = owner; }

  void ShowMessage(std::string_view text, MessageIcon icon) override;
  Answer AskYesNo(std::string_view text) override;
  Answer AskYesNoCancel(std::string_view text) override;
  void Beep() override;
  FileChoice ChooseFileToOpen(const FileDialogRequest& request) override;
  FileChoice ChooseFileToSave(const FileDialogRequest& request) override;

 private:
  QWidget* owner_;
};

}  // namespace ravlo
