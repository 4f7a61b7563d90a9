#pragma once

#include <cstdint>
#include <vector>

#include "song/StandardMidiFile.h"

namespace ravlo {

// When a song's ticks sound: its division and tempo changes turned into
// seconds from the start (120 beats a minute until the first Set Tempo; a
// frame-based division ignores the tempo, as the format says).
class SongClock {
 public:
  explicit SongClock(const StandardMidiFile& song);

  double Seconds(std::uint64_t tick) const;

 private:
  // From `tick` on, each tick lasts `secondsPerTick`.
  struct Segment {
    std::uint64_t tick;
    double seconds;
    double secondsPerTick;
  };
  std::vector<Segment> segments_;
};

}  // namespace ravlo
