#include <gtest/gtest.h>

#include "PianoRig.h"
#include "piano/KeyboardPiano.h"
#include "support/Bytes.h"

namespace ravlo {
namespace {

using test::Bytes;
using test::NoteOn;
using Messages = test::PianoRig::Messages;

class KeyboardPianoTest : public ::testing::Test, public test::PianoRig {
 protected:
  void TypeControlDigits(std::initializer_list<int> digits) {
    for (int digit : digits) Tap(WithControl(Digit(digit)));
  }
};

TEST_F(KeyboardPianoTest, NoteKeysPlayFromTheOctavesCAndOctaveKeysMoveThem) {
  EXPECT_TRUE(Press(PianoKey::Char('Z')));
  EXPECT_TRUE(Release(PianoKey::Char('Z')));
  EXPECT_TRUE(Press(PianoKey::Char(']')));
  EXPECT_EQ(Shorts(), (Messages{NoteOn(48, 100), NoteOn(48, 0), NoteOn(79, 100)}));

  ClearSent();
  EXPECT_TRUE(Press(PianoKey::FunctionKey(9)));
  EXPECT_EQ(piano.Octave(), 7);
  Press(PianoKey::Char(']'));
  Press(PianoKey::FunctionKey(2));
  EXPECT_EQ(piano.Octave(), 0);
  Press(PianoKey::Char('Z'));
  EXPECT_EQ(Shorts(), (Messages{NoteOn(115, 100), NoteOn(0, 100)}));
}

TEST_F(KeyboardPianoTest, AutoRepeatOfAHeldNoteSendsNothing) {
  Press(PianoKey::Char('Q'));
  PianoKey repeat = PianoKey::Char('Q');
  repeat.repeat = true;
  EXPECT_TRUE(piano.HandleKey(repeat));
  EXPECT_TRUE(piano.HandleKey(repeat));
  repeat.released = true;  // the release some platforms put between repeats
  EXPECT_TRUE(piano.HandleKey(repeat));
  Release(PianoKey::Char('Q'));
  EXPECT_EQ(Shorts(), (Messages{NoteOn(60, 100), NoteOn(60, 0)}));
}

TEST_F(KeyboardPianoTest, OnlyCharactersFromCommaToClosingBracketAreTaken) {
  EXPECT_TRUE(Press(PianoKey::Char('K')));    // no note, still the piano's
  EXPECT_TRUE(Press(PianoKey::Char('\\')));   // 0x5C
  EXPECT_TRUE(Press(PianoKey::Char('-')));    // 0x2D
  EXPECT_FALSE(Press(PianoKey::Char('\'')));  // 0x27
  EXPECT_FALSE(Press(PianoKey::Char(' ')));
  EXPECT_FALSE(Press(PianoKey::Char('`')));  // 0x60
  EXPECT_FALSE(Press(PianoKey::OfKind(PianoKeyKind::Other)));
  EXPECT_TRUE(Shorts().empty());
}

TEST_F(KeyboardPianoTest, AltCombinationsAndTabPassUntouched) {
  PianoKey altZ = PianoKey::Char('Z');
  altZ.alt = true;
  EXPECT_FALSE(Press(altZ));
  EXPECT_FALSE(Release(altZ));
  EXPECT_FALSE(Press(PianoKey::OfKind(PianoKeyKind::Tab)));
  EXPECT_FALSE(Release(PianoKey::OfKind(PianoKeyKind::Tab)));
  PianoKey altPad = Digit(9);
  altPad.alt = true;
  EXPECT_FALSE(Press(altPad));
  EXPECT_TRUE(Shorts().empty());
  EXPECT_EQ(piano.CurrentChordType(), ChordType::Major);
}

TEST_F(KeyboardPianoTest, ShiftIsTheSustainPedal) {
  EXPECT_TRUE(Press(PianoKey::OfKind(PianoKeyKind::Shift)));
  EXPECT_TRUE(Release(PianoKey::OfKind(PianoKeyKind::Shift)));
  EXPECT_EQ(Shorts(), (Messages{Bytes({0xB0, 64, 127}), Bytes({0xB0, 64, 0})}));
}

TEST_F(KeyboardPianoTest, CapsLockPlaysTheMajorChordOnPressAndRelease) {
  EXPECT_EQ(piano.CurrentChordType(), ChordType::Major);
  Press(WithCapsLock(PianoKey::Char('Z')));
  Release(WithCapsLock(PianoKey::Char('Z')));
  EXPECT_EQ(Shorts(), (Messages{NoteOn(48, 100), NoteOn(52, 100), NoteOn(55, 100), NoteOn(48, 0),
                                NoteOn(52, 0), NoteOn(55, 0)}));
  EXPECT_TRUE(pauser.pauses.empty());
}

TEST_F(KeyboardPianoTest, KeypadPicksChordTypesAndModifiers) {
  struct Case {
    std::vector<int> digits;  // keypad keys pressed after a clear
    std::vector<int> notes;   // the chord on Z at octave 4
  };
  const int kMultiply = static_cast<int>(KeypadKey::Multiply);
  const int kDivide = static_cast<int>(KeypadKey::Divide);
  const std::vector<Case> cases{
      {{3}, {48, 51, 55}},
      {{4}, {48, 51, 55, 57}},
      {{5}, {48, 51, 55, 58}},
      {{6}, {48, 52, 55, 57}},
      {{7}, {48, 52, 55, 58}},
      {{9}, {48, 52, 55, 58, 62}},
      {{0, 1}, {60, 52, 55}},                   // root up an octave
      {{0, 2}, {48, 52, 43}},                   // fifth down an octave
      {{0, kMultiply}, {48, 52, 56}},           // raised fifth
      {{0, kDivide}, {48, 51, 54}},             // lowered third and fifth
      {{0, kMultiply, kDivide}, {48, 51, 54}},  // lowering clears raising
      {{0, 8}, {48, 52, 55, 60}},               // added octave
      {{9, 8}, {48, 52, 55, 58, 62}},           // no added octave over the ninth
      {{0, 1, 2, 8, kMultiply, static_cast<int>(KeypadKey::Decimal)}, {48, 52, 55}},
  };
  for (const Case& c : cases) {
    Tap(PianoKey::Pad(KeypadKey::Decimal));
    for (int key : c.digits) {
      EXPECT_TRUE(Press(PianoKey::Pad(static_cast<KeypadKey>(key))));
      EXPECT_TRUE(Release(PianoKey::Pad(static_cast<KeypadKey>(key))));
    }
    ClearSent();
    Press(WithCapsLock(PianoKey::Char('Z')));
    Messages expected;
    for (int note : c.notes) expected.push_back(NoteOn(note, 100));
    EXPECT_EQ(Shorts(), expected) << "case starting with keypad " << c.digits.front();
  }
}

TEST_F(KeyboardPianoTest, ChordNotesBeyondTheLastMidiNoteAreLeftOut) {
  Press(PianoKey::FunctionKey(9));  // octave 7
  Tap(Digit(9));                    // ninth: 4, 7, 10, 14
  Tap(Digit(1));                    // root up an octave
  ClearSent();
  Press(WithCapsLock(PianoKey::Char(']')));  // 115
  EXPECT_EQ(Shorts(),
            (Messages{NoteOn(127, 100), NoteOn(119, 100), NoteOn(122, 100), NoteOn(125, 100)}));

  ClearSent();
  Tap(Digit(1));  // root back down; the ninth is 129
  Press(WithCapsLock(PianoKey::Char(']')));
  EXPECT_EQ(Shorts().size(), 4u);
  for (const auto& message : Shorts()) EXPECT_LE(message[1], 127);
}

TEST_F(KeyboardPianoTest, ArpeggioSpacesChordPressesButNotReleases) {
  Tap(PianoKey::Char('A'));
  EXPECT_TRUE(piano.Arpeggio());
  Press(WithCapsLock(PianoKey::Char('Z')));
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{200, 200, 200}));
  Release(WithCapsLock(PianoKey::Char('Z')));
  EXPECT_EQ(pauser.pauses.size(), 3u);
  Press(PianoKey::Char('X'));  // a single note is never spread
  EXPECT_EQ(pauser.pauses.size(), 3u);
  Tap(PianoKey::Char('A'));
  EXPECT_FALSE(piano.Arpeggio());
}

