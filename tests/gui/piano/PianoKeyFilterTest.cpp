#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <vector>

#include "core/piano/PianoRig.h"
#include "piano/PianoKeyFilter.h"
#include "support/Bytes.h"

namespace ravlo {
namespace {

using test::Bytes;
using test::NoteOn;
using Messages = test::PianoRig::Messages;

// A window that records the keys that reach it.
class KeyRecorder final : public QWidget {
 public:
  using QWidget::QWidget;
  std::vector<int> pressed;
  std::vector<int> released;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    pressed.push_back(event->key());
    event->ignore();
  }
  void keyReleaseEvent(QKeyEvent* event) override {
    released.push_back(event->key());
    event->ignore();
  }
};

class PianoKeyFilterTest : public ::testing::Test, public test::PianoRig {
 protected:
  PianoKeyFilterTest() { EXPECT_TRUE(filter.Install()); }

  // Sends a key event to the window as the platform would; true when the
  // window saw it.
  bool Send(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
            const QString& text = QString(), bool autoRepeat = false, QWidget* to = nullptr) {
    QWidget* receiver = to != nullptr ? to : &window;
    const std::size_t before = window.pressed.size() + window.released.size();
    QKeyEvent event(type, key, modifiers, text, autoRepeat);
    QApplication::sendEvent(receiver, &event);
    return window.pressed.size() + window.released.size() > before;
  }
  bool Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
             const QString& text = QString()) {
    return Send(QEvent::KeyPress, key, modifiers, text);
  }
  bool Release(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               const QString& text = QString()) {
    return Send(QEvent::KeyRelease, key, modifiers, text);
  }

  KeyRecorder window;
  PianoKeyFilter filter{piano};
};

TEST_F(PianoKeyFilterTest, ZPlaysNote48AndTheWindowNeverSeesIt) {
  EXPECT_FALSE(Press(Qt::Key_Z, Qt::NoModifier, QStringLiteral("z")));
  EXPECT_FALSE(Release(Qt::Key_Z, Qt::NoModifier, QStringLiteral("z")));
  EXPECT_EQ(Shorts(), (Messages{NoteOn(48, 100), NoteOn(48, 0)}));
  EXPECT_TRUE(window.pressed.empty());
}

