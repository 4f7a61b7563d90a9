#include "shell/ReviewWindow.h"

#include <QTextEdit>
#include <QTextOption>
#include <QVBoxLayout>
#include <array>

namespace ravlo {

namespace {

// Tab stops in twips (1440 to the inch), as the review's columns expect.
constexpr std::array<int, 10> kTabStopsTwips{1440, 2880, 4320, 4920, 5520,
                                             6120, 6720, 7320, 7920, 8520};

}  // namespace

ReviewWindow::ReviewWindow(EditorHost& host, QWidget* parent)
    : EditorDialog(host, EditorSlot::Review, QStringLiteral("Review"), parent),
      text_(new QTextEdit(this)) {
  text_->setObjectName(QStringLiteral("ReviewText"));
  text_->setReadOnly(true);
  text_->setLineWrapMode(QTextEdit::NoWrap);
  QTextOption option = text_->document()->defaultTextOption();
  QList<QTextOption::Tab> tabs;
  const double dpi = logicalDpiX();
  for (int twips : kTabStopsTwips)
    tabs.append(QTextOption::Tab(twips * dpi / 1440.0, QTextOption::LeftTab));
  option.setTabs(tabs);
  text_->document()->setDefaultTextOption(option);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text_);
  resize(640, 420);
}

void ReviewWindow::SetText(const QString& text) {
  text_->setPlainText(text.left(kTextLimit));
}

void ReviewWindow::ClearText() {
  text_->clear();
}

QString ReviewWindow::Text() const {
  return text_->toPlainText();
}

}  // namespace ravlo
