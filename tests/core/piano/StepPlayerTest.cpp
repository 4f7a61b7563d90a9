#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "PianoRig.h"
#include "piano/StepPlayer.h"

namespace ravlo {
namespace {

using test::NoteOn;
using Messages = test::PianoRig::Messages;

// Counts the player's pauses without sleeping and, at the given count, asks
// the player to end after the step it is in, so a run is exactly that many
// steps long whatever the timing of the threads.
class StopAfterPauser final : public Pauser {
 public:
  explicit StopAfterPauser(std::size_t limit) : limit_(limit), reached_(promise_.get_future()) {}
  void Bind(StepPlayer& player) { player_ = &player; }

  void Pause(unsigned milliseconds) override {
    pauses.push_back(milliseconds);
    if (pauses.size() == limit_) {
      player_->RequestStop();
      promise_.set_value();
    } else if (pauses.size() > limit_) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));  // no runaway on a fault
    }
  }
  bool WaitForLimit() {
    return reached_.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
  }

  std::vector<unsigned> pauses;  // read only after the player has been stopped

 private:
  std::size_t limit_;
  StepPlayer* player_ = nullptr;
  std::promise<void> promise_;
  std::future<void> reached_;
};

class StepPlayerTest : public ::testing::Test, public test::PianoRig {};

TEST_F(StepPlayerTest, RecordedNotesLoopAtTheTypedTempoUntilControlP) {
  StopAfterPauser playerPauser(7);
  playerPauser.Bind(piano.Player());
  ASSERT_TRUE(piano.SetPlayerPauser(playerPauser));

  Tap(WithControl(PianoKey::Char('L')));
  Tap(PianoKey::Char('Z'));  // C
  Tap(PianoKey::Char('C'));  // E
  Tap(PianoKey::Char('B'));  // G
  ClearSent();
  Tap(WithControl(PianoKey::Char('P')));
  EXPECT_TRUE(piano.IsPlaying());
  EXPECT_FALSE(piano.IsRecording());
  EXPECT_FALSE(piano.SetPlayerPauser(pauser));  // not while it plays

  ASSERT_TRUE(playerPauser.WaitForLimit());
  Tap(WithControl(PianoKey::Char('P')));
  EXPECT_FALSE(piano.IsPlaying());

  // The fourth step still holds the end mark, so the three notes repeat.
  EXPECT_EQ(Shorts(), (Messages{NoteOn(48, 100), NoteOn(48, 0), NoteOn(52, 100), NoteOn(52, 0),
                                NoteOn(55, 100), NoteOn(55, 0), NoteOn(48, 100), NoteOn(48, 0),
                                NoteOn(52, 100), NoteOn(52, 0), NoteOn(55, 100), NoteOn(55, 0),
                                NoteOn(48, 100), NoteOn(48, 0)}));
  EXPECT_EQ(playerPauser.pauses, std::vector<unsigned>(7, 500));
  EXPECT_TRUE(pauser.pauses.empty());  // nothing slept on the keyboard's thread
}

TEST_F(StepPlayerTest, TheTypedTempoSetsTheIntervalAndControlLStopsThePlayer) {
  StopAfterPauser playerPauser(2);
  playerPauser.Bind(piano.Player());
  ASSERT_TRUE(piano.SetPlayerPauser(playerPauser));

  Tap(WithControl(PianoKey::Char('L')));
  TypeDigits({2, 4, 0});
  Tap(WithControl(PianoKey::Char('P')));  // plays the untouched first step, middle C
  ASSERT_TRUE(playerPauser.WaitForLimit());
  Tap(WithControl(PianoKey::Char('L')));
  EXPECT_FALSE(piano.IsPlaying());
  EXPECT_TRUE(piano.IsRecording());
  EXPECT_EQ(piano.Tempo(), 120);
  EXPECT_EQ(playerPauser.pauses, (std::vector<unsigned>{250, 250}));
  EXPECT_EQ(Shorts(), (Messages{NoteOn(60, 100), NoteOn(60, 0), NoteOn(60, 100), NoteOn(60, 0)}));
}

TEST_F(StepPlayerTest, AFullTableWrapsAfterTheLastStep) {
  StepPlayer player(device);
  StopAfterPauser playerPauser(kStepCount + 1);
  playerPauser.Bind(player);
  ASSERT_TRUE(player.SetPauser(playerPauser));
  StepTable steps{};
  for (std::size_t i = 0; i < kStepCount; ++i) {
    steps[i] = {static_cast<std::uint8_t>(i + 10), 90, 3};
  }
  ASSERT_TRUE(player.Start(steps, 480));
  ASSERT_TRUE(playerPauser.WaitForLimit());
  player.Stop();
  const Messages sent = Shorts();
  ASSERT_EQ(sent.size(), 2 * (kStepCount + 1));
  EXPECT_EQ(sent[0], NoteOn(10, 90, 3));
  EXPECT_EQ(sent[2 * (kStepCount - 1)], NoteOn(57, 90, 3));
  EXPECT_EQ(sent[2 * kStepCount], NoteOn(10, 90, 3));
  EXPECT_EQ(playerPauser.pauses.front(), 125u);
}

TEST_F(StepPlayerTest, StartRefusesBadTempoAnEmptyTableOrASecondStart) {
  StepPlayer player(device);
  EXPECT_FALSE(player.Start(FreshStepTable(), 0));
  EXPECT_FALSE(player.Start(FreshStepTable(), 481));
  EXPECT_FALSE(player.Start(StepTable{}, 120));
  EXPECT_FALSE(player.IsPlaying());
  player.Stop();  // idle: nothing to wait for
  EXPECT_TRUE(backend.shorts.empty());

  StopAfterPauser playerPauser(1);
  playerPauser.Bind(player);
  ASSERT_TRUE(player.SetPauser(playerPauser));
  ASSERT_TRUE(player.Start(FreshStepTable(), 120));
  EXPECT_FALSE(player.Start(FreshStepTable(), 120));
  ASSERT_TRUE(playerPauser.WaitForLimit());
  player.Stop();
  player.Stop();
  EXPECT_FALSE(player.IsPlaying());
}

TEST(StepPlayerIntervalTest, IsAMinuteDividedByTheTempo) {
  EXPECT_EQ(StepPlayer::IntervalFor(120), 500u);
  EXPECT_EQ(StepPlayer::IntervalFor(200), 300u);
  EXPECT_EQ(StepPlayer::IntervalFor(480), 125u);
  EXPECT_EQ(StepPlayer::IntervalFor(1), 60000u);
  EXPECT_EQ(StepPlayer::IntervalFor(7), 8571u);
}

}  // namespace
}  // namespace ravlo
