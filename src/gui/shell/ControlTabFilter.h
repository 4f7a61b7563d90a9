#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace ravlo {

// Control+Tab anywhere in a window activates the program's next open window.
// The key is taken before any control of the window sees it: a type list
// would otherwise keep it as a search letter.
class ControlTabFilter final : public QObject {
  Q_OBJECT

 public:
  // Activates the next window; false when there is none, so the key goes on.
  using ActivateNext = std::function<bool()>;

  ControlTabFilter(QWidget& window, ActivateNext activateNext);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  ActivateNext activateNext_;
};

}  // namespace ravlo
