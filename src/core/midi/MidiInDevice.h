#pragma once

#include <vector>

#include "midi/MidiInBackend.h"
#include "midi/MidiInQueue.h"

namespace ravlo {

class UserPrompts;

// The program's one input from the synthesizer: one port, opened by index,
// whose messages wait in a queue until the program's thread takes them.
// With no port open nothing arrives and the program behaves as it did
// without an input.
class MidiInDevice {
 public:
  MidiInDevice(MidiInBackend& backend, UserPrompts& prompts);
  ~MidiInDevice();
  MidiInDevice(const MidiInDevice&) = delete;
  MidiInDevice& operator=(const MidiInDevice&) = delete;

  // -1 closes the input. A port that will not open is reported; none is open then.
  bool Open(int index);
  void Close();
  bool IsOpen() const { return currentIndex_ >= 0; }
  int CurrentIndex() const { return currentIndex_; }

  std::vector<MidiPort> Ports();
  MidiInQueue& Queue() { return queue_; }

 private:
  MidiInBackend& backend_;
  UserPrompts& prompts_;
  MidiInQueue queue_;
  int currentIndex_ = -1;
};

}  // namespace ravlo
