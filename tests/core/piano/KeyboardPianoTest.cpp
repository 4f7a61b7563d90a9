#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <semaphore>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "PianoRig.h"
#include "piano/PianoTables.h"
#include "piano/StepPlayer.h"
#include "support/Bytes.h"

namespace ravlo::test {
namespace {

TEST(PianoTablesTest, NoteKeysAreDistinctAndChordsHaveTheirDigitsAndRisingNotes) {
  std::set<char> characters;
  for (const NoteKey& key : kNoteKeys) {
    EXPECT_TRUE(characters.insert(key.character).second) << key.character;
    EXPECT_GE(static_cast<char32_t>(key.character), kFirstPianoCharacter);
    EXPECT_LE(static_cast<char32_t>(key.character), kLastPianoCharacter);
    EXPECT_LE(key.offset, 31);
  }
  EXPECT_EQ(NoteKeyOffset('A'), -1);  // the arpeggio key
  // Chords have their own keypad digits and rising notes.
  for (std::size_t type = 0; type < kChordTypeCount; ++type) {
    const auto digit = static_cast<std::size_t>(kChordTable[type].keypadDigit);
    EXPECT_EQ(kKeypadBindings[digit].plain, KeypadAction::ChordType);
    EXPECT_EQ(kKeypadBindings[digit].plainArgument, static_cast<int>(type));
    int previous = 0;
    for (std::int8_t interval : kChordTable[type].intervals) {
      if (interval == kNoInterval) continue;
      EXPECT_GT(interval, std::exchange(previous, interval)) << type;
    }
  }
  for (const auto& voicing : kScaleChordTable) {
    for (const ScaleChord& chord : voicing) {
      for (std::size_t i = 1; i < chord.size(); ++i) EXPECT_GT(chord[i], chord[i - 1]);
    }
  }
}

class KeyboardPianoTest : public ::testing::Test, public PianoRig {};

TEST_F(KeyboardPianoTest, NoteKeysPlayFromTheOctavesCAndAutoRepeatSendsNothing) {
  Tap(Ch('Z'));
  Press(Ch(']'));
  PianoKey repeat = Ch(']');
  repeat.repeat = true;
  EXPECT_TRUE(Press(repeat) && Release(repeat));  // a release may come between repeats
  // Octave 7, then octave 0; Control+F12 picks the key B, not an octave.
  for (const PianoKey& key : {Fn(9), Ch(']'), Fn(2), Ctrl(Fn(12)), Ch('Z')}) Press(key);
  EXPECT_EQ(piano.Key(), 11);
  EXPECT_EQ(Shorts(), (Messages{NoteOn(48, 100), NoteOn(48, 0), NoteOn(79, 100), NoteOn(115, 100),
                                NoteOn(0, 100)}));
}

TEST_F(KeyboardPianoTest, TakesItsOwnKeysAndLeavesAltTabAndTheRestToTheWindows) {
  int i = 0;  // every character from ',' to ']' is taken, a note or not
  for (const PianoKey& key : {Ch('K'), Ch('\\'), Ch('-'), Fn(1), Fn(10), Pad(KeypadKey::Decimal)}) {
    EXPECT_TRUE(Press(key) && Release(key)) << "taken #" << i++;
  }
  for (const PianoKey& key :
       {Ch('\''), Ch('`'), With(Ch('Z'), &PianoKey::alt), With(Pad(9), &PianoKey::alt), Fn(13),
        Fn(0), PianoKey::OfKind(PianoKeyKind::Tab), Cur(CursorKey::Up), Cur(CursorKey::PrintScreen),
        PianoKey::OfKind(PianoKeyKind::Other)}) {
    EXPECT_FALSE(Press(key) || Release(key)) << "passed #" << i++;
  }
  EXPECT_TRUE(Shorts().empty());
  EXPECT_EQ(std::tuple(piano.CurrentChordType(), piano.Octave()), std::tuple(ChordType::Major, 4));
}

TEST_F(KeyboardPianoTest, CapsLockPlaysTheKeypadsChordLeavingOutNotesAbove127) {
  Tap(Caps(Ch('Z')));
  EXPECT_EQ(Shorts(), Chord({48, 52, 55}, true));  // type 1, major: root, +4, +7
  // The chord on a note key after the decimal point has cleared the modifiers and `keys` set them.
  const auto chordAfter = [this](std::initializer_list<int> keys, char32_t noteKey = 'Z') {
    Tap(Pad(KeypadKey::Decimal));
    for (int key : keys) Tap(Pad(key));
    ClearSent();
    Press(Caps(Ch(noteKey)));
    return Shorts();
  };
  const int kMul = static_cast<int>(KeypadKey::Multiply),
            kDiv = static_cast<int>(KeypadKey::Divide);
  EXPECT_EQ(chordAfter({3}), Chord({48, 51, 55}));
  EXPECT_EQ(chordAfter({9}), Chord({48, 52, 55, 58, 62}));
  EXPECT_EQ(chordAfter({0, 1}), Chord({60, 52, 55}));           // root up an octave
  EXPECT_EQ(chordAfter({0, 2}), Chord({48, 52, 43}));           // fifth down an octave
  EXPECT_EQ(chordAfter({0, kMul}), Chord({48, 52, 56}));        // raised fifth
  EXPECT_EQ(chordAfter({0, kMul, kDiv}), Chord({48, 51, 54}));  // lowered third and fifth
  EXPECT_EQ(chordAfter({0, 8}), Chord({48, 52, 55, 60}));       // added octave,
  EXPECT_EQ(chordAfter({9, 8}), Chord({48, 52, 55, 58, 62}));   // but none over the ninth
  EXPECT_EQ(chordAfter({0, 1, 2, 8, kMul}), Chord({60, 52, 44, 60}));
  EXPECT_EQ(chordAfter({0}), Chord({48, 52, 55}));                  // cleared
  Tap(Fn(9));                                                       // octave 7: ] is 115
  EXPECT_EQ(chordAfter({9, 1}, ']'), Chord({127, 119, 122, 125}));  // the ninth, 129, left out
}

TEST_F(KeyboardPianoTest, ScrollLockKeypadPlaysScaleChordsInTheKeyLeavingOutNotesBelow0) {
  Press(Ctrl(Fn(3)));                                                 // key D
  Press(Fn(2));                                                       // octave 0
  for (int i = 0; i < 2; ++i) Tap(Scroll(Pad(KeypadKey::Multiply)));  // voicing 2
  Tap(Scroll(Pad(1)));                                                // row 0: -5, 0, 4, 11
  EXPECT_EQ(Shorts(), Chord({2, 6, 13}, true));
  ClearSent();
  Tap(Scroll(Pad(KeypadKey::Divide)));  // an octave up
  Press(Scroll(Pad(8)));                // row 7: 7, 12, 16, 23
  EXPECT_EQ(Shorts(), Chord({21, 26, 30, 37}));
}

TEST_F(KeyboardPianoTest, TheArpeggioSpacesChordPressesByTheDelayTypedWithControlA) {
  Tap(Ch('A'));
  Press(Ctrl(Ch('A')));
  for (int digit : {7, 5}) Tap(Ctrl(Pad(digit)));
  EXPECT_EQ(piano.ArpeggioDelay(), 200u);  // until A is released
  Release(Ctrl(Ch('A')));                  // which leaves the arpeggio on
  Tap(Caps(Ch('Z')));
  Tap(Ch('X'));  // a single note is never spread
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{75, 75, 75}));
}