TEST_F(KeyboardPianoTest, ControlATakesTheTypedArpeggioDelayWhenReleased) {
  const PianoKey controlA = WithControl(PianoKey::Char('A'));
  Press(controlA);
  TypeControlDigits({7, 5});
  EXPECT_EQ(piano.PendingDelay(), 75);
  EXPECT_EQ(piano.ArpeggioDelay(), 200u);
  Release(controlA);
  EXPECT_EQ(piano.ArpeggioDelay(), 75u);
  EXPECT_EQ(piano.PendingDelay(), -1);
  EXPECT_FALSE(piano.Arpeggio());  // Control+A does not toggle the arpeggio

  Press(controlA);
  TypeControlDigits({1, 2, 3, 4, 5, 6});
  EXPECT_EQ(piano.PendingDelay(), 10000);
  Release(controlA);
  EXPECT_EQ(piano.ArpeggioDelay(), 10000u);

  // Digits without A held pick chords again.
  Tap(WithControl(Digit(3)));
  EXPECT_EQ(piano.CurrentChordType(), ChordType::Minor);
  // Control+A with nothing typed keeps the delay.
  Tap(controlA);
  EXPECT_EQ(piano.ArpeggioDelay(), 10000u);
}

TEST_F(KeyboardPianoTest, ScrollLockKeypadPlaysScaleChordsInTheKey) {
  Press(WithScrollLock(Digit(1)));
  Release(WithScrollLock(Digit(1)));
  EXPECT_EQ(Shorts(), (Messages{NoteOn(48, 100), NoteOn(52, 100), NoteOn(55, 100), NoteOn(59, 100),
                                NoteOn(48, 0), NoteOn(52, 0), NoteOn(55, 0), NoteOn(59, 0)}));

  ClearSent();
  Press(WithControl(PianoKey::FunctionKey(3)));  // key D
  EXPECT_EQ(piano.Key(), 2);
  Tap(WithScrollLock(PianoKey::Pad(KeypadKey::Multiply)));  // voicing 1
  Tap(WithScrollLock(PianoKey::Pad(KeypadKey::Divide)));    // an octave up
  EXPECT_EQ(piano.Voicing(), 1);
  EXPECT_TRUE(piano.ScaleOctaveUp());
  Press(WithScrollLock(Digit(8)));  // row 7: 12, 16, 19, 23 over D5
  EXPECT_EQ(Shorts(),
            (Messages{NoteOn(74, 100), NoteOn(78, 100), NoteOn(81, 100), NoteOn(85, 100)}));

  // Voicings cycle back to 0; keys 0 and 9 still choose chord types.
  Tap(WithScrollLock(PianoKey::Pad(KeypadKey::Multiply)));
  Tap(WithScrollLock(PianoKey::Pad(KeypadKey::Multiply)));
  EXPECT_EQ(piano.Voicing(), 0);
  Tap(WithScrollLock(Digit(9)));
  EXPECT_EQ(piano.CurrentChordType(), ChordType::Ninth);
}

