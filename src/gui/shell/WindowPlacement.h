#pragma once

#include <QRect>
#include <QString>
#include <optional>

#include "shell/EditorHost.h"

class QWidget;

namespace ravlo {

// Where windows go: new editor windows beside the main bar by the window
// table's rules, moved back into the screen's available area; and the main
// bar's own placement kept between runs as ten numbers.
class WindowPlacement {
 public:
  // The top-left corner of a window of `size` opened in `slot`, next to the
  // main bar's frame `mainBar`, kept inside `available`.
  static QPoint PlaceEditor(EditorSlot slot, const QRect& mainBar, const QSize& size,
                            const QRect& available);
  static QPoint ClampIntoArea(QPoint topLeft, const QSize& size, const QRect& area);

  struct Saved {
    int showCommand = 1;  // 1 normal, 2 minimised, 3 maximised
    QRect normal;         // the frame in the normal state, in screen coordinates
  };
  // "flags,show,minX,minY,maxX,maxY,left,top,right,bottom".
  static QString Format(const Saved& placement);
  // None unless the text gives all ten numbers.
  static std::optional<Saved> Parse(const QString& text);

  // Both work on the frame, so that a placement read at the end of one run
  // puts the window back where it was at the start of the next.
  static Saved Read(const QWidget& window);
  // Moves the window (on screen, frame included) before it is shown.
  static void Apply(QWidget& window, const Saved& placement);
};

}  // namespace ravlo
