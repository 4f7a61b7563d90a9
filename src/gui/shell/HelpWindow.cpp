#include "shell/HelpWindow.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// The help page is compiled into the static library, where nothing refers to
// it: unless its resource file is asked for by name, the linker leaves it out.
// The declaration this expands to must not sit inside a namespace.
static void InitHelpResources() {
  Q_INIT_RESOURCE(ravlo);
}

namespace ravlo {

namespace {

const QUrl kHelpPage(QStringLiteral("qrc:/ravlo/help/ravlo-help.html"));

}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent, Qt::Window), browser_(new QTextBrowser(this)) {
  InitHelpResources();
  setWindowTitle(QStringLiteral("Ravlo Help"));
  browser_->setOpenLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(560, 480);
}

void HelpWindow::ShowContents() {
  anchor_.clear();
  browser_->setSource(kHelpPage);
  show();
  raise();
}

QString HelpWindow::TopicAnchor(unsigned topic) {
  return QStringLiteral("topic-%1").arg(topic);
}

void HelpWindow::ShowTopic(unsigned topic) {
  anchor_ = TopicAnchor(topic);
  browser_->setSource(kHelpPage);
  browser_->scrollToAnchor(anchor_);
  show();
  raise();
}

}  // namespace ravlo
