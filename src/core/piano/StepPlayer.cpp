#include "piano/StepPlayer.h"

#include <system_error>

#include "midi/MidiOutDevice.h"

namespace ravlo {

StepPlayer::StepPlayer(MidiOutDevice& device) : device_(device), stopLock_(stopMutex_) {}

StepPlayer::~StepPlayer() {
  Stop();
}

bool StepPlayer::SetPauser(Pauser& pauser) {
  if (playing_) return false;
  pauser_ = &pauser;
  return true;
}

unsigned StepPlayer::IntervalFor(int tempo) {
  if (tempo < kMinTempo) tempo = kMinTempo;
  if (tempo > kMaxTempo) tempo = kMaxTempo;
  return 60000u / static_cast<unsigned>(tempo);
}

bool StepPlayer::Start(const StepTable& steps, int tempo) {
  if (playing_ || tempo < kMinTempo || tempo > kMaxTempo) return false;
  if (steps[0].note >= kStepEndMark) return false;
  stopRequested_.store(false);
  stopLock_.unlock();
  try {
    thread_ = std::thread(&StepPlayer::Run, this, steps, IntervalFor(tempo));
  } catch (const std::system_error&) {
    stopLock_.lock();
    return false;
  }
  playing_ = true;
  return true;
}

void StepPlayer::RequestStop() {
  stopRequested_.store(true);
}

void StepPlayer::Stop() {
  if (!playing_) return;
  // The flag first: a bare mutex gives no promise that a waiting lock wins
  // against the player's next try.
  stopRequested_.store(true);
  stopLock_.lock();
  if (thread_.joinable()) thread_.join();
  playing_ = false;
}

void StepPlayer::Run(StepTable steps, unsigned interval) {
  std::size_t index = 0;
  while (!stopRequested_.load()) {
    // A failed try without a stop request can only be spurious: try again.
    if (!stopMutex_.try_lock()) continue;
    if (steps[index].note >= kStepEndMark) index = 0;
    const PianoStep step = steps[index];
    device_.SendNoteOn(step.note, step.velocity, step.channel);
    pauser_->Pause(interval);
    device_.SendNoteOn(step.note, 0, step.channel);
    index = (index + 1) % kStepCount;
    stopMutex_.unlock();
  }
}

}  // namespace ravlo
