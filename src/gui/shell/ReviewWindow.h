#pragma once

#include <QString>

#include "shell/EditorDialog.h"

class QTextEdit;

namespace ravlo {

// "Review": what a save would write, as text, one line per message.
class ReviewWindow final : public EditorDialog {
  Q_OBJECT

 public:
  static constexpr int kTextLimit = 16777215;

  explicit ReviewWindow(EditorHost& host, QWidget* parent = nullptr);

  void SetText(const QString& text);
  void ClearText();
  QString Text() const;

 protected:
  void WindowStart() override {}

 private:
  QTextEdit* text_;
};

}  // namespace ravlo
