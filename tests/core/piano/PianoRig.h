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

using Messages = std::vector<std::vector<std::uint8_t>>;

inline std::vector<std::uint8_t> NoteOn(int note, int velocity, int channel = 0) {
  return {static_cast<std::uint8_t>(0x90 | channel), static_cast<std::uint8_t>(note),
          static_cast<std::uint8_t>(velocity)};
}

// Note Ons of the notes at velocity 100, then their Note Offs when released.
inline Messages Chord(const std::vector<int>& notes, bool released = false) {
  Messages chord;
  for (int note : notes) chord.push_back(NoteOn(note, 100));
  for (int note : notes) {
    if (released) chord.push_back(NoteOn(note, 0));
  }
  return chord;
}

// A piano on an open fake port, with its pauses, notices and channel reports
// recorded, and short ways to write its keys.
struct PianoRig : PianoListener {
  PianoRig() {
    EXPECT_TRUE(device.Open(0));
    piano.SetListener(this);
  }
  void PianoChannelChanged(int channel) override { channels.push_back(channel); }
  void PianoModulationChanged(int) override {}
  void PianoKeysChanged() override { ++keysTold; }

  Messages Shorts() const { return backend.ShortBytes(); }
  void ClearSent() {
    backend.ClearSent();
    pauser.pauses.clear();
  }
  bool Press(PianoKey key, bool released = false) {
    key.released = released;
    return piano.HandleKey(key);
  }
  bool Release(const PianoKey& key) { return Press(key, true); }
  void Tap(const PianoKey& key) {
    Press(key);
    Release(key);
  }

  static PianoKey Ch(char32_t c) { return PianoKey::Char(c); }
  static PianoKey Pad(int key) { return PianoKey::Pad(static_cast<KeypadKey>(key)); }
  static PianoKey Pad(KeypadKey key) { return PianoKey::Pad(key); }
  static PianoKey Cur(CursorKey key) { return PianoKey::CursorBlock(key); }
  static PianoKey Fn(int number) { return PianoKey::FunctionKey(number); }
  static PianoKey Ctrl(PianoKey key) { return With(key, &PianoKey::control); }
  static PianoKey Caps(PianoKey key) { return With(key, &PianoKey::capsLock); }
  static PianoKey Scroll(PianoKey key) { return With(key, &PianoKey::scrollLock); }
  static PianoKey With(PianoKey key, bool PianoKey::*modifier) {
    key.*modifier = true;
    return key;
  }

  FakeMidiBackend backend;
  RecordingPrompts prompts;
  MidiOutDevice device{backend, prompts};
  RecordingPauser pauser;
  KeyboardPiano piano{device, pauser};
  std::vector<int> channels;
  int keysTold = 0;
};

}  // namespace ravlo::test
