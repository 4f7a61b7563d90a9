#pragma once

#include <cstdint>

namespace ravlo {

// What kind of key a piano key event is. Everything the piano does not know
// by kind (Enter, Escape, Control itself, lock keys, ...) is Other and passes.
enum class PianoKeyKind : std::uint8_t {
  Other,
  Character,  // a key that types a character; `character` holds it
  Function,   // F1, F2, ...; `function` holds the number
  Keypad,     // a key of the numeric keypad; `keypad` says which
  Cursor,     // a key of the cursor block; `cursor` says which
  Shift,
  Tab,
};

// The numeric keypad, in the order of the platform's key codes 0x60..0x6F.
enum class KeypadKey : std::uint8_t {
  Digit0,
  Digit1,
  Digit2,
  Digit3,
  Digit4,
  Digit5,
  Digit6,
  Digit7,
  Digit8,
  Digit9,
  Multiply,
  Add,
  Separator,
  Subtract,
  Decimal,
  Divide,
  Count
};

// The cursor block and its neighbours, in the order of the platform's key
// codes 33..46 (Page Up .. Delete).
enum class CursorKey : std::uint8_t {
  PageUp,
  PageDown,
  End,
  Home,
  Left,
  Up,
  Right,
  Down,
  Select,
  Print,
  Execute,
  PrintScreen,
  Insert,
  Delete,
  Count
};

// One key press or release as the piano sees it, free of any window system.
// The adapter of the platform fills it from its own key event.
struct PianoKey {
  PianoKeyKind kind = PianoKeyKind::Other;
  // Character: the key's character as it types without Shift, letters in
  // upper case (the Z key gives 'Z', the comma key ',').
  char32_t character = 0;
  int function = 0;  // Function: 1 for F1 ...
  KeypadKey keypad = KeypadKey::Digit0;
  CursorKey cursor = CursorKey::PageUp;

  bool released = false;
  // Made by auto-repeat while the key is held: a repeated press, or the
  // release that some platforms send between two repeated presses.
  bool repeat = false;
  bool shift = false;
  bool control = false;
  bool alt = false;
  bool capsLock = false;    // Caps Lock toggled on: note keys play chords
  bool scrollLock = false;  // Scroll Lock toggled on: the keypad picks scale chords

  static PianoKey Char(char32_t c) {
    PianoKey key;
    key.kind = PianoKeyKind::Character;
    key.character = c;
    return key;
  }
  static PianoKey FunctionKey(int number) {
    PianoKey key;
    key.kind = PianoKeyKind::Function;
    key.function = number;
    return key;
  }
  static PianoKey Pad(KeypadKey which) {
    PianoKey key;
    key.kind = PianoKeyKind::Keypad;
    key.keypad = which;
    return key;
  }
  static PianoKey CursorBlock(CursorKey which) {
    PianoKey key;
    key.kind = PianoKeyKind::Cursor;
    key.cursor = which;
    return key;
  }
  static PianoKey OfKind(PianoKeyKind kind) {
    PianoKey key;
    key.kind = kind;
    return key;
  }
};

}  // namespace ravlo