TEST_F(KeyboardPianoTest, CursorBlockStepsWithinLimitsAndShiftAndHomeSendControllers) {
  // Holds a cursor key for some presses (all but the first auto-repeats).
  const auto hold = [this](CursorKey which, int presses) {
    ClearSent();
    for (PianoKey key = Cur(which); presses-- > 0; key.repeat = true) EXPECT_TRUE(Press(key));
    return Shorts();
  };
  EXPECT_TRUE(hold(CursorKey::PageUp, 10).empty());
  EXPECT_EQ(piano.Velocity(), 127);
  hold(CursorKey::PageDown, 40);
  EXPECT_EQ(piano.Velocity(), 0);
  EXPECT_EQ(hold(CursorKey::Right, 17).size(), 16u);  // the 17th meets the limit
  EXPECT_EQ(hold(CursorKey::Left, 1), (Messages{Bytes({0xB0, 0x01, 120})}));
  EXPECT_EQ(hold(CursorKey::Insert, 17).back(), Bytes({0xE0, 0, 127}));
  EXPECT_EQ(hold(CursorKey::End, 2), (Messages{Bytes({0xE0, 0, 64})}));
  EXPECT_EQ(hold(CursorKey::Delete, 9).size(), 8u);
  EXPECT_EQ(piano.PitchBend(), 0);

  ClearSent();
  Tap(PianoKey::OfKind(PianoKeyKind::Shift));  // the sustain pedal
  Tap(Pad(KeypadKey::Add));                    // channel 1
  Tap(Cur(CursorKey::Home));                   // panic
  EXPECT_EQ(Shorts(), (Messages{Bytes({0xB0, 64, 127}), Bytes({0xB0, 64, 0}), Bytes({0xB1, 123, 0}),
                                Bytes({0xB1, 121, 0}), Bytes({0xB1, 64, 0})}));
}

