#include "widgets/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace ravlo {

WaitCursor::WaitCursor() {
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
  QGuiApplication::restoreOverrideCursor();
}

ArrowWhileAsking::ArrowWhileAsking() : pushed_(QGuiApplication::overrideCursor() != nullptr) {
  if (pushed_) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
}

ArrowWhileAsking::~ArrowWhileAsking() {
  if (pushed_) QGuiApplication::restoreOverrideCursor();
}

}  // namespace ravlo
