#include "shell/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>
#include <array>

namespace ravlo {

namespace {

constexpr int kShowNormal = 1;
constexpr int kShowMinimized = 2;
constexpr int kShowMaximized = 3;

}  // namespace

QPoint WindowPlacement::PlaceEditor(EditorSlot slot, const QRect& m, const QSize& size,
                                    const QRect& available) {
  const int w = size.width();
  const int h = size.height();
  // M.right and M.bottom as the edges just outside the main bar.
  const int right = m.x() + m.width();
  const int bottom = m.y() + m.height();
  QPoint at;
  switch (slot) {
    case EditorSlot::Controllers:
      at = {m.x(), m.y() - h};
      break;
    case EditorSlot::SystemControl:
    case EditorSlot::UserVoice:
      at = {m.x() - w, m.y() - h};
      break;
    case EditorSlot::ChannelVoice:
    case EditorSlot::Review:
      at = {m.x() - w, m.y()};
      break;
    case EditorSlot::Reverb:
      at = {right - w, bottom};
      break;
    case EditorSlot::Chorus:
      at = {right - w, bottom + 20};
      break;
    case EditorSlot::Variation:
      at = {right - w, bottom + 40};
      break;
    case EditorSlot::Part:
      at = {right - w, bottom + 60};
      break;
    case EditorSlot::DrumSets:
      at = {right - w, bottom + 80};
      break;
    default:
      at = m.topLeft();
      break;
  }
  return ClampIntoArea(at, size, available);
}

QPoint WindowPlacement::ClampIntoArea(QPoint topLeft, const QSize& size, const QRect& area) {
  const int areaRight = area.x() + area.width();
  const int areaBottom = area.y() + area.height();
  if (topLeft.x() < area.x()) {
    topLeft.setX(area.x());
  } else if (topLeft.x() + size.width() > areaRight) {
    topLeft.setX(areaRight - size.width());
  }
  if (topLeft.y() < area.y()) {
    topLeft.setY(area.y());
  } else if (topLeft.y() + size.height() > areaBottom) {
    topLeft.setY(areaBottom - size.height());
  }
  return topLeft;
}

QString WindowPlacement::Format(const Saved& placement) {
  const QRect& r = placement.normal;
  return QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8,%9,%10")
      .arg(0u)
      .arg(static_cast<unsigned>(placement.showCommand))
      .arg(-1)
      .arg(-1)
      .arg(-1)
      .arg(-1)
      .arg(r.x())
      .arg(r.y())
      .arg(r.x() + r.width())
      .arg(r.y() + r.height());
}

std::optional<WindowPlacement::Saved> WindowPlacement::Parse(const QString& text) {
  const QStringList parts = text.split(',');
  if (parts.size() != 10) return std::nullopt;
  std::array<int, 10> numbers{};
  for (int i = 0; i < 10; ++i) {
    bool ok = false;
    numbers[static_cast<std::size_t>(i)] = parts[i].trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
  }
  Saved placement;
  placement.showCommand = numbers[1];
  placement.normal = QRect(QPoint(numbers[6], numbers[7]), QPoint(numbers[8] - 1, numbers[9] - 1));
  return placement;
}

WindowPlacement::Saved WindowPlacement::Read(const QWidget& window) {
  Saved placement;
  placement.showCommand = window.isMinimized()   ? kShowMinimized
                          : window.isMaximized() ? kShowMaximized
                                                 : kShowNormal;
  // The normal rectangle, grown by the frame the window has now: move() puts
  // the frame where Apply asks, so the frame is what is kept.
  const QRect inner = window.geometry();
  const QRect frame = window.frameGeometry();
  const QRect normal = window.normalGeometry().isValid() ? window.normalGeometry() : inner;
  placement.normal =
      normal.adjusted(frame.left() - inner.left(), frame.top() - inner.top(),
                      frame.right() - inner.right(), frame.bottom() - inner.bottom());
  return placement;
}

void WindowPlacement::Apply(QWidget& window, const Saved& placement) {
  const QRect& frame = placement.normal;
  if (frame.isValid()) {
    // Screens change between runs: the whole frame comes back into the
    // available area of the screen it was left on, or of the window's own.
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr) screen = window.screen();
    window.move(screen != nullptr
                    ? ClampIntoArea(frame.topLeft(), frame.size(), screen->availableGeometry())
                    : frame.topLeft());
  }
  if (placement.showCommand == kShowMaximized) window.setWindowState(Qt::WindowMaximized);
}

}  // namespace ravlo
