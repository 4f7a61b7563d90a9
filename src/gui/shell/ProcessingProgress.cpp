#include "shell/ProcessingProgress.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "widgets/QtText.h"

namespace ravlo {

ProcessingProgress::ProcessingProgress()
    : QDialog(nullptr, Qt::Tool),
      caption_(new QLabel(QStringLiteral("Processing:"), this)),
      item_(new QLabel(QStringLiteral("---"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
  setWindowTitle(QStringLiteral("Processing Progress"));
  item_->setObjectName(QStringLiteral("Item"));
  item_->setMinimumWidth(160);
  cancel_->setObjectName(QStringLiteral("Cancel"));
  cancel_->hide();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(caption_);
  layout->addWidget(item_, 1);
  layout->addWidget(cancel_);
  connect(cancel_, &QPushButton::clicked, this, [this] { cancelled_ = true; });
}

void ProcessingProgress::Show() {
  show();
  raise();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ProcessingProgress::ShowCancellable() {
  cancelled_ = false;
  cancel_->show();
  // Modal while shown, so that the Cancel click is the only input taken.
  setWindowModality(Qt::ApplicationModal);
  Show();
}

bool ProcessingProgress::CancelRequested() {
  if (cancel_->isVisible()) QApplication::processEvents();
  return cancelled_;
}

void ProcessingProgress::reject() {
  if (cancel_->isVisible()) {
    cancelled_ = true;
    return;
  }
  QDialog::reject();
}

void ProcessingProgress::SetItem(std::string_view item) {
  caption_->setText(QStringLiteral("Processing:"));
  item_->setText(ToQString(item));
  // Long actions run on this thread: let the new text paint.
  if (isVisible()) QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ProcessingProgress::Close() {
  hide();
  cancel_->hide();
  setWindowModality(Qt::NonModal);
}

QString ProcessingProgress::Item() const {
  return item_->text();
}

}  // namespace ravlo
