#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <cmath>
#include <vector>

#include "core/piano/PianoRig.h"
#include "piano/PianoIndicator.h"
#include "piano/PianoKeyFilter.h"
#include "piano/PianoKeyboardView.h"
#include "piano/PianoKeyboardWindow.h"
#include "support/Bytes.h"

namespace ravlo::test {
namespace {

// A window that records the keys pressed or released in it, and passes them on.
struct KeyRecorder final : QWidget {
  using QWidget::QWidget;
  bool event(QEvent* event) override {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
      seen.push_back(static_cast<QKeyEvent*>(event)->key());
    }
    return QWidget::event(event);
  }
  std::vector<int> seen;
};

class PianoKeyFilterTest : public ::testing::Test, public PianoRig {
 protected:
  PianoKeyFilterTest() { EXPECT_TRUE(filter.Install()); }

  // Sends a key event to the window as the platform would; true when the window saw it.
  bool Press(int key, Qt::KeyboardModifiers modifiers = {}, const QString& text = {},
             QEvent::Type type = QEvent::KeyPress, bool autoRepeat = false) {
    const std::size_t before = window.seen.size();
    QKeyEvent event(type, key, modifiers, text, autoRepeat);
    QApplication::sendEvent(&window, &event);
    return window.seen.size() > before;
  }
  bool Release(int key, Qt::KeyboardModifiers modifiers = {}, const QString& text = {}) {
    return Press(key, modifiers, text, QEvent::KeyRelease);
  }

