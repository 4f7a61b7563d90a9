#include "shell/UndoKeysFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace ravlo {

namespace {

bool IsCombination(const QKeyEvent& key, int code, Qt::KeyboardModifiers modifiers) {
  const Qt::KeyboardModifiers held =
      key.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
  return key.key() == code && held == modifiers;
}

}  // namespace

UndoKeysFilter::UndoKeysFilter() {
  qApp->installEventFilter(this);
}

bool UndoKeysFilter::IsUndoKey(const QKeyEvent& key) {
  return IsCombination(key, Qt::Key_Z, Qt::ControlModifier);
}

bool UndoKeysFilter::IsRedoKey(const QKeyEvent& key) {
  return IsCombination(key, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier) ||
         IsCombination(key, Qt::Key_Y, Qt::ControlModifier);
}

bool UndoKeysFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride || qobject_cast<QLineEdit*>(watched) == nullptr) {
    return false;
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  if (!IsUndoKey(*key) && !IsRedoKey(*key)) return false;
  // Not claimed by the box: the shortcut goes to the Edit menu.
  event->ignore();
  return true;
}

}  // namespace ravlo
