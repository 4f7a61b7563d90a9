#pragma once

#include <QObject>

class QAction;
class QKeyEvent;

namespace ravlo {

// The Caps Lock and Scroll Lock states the piano plays by. Where the platform
// tells them (Windows) they are read from it; elsewhere Qt has no way to ask,
// so the states are kept here: the lock keys toggle them when pressed, the
// case of a typed letter corrects Caps Lock, and two checkable actions (for
// the main bar's Options menu) let the musician set them by hand.
class LockKeys final : public QObject {
  Q_OBJECT

 public:
  explicit LockKeys(QObject* parent = nullptr);

  // True where the states come from the platform (the actions then only
  // mirror them).
  static bool CanReadPlatform();

  bool CapsLock() const;
  bool ScrollLock() const;
  void SetCapsLock(bool on);
  void SetScrollLock(bool on);

  // Checkable: on = chords (Caps Lock), scale chords (Scroll Lock).
  QAction* CapsLockAction() const { return capsAction_; }
  QAction* ScrollLockAction() const { return scrollAction_; }

  // Follows what a key event reveals about the states: a press of a lock key
  // toggles it, and a letter typed without Control shows Caps Lock by its case.
  void Observe(const QKeyEvent& event);

 private:
  QAction* capsAction_;
  QAction* scrollAction_;
};

}  // namespace ravlo
