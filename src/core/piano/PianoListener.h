#pragma once

namespace ravlo {

// How the piano tells the main window that the keyboard changed its channel
// (keypad + and -) or its modulation (Left and Right arrows), so that the
// Controllers and Part windows can follow, and what the on-screen keyboard
// shows.
class PianoListener {
 public:
  virtual ~PianoListener() = default;
  virtual void PianoChannelChanged(int channel) = 0;   // 0..15
  virtual void PianoModulationChanged(int value) = 0;  // 0..127
  // The notes sounding, the octave or the channel changed: the on-screen
  // keyboard shows them. Told from inside key handling, so it only redraws.
  virtual void PianoKeysChanged() {}
};

}  // namespace ravlo
