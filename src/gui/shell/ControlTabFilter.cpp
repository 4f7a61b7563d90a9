#include "shell/ControlTabFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace ravlo {

ControlTabFilter::ControlTabFilter(ActivateNext activateNext)
    : activateNext_(std::move(activateNext)) {
  qApp->installEventFilter(this);
}

bool ControlTabFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
  return tab && (key->modifiers() & Qt::ControlModifier) &&
         activateNext_(static_cast<QWidget*>(watched)->window());
}

}  // namespace ravlo
