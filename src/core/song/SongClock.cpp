#include "song/SongClock.h"

#include <algorithm>

namespace ravlo {

namespace {

constexpr std::uint32_t kDefaultTempo = 500000;  // microseconds a quarter: 120 beats a minute
constexpr int kFrameBased = 0x8000;

double FramesPerSecond(int smpte) {
  // -29 stands for 30 drop-frame, 29.97 frames a second.
  return smpte == 29 ? 29.97 : smpte;
}

}  // namespace

SongClock::SongClock(const StandardMidiFile& song) {
  const int division = song.Division();
  if ((division & kFrameBased) != 0) {
    const int frames = -static_cast<std::int8_t>(division >> 8);
    const int ticksPerFrame = std::max(division & 0xFF, 1);
    segments_.push_back({0, 0.0, 1.0 / (FramesPerSecond(std::max(frames, 1)) * ticksPerFrame)});
    return;
  }
  const double ticksPerQuarter = std::max(division, 1);
  const auto perTick = [&](std::uint32_t tempo) { return tempo / 1e6 / ticksPerQuarter; };
  segments_.push_back({0, 0.0, perTick(kDefaultTempo)});
  for (const TempoChange& change : song.Tempos()) {
    const Segment& last = segments_.back();
    const double at = last.seconds + (change.tick - last.tick) * last.secondsPerTick;
    if (change.tick == last.tick) segments_.pop_back();
    segments_.push_back({change.tick, at, perTick(change.microsecondsPerQuarter)});
  }
}

double SongClock::Seconds(std::uint64_t tick) const {
  const auto after = std::upper_bound(
      segments_.begin(), segments_.end(), tick,
      [](std::uint64_t value, const Segment& segment) { return value < segment.tick; });
  const Segment& segment = *std::prev(after);
  return segment.seconds + (tick - segment.tick) * segment.secondsPerTick;
}

}  // namespace ravlo
