#pragma once

class QWidget;

namespace ravlo {

// The width a window needs for its whole title in the frame's title bar:
// the caption (window managers mostly set it bold) with room for the icon
// and the buttons beside it.
int WholeTitleWidth(const QWidget& window);

// Makes a laid-out window at least that wide, so that a small dialog with a
// long title does not show it cut ("Pitch E...elope").
void KeepTitleWhole(QWidget& window);

}  // namespace ravlo
