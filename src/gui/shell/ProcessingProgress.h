#pragma once

#include <QDialog>

#include "platform/ProgressLabel.h"

class QLabel;
class QPushButton;

namespace ravlo {

// "Processing Progress": names the block or message being sent or read
// during long actions. It has no parent and is shown on demand. For an
// action that may stop half way it has a Cancel button, and while it shows
// that, it is the one window that takes input.
class ProcessingProgress final : public QDialog, public ProgressLabel {
  Q_OBJECT

 public:
  ProcessingProgress();

  void Show() override;
  void SetItem(std::string_view item) override;
  void Close() override;
  void ShowCancellable() override;
  bool CancelRequested() override;

  QString Item() const;
  QPushButton* CancelButton() const { return cancel_; }

 public slots:
  // Escape or the close box cancel what can be cancelled.
  void reject() override;

 private:
  QLabel* caption_;
  QLabel* item_;
  QPushButton* cancel_;
  bool cancelled_ = false;
};

}  // namespace ravlo
