#pragma once

#include <QIcon>

#include "shell/EditorHost.h"

namespace ravlo {

// The program's icons, drawn in code: the application's keyboard, the piano
// indicator off and on, and one small glyph per editor window.
class AppIcons {
 public:
  static QIcon Application();
  static QIcon PianoOff();
  static QIcon PianoOn();
  static QIcon Editor(EditorSlot slot);
};

}  // namespace ravlo
