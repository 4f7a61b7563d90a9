#include "widgets/WholeTitle.h"

#include <QFontMetrics>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace ravlo {

namespace {

// The icon, minimise, maximise and close, each about a title bar square,
// and half of one as a margin at each end.
constexpr int kTitleBarSquares = 5;

}  // namespace

int WholeTitleWidth(const QWidget& window) {
  QFont font = window.font();
  font.setBold(true);
  const int caption = QFontMetrics(font).horizontalAdvance(window.windowTitle());
  const int square = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
  return caption + kTitleBarSquares * square;
}

void KeepTitleWhole(QWidget& window) {
  const QSize least = window.minimumSizeHint();
  window.setMinimumSize(std::max(least.width(), WholeTitleWidth(window)), least.height());
}

}  // namespace ravlo
