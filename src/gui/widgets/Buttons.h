#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace ravlo {

// A push button with an object name (tests and the Window menu find it by
// that) that Enter never presses: in an editor Enter does nothing, and in a
// dialog it is for the default button alone.
QPushButton* MakeButton(const QString& text, const QString& objectName, QWidget* parent);

}  // namespace ravlo
