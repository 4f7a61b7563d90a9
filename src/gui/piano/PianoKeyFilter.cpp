#include "piano/PianoKeyFilter.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "piano/KeyboardPiano.h"
#include "piano/PianoTables.h"
#include "shell/ProgramKeysFilter.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace ravlo {

namespace {

// The character a key types without Shift, for the keys whose Qt code names
// the shifted character (US layout: Shift+, gives '<').
char32_t Unshifted(char32_t c) {
  static constexpr struct {
    char shifted;
    char plain;
  } kPairs[] = {{'<', ','},  {'>', '.'}, {':', ';'}, {'?', '/'}, {'!', '1'}, {'@', '2'},
                {'#', '3'},  {'$', '4'}, {'%', '5'}, {'^', '6'}, {'&', '7'}, {'*', '8'},
                {'(', '9'},  {')', '0'}, {'{', '['}, {'}', ']'}, {'+', '='}, {'_', '-'},
                {'"', '\''}, {'~', '`'}, {'|', '\\'}};
  for (const auto& pair : kPairs) {
    if (static_cast<char32_t>(pair.shifted) == c) return static_cast<char32_t>(pair.plain);
  }
  return c;
}

bool KeypadKeyOf(int qtKey, KeypadKey& keypad) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
    keypad = static_cast<KeypadKey>(qtKey - Qt::Key_0);
    return true;
  }
  switch (qtKey) {
    case Qt::Key_Asterisk:
      keypad = KeypadKey::Multiply;
      return true;
    case Qt::Key_Plus:
      keypad = KeypadKey::Add;
      return true;
    case Qt::Key_Minus:
      keypad = KeypadKey::Subtract;
      return true;
    case Qt::Key_Period:
    case Qt::Key_Comma:  // the decimal key of some locales
      keypad = KeypadKey::Decimal;
      return true;
    case Qt::Key_Slash:
      keypad = KeypadKey::Divide;
      return true;
    default:
      return false;
  }
}

bool CursorKeyOf(int qtKey, CursorKey& cursor) {
  switch (qtKey) {
    case Qt::Key_PageUp:
      cursor = CursorKey::PageUp;
      return true;
    case Qt::Key_PageDown:
      cursor = CursorKey::PageDown;
      return true;
    case Qt::Key_End:
      cursor = CursorKey::End;
      return true;
    case Qt::Key_Home:
      cursor = CursorKey::Home;
      return true;
    case Qt::Key_Left:
      cursor = CursorKey::Left;
      return true;
    case Qt::Key_Up:
      cursor = CursorKey::Up;
      return true;
    case Qt::Key_Right:
      cursor = CursorKey::Right;
      return true;
    case Qt::Key_Down:
      cursor = CursorKey::Down;
      return true;
    case Qt::Key_Select:
      cursor = CursorKey::Select;
      return true;
    case Qt::Key_Printer:
      cursor = CursorKey::Print;
      return true;
    case Qt::Key_Execute:
      cursor = CursorKey::Execute;
      return true;
    case Qt::Key_Print:
      cursor = CursorKey::PrintScreen;
      return true;
    case Qt::Key_Insert:
      cursor = CursorKey::Insert;
      return true;
    case Qt::Key_Delete:
      cursor = CursorKey::Delete;
      return true;
    default:
      return false;
  }
}

}  // namespace

PianoKeyFilter::PianoKeyFilter(KeyboardPiano& piano, QObject* parent)
    : QObject(parent), piano_(piano), locks_(this) {}

PianoKeyFilter::~PianoKeyFilter() {
  Remove();
}

bool PianoKeyFilter::Install() {
  if (installed_) return true;
  QCoreApplication* application = QCoreApplication::instance();
  if (application == nullptr) return false;
  application->installEventFilter(this);
  installed_ = true;
  return true;
}

void PianoKeyFilter::Remove() {
  if (!installed_) return;
  if (QCoreApplication* application = QCoreApplication::instance()) {
    application->removeEventFilter(this);
  }
  installed_ = false;
}

