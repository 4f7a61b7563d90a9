#pragma once

namespace ravlo {

// The main window's part in a load: the reset it performs, when its option
// says so, after a file was read and before its messages are taken in.
class IntakeHost {
 public:
  virtual ~IntakeHost() = default;
  virtual void AutoReset() = 0;
};

}  // namespace ravlo
