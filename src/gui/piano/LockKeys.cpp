#include "piano/LockKeys.h"

#include <QAction>
#include <QKeyEvent>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace ravlo {

LockKeys::LockKeys(QObject* parent)
    : QObject(parent),
      capsAction_(new QAction(QStringLiteral("Caps Lock: Play &Chords"), this)),
      scrollAction_(new QAction(QStringLiteral("Scroll Lock: &Scale Chords"), this)) {
  capsAction_->setObjectName(QStringLiteral("CapsLockChords"));
  scrollAction_->setObjectName(QStringLiteral("ScrollLockScaleChords"));
  capsAction_->setCheckable(true);
  scrollAction_->setCheckable(true);
}

bool LockKeys::CanReadPlatform() {
#ifdef Q_OS_WIN
  return true;
#else
  return false;
#endif
}

bool LockKeys::CapsLock() const {
#ifdef Q_OS_WIN
  const bool on = (GetKeyState(VK_CAPITAL) & 1) != 0;
  capsAction_->setChecked(on);
  return on;
#else
  return capsAction_->isChecked();
#endif
}

bool LockKeys::ScrollLock() const {
#ifdef Q_OS_WIN
  const bool on = (GetKeyState(VK_SCROLL) & 1) != 0;
  scrollAction_->setChecked(on);
  return on;
#else
  return scrollAction_->isChecked();
#endif
}

void LockKeys::SetCapsLock(bool on) {
  capsAction_->setChecked(on);
}

void LockKeys::SetScrollLock(bool on) {
  scrollAction_->setChecked(on);
}

void LockKeys::Observe(const QKeyEvent& event) {
  if (CanReadPlatform() || event.type() != QEvent::KeyPress) return;
  if (!event.isAutoRepeat()) {
    if (event.key() == Qt::Key_CapsLock) {
      SetCapsLock(!capsAction_->isChecked());
      return;
    }
    if (event.key() == Qt::Key_ScrollLock) {
      SetScrollLock(!scrollAction_->isChecked());
      return;
    }
  }
  // Caps Lock turns a letter's case over; Shift turns it back.
  if (event.key() < Qt::Key_A || event.key() > Qt::Key_Z) return;
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return;
  const QString text = event.text();
  if (text.size() != 1 || !text.at(0).isLetter()) return;
  const bool upper = text.at(0).isUpper();
  const bool shift = (event.modifiers() & Qt::ShiftModifier) != 0;
  SetCapsLock(upper != shift);
}

}  // namespace ravlo
