#include "shell/ReviewWindow.h"

#include <QFontMetricsF>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextOption>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <vector>

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
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text_);
  resize(640, 420);
}

void ReviewWindow::SetText(const QString& text) {
  const QString shown = text.left(kTextLimit);
  text_->setPlainText(shown);
  SetColumns(shown);
}

void ReviewWindow::SetColumns(const QString& text) {
  // The widest entry of each column that a tab ends.
  const QFontMetricsF metrics(text_->document()->defaultFont());
  std::vector<qreal> widest;
  for (const QStringView line : QStringView(text).split(u'\n')) {
    const QList<QStringView> cells = line.split(u'\t');
    if (widest.size() + 1 < static_cast<std::size_t>(cells.size())) widest.resize(cells.size() - 1);
    for (qsizetype column = 0; column + 1 < cells.size(); ++column) {
      const auto at = static_cast<std::size_t>(column);
      widest[at] = std::max(widest[at], metrics.horizontalAdvance(cells[column].toString()));
    }
  }
  const qreal gap = 2 * metrics.horizontalAdvance(QLatin1Char(' '));
  const double dpi = logicalDpiX();
  QList<QTextOption::Tab> tabs;
  qreal stop = 0;
  for (std::size_t column = 0; column < std::max(widest.size(), kTabStopsTwips.size()); ++column) {
    const qreal wanted = column < kTabStopsTwips.size() ? kTabStopsTwips[column] * dpi / 1440.0 : 0;
    const qreal needed = stop + (column < widest.size() ? widest[column] : 0) + gap;
    stop = std::max(wanted, needed);
    tabs.append(QTextOption::Tab(stop, QTextOption::LeftTab));
  }
  // Each paragraph carries them: the document's default options do not
  // reach paragraphs a plain text makes.
  QTextBlockFormat format;
  format.setTabPositions(tabs);
  QTextCursor everything(text_->document());
  everything.select(QTextCursor::Document);
  everything.mergeBlockFormat(format);
}

void ReviewWindow::ClearText() {
  text_->clear();
}

QString ReviewWindow::Text() const {
  return text_->toPlainText();
}

}  // namespace ravlo
