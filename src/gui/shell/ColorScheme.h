#pragma once

#include <QColor>

class QApplication;
class QPixmap;

namespace ravlo {

// The program's one colour scheme, shared by every window: edit boxes show
// light cyan text on black (links light amber), labels white text, and dialogs a dark woven
// background pattern.
class ColorScheme {
 public:
  static inline const QColor kEditText{128, 255, 255};
  static inline const QColor kEditBackground{0, 0, 0};
  static inline const QColor kStaticText{255, 255, 255};
  static inline const QColor kStaticBackground{128, 128, 128};
  static inline const QColor kLinkText{255, 224, 128};

  static void Apply(QApplication& application);
  // The dialog background tile, drawn in code.
  static QPixmap BackgroundTile();
};

}  // namespace ravlo
