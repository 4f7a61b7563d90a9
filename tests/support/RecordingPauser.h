#pragma once

#include <algorithm>
#include <numeric>
#include <vector>

#include "platform/Pauser.h"

namespace ravlo::test {

// Counts pauses instead of sleeping.
class RecordingPauser final : public Pauser {
 public:
  void Pause(unsigned milliseconds) override { pauses.push_back(milliseconds); }

  long Count(unsigned milliseconds) const {
    return std::count(pauses.begin(), pauses.end(), milliseconds);
  }
  unsigned Total() const { return std::accumulate(pauses.begin(), pauses.end(), 0u); }

  std::vector<unsigned> pauses;
};

}  // namespace ravlo::test
