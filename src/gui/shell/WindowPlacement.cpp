#include "shell/WindowPlacement.h"

#include <QGuiApplication>
#include <QRegion>
#include <QScreen>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <array>

namespace ravlo {

namespace {

constexpr int kShowNormal = 1;
constexpr int kShowMinimized = 2;
constexpr int kShowMaximized = 3;

// Where the window table puts a window of `size` opened in `slot` beside the
// main bar's frame `m`.
QPoint TablePosition(EditorSlot slot, const QRect& m, const QSize& size) {
  const int w = size.width();
  const int h = size.height();
  // M.right and M.bottom as the edges just outside the main bar.
  const int right = m.x() + m.width();
  const int bottom = m.y() + m.height();
  switch (slot) {
    case EditorSlot::Controllers:
      return {m.x(), m.y() - h};
    case EditorSlot::SystemControl:
    case EditorSlot::UserVoice:
      return {m.x() - w, m.y() - h};
    case EditorSlot::ChannelVoice:
    case EditorSlot::Review:
      return {m.x() - w, m.y()};
    case EditorSlot::Reverb:
      return {right - w, bottom};
    case EditorSlot::Chorus:
      return {right - w, bottom + 20};
    case EditorSlot::Variation:
      return {right - w, bottom + 40};
    case EditorSlot::Part:
      return {right - w, bottom + 60};
    case EditorSlot::DrumSets:
      return {right - w, bottom + 80};
    case EditorSlot::Insertion:
      return {right - w, bottom + 100};
    case EditorSlot::MultiEq:
      return {right - w, bottom + 120};
    case EditorSlot::DisplayText:
      return {m.x(), m.y() - h};
    case EditorSlot::Mixer:
      return {m.x(), bottom};
    default:
      return m.topLeft();
  }
}

// The start of a window's title bar: its icon and the start of its caption,
// where a musician takes hold of it.
QRect Handle(const QRect& frame, int titleBar) {
  return {frame.topLeft(), QSize(std::min(frame.width(), 4 * titleBar), titleBar)};
}

qint64 Area(const QRegion& region) {
  qint64 area = 0;
  for (const QRect& rect : region) area += qint64{rect.width()} * rect.height();
  return area;
}

// Whether every open window whose handle is at least half in sight still
// has it so with `added` on top of them all.
bool HandlesStayInSight(const QRect& added, const WindowPlacement::Surroundings& around) {
  for (std::size_t i = 0; i < around.open.size(); ++i) {
    const QRegion handle = QRegion(Handle(around.open[i], around.titleBar)) & around.available;
    QRegion seen = handle;
    for (std::size_t above = i + 1; above < around.open.size(); ++above) {
      seen -= around.open[above];
    }
    const qint64 half = Area(handle) / 2;
    // One out of sight already is not the new window's doing.
    if (Area(seen) >= half && Area(seen - added) < half) return false;
  }
  return true;
}

// The top-left corners where a window of `size` touches an edge of the area
// or of one of `taken`: where a free place, if there is one, begins.
std::vector<QPoint> Corners(const QSize& size, const QRect& area, const std::vector<QRect>& taken) {
  std::vector<int> xs{area.x(), area.x() + area.width() - size.width()};
  std::vector<int> ys{area.y(), area.y() + area.height() - size.height()};
  for (const QRect& r : taken) {
    xs.insert(xs.end(), {r.x() + r.width(), r.x() - size.width()});
    ys.insert(ys.end(), {r.y() + r.height(), r.y() - size.height()});
  }
  std::vector<QPoint> corners;
  for (const int y : ys) {
    for (const int x : xs) corners.emplace_back(x, y);
  }
  return corners;
}

}  // namespace

std::optional<QPoint> WindowPlacement::TileEditor(const QSize& size, const Surroundings& around) {
  std::vector<QRect> taken = around.open;
  taken.push_back(around.mainBar);
  std::vector<QPoint> corners = Corners(size, around.available, taken);
  std::sort(corners.begin(), corners.end(), [](const QPoint& a, const QPoint& b) {
    return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
  });
  for (const QPoint& at : corners) {
    const QRect frame(at, size);
    const bool free = std::none_of(taken.begin(), taken.end(),
                                   [&](const QRect& r) { return frame.intersects(r); });
    if (free && around.available.contains(frame)) return at;
  }
  return std::nullopt;
}

void WindowPlacement::BringForward(QWidget& window) {
  window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  window.show();
  window.raise();
  window.activateWindow();
}

QPoint WindowPlacement::PlaceEditor(EditorSlot slot, const QSize& size, const Surroundings& around,
                                    const std::optional<QRect>& keepClear) {
  const QRect& m = around.mainBar;
  const QRect& area = around.available;
  const auto allowed = [&](const QRect& frame) {
    return !frame.intersects(m) && !(keepClear && frame.intersects(*keepClear)) &&
           HandlesStayInSight(frame, around);
  };
  const QPoint table = TablePosition(slot, m, size);
  if (const QPoint at = ClampIntoArea(table, size, area); allowed(QRect(at, size))) return at;

  // Elsewhere: straight below or above the main bar, the starts of the
  // area's bands above and below it, beside an open window or the bar, or
  // cascading by a title bar from the first places; of those allowed, the
  // one that covers least of the open windows, the earliest among equals.
  const int w = size.width();
  const int h = size.height();
  const int belowBar = m.y() + m.height();
  const std::array<QPoint, 5> bases{table, QPoint(table.x(), belowBar),
                                    QPoint(table.x(), m.y() - h), area.topLeft(),
                                    QPoint(area.x(), belowBar)};
  std::vector<QPoint> tries(bases.begin() + 1, bases.end());
  std::vector<QRect> neighbours = around.open;
  neighbours.push_back(m);
  for (const QRect& r : neighbours) {
    tries.insert(tries.end(), {QPoint(r.x() + r.width(), r.y()), QPoint(r.x(), r.y() + r.height()),
                               QPoint(r.x() - w, r.y()), QPoint(r.x(), r.y() - h)});
  }
  const std::array<QPoint, 4> directions{QPoint(1, 1), QPoint(-1, 1), QPoint(1, -1),
                                         QPoint(-1, -1)};
  for (int step = 1; step <= kEditorSlotCount; ++step) {
    for (const QPoint& base : bases) {
      for (const QPoint& direction : directions) {
        tries.push_back(base + direction * step * around.titleBar);
      }
    }
  }

  QRegion taken;
  for (const QRect& window : around.open) taken += window;
  std::optional<QPoint> best;
  qint64 bestCover = 0;
  std::optional<QPoint> clearOfMainBar;
  for (const QPoint& wanted : tries) {
    const QPoint at = ClampIntoArea(wanted, size, area);
    const QRect frame(at, size);
    if (frame.intersects(m)) continue;
    if (!clearOfMainBar) clearOfMainBar = at;
    if (!allowed(frame)) continue;
    const qint64 cover = Area(taken & frame);
    if (!best || cover < bestCover) {
      best = at;
      bestCover = cover;
    }
  }
  // Over the kept window only when there is no other place.
  if (!best && keepClear) return PlaceEditor(slot, size, around);
  // With no room left the main bar at least stays uncovered.
  return best.value_or(clearOfMainBar.value_or(ClampIntoArea(table, size, area)));
}

QPoint WindowPlacement::ClampIntoArea(QPoint topLeft, const QSize& size, const QRect& area) {
  // The far edges come in first, so that a window larger than the area
  // still has its title bar and left edge in it.
  const int areaRight = area.x() + area.width();
  const int areaBottom = area.y() + area.height();
  topLeft.setX(std::max(area.x(), std::min(topLeft.x(), areaRight - size.width())));
  topLeft.setY(std::max(area.y(), std::min(topLeft.y(), areaBottom - size.height())));
  return topLeft;
}

QMargins WindowPlacement::FrameMargins(const QWidget& window) {
  const QRect inner = window.geometry();
  const QRect frame = window.frameGeometry();
  return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
          frame.bottom() - inner.bottom()};
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
  const QRect normal =
      window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
  placement.normal = normal.marginsAdded(FrameMargins(window));
  return placement;
}

void WindowPlacement::Apply(QWidget& window, const Saved& placement) {
  const QRect& frame = placement.normal;
  if (frame.isValid()) {
    // The size first: one still to be settled when the window shows makes
    // X11 put the window's inside, not its frame, where move() asked.
    window.adjustSize();
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