TEST_F(KeyboardPianoTest, ControlLStartsARecordingThatWrapsAndTheKeypadTypesItsTempo) {
  Tap(Ctrl(Ch('L')));
  Tap(Pad(KeypadKey::Add));  // the channel still moves while recording
  for (int digit : {2, 0, 0}) Tap(Pad(digit));
  EXPECT_EQ(piano.Tempo(), 200);
  EXPECT_FALSE(Press(Pad(KeypadKey::Multiply)));  // other operators pass
  for (int i = 0; i < 48; ++i) Tap(Ch('X'));
  Tap(Ch('Z'));  // past the last step the recording wraps to the first
  EXPECT_EQ(piano.Steps()[0], (PianoStep{48, 100, 1}));
  EXPECT_EQ(piano.Steps()[47], (PianoStep{50, 100, 1}));

  Tap(Ctrl(Ch('L')));  // a new recording: fresh steps and tempo
  EXPECT_EQ(piano.Steps()[1].note, kStepEndMark);
  for (int digit : {9, 9, 9, 5}) Tap(Pad(digit));
  EXPECT_EQ(piano.Tempo(), 480);
  Tap(Ctrl(Ch('L')));
  Tap(Pad(0));
  EXPECT_EQ(piano.Tempo(), 1);
}

TEST_F(KeyboardPianoTest, ChannelStaysInRangeFromTheKeypadAndOtherWindows) {
  for (int i = 0; i < 20; ++i) Tap(Pad(KeypadKey::Add));
  Press(Ch('Z'));
  EXPECT_EQ(Shorts(), (Messages{NoteOn(48, 100, 15)}));
  for (int i = 0; i < 20; ++i) Tap(Pad(KeypadKey::Subtract));
  EXPECT_EQ(channels.back(), 0);

  EXPECT_TRUE(piano.SetChannel(3, 40));
  EXPECT_TRUE(piano.SetChannel(3, 0));  // same channel: the modulation stays
  EXPECT_EQ(piano.Modulation(), 40);
  EXPECT_TRUE(piano.SetChannel(20, 5));
  EXPECT_FALSE(piano.SetChannel(-1, 0) || piano.SetChannel(2, 128) || piano.SetModulation(-1));
  EXPECT_EQ(std::tuple(piano.Channel(), piano.Modulation()), std::tuple(15, 5));
  EXPECT_EQ(channels.size(), 40u);  // changes from outside are not echoed

  ClearSent();
  backend.sendResult = kMidiError;  // a failed send is reported once and ends the chord
  EXPECT_TRUE(Press(Caps(Ch('Z'))));
  EXPECT_EQ(prompts.messages.size(), 1u);
  EXPECT_TRUE(Shorts().empty());
}

