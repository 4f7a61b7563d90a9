#include "widgets/Buttons.h"

#include <QPushButton>

namespace ravlo {

QPushButton* MakeButton(const QString& text, const QString& objectName, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(objectName);
  button->setAutoDefault(false);
  return button;
}

}  // namespace ravlo
