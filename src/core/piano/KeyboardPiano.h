#pragma once

#include <bitset>
#include <cstdint>

#include "piano/PianoKey.h"
#include "piano/PianoTables.h"
#include "piano/StepPlayer.h"
#include "piano/StepTable.h"

namespace ravlo {

class MidiOutDevice;
class Pauser;
class PianoListener;

// The computer keyboard as a MIDI keyboard: two rows of letter keys play
// notes, the keypad picks chords, the cursor block sends modulation, pitch
// bend, velocity and panic messages, Shift is the sustain pedal, and a step
// recorder plays up to 48 recorded notes in a loop. Everything goes out as
// channel messages on the piano's channel.
class KeyboardPiano {
 public:
  static constexpr int kDefaultOctave = 4;
  static constexpr int kDefaultVelocity = 100;
  static constexpr int kCentrePitchBend = 64;
  static constexpr unsigned kDefaultArpeggioDelay = 200;
  static constexpr int kMaxPendingDelay = 10000;
  static constexpr int kVelocityStep = 4;
  static constexpr int kModulationStep = 8;
  static constexpr int kPitchBendStep = 8;
  static constexpr int kNoteCount = 128;
  static constexpr int kMaxOctave = 7;

  // The pauser spaces arpeggiated chord notes on the caller's thread.
  KeyboardPiano(MidiOutDevice& device, Pauser& pauser);
  ~KeyboardPiano();
  KeyboardPiano(const KeyboardPiano&) = delete;
  KeyboardPiano& operator=(const KeyboardPiano&) = delete;

  void SetListener(PianoListener* listener) { listener_ = listener; }
  // The step player's pause (a plain sleep on its thread unless replaced).
  // Refused while it plays.
  bool SetPlayerPauser(Pauser& pauser) { return player_.SetPauser(pauser); }

  // One key event; true when the piano took it (the windows must not see it).
  bool HandleKey(const PianoKey& key);

  // From the Controllers or Part window: only a channel other than the
  // piano's is taken (at most 15), together with the modulation value.
  // Refused for a negative channel or a modulation outside 0..127.
  bool SetChannel(int channel, int modulation);
  bool SetModulation(int value);
  // After the main bar's Reset: pitch bend centred, channel 0, modulation 0.
  void Reset();

  // The on-screen keyboard: a key pressed with its velocity (1..127) and
  // released, on the piano's channel, as Note Ons like the computer keys
  // send; false for a note or velocity out of range or a failed send.
  bool PressNote(int note, int velocity);
  bool ReleaseNote(int note);
  // The octave (0..7) and channel (0..15) chosen there; the channel is told
  // to the listener as the keypad's is.
  bool SetOctave(int octave);
  bool ChooseChannel(int channel);
  // The notes the piano has sent a Note On for and no release yet (the step
  // player's notes aside); the panic key clears them.
  bool IsSounding(int note) const { return note >= 0 && note < kNoteCount && sounding_[note]; }
  // Stops the step player (program end).
  void Stop();

  int Channel() const { return channel_; }
  int Note() const { return note_; }
  int SendVelocity() const { return sendVelocity_; }
  int Octave() const { return octave_; }
  int Modulation() const { return modulation_; }
  int PitchBend() const { return pitchBend_; }
  int Velocity() const { return velocity_; }
  ChordType CurrentChordType() const { return chordType_; }
  bool RootUpOctave() const { return rootUpOctave_; }
  bool FifthDownOctave() const { return fifthDownOctave_; }
  bool RaisedFifth() const { return raisedFifth_; }
  bool LoweredThirdFifth() const { return loweredThirdFifth_; }
  bool AddedOctave() const { return addedOctave_; }
  int Key() const { return key_; }
  bool Arpeggio() const { return arpeggio_; }
  unsigned ArpeggioDelay() const { return arpeggioDelay_; }
  int PendingDelay() const { return pendingDelay_; }
  int StepIndex() const { return stepIndex_; }
  bool IsPlaying() const { return playing_; }
  bool IsRecording() const { return recording_; }
  const StepTable& Steps() const { return steps_; }
  int Tempo() const { return tempo_; }
  bool TempoTyping() const { return tempoTyping_; }
  int Voicing() const { return voicing_; }
  bool ScaleOctaveUp() const { return scaleOctaveUp_; }
  StepPlayer& Player() { return player_; }

 private:
  bool HandleCursorKey(const PianoKey& key);
  bool HandleFunctionKey(const PianoKey& key);
  bool HandleKeypadKey(const PianoKey& key);
  bool HandleTempoKey(const PianoKey& key);
  bool HandleDelayKey(const PianoKey& key);
  bool HandleChordKey(const PianoKey& key);
  bool HandleCharacterKey(const PianoKey& key);
  void HandleArpeggioKey(const PianoKey& key);
  void PlayNoteKey(int offset, const PianoKey& key);

  void PlayChord(bool press);
  void PlayScaleChord(int row, bool press);
  // Sends one chord note when it lies in 0..127 (else skips it), with the
  // arpeggio pause after it on a press. False when the send failed.
  bool SendChordNote(int note, int velocity, bool press);

  void ChangeChannel(int delta);
  void ChangeModulation(int delta);
  void ChangePitchBend(int delta);
  void StartRecording();
  void TogglePlaying();

  // Sends a Note On (velocity 0: a release) and keeps what sounds.
  bool SendNote(int note, int velocity);
  void TellKeys();
  bool SendControlChange(int controller, int value);
  bool SendPitchBend();

  StepPlayer player_;
  MidiOutDevice& device_;
  Pauser& pauser_;
  PianoListener* listener_ = nullptr;

  int channel_ = 0;
  int note_ = 0;
  int sendVelocity_ = 0;
  int octave_ = kDefaultOctave;
  int modulation_ = 0;
  int pitchBend_ = kCentrePitchBend;
  int velocity_ = kDefaultVelocity;
  ChordType chordType_ = ChordType::Major;
  bool rootUpOctave_ = false;
  bool fifthDownOctave_ = false;
  bool raisedFifth_ = false;
  bool loweredThirdFifth_ = false;
  bool addedOctave_ = false;
  int key_ = 0;
  bool arpeggio_ = false;
  unsigned arpeggioDelay_ = kDefaultArpeggioDelay;
  int pendingDelay_ = -1;
  int stepIndex_ = 0;
  bool playing_ = false;
  bool recording_ = false;

  std::bitset<kNoteCount> sounding_;

  // The A key is held: Control+A+keypad digits type the arpeggio delay.
  bool arpeggioKeyDown_ = false;

  // Read by the step player when it starts.
  StepTable steps_ = FreshStepTable();
  int tempo_ = kDefaultTempo;
  bool tempoTyping_ = false;
  int voicing_ = 0;
  bool scaleOctaveUp_ = false;
};

}  // namespace ravlo
