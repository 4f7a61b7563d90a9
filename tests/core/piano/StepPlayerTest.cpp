#include <chrono>
#include <semaphore>

#include "PianoRig.h"
#include "piano/StepPlayer.h"

namespace ravlo::test {
namespace {

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

class StepPlayerTest : public ::testing::Test, public PianoRig {};

TEST_F(StepPlayerTest, RecordedNotesLoopAtTheTypedTempoUntilControlPOrControlL) {
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

TEST_F(StepPlayerTest, StartRefusesBadInputAndAFullTableWrapsAfterTheLastStep) {
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