TEST_F(KeyboardPianoTest, OnScreenKeysPlayOnThePianosChannelAndWhatSoundsIsKnown) {
  EXPECT_TRUE(piano.ChooseChannel(2) && piano.SetOctave(5));
  EXPECT_EQ(channels, std::vector<int>{2}) << "told as the keypad's channel is";
  struct Step {
    const char* name;
    std::function<void()> act;
    std::vector<int> sounding;
  };
  const Step steps[] = {
      {"a computer key", [&] { Press(Ch('Z')); }, {60}},
      {"a chord", [&] { Press(Caps(Ch('X'))); }, {60, 62, 66, 69}},
      {"a click", [&] { piano.PressNote(30, 1); }, {30, 60, 62, 66, 69}},
      {"key released", [&] { Release(Ch('Z')); }, {30, 62, 66, 69}},
      {"click released", [&] { piano.ReleaseNote(30); }, {62, 66, 69}},
      {"panic", [&] { Tap(Cur(CursorKey::Home)); }, {}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    const int told = keysTold;
    step.act();
    EXPECT_GT(keysTold, told);
    std::vector<int> sounding;
    for (int note = -1; note <= 128; ++note) {
      if (piano.IsSounding(note)) sounding.push_back(note);
    }
    EXPECT_EQ(sounding, step.sounding);
  }
  EXPECT_EQ(Shorts()[4], NoteOn(30, 1, 2));
  EXPECT_EQ(Shorts()[6], NoteOn(30, 0, 2));
  EXPECT_FALSE(piano.PressNote(128, 1) || piano.PressNote(10, 0) || piano.PressNote(10, 128) ||
               piano.ReleaseNote(-1) || piano.SetOctave(8) || piano.ChooseChannel(16));
  EXPECT_EQ(std::tuple(piano.Octave(), piano.Channel()), std::tuple(5, 2));
}

// Counts pauses without sleeping; at the limit the player ends after its step.
struct StopAfterPauser final : Pauser {
  explicit StopAfterPauser(StepPlayer& stepPlayer) : player(stepPlayer) {}
  void Pause(unsigned milliseconds) override {
    pauses.push_back(milliseconds);
    if (pauses.size() != limit) return;
    player.RequestStop();
    reached.release();
  }
  bool WaitForLimit() { return reached.try_acquire_for(std::chrono::seconds(10)); }

  StepPlayer& player;
  std::size_t limit = 0;         // set before the player starts
  std::vector<unsigned> pauses;  // read only while the player is stopped
  std::binary_semaphore reached{0};
};

TEST_F(KeyboardPianoTest, StepPlayerRecordedNotesLoopAtTheTypedTempoUntilControlPOrControlL) {
  StopAfterPauser playerPauser(piano.Player());
  ASSERT_TRUE(piano.SetPlayerPauser(playerPauser));
  Tap(Ctrl(Ch('L')));
  for (char32_t note : {U'Z', U'C', U'B'}) Tap(Ch(note));  // C, E, G
  ClearSent();
  playerPauser.limit = 4;
  Tap(Ctrl(Ch('P')));
  EXPECT_FALSE(piano.IsRecording());
  EXPECT_FALSE(piano.SetPlayerPauser(pauser));  // not while it plays
  ASSERT_TRUE(playerPauser.WaitForLimit());
  Tap(Ctrl(Ch('P')));
  EXPECT_FALSE(piano.IsPlaying());
  // The fourth step still holds the end mark, so the three notes repeat.
  EXPECT_EQ(Shorts(), (Messages{NoteOn(48, 100), NoteOn(48, 0), NoteOn(52, 100), NoteOn(52, 0),
                                NoteOn(55, 100), NoteOn(55, 0), NoteOn(48, 100), NoteOn(48, 0)}));
  EXPECT_EQ(playerPauser.pauses, std::vector<unsigned>(4, 500));

  Tap(Ctrl(Ch('L')));  // a new recording, with a typed tempo
  for (int digit : {2, 4, 0}) Tap(Pad(digit));
  playerPauser.limit = 6;
  Tap(Ctrl(Ch('P')));  // plays the untouched first step, middle C
  ASSERT_TRUE(playerPauser.WaitForLimit());
  Tap(Ctrl(Ch('L')));
  EXPECT_FALSE(piano.IsPlaying());
  EXPECT_EQ(playerPauser.pauses.back(), 250u);
}

TEST_F(KeyboardPianoTest, StepPlayerStartRefusesBadInputAndAFullTableWrapsAfterTheLastStep) {
  StepPlayer player(device);
  EXPECT_FALSE(player.Start(FreshStepTable(), 0));
  EXPECT_FALSE(player.Start(FreshStepTable(), 481));
  EXPECT_FALSE(player.Start(StepTable{}, 120));  // nothing recorded
  player.Stop();                                 // idle: nothing to wait for

  StopAfterPauser playerPauser(player);
  playerPauser.limit = kStepCount + 1;
  ASSERT_TRUE(player.SetPauser(playerPauser));
  StepTable steps{};
  for (auto i = 0u; i < kStepCount; ++i) steps[i] = {static_cast<std::uint8_t>(i + 10), 90, 3};
  ASSERT_TRUE(player.Start(steps, 480));
  EXPECT_FALSE(player.Start(steps, 480));
  ASSERT_TRUE(playerPauser.WaitForLimit());
  player.Stop();
  const Messages sent = Shorts();
  ASSERT_EQ(sent.size(), 2 * (kStepCount + 1));
  EXPECT_EQ(sent[2 * (kStepCount - 1)], NoteOn(57, 90, 3));
  EXPECT_EQ(sent[2 * kStepCount], NoteOn(10, 90, 3));
  EXPECT_EQ(playerPauser.pauses.front(), 125u);
}

}  // namespace
}  // namespace ravlo::test