TEST_F(KeyboardPianoTest, ScaleChordNotesBelowTheFirstMidiNoteAreLeftOut) {
  Press(PianoKey::FunctionKey(2));  // octave 0
  Tap(WithScrollLock(PianoKey::Pad(KeypadKey::Multiply)));
  Tap(WithScrollLock(PianoKey::Pad(KeypadKey::Multiply)));  // voicing 2: -5, 0, 4, 11
  ClearSent();
  Press(WithScrollLock(Digit(1)));
  EXPECT_EQ(Shorts(), (Messages{NoteOn(0, 100), NoteOn(4, 100), NoteOn(11, 100)}));
}

TEST_F(KeyboardPianoTest, KeypadPlusAndMinusMoveTheChannelWithinItsRange) {
  Tap(PianoKey::Pad(KeypadKey::Add));
  Tap(PianoKey::Pad(KeypadKey::Add));
  EXPECT_EQ(piano.Channel(), 2);
  Press(PianoKey::Char('Z'));
  EXPECT_EQ(Shorts(), (Messages{NoteOn(48, 100, 2)}));
  for (int i = 0; i < 20; ++i) Tap(PianoKey::Pad(KeypadKey::Add));
  EXPECT_EQ(piano.Channel(), 15);
  for (int i = 0; i < 20; ++i) Tap(PianoKey::Pad(KeypadKey::Subtract));
  EXPECT_EQ(piano.Channel(), 0);
  ASSERT_EQ(listener.channels.size(), 42u);
  EXPECT_EQ(listener.channels[0], 1);
  EXPECT_EQ(listener.channels[21], 15);
  EXPECT_EQ(listener.channels.back(), 0);
}

