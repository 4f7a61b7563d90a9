#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <functional>

#include "piano/LockKeys.h"
#include "piano/PianoKey.h"

class QKeyEvent;

namespace ravlo {

class KeyboardPiano;

// While the piano is on, every key of every window of the program passes
// through here first: an application-wide event filter that turns the key
// into the piano's own key event and swallows it when the piano takes it.
// Alt combinations, Tab and everything the piano does not play reach the
// windows as usual, and so does every key while a modal dialog or a menu is up or a
// box that takes typing has the focus in a window the piano does not play
// over (the shell names those it does: its own bar and editors).
class PianoKeyFilter final : public QObject {
  Q_OBJECT

 public:
  static inline const QString kHookFailedText = QStringLiteral("Could Not Hook the Keyboard!");

  explicit PianoKeyFilter(KeyboardPiano& piano, QObject* parent = nullptr);
  ~PianoKeyFilter() override;

  // Puts the filter on the application (the piano on); false when there is
  // no application object to filter.
  bool Install();
  void Remove();
  bool IsInstalled() const { return installed_; }

  LockKeys& Locks() { return locks_; }

  // Whether the piano plays over `window`, whatever has the focus in it.
  using PlaysOver = std::function<bool(const QWidget& window)>;
  void SetPlaysOver(PlaysOver playsOver) { playsOver_ = std::move(playsOver); }

  // The piano's view of a Qt key event (lock states not filled in).
  static PianoKey ToPianoKey(const QKeyEvent& event);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Keys that no shortcut of a window may steal while the piano is on.
  static bool ClaimsShortcut(const PianoKey& key);
  // A modal dialog, or a box being typed in where the piano does not play.
  bool KeysGoElsewhere(const QWidget& receiver) const;
  // A key no widget accepts is offered to its parents, passing here again:
  // true when this is such a second call for the event last handled.
  bool IsPropagation(QObject* watched, const QKeyEvent& event) const;

  KeyboardPiano& piano_;
  LockKeys locks_;
  PlaysOver playsOver_;
  bool installed_ = false;
  // A message box shown while a key is handled (a MIDI error) gets its keys.
  bool handling_ = false;

  // The key event last handled, and the widget it went to last.
  const QEvent* lastEvent_ = nullptr;
  QEvent::Type lastType_ = QEvent::None;
  int lastKey_ = 0;
  quint64 lastTimestamp_ = 0;
  QPointer<QObject> lastReceiver_;
};

}  // namespace ravlo
