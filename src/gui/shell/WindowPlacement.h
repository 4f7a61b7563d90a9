#pragma once

#include <QMargins>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

#include "shell/EditorHost.h"

class QWidget;

namespace ravlo {

// Where windows go: new editor windows beside the main bar by the window
// table's rules, moved back into the screen's available area; and the main
// bar's own placement kept between runs as ten numbers.
class WindowPlacement {
 public:
  // What a new editor window is placed among; rectangles are frames.
  struct Surroundings {
    QRect mainBar;
    QRect available;
    std::vector<QRect> open;  // the editor windows already open, bottom to top
    int titleBar = 0;         // the height of a window's title bar
  };
  // The top-left corner of the frame of a window of `size` opened in `slot`,
  // inside the available area: where the window table puts it, unless that
  // covers the main bar or hides the start of an open window's title bar;
  // then, of the places below or above the main bar, beside the open windows
  // or cascading by a title bar, the one that covers least of them.
  // `keepClear` is an open window the new one keeps off wherever there is
  // room (the mixer, whose strips are all controls).
  static QPoint PlaceEditor(EditorSlot slot, const QSize& size, const Surroundings& around,
                            const std::optional<QRect>& keepClear = std::nullopt);
  // Where a window that a file open, an import or a read-back opens goes, so
  // that all of them show their controls: the first place, from the top of
  // the area down and from the left across, where it covers neither the main
  // bar nor any open window; none when no such place is left.
  static std::optional<QPoint> TileEditor(const QSize& size, const Surroundings& around);
  // Shows a window of the program in front again, restored if it was
  // minimised, and gives it the keyboard.
  static void BringForward(QWidget& window);
  static QPoint ClampIntoArea(QPoint topLeft, const QSize& size, const QRect& area);
  // The frame around the window's geometry, as far as it is known yet.
  static QMargins FrameMargins(const QWidget& window);

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
