#include "platform/ThreadPauser.h"

#include <chrono>
#include <thread>

namespace ravlo {

void ThreadPauser::Pause(unsigned milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace ravlo
