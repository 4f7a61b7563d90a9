#pragma once

#include <atomic>
#include <mutex>
#include <thread>

#include "piano/StepTable.h"
#include "platform/Pauser.h"
#include "platform/ThreadPauser.h"

namespace ravlo {

class MidiOutDevice;

// Plays the recorded steps in a loop on a thread of its own: each step a Note
// On, the interval, a Note Off. The owner's thread stops it by taking the stop
// mutex, which the player tries before every step, so a stop waits for the end
// of the step being played and never cuts a note short.
class StepPlayer {
 public:
  explicit StepPlayer(MidiOutDevice& device);
  ~StepPlayer();
  StepPlayer(const StepPlayer&) = delete;
  StepPlayer& operator=(const StepPlayer&) = delete;

  // The pause between a step's Note On and Note Off, called on the player's
  // thread (a plain sleep unless replaced). Refused while playing.
  bool SetPauser(Pauser& pauser);

  // Starts a loop over a copy of the steps at the tempo (1..480). Refused
  // while playing, for a bad tempo, or when the first step is an end mark.
  bool Start(const StepTable& steps, int tempo);
  // Waits for the current step to end, then ends the thread. Nothing when idle.
  void Stop();
  // Asks the player to end after the step it is playing, without waiting;
  // safe from any thread. Stop still has to be called to collect the thread.
  void RequestStop();
  bool IsPlaying() const { return playing_; }

  // Milliseconds per step: 60000 / tempo.
  static unsigned IntervalFor(int tempo);

 private:
  void Run(StepTable steps, unsigned interval);

  MidiOutDevice& device_;
  ThreadPauser sleeper_;
  Pauser* pauser_ = &sleeper_;
  std::mutex stopMutex_;
  std::unique_lock<std::mutex> stopLock_;  // held by the owner while not playing
  std::atomic<bool> stopRequested_{false};
  std::thread thread_;
  bool playing_ = false;
};

}  // namespace ravlo