TEST_F(PianoKeyFilterTest, AltCombinationsAndTabReachTheWindow) {
  EXPECT_TRUE(Press(Qt::Key_Z, Qt::AltModifier));
  EXPECT_TRUE(Release(Qt::Key_Z, Qt::AltModifier));
  EXPECT_TRUE(Press(Qt::Key_Alt, Qt::AltModifier));
  EXPECT_TRUE(Press(Qt::Key_Tab));
  EXPECT_TRUE(Release(Qt::Key_Tab));
  EXPECT_TRUE(Press(Qt::Key_Backtab, Qt::ShiftModifier));
  EXPECT_TRUE(Press(Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")));
  EXPECT_TRUE(Press(Qt::Key_Up));
  EXPECT_TRUE(Shorts().empty());
  EXPECT_EQ(window.pressed, (std::vector<int>{Qt::Key_Z, Qt::Key_Alt, Qt::Key_Tab, Qt::Key_Backtab,
                                              Qt::Key_Space, Qt::Key_Up}));
}

TEST_F(PianoKeyFilterTest, KeysReachTheWindowAgainOnceTheFilterIsRemoved) {
  filter.Remove();
  EXPECT_FALSE(filter.IsInstalled());
  EXPECT_TRUE(Press(Qt::Key_Z, Qt::NoModifier, QStringLiteral("z")));
  EXPECT_TRUE(Shorts().empty());
  ASSERT_TRUE(filter.Install());
  EXPECT_FALSE(Press(Qt::Key_Z, Qt::NoModifier, QStringLiteral("z")));
  EXPECT_EQ(Shorts().size(), 1u);
}

TEST_F(PianoKeyFilterTest, AutoRepeatIsSwallowedSilently) {
  Press(Qt::Key_Q, Qt::NoModifier, QStringLiteral("q"));
  EXPECT_FALSE(Send(QEvent::KeyRelease, Qt::Key_Q, Qt::NoModifier, QStringLiteral("q"), true));
  EXPECT_FALSE(Send(QEvent::KeyPress, Qt::Key_Q, Qt::NoModifier, QStringLiteral("q"), true));
  Release(Qt::Key_Q, Qt::NoModifier, QStringLiteral("q"));
  EXPECT_EQ(Shorts(), (Messages{NoteOn(60, 100), NoteOn(60, 0)}));
}

TEST_F(PianoKeyFilterTest, ShiftIsTheSustainPedalAndShiftedKeysPlayTheirOwnNote) {
  EXPECT_FALSE(Press(Qt::Key_Shift, Qt::ShiftModifier));
  EXPECT_FALSE(Press(Qt::Key_Less, Qt::ShiftModifier, QStringLiteral("<")));  // the comma key
  EXPECT_FALSE(Press(Qt::Key_BraceRight, Qt::ShiftModifier, QStringLiteral("}")));
  EXPECT_FALSE(Press(Qt::Key_Z, Qt::ShiftModifier, QStringLiteral("Z")));
  EXPECT_FALSE(Release(Qt::Key_Shift));
  EXPECT_EQ(Shorts(), (Messages{Bytes({0xB0, 64, 127}), NoteOn(60, 100), NoteOn(79, 100),
                                NoteOn(48, 100), Bytes({0xB0, 64, 0})}));
}

TEST_F(PianoKeyFilterTest, KeypadKeysAreTheKeypadAndDigitsAboveTheLettersAreNotes) {
  EXPECT_FALSE(Press(Qt::Key_9, Qt::KeypadModifier, QStringLiteral("9")));
  EXPECT_EQ(piano.CurrentChordType(), ChordType::Ninth);
  EXPECT_FALSE(Press(Qt::Key_Asterisk, Qt::KeypadModifier, QStringLiteral("*")));
  EXPECT_TRUE(piano.RaisedFifth());
  EXPECT_FALSE(Press(Qt::Key_Plus, Qt::KeypadModifier, QStringLiteral("+")));
  EXPECT_EQ(piano.Channel(), 1);
  EXPECT_TRUE(Shorts().empty());

  EXPECT_FALSE(Press(Qt::Key_9, Qt::NoModifier, QStringLiteral("9")));
  EXPECT_EQ(Shorts(), (Messages{NoteOn(73, 100, 1)}));

  // With Num Lock off the keypad's 7 is Home: the panic key.
  ClearSent();
  EXPECT_FALSE(Press(Qt::Key_Home, Qt::KeypadModifier));
  EXPECT_EQ(Shorts().size(), 3u);
  // Keypad Enter is no key of the piano.
  EXPECT_TRUE(Press(Qt::Key_Enter, Qt::KeypadModifier));
}

TEST_F(PianoKeyFilterTest, FunctionAndCursorKeys) {
  EXPECT_FALSE(Press(Qt::Key_F9));
  EXPECT_EQ(piano.Octave(), 7);
  EXPECT_FALSE(Press(Qt::Key_F3, Qt::ControlModifier));
  EXPECT_EQ(piano.Key(), 2);
  EXPECT_TRUE(Press(Qt::Key_F13));
  EXPECT_FALSE(Press(Qt::Key_PageUp));
  EXPECT_FALSE(Release(Qt::Key_PageUp));
  EXPECT_EQ(piano.Velocity(), 104);
  EXPECT_FALSE(Press(Qt::Key_Right));
  EXPECT_EQ(Shorts(), (Messages{Bytes({0xB0, 0x01, 8})}));
  EXPECT_TRUE(Press(Qt::Key_Down));
}

TEST_F(PianoKeyFilterTest, ControlLAndControlPReachThePianoNotTheWindow) {
  EXPECT_FALSE(Press(Qt::Key_L, Qt::ControlModifier, QStringLiteral("\x0c")));
  EXPECT_TRUE(piano.IsRecording());
  EXPECT_FALSE(Press(Qt::Key_2, Qt::KeypadModifier, QStringLiteral("2")));
  EXPECT_FALSE(Press(Qt::Key_0, Qt::KeypadModifier, QStringLiteral("0")));
  EXPECT_FALSE(Press(Qt::Key_0, Qt::KeypadModifier, QStringLiteral("0")));
  EXPECT_EQ(piano.Tempo(), 200);
  EXPECT_TRUE(
      Press(Qt::Key_Slash, Qt::KeypadModifier, QStringLiteral("/")));  // not while recording
}

TEST_F(PianoKeyFilterTest, CapsLockFollowsTheLockKeyAndTheCaseOfTypedLetters) {
  QAction* caps = filter.Locks().CapsLockAction();
  ASSERT_FALSE(caps->isChecked());
  // An upper-case letter without Shift shows Caps Lock on: a chord.
  Press(Qt::Key_Z, Qt::NoModifier, QStringLiteral("Z"));
  EXPECT_TRUE(caps->isChecked());
  EXPECT_EQ(Shorts(), (Messages{NoteOn(48, 100), NoteOn(52, 100), NoteOn(55, 100)}));

  ClearSent();
  EXPECT_TRUE(Press(Qt::Key_CapsLock));  // the lock key itself reaches the window
  EXPECT_FALSE(caps->isChecked());
  Press(Qt::Key_Comma, Qt::NoModifier, QStringLiteral(","));
  EXPECT_EQ(Shorts(), (Messages{NoteOn(60, 100)}));

  // Set by hand from the menu.
  ClearSent();
  caps->trigger();
  Press(Qt::Key_Comma, Qt::NoModifier, QStringLiteral(","));
  EXPECT_EQ(Shorts().size(), 3u);
  // A lower-case letter with Shift also means Caps Lock on.
  Press(Qt::Key_X, Qt::ShiftModifier, QStringLiteral("x"));
  EXPECT_TRUE(caps->isChecked());
  Press(Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
  EXPECT_FALSE(caps->isChecked());
}

TEST_F(PianoKeyFilterTest, ALockKeyPassingUpThroughParentWidgetsTogglesOnce) {
  auto* child = new KeyRecorder(&window);
  QKeyEvent event(QEvent::KeyPress, Qt::Key_CapsLock, Qt::NoModifier);
  QApplication::sendEvent(child, &event);
  EXPECT_EQ(child->pressed.size(), 1u);
  EXPECT_EQ(window.pressed.size(), 1u);  // offered to the parent too
  EXPECT_TRUE(filter.Locks().CapsLock());

  QKeyEvent scroll(QEvent::KeyPress, Qt::Key_ScrollLock, Qt::NoModifier);
  QApplication::sendEvent(child, &scroll);
  EXPECT_TRUE(filter.Locks().ScrollLock());
  Press(Qt::Key_1, Qt::KeypadModifier, QStringLiteral("1"));  // scale chord, row 0
  EXPECT_EQ(Shorts(),
            (Messages{NoteOn(48, 100), NoteOn(52, 100), NoteOn(55, 100), NoteOn(59, 100)}));
}

TEST_F(PianoKeyFilterTest, ThePianosKeysWinOverWindowShortcuts) {
  window.setFocusPolicy(Qt::StrongFocus);
  auto* action = new QAction(&window);
  action->setShortcut(QKeySequence(Qt::Key_Z));
  window.addAction(action);
  int triggered = 0;
  QObject::connect(action, &QAction::triggered, [&triggered] { ++triggered; });
  window.show();
  window.activateWindow();
  window.setFocus();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

  filter.Remove();
  QTest::keyClick(&window, Qt::Key_Z);
  const int withoutPiano = triggered;
  ASSERT_EQ(withoutPiano, 1)
      << "the shortcut must work without the piano for this test to mean anything";

  ASSERT_TRUE(filter.Install());
  QTest::keyClick(&window, Qt::Key_Z);
  EXPECT_EQ(triggered, withoutPiano);
  EXPECT_EQ(Shorts(), (Messages{NoteOn(48, 100), NoteOn(48, 0)}));
}

TEST(PianoKeyFilterTranslationTest, QtKeysBecomeThePianosKeys) {
  const auto translate = [](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return PianoKeyFilter::ToPianoKey(QKeyEvent(QEvent::KeyPress, key, modifiers));
  };
  EXPECT_EQ(translate(Qt::Key_Question, Qt::ShiftModifier).character, U'/');
  EXPECT_EQ(translate(Qt::Key_Colon, Qt::ShiftModifier).character, U';');
  EXPECT_EQ(translate(Qt::Key_Plus, Qt::ShiftModifier).character, U'=');
  EXPECT_EQ(translate(Qt::Key_BracketRight).character, U']');
  EXPECT_EQ(translate(Qt::Key_F12).function, 12);
  EXPECT_EQ(translate(Qt::Key_Period, Qt::KeypadModifier).keypad, KeypadKey::Decimal);
  EXPECT_EQ(translate(Qt::Key_Minus, Qt::KeypadModifier).keypad, KeypadKey::Subtract);
  EXPECT_EQ(translate(Qt::Key_Insert).cursor, CursorKey::Insert);
  EXPECT_EQ(translate(Qt::Key_Control, Qt::ControlModifier).kind, PianoKeyKind::Other);
  EXPECT_EQ(translate(Qt::Key_Escape).kind, PianoKeyKind::Other);
  const PianoKey controlP = translate(Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(controlP.kind, PianoKeyKind::Character);
  EXPECT_EQ(controlP.character, U'P');
  EXPECT_TRUE(controlP.control);
  EXPECT_TRUE(translate(Qt::Key_AltGr).alt);
}

}  // namespace
}  // namespace ravlo
