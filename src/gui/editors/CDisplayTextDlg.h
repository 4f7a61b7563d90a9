#pragma once

#include "shell/EditorDialog.h"

class QLineEdit;

namespace ravlo {

class XgModel;

// The Display Text window (Extended model): the 32 letters the instrument
// shows, as one line of text. Leaving the line (or Enter in it) sends the
// text when it changed.
class CDisplayTextDlg final : public EditorDialog {
  Q_OBJECT

 public:
  CDisplayTextDlg(XgModel& model, EditorHost& host, QWidget* parent = nullptr);

  QLineEdit& TextField() { return *text_; }

 protected:
  void WindowStart() override;
  void ShowChange(const ModelChange& change) override;

 private:
  void SendText();

  XgModel& model_;
  QLineEdit* text_ = nullptr;
};

}  // namespace ravlo
