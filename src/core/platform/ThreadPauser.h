#pragma once

#include "platform/Pauser.h"

namespace ravlo {

// The plain pause of a command-line run: sleeps the calling thread.
class ThreadPauser final : public Pauser {
 public:
  void Pause(unsigned milliseconds) override;
};

}  // namespace ravlo
