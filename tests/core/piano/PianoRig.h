#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "midi/MidiOutDevice.h"
#include "piano/KeyboardPiano.h"
#include "piano/PianoListener.h"
#include "support/FakeMidiBackend.h"
#include "support/RecordingPauser.h"
#include "support/RecordingPrompts.h"

namespace ravlo::test {

class RecordingPianoListener final : public PianoListener {
 public:
  void PianoChannelChanged(int channel) override { channels.push_back(channel); }
  void PianoModulationChanged(int value) override { modulations.push_back(value); }

  std::vector<int> channels;
  std::vector<int> modulations;
};

// A piano on an open fake port, with its pauses and notices recorded.
struct PianoRig {
  PianoRig() {
    EXPECT_TRUE(device.Open(0));
    piano.SetListener(&listener);
  }

  using Messages = std::vector<std::vector<std::uint8_t>>;
  Messages Shorts() const { return backend.ShortBytes(); }
  void ClearSent() {
    backend.ClearSent();
    pauser.pauses.clear();
  }

  bool Press(PianoKey key) {
    key.released = false;
    return piano.HandleKey(key);
  }
  bool Release(PianoKey key) {
    key.released = true;
    return piano.HandleKey(key);
  }
  // Press and release.
  void Tap(const PianoKey& key) {
    Press(key);
    Release(key);
  }
  static PianoKey WithControl(PianoKey key) {
    key.control = true;
    return key;
  }
  static PianoKey WithCapsLock(PianoKey key) {
    key.capsLock = true;
    return key;
  }
  static PianoKey WithScrollLock(PianoKey key) {
    key.scrollLock = true;
    return key;
  }
  static PianoKey Digit(int digit) { return PianoKey::Pad(static_cast<KeypadKey>(digit)); }
  void TypeDigits(std::initializer_list<int> digits) {
    for (int digit : digits) Tap(Digit(digit));
  }

  FakeMidiBackend backend;
  RecordingPrompts prompts;
  MidiOutDevice device{backend, prompts};
  RecordingPauser pauser;
  RecordingPianoListener listener;
  KeyboardPiano piano{device, pauser};
};

// Note On bytes on channel 0.
inline std::vector<std::uint8_t> NoteOn(int note, int velocity, int channel = 0) {
  return {static_cast<std::uint8_t>(0x90 | channel), static_cast<std::uint8_t>(note),
          static_cast<std::uint8_t>(velocity)};
}

}  // namespace ravlo::test
