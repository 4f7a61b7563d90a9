#include "shell/ProcessingProgress.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>

#include "widgets/QtText.h"

namespace ravlo {

ProcessingProgress::ProcessingProgress()
    : QDialog(nullptr, Qt::Tool),
      caption_(new QLabel(QStringLiteral("Processing:"), this)),
      item_(new QLabel(QStringLiteral("---"), this)) {
  setWindowTitle(QStringLiteral("Processing Progress"));
  item_->setObjectName(QStringLiteral("Item"));
  item_->setMinimumWidth(160);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(caption_);
  layout->addWidget(item_, 1);
}

void ProcessingProgress::Show() {
  show();
  raise();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ProcessingProgress::SetItem(std::string_view item) {
  caption_->setText(QStringLiteral("Processing:"));
  item_->setText(ToQString(item));
  // Long actions run on this thread: let the new text paint.
  if (isVisible()) QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ProcessingProgress::Close() {
  hide();
}

QString ProcessingProgress::Item() const {
  return item_->text();
}

}  // namespace ravlo
