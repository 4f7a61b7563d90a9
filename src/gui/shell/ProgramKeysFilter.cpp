#include "shell/UndoKeysFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace ravlo {

namespace {

bool IsCombination(const QKeyEvent& key, int code, Qt::KeyboardModifiers modifiers) {
  const Qt::KeyboardModifiers held =
      key.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
  return key.key() == code && held == modifiers;
}

}  // namespace

UndoKeysFilter::UndoKeysFilter(Command undo, Command redo)
    : undo_(std::move(undo)), redo_(std::move(redo)) {
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
  const QEvent::Type type = event->type();
  if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) || !watched->isWidgetType() ||
      QApplication::activeModalWidget() != nullptr) {
    return false;
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  const bool undo = IsUndoKey(*key);
  if (!undo && !IsRedoKey(*key)) return false;
  if (type == QEvent::ShortcutOverride) {
    // Claimed for the key press that follows, which comes here first.
    event->accept();
    return true;
  }
  (undo ? undo_ : redo_)();
  return true;
}

}  // namespace ravlo
