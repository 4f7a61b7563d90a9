#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace ravlo {

// Control+Tab anywhere in one of the program's windows activates its next
// open window: one filter for the whole program. The key is taken before any
// control of the window sees it: a type list would otherwise keep it as a
// search letter.
class ControlTabFilter final : public QObject {
  Q_OBJECT

 public:
  // Activates the window after `window`; false when `window` is none of the
  // program's or no other is open, so the key goes on.
  using ActivateNext = std::function<bool(QWidget* window)>;

  explicit ControlTabFilter(ActivateNext activateNext);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ActivateNext activateNext_;
};

}  // namespace ravlo
