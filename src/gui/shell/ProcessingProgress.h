#pragma once

#include <QDialog>

#include "platform/ProgressLabel.h"

class QLabel;

namespace ravlo {

// "Processing Progress": names the block or message being sent or read
// during long actions. It has no parent and is shown on demand.
class ProcessingProgress final : public QDialog, public ProgressLabel {
  Q_OBJECT

 public:
  ProcessingProgress();

  void Show() override;
  void SetItem(std::string_view item) override;
  void Close() override;

  QString Item() const;

 private:
  QLabel* caption_;
  QLabel* item_;
};

}  // namespace ravlo
