#include "shell/ProgramKeysFilter.h"

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

ProgramKeysFilter::ProgramKeysFilter(Command undo, Command redo, Command mixer)
    : undo_(std::move(undo)), redo_(std::move(redo)), mixer_(std::move(mixer)) {
  qApp->installEventFilter(this);
}

bool ProgramKeysFilter::IsUndoKey(const QKeyEvent& key) {
  return IsCombination(key, Qt::Key_Z, Qt::ControlModifier);
}

bool ProgramKeysFilter::IsRedoKey(const QKeyEvent& key) {
  return IsCombination(key, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier) ||
         IsCombination(key, Qt::Key_Y, Qt::ControlModifier);
}

bool ProgramKeysFilter::IsMixerKey(const QKeyEvent& key) {
  return IsCombination(key, Qt::Key_M, Qt::ControlModifier);
}

bool ProgramKeysFilter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) || !watched->isWidgetType() ||
      QApplication::activeModalWidget() != nullptr) {
    return false;
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  const Command* command = IsUndoKey(*key)    ? &undo_
                           : IsRedoKey(*key)  ? &redo_
                           : IsMixerKey(*key) ? &mixer_
                                              : nullptr;
  if (command == nullptr) return false;
  if (type == QEvent::ShortcutOverride) {
    // Claimed for the key press that follows, which comes here first.
    event->accept();
    return true;
  }
  (*command)();
  return true;
}

}  // namespace ravlo
