#pragma once

namespace ravlo {

// A blocking pause between messages. Pacing is the program's job (the MIDI
// layer never waits), so every pause goes through here; tests count them
// instead of sleeping.
class Pauser {
 public:
  virtual ~Pauser() = default;
  virtual void Pause(unsigned milliseconds) = 0;
};

}  // namespace ravlo
