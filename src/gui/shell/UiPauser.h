#pragma once

#include "platform/Pauser.h"

namespace ravlo {

// A pause on the user-interface thread that keeps windows painted (the
// Processing window above all) but takes no input meanwhile.
class UiPauser final : public Pauser {
 public:
  void Pause(unsigned milliseconds) override;
};

}  // namespace ravlo