TEST_F(KeyboardPianoTest, FunctionKeys) {
  EXPECT_TRUE(Press(WithControl(PianoKey::FunctionKey(12))));
  EXPECT_EQ(piano.Key(), 11);
  EXPECT_EQ(piano.Octave(), 4);
  EXPECT_TRUE(Press(PianoKey::FunctionKey(1)));   // taken, does nothing
  EXPECT_TRUE(Press(PianoKey::FunctionKey(10)));  // taken, does nothing
  EXPECT_TRUE(Release(PianoKey::FunctionKey(5)));
  EXPECT_EQ(piano.Octave(), 4);
  EXPECT_FALSE(Press(PianoKey::FunctionKey(13)));
  EXPECT_FALSE(Press(PianoKey::FunctionKey(0)));
  EXPECT_TRUE(Shorts().empty());
}

TEST_F(KeyboardPianoTest, CursorBlockStepsVelocityModulationAndPitchBendWithinLimits) {
  const PianoKey pageUp = PianoKey::CursorBlock(CursorKey::PageUp);
  for (int i = 0; i < 10; ++i) EXPECT_TRUE(Press(pageUp));
  EXPECT_EQ(piano.Velocity(), 127);
  Press(PianoKey::CursorBlock(CursorKey::PageDown));
  EXPECT_EQ(piano.Velocity(), 124);
  for (int i = 0; i < 40; ++i) Press(PianoKey::CursorBlock(CursorKey::PageDown));
  EXPECT_EQ(piano.Velocity(), 0);
  EXPECT_TRUE(Shorts().empty());

  for (int i = 0; i < 17; ++i) Press(PianoKey::CursorBlock(CursorKey::Right));
  EXPECT_EQ(piano.Modulation(), 127);
  EXPECT_EQ(Shorts().size(), 16u);  // the 17th met the limit
  EXPECT_EQ(Shorts().back(), Bytes({0xB0, 0x01, 127}));
  EXPECT_EQ(listener.modulations.size(), 16u);
  ClearSent();
  Press(PianoKey::CursorBlock(CursorKey::Left));
  EXPECT_EQ(Shorts(), (Messages{Bytes({0xB0, 0x01, 120})}));
  EXPECT_EQ(listener.modulations.back(), 120);

  ClearSent();
  Press(PianoKey::CursorBlock(CursorKey::Insert));
  Press(PianoKey::CursorBlock(CursorKey::End));
  Press(PianoKey::CursorBlock(CursorKey::End));  // already centred: nothing
  for (int i = 0; i < 9; ++i) Press(PianoKey::CursorBlock(CursorKey::Delete));
  EXPECT_EQ(piano.PitchBend(), 0);
  EXPECT_EQ(Shorts(), (Messages{Bytes({0xE0, 0, 72}), Bytes({0xE0, 0, 64}), Bytes({0xE0, 0, 56}),
                                Bytes({0xE0, 0, 48}), Bytes({0xE0, 0, 40}), Bytes({0xE0, 0, 32}),
                                Bytes({0xE0, 0, 24}), Bytes({0xE0, 0, 16}), Bytes({0xE0, 0, 8}),
                                Bytes({0xE0, 0, 0})}));

  for (int i = 0; i < 17; ++i) Press(PianoKey::CursorBlock(CursorKey::Insert));
  EXPECT_EQ(piano.PitchBend(), 127);
  ClearSent();
  Press(PianoKey::CursorBlock(CursorKey::Delete));
  EXPECT_EQ(Shorts(), (Messages{Bytes({0xE0, 0, 120})}));
}

TEST_F(KeyboardPianoTest, HomeSendsThePanicMessagesAndOtherCursorKeysPass) {
  Tap(PianoKey::Pad(KeypadKey::Add));  // channel 1
  ClearSent();
  EXPECT_TRUE(Press(PianoKey::CursorBlock(CursorKey::Home)));
  EXPECT_TRUE(Release(PianoKey::CursorBlock(CursorKey::Home)));
  EXPECT_EQ(Shorts(),
            (Messages{Bytes({0xB1, 123, 0}), Bytes({0xB1, 121, 0}), Bytes({0xB1, 64, 0})}));

  EXPECT_FALSE(Press(PianoKey::CursorBlock(CursorKey::Up)));
  EXPECT_FALSE(Release(PianoKey::CursorBlock(CursorKey::Down)));
  EXPECT_FALSE(Press(PianoKey::CursorBlock(CursorKey::PrintScreen)));
  // Cursor keys act on their repeats too.
  PianoKey repeat = PianoKey::CursorBlock(CursorKey::PageDown);
  repeat.repeat = true;
  EXPECT_TRUE(piano.HandleKey(repeat));
  EXPECT_EQ(piano.Velocity(), 96);
}