  KeyRecorder window;
  PianoKeyFilter filter{piano};
};

TEST_F(PianoKeyFilterTest, ThePianosKeysAreSwallowedAndAltCombinationsTabAndOthersPass) {
  EXPECT_FALSE(Press(Qt::Key_Z, {}, "z"));
  EXPECT_FALSE(Release(Qt::Key_Z, {}, "z"));
  EXPECT_EQ(Shorts(), (Messages{NoteOn(48, 100), NoteOn(48, 0)}));
  for (int key : {Qt::Key_Z, Qt::Key_Alt}) {
    EXPECT_TRUE(Press(key, Qt::AltModifier) && Release(key, Qt::AltModifier)) << key;
  }
  for (int key : {Qt::Key_Tab, Qt::Key_Up, Qt::Key_F13}) EXPECT_TRUE(Press(key)) << key;
  EXPECT_TRUE(Press(Qt::Key_Backtab, Qt::ShiftModifier));
  filter.Remove();
  EXPECT_TRUE(Press(Qt::Key_Z, {}, "z"));
  EXPECT_EQ(Shorts().size(), 2u);  // nothing played since the first Z
  ASSERT_TRUE(filter.Install());
  EXPECT_FALSE(Press(Qt::Key_Z, {}, "z"));

  // The piano's other keys reach it, and auto-repeat is swallowed.
  EXPECT_FALSE(Release(Qt::Key_Z, {}, "z"));
  ClearSent();
  Press(Qt::Key_Q, {}, "q");
  EXPECT_FALSE(Press(Qt::Key_Q, {}, "q", QEvent::KeyRelease, true));
  EXPECT_FALSE(Press(Qt::Key_Q, {}, "q", QEvent::KeyPress, true));
  EXPECT_FALSE(Press(Qt::Key_Shift, Qt::ShiftModifier));      // the sustain pedal
  EXPECT_FALSE(Press(Qt::Key_Less, Qt::ShiftModifier, "<"));  // the comma key: its own note
  EXPECT_FALSE(Press(Qt::Key_Z, Qt::ShiftModifier, "Z"));     // no Caps Lock chord
  EXPECT_FALSE(Release(Qt::Key_Shift));
  EXPECT_FALSE(Press(Qt::Key_9, Qt::KeypadModifier, "9"));  // the ninth, not a note
  EXPECT_FALSE(Press(Qt::Key_Plus, Qt::KeypadModifier, "+"));
  EXPECT_FALSE(Press(Qt::Key_9, {}, "9"));                // above the letters: a note
  EXPECT_FALSE(Press(Qt::Key_Home, Qt::KeypadModifier));  // keypad 7 with Num Lock off: panic
  EXPECT_EQ(Shorts(),
            (Messages{NoteOn(60, 100), Bytes({0xB0, 64, 127}), NoteOn(60, 100), NoteOn(48, 100),
                      Bytes({0xB0, 64, 0}), NoteOn(73, 100, 1), Bytes({0xB1, 123, 0}),
                      Bytes({0xB1, 121, 0}), Bytes({0xB1, 64, 0})}));
  EXPECT_FALSE(Press(Qt::Key_L, Qt::ControlModifier, "\x0c"));
  EXPECT_TRUE(piano.IsRecording());
  EXPECT_TRUE(Press(Qt::Key_Slash, Qt::KeypadModifier, "/"));  // not while recording
}

TEST_F(PianoKeyFilterTest, LockKeysFollowTheKeysTheMenuAndTheCaseOfTypedLetters) {
  QAction* caps = filter.Locks().CapsLockAction();
  Press(Qt::Key_Z, {}, "Z");  // upper case without Shift: Caps Lock is on
  EXPECT_EQ(Shorts(), Chord({48, 52, 55}));
  auto* child = new KeyRecorder(&window);
  for (int key : {Qt::Key_CapsLock, Qt::Key_ScrollLock}) {  // each toggles once, passing up
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(child, &event);
  }
  EXPECT_EQ(window.seen, (std::vector<int>{Qt::Key_CapsLock, Qt::Key_ScrollLock}));
  EXPECT_FALSE(caps->isChecked());
  ClearSent();
  Press(Qt::Key_1, Qt::KeypadModifier, "1");  // scale chord, row 0
  EXPECT_EQ(Shorts(), Chord({48, 52, 55, 59}));
  caps->trigger();
  EXPECT_TRUE(caps->isChecked());
  Press(Qt::Key_X, {}, "x");
  EXPECT_FALSE(caps->isChecked());
  Press(Qt::Key_X, Qt::ShiftModifier, "x");
  EXPECT_TRUE(caps->isChecked());
}

TEST_F(PianoKeyFilterTest, ThePianosKeysWinOverWindowShortcuts) {
  window.setFocusPolicy(Qt::StrongFocus);
  auto* action = new QAction(&window);
  action->setShortcut(QKeySequence(Qt::Key_Z));
  window.addAction(action);
  QSignalSpy triggered(action, &QAction::triggered);
  window.show();
  window.activateWindow();
  window.setFocus();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  filter.Remove();
  QTest::keyClick(&window, Qt::Key_Z);
  ASSERT_EQ(triggered.count(), 1) << "without the piano the shortcut must work for this test";
  ASSERT_TRUE(filter.Install());
  QTest::keyClick(&window, Qt::Key_Z);
  EXPECT_EQ(triggered.count(), 1);
  EXPECT_EQ(Shorts(), (Messages{NoteOn(48, 100), NoteOn(48, 0)}));
}

TEST_F(PianoKeyFilterTest, TheKeysOnScreenPlayByTheHeightOfTheClickAndLightWhatSounds) {
  PianoKeyboardWindow keyboard(piano);
  PianoKeyboardView& keys = keyboard.Keys();
  keys.resize(720, 120);
  emit keyboard.ChannelList().activated(3);
  EXPECT_EQ(piano.Channel(), 3);
  struct Case {
    const char* name;
    int note;
    double height;  // from the far end of the key
  };
  const Case cases[] = {
      {"C2 far", 48, 0.05}, {"C2 near", 48, 0.95}, {"C#2 half", 49, 0.5}, {"top C", 108, 1.0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QRectF key = keys.KeyRect(c.note);
    const QPoint at(static_cast<int>(key.center().x()),
                    static_cast<int>(key.top() + c.height * (key.height() - 1)));
    const int velocity =
        1 + static_cast<int>(std::lround((at.y() - key.top()) / key.height() * 126));
    ClearSent();
    QTest::mousePress(&keys, Qt::LeftButton, {}, at);
    EXPECT_TRUE(keys.IsLit(c.note));
    QTest::mouseRelease(&keys, Qt::LeftButton, {}, at);
    EXPECT_EQ(Shorts(), (Messages{NoteOn(c.note, velocity, 3), NoteOn(c.note, 0, 3)}));
    EXPECT_FALSE(keys.IsLit(c.note));
  }
  // The computer keys light theirs; another octave moves the keys on screen.
  Press(Qt::Key_Z, {}, "z");
  EXPECT_TRUE(keys.IsLit(48));
  emit keyboard.OctaveList().activated(6);
  EXPECT_EQ(keys.FirstNote(), 72);
  EXPECT_FALSE(keys.NoteAt(keys.KeyRect(128).center()).has_value()) << "past the last note";
}

TEST(PianoKeyFilterTranslationTest, QtKeysBecomeThePianosKeys) {
  const auto translate = [](int key, Qt::KeyboardModifiers modifiers = Qt::ShiftModifier) {
    return PianoKeyFilter::ToPianoKey(QKeyEvent(QEvent::KeyPress, key, modifiers));
  };
  EXPECT_EQ(translate(Qt::Key_Question).character, U'/');
  EXPECT_EQ(translate(Qt::Key_BraceRight).character, U']');
  EXPECT_EQ(translate(Qt::Key_P, Qt::ControlModifier).character, U'P');
  EXPECT_EQ(translate(Qt::Key_F12, Qt::ControlModifier).function, 12);
  EXPECT_EQ(translate(Qt::Key_Asterisk, Qt::KeypadModifier).keypad, KeypadKey::Multiply);
  EXPECT_EQ(translate(Qt::Key_Period, Qt::KeypadModifier).keypad, KeypadKey::Decimal);
  EXPECT_EQ(translate(Qt::Key_Insert, {}).cursor, CursorKey::Insert);
  EXPECT_EQ(translate(Qt::Key_Escape, {}).kind, PianoKeyKind::Other);
  EXPECT_TRUE(translate(Qt::Key_AltGr, {}).alt);
}

TEST(PianoIndicatorTest, BlinksOncePerSecondWhileOnAndRestsOnTheOffIcon) {
  QLabel label;
  PianoIndicator indicator(&label);
  const auto shown = [&label] { return label.pixmap().toImage(); };
  const QImage off = shown();
  indicator.SetOn(true);
  EXPECT_EQ(indicator.Timer().interval(), 1000);
  EXPECT_TRUE(indicator.Timer().isActive());
  const QImage on = shown();
  EXPECT_NE(on, off);

  QSignalSpy changed(&indicator, &PianoIndicator::PixmapChanged);
  indicator.Blink();
  EXPECT_EQ(shown(), off);
  indicator.Blink();
  EXPECT_EQ(shown(), on);
  EXPECT_EQ(changed.count(), 2);
  indicator.SetOn(false);
  EXPECT_FALSE(indicator.Timer().isActive());
  indicator.Blink();  // a late tick changes nothing
  EXPECT_EQ(shown(), off);
}

}  // namespace
}  // namespace ravlo::test
