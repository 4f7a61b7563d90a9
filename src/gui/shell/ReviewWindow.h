#pragma once

#include <QString>

#include "shell/EditorDialog.h"

class QTextEdit;

namespace ravlo {

// "Review": what a save would write, as text, one line per message, its
// columns lined up.
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
  // The tab stops the review's columns expect, each moved right as far as
  // the widest entry of the column before it needs: every column then starts
  // at the same place on every line.
  void SetColumns(const QString& text);

  QTextEdit* text_;
};

}  // namespace ravlo