TEST_F(KeyboardPianoTest, ControlLStartsARecordingThatNoteKeysFill) {
  Tap(PianoKey::Char('L'));  // a note without Control
  EXPECT_FALSE(piano.IsRecording());
  EXPECT_EQ(Shorts().front(), NoteOn(61, 100));

  Tap(WithControl(PianoKey::Char('L')));
  EXPECT_TRUE(piano.IsRecording());
  EXPECT_EQ(piano.Steps()[0], kFirstStep);
  EXPECT_EQ(piano.Steps()[1].note, kStepEndMark);
  Tap(PianoKey::Pad(KeypadKey::Add));  // the channel still moves while recording
  Tap(PianoKey::Char('Z'));
  Tap(PianoKey::Char('C'));
  EXPECT_EQ(piano.StepIndex(), 2);
  EXPECT_EQ(piano.Steps()[0], (PianoStep{48, 100, 1}));
  EXPECT_EQ(piano.Steps()[1], (PianoStep{52, 100, 1}));
  EXPECT_EQ(piano.Steps()[2].note, kStepEndMark);

  // Past the last step the recording wraps to the first.
  for (int i = 0; i < 46; ++i) Tap(PianoKey::Char('X'));
  EXPECT_EQ(piano.StepIndex(), 48);
  Tap(PianoKey::Char('V'));
  EXPECT_EQ(piano.StepIndex(), 1);
  EXPECT_EQ(piano.Steps()[0].note, 53);
  EXPECT_EQ(piano.Steps()[47].note, 50);
}

TEST_F(KeyboardPianoTest, TempoIsTypedOnTheKeypadWhileRecording) {
  Tap(WithControl(PianoKey::Char('L')));
  EXPECT_EQ(piano.Tempo(), 120);
  TypeDigits({2, 0, 0});
  EXPECT_EQ(piano.Tempo(), 200);

  Tap(WithControl(PianoKey::Char('L')));
  EXPECT_EQ(piano.Tempo(), 120);
  TypeDigits({9, 9, 9});
  EXPECT_EQ(piano.Tempo(), 480);
  TypeDigits({5});
  EXPECT_EQ(piano.Tempo(), 480);

  Tap(WithControl(PianoKey::Char('L')));
  TypeDigits({0});
  EXPECT_EQ(piano.Tempo(), 1);
  // Operators other than + and - go to the windows while recording.
  EXPECT_FALSE(Press(PianoKey::Pad(KeypadKey::Multiply)));
  EXPECT_FALSE(Press(PianoKey::Pad(KeypadKey::Decimal)));
  EXPECT_FALSE(piano.RaisedFifth());
  EXPECT_EQ(piano.CurrentChordType(), ChordType::Major);  // digits were tempo, not chords
}

TEST_F(KeyboardPianoTest, ChannelAndModulationFromOtherWindows) {
  EXPECT_TRUE(piano.SetChannel(3, 40));
  EXPECT_EQ(piano.Channel(), 3);
  EXPECT_EQ(piano.Modulation(), 40);
  EXPECT_TRUE(piano.SetChannel(3, 0));  // same channel: the modulation stays
  EXPECT_EQ(piano.Modulation(), 40);
  EXPECT_TRUE(piano.SetChannel(20, 5));
  EXPECT_EQ(piano.Channel(), 15);
  EXPECT_FALSE(piano.SetChannel(-1, 0));
  EXPECT_FALSE(piano.SetChannel(2, 128));
  EXPECT_EQ(piano.Channel(), 15);
  EXPECT_TRUE(piano.SetModulation(90));
  EXPECT_FALSE(piano.SetModulation(-1));
  EXPECT_EQ(piano.Modulation(), 90);
  Press(PianoKey::CursorBlock(CursorKey::Insert));

  piano.Reset();
  EXPECT_EQ(piano.Channel(), 0);
  EXPECT_EQ(piano.Modulation(), 0);
  EXPECT_EQ(piano.PitchBend(), 64);
  EXPECT_TRUE(listener.channels.empty());  // changes from outside are not echoed
}

TEST_F(KeyboardPianoTest, AFailedSendIsReportedOnceAndEndsTheChord) {
  backend.sendResult = kMidiError;
  EXPECT_TRUE(Press(WithCapsLock(PianoKey::Char('Z'))));
  EXPECT_EQ(prompts.messages.size(), 1u);
  EXPECT_TRUE(backend.shorts.empty());
}

}  // namespace
}  // namespace ravlo