PianoKey PianoKeyFilter::ToPianoKey(const QKeyEvent& event) {
  PianoKey key;
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  key.released = event.type() == QEvent::KeyRelease;
  key.repeat = event.isAutoRepeat();
  key.shift = (modifiers & Qt::ShiftModifier) != 0;
  key.control = (modifiers & Qt::ControlModifier) != 0;
  key.alt = (modifiers & Qt::AltModifier) != 0;

  const int qtKey = event.key();
  switch (qtKey) {
    case Qt::Key_Shift:
      key.kind = PianoKeyKind::Shift;
      return key;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      key.kind = PianoKeyKind::Tab;
      return key;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
      key.alt = true;
      return key;
    default:
      break;
  }
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F35) {
    key.kind = PianoKeyKind::Function;
    key.function = qtKey - Qt::Key_F1 + 1;
    return key;
  }
  if (CursorKeyOf(qtKey, key.cursor)) {
    // With Num Lock off the keypad sends the cursor keys, as the block does.
    key.kind = PianoKeyKind::Cursor;
    return key;
  }
  if (modifiers & Qt::KeypadModifier) {
    if (KeypadKeyOf(qtKey, key.keypad)) key.kind = PianoKeyKind::Keypad;
    return key;
  }
  if (qtKey >= Qt::Key_Space && qtKey <= 0xFF) {
    key.kind = PianoKeyKind::Character;
#ifdef Q_OS_WIN
    // The platform knows the key's own character on any layout.
    const UINT mapped = MapVirtualKeyW(event.nativeVirtualKey(), MAPVK_VK_TO_CHAR) & 0x7FFFFFFF;
    key.character = mapped != 0 ? static_cast<char32_t>(mapped) : Unshifted(char32_t(qtKey));
#else
    key.character = Unshifted(static_cast<char32_t>(qtKey));
#endif
  }
  return key;
}

bool PianoKeyFilter::ClaimsShortcut(const PianoKey& key) {
  if (key.alt) return false;
  switch (key.kind) {
    case PianoKeyKind::Character:
      return key.character >= kFirstPianoCharacter && key.character <= kLastPianoCharacter;
    case PianoKeyKind::Function:
      return key.function >= 1 && key.function <= 12;
    case PianoKeyKind::Keypad:
      return true;
    case PianoKeyKind::Cursor:
      return key.cursor != CursorKey::Up && key.cursor != CursorKey::Down &&
             key.cursor != CursorKey::Select && key.cursor != CursorKey::Print &&
             key.cursor != CursorKey::Execute && key.cursor != CursorKey::PrintScreen;
    default:
      return false;
  }
}

namespace {

bool TakesTyping(const QWidget* widget) {
  if (const auto* line = qobject_cast<const QLineEdit*>(widget)) return !line->isReadOnly();
  if (const auto* text = qobject_cast<const QTextEdit*>(widget)) return !text->isReadOnly();
  if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget)) return !plain->isReadOnly();
  if (const auto* combo = qobject_cast<const QComboBox*>(widget)) return combo->isEditable();
  return qobject_cast<const QAbstractSpinBox*>(widget) != nullptr;
}

}  // namespace

bool PianoKeyFilter::KeysGoElsewhere(const QWidget& receiver) const {
  // A menu open is as much a question to the musician as a dialog.
  if (QApplication::activeModalWidget() != nullptr ||
      QApplication::activePopupWidget() != nullptr) {
    return true;
  }
  if (!playsOver_ || playsOver_(*receiver.window())) return false;
  return TakesTyping(QApplication::focusWidget());
}

bool PianoKeyFilter::IsPropagation(QObject* watched, const QKeyEvent& event) const {
  if (&event != lastEvent_ || event.type() != lastType_ || event.key() != lastKey_ ||
      event.timestamp() != lastTimestamp_ || lastReceiver_.isNull()) {
    return false;
  }
  for (QObject* ancestor = lastReceiver_->parent(); ancestor != nullptr;
       ancestor = ancestor->parent()) {
    if (ancestor == watched) return true;
  }
  return false;
}

bool PianoKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) {
    return false;
  }
  // A key reaches the window object first and then its focus widget: take it
  // once, at the widget.
  if (handling_ || !watched->isWidgetType()) return false;
  if (KeysGoElsewhere(*static_cast<QWidget*>(watched))) return false;
  auto* keyEvent = static_cast<QKeyEvent*>(event);
  // The program's own keys (undo, redo, the mixer) keep working while the
  // piano plays: Control+M is no note.
  if (ProgramKeysFilter::IsUndoKey(*keyEvent) || ProgramKeysFilter::IsRedoKey(*keyEvent) ||
      ProgramKeysFilter::IsMixerKey(*keyEvent)) {
    return false;
  }
  if (IsPropagation(watched, *keyEvent)) {
    lastReceiver_ = watched;
    return false;
  }
  lastEvent_ = event;
  lastType_ = type;
  lastKey_ = keyEvent->key();
  lastTimestamp_ = keyEvent->timestamp();
  lastReceiver_ = watched;

  if (type == QEvent::ShortcutOverride) {
    // Keep the piano's keys from triggering a shortcut instead of a key event.
    if (!ClaimsShortcut(ToPianoKey(*keyEvent))) return false;
    keyEvent->accept();
    return true;
  }

  locks_.Observe(*keyEvent);
  PianoKey key = ToPianoKey(*keyEvent);
  key.capsLock = locks_.CapsLock();
  key.scrollLock = locks_.ScrollLock();
  handling_ = true;
  const bool taken = piano_.HandleKey(key);
  handling_ = false;
  if (taken) keyEvent->accept();
  return taken;
}

}  // namespace ravlo
