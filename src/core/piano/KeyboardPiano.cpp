#include "piano/KeyboardPiano.h"

#include <algorithm>

#include "messages/XgMessages.h"
#include "midi/MidiNumbers.h"
#include "midi/MidiOutDevice.h"
#include "piano/PianoListener.h"
#include "platform/Pauser.h"

namespace ravlo {

namespace {

constexpr int kMaxChannel = 15;
constexpr int kMaxData = 127;

// Steps a value by delta within 0..127; false when it already sits at the
// limit it is heading for (then nothing is to change or be sent). The top
// counts as 128 on the way down, so that the values stay on their grid
// (127 - 4 gives 124, 127 - 8 gives 120).
bool StepWithin(int& value, int delta) {
  if ((delta > 0 && value >= kMaxData) || (delta < 0 && value <= 0)) return false;
  const int from = (delta < 0 && value == kMaxData) ? kMaxData + 1 : value;
  value = std::clamp(from + delta, 0, kMaxData);
  return true;
}

}  // namespace

KeyboardPiano::KeyboardPiano(MidiOutDevice& device, Pauser& pauser)
    : player_(device), device_(device), pauser_(pauser) {}

KeyboardPiano::~KeyboardPiano() {
  Stop();
}

bool KeyboardPiano::HandleKey(const PianoKey& key) {
  // Alt combinations belong to the windows' menus and mnemonics.
  if (key.alt) return false;
  if (key.kind == PianoKeyKind::Cursor) return HandleCursorKey(key);
  // A held key plays once; its repeats are swallowed.
  if (key.repeat) return true;
  switch (key.kind) {
    case PianoKeyKind::Shift:
      SendControlChange(midi::kHold, key.released ? 0 : kMaxData);
      return true;
    case PianoKeyKind::Function:
      return HandleFunctionKey(key);
    case PianoKeyKind::Keypad:
      return HandleKeypadKey(key);
    case PianoKeyKind::Tab:
      return false;
    case PianoKeyKind::Character:
      return HandleCharacterKey(key);
    case PianoKeyKind::Cursor:
    case PianoKeyKind::Other:
      break;
  }
  return false;
}

bool KeyboardPiano::HandleCursorKey(const PianoKey& key) {
  switch (key.cursor) {
    case CursorKey::PageUp:
    case CursorKey::PageDown:
    case CursorKey::End:
    case CursorKey::Home:
    case CursorKey::Left:
    case CursorKey::Right:
    case CursorKey::Insert:
    case CursorKey::Delete:
      break;
    default:
      return false;
  }
  if (key.released) return true;
  switch (key.cursor) {
    case CursorKey::PageUp:
      StepWithin(velocity_, kVelocityStep);
      break;
    case CursorKey::PageDown:
      StepWithin(velocity_, -kVelocityStep);
      break;
    case CursorKey::End:
      if (pitchBend_ != kCentrePitchBend) {
        pitchBend_ = kCentrePitchBend;
        SendPitchBend();
      }
      break;
    case CursorKey::Home:
      // Panic: silence everything that may hang on the channel.
      if (device_.SendShort(PackAllNotesOff(MidiChannel::FromIndex(channel_))) &&
          SendControlChange(midi::kResetAllControllers, 0)) {
        SendControlChange(midi::kHold, 0);
      }
      sounding_.reset();
      TellKeys();
      break;
    case CursorKey::Left:
      ChangeModulation(-kModulationStep);
      break;
    case CursorKey::Right:
      ChangeModulation(kModulationStep);
      break;
    case CursorKey::Insert:
      ChangePitchBend(kPitchBendStep);
      break;
    case CursorKey::Delete:
      ChangePitchBend(-kPitchBendStep);
      break;
    default:
      break;
  }
  return true;
}

bool KeyboardPiano::HandleFunctionKey(const PianoKey& key) {
  if (key.function < 1 || key.function > 12) return false;
  if (key.released) return true;
  if (key.control) {
    key_ = key.function - 1;
  } else if (key.function >= 2 && key.function <= 9) {
    octave_ = key.function - 2;
    TellKeys();
  }
  return true;
}

bool KeyboardPiano::HandleKeypadKey(const PianoKey& key) {
  if (static_cast<std::size_t>(key.keypad) >= kKeypadKeyCount) return false;
  if (recording_) return HandleTempoKey(key);
  if (key.control && arpeggioKeyDown_) return HandleDelayKey(key);
  return HandleChordKey(key);
}

bool KeyboardPiano::HandleTempoKey(const PianoKey& key) {
  const int digit = KeypadDigit(key.keypad);
  if (digit >= 0) {
    if (key.released) return true;
    if (!tempoTyping_) {
      tempo_ = digit;
      tempoTyping_ = true;
    } else if (tempo_ < kMaxTempo) {
      tempo_ = tempo_ * 10 + digit;
    }
    tempo_ = std::clamp(tempo_, kMinTempo, kMaxTempo);
    return true;
  }
  if (key.keypad == KeypadKey::Add || key.keypad == KeypadKey::Subtract) {
    if (!key.released) ChangeChannel(key.keypad == KeypadKey::Add ? 1 : -1);
    return true;
  }
  return false;
}

bool KeyboardPiano::HandleDelayKey(const PianoKey& key) {
  const int digit = KeypadDigit(key.keypad);
  if (digit < 0 || key.released) return true;
  if (pendingDelay_ < 0) {
    pendingDelay_ = digit;
  } else if (pendingDelay_ < kMaxPendingDelay) {
    pendingDelay_ = std::min(pendingDelay_ * 10 + digit, kMaxPendingDelay);
  }
  return true;
}

bool KeyboardPiano::HandleChordKey(const PianoKey& key) {
  const KeypadBinding& binding = kKeypadBindings[static_cast<std::size_t>(key.keypad)];
  const KeypadAction action = key.scrollLock ? binding.scaleMode : binding.plain;
  const int argument = key.scrollLock ? binding.scaleArgument : binding.plainArgument;

  // Scale chords sound while the key is down: they act on the release too.
  if (action == KeypadAction::ScaleChord) {
    PlayScaleChord(argument, !key.released);
    return true;
  }
  if (key.released) return true;
  switch (action) {
    case KeypadAction::ChordType:
      if (argument >= 0 && static_cast<std::size_t>(argument) < kChordTypeCount) {
        chordType_ = static_cast<ChordType>(argument);
      }
      break;
    case KeypadAction::ToggleRootUpOctave:
      rootUpOctave_ = !rootUpOctave_;
      break;
    case KeypadAction::ToggleFifthDownOctave:
      fifthDownOctave_ = !fifthDownOctave_;
      break;
    case KeypadAction::ToggleAddedOctave:
      addedOctave_ = !addedOctave_;
      break;
    case KeypadAction::ToggleRaisedFifth:
      raisedFifth_ = !raisedFifth_;
      loweredThirdFifth_ = false;
      break;
    case KeypadAction::ToggleLoweredThirdFifth:
      loweredThirdFifth_ = !loweredThirdFifth_;
      raisedFifth_ = false;
      break;
    case KeypadAction::ClearModifiers:
      rootUpOctave_ = fifthDownOctave_ = raisedFifth_ = loweredThirdFifth_ = addedOctave_ = false;
      break;
    case KeypadAction::ChannelUp:
      ChangeChannel(1);
      break;
    case KeypadAction::ChannelDown:
      ChangeChannel(-1);
      break;
    case KeypadAction::NextVoicing:
      voicing_ = (voicing_ + 1) % static_cast<int>(kScaleVoicingCount);
      break;
    case KeypadAction::ToggleScaleOctaveUp:
      scaleOctaveUp_ = !scaleOctaveUp_;
      break;
    case KeypadAction::ScaleChord:
    case KeypadAction::None:
      break;
  }
  return true;
}

bool KeyboardPiano::HandleCharacterKey(const PianoKey& key) {
  const char32_t c = key.character;
  if (c < kFirstPianoCharacter || c > kLastPianoCharacter) return false;
  if (c == U'A') {
    HandleArpeggioKey(key);
    return true;
  }
  if (key.control && c == U'L') {
    if (!key.released) StartRecording();
    return true;
  }
  if (key.control && c == U'P') {
    if (!key.released) TogglePlaying();
    return true;
  }
  const int offset = NoteKeyOffset(c);
  if (offset >= 0) PlayNoteKey(offset, key);
  return true;
}

void KeyboardPiano::HandleArpeggioKey(const PianoKey& key) {
  if (!key.released) {
    arpeggioKeyDown_ = true;
    return;
  }
  arpeggioKeyDown_ = false;
  if (!key.control) {
    arpeggio_ = !arpeggio_;
  } else if (pendingDelay_ >= 0) {
    arpeggioDelay_ = static_cast<unsigned>(pendingDelay_);
    pendingDelay_ = -1;
  }
}

void KeyboardPiano::PlayNoteKey(int offset, const PianoKey& key) {
  note_ = std::min(offset + octave_ * 12, kMaxData);
  if (!key.released) {
    sendVelocity_ = velocity_;
    if (recording_) {
      if (stepIndex_ >= static_cast<int>(kStepCount)) stepIndex_ = 0;
      steps_[static_cast<std::size_t>(stepIndex_)] = {static_cast<std::uint8_t>(note_),
                                                      static_cast<std::uint8_t>(sendVelocity_),
                                                      static_cast<std::uint8_t>(channel_)};
      ++stepIndex_;
    }
  } else {
    sendVelocity_ = 0;
  }
  if (key.capsLock) {
    PlayChord(!key.released);
  } else {
    SendNote(note_, sendVelocity_);
  }
}

void KeyboardPiano::PlayChord(bool press) {
  if (!SendChordNote(note_ + (rootUpOctave_ ? 12 : 0), sendVelocity_, press)) return;
  const ChordShape& shape = kChordTable[static_cast<std::size_t>(chordType_)];
  for (std::size_t slot = 0; slot < kChordSlotCount; ++slot) {
    int interval = shape.intervals[slot];
    if (slot == 3 && addedOctave_ && chordType_ != ChordType::Ninth) interval = 12;
    if (interval == kNoInterval) continue;
    if (slot == 0 && loweredThirdFifth_) interval -= 1;
    if (slot == 1) {
      if (loweredThirdFifth_) {
        interval -= 1;
      } else if (raisedFifth_) {
        interval += 1;
      }
      if (fifthDownOctave_) interval -= 12;
    }
    if (!SendChordNote(note_ + interval, sendVelocity_, press)) return;
  }
}

void KeyboardPiano::PlayScaleChord(int row, bool press) {
  if (row < 0 || static_cast<std::size_t>(row) >= kScaleRowCount) return;
  const int base = key_ + (octave_ + (scaleOctaveUp_ ? 1 : 0)) * 12;
  const int velocity = press ? velocity_ : 0;
  for (const std::int8_t step :
       kScaleChordTable[static_cast<std::size_t>(voicing_)][static_cast<std::size_t>(row)]) {
    if (!SendChordNote(base + step, velocity, press)) return;
  }
}

bool KeyboardPiano::SendChordNote(int note, int velocity, bool press) {
  // High octaves with the top keys reach past the last MIDI note: such chord
  // notes are left out rather than folded onto another note.
  if (!IsDataByte(note)) return true;
  if (!SendNote(note, velocity)) return false;
  if (press && arpeggio_ && arpeggioDelay_ > 0) pauser_.Pause(arpeggioDelay_);
  return true;
}

void KeyboardPiano::ChangeChannel(int delta) {
  channel_ = std::clamp(channel_ + delta, 0, kMaxChannel);
  if (listener_ != nullptr) listener_->PianoChannelChanged(channel_);
  TellKeys();
}

void KeyboardPiano::ChangeModulation(int delta) {
  if (!StepWithin(modulation_, delta)) return;
  SendControlChange(midi::kModulation, modulation_);
  if (listener_ != nullptr) listener_->PianoModulationChanged(modulation_);
}

void KeyboardPiano::ChangePitchBend(int delta) {
  if (StepWithin(pitchBend_, delta)) SendPitchBend();
}

void KeyboardPiano::StartRecording() {
  Stop();
  recording_ = true;
  steps_ = FreshStepTable();
  stepIndex_ = 0;
  tempo_ = kDefaultTempo;
  tempoTyping_ = false;
}

void KeyboardPiano::TogglePlaying() {
  if (playing_) {
    Stop();
    return;
  }
  recording_ = false;
  stepIndex_ = 0;
  playing_ = player_.Start(steps_, tempo_);
}

void KeyboardPiano::Stop() {
  player_.Stop();
  playing_ = false;
}

bool KeyboardPiano::SetChannel(int channel, int modulation) {
  if (channel < 0 || !IsDataByte(modulation)) return false;
  if (channel == channel_) return true;
  channel_ = std::min(channel, kMaxChannel);
  modulation_ = modulation;
  TellKeys();
  return true;
}

bool KeyboardPiano::SetModulation(int value) {
  if (!IsDataByte(value)) return false;
  modulation_ = value;
  return true;
}

void KeyboardPiano::Reset() {
  pitchBend_ = kCentrePitchBend;
  channel_ = 0;
  modulation_ = 0;
  TellKeys();
}

bool KeyboardPiano::PressNote(int note, int velocity) {
  if (!IsDataByte(note) || velocity < 1 || velocity > kMaxData) return false;
  return SendNote(note, velocity);
}

bool KeyboardPiano::ReleaseNote(int note) {
  return IsDataByte(note) && SendNote(note, 0);
}

bool KeyboardPiano::SetOctave(int octave) {
  if (octave < 0 || octave > kMaxOctave) return false;
  octave_ = octave;
  TellKeys();
  return true;
}

bool KeyboardPiano::ChooseChannel(int channel) {
  if (channel < 0 || channel > kMaxChannel) return false;
  if (channel != channel_) ChangeChannel(channel - channel_);
  return true;
}

bool KeyboardPiano::SendNote(int note, int velocity) {
  if (!device_.SendNoteOn(note, velocity, channel_)) return false;
  if (IsDataByte(note)) sounding_[static_cast<std::size_t>(note)] = velocity > 0;
  TellKeys();
  return true;
}

void KeyboardPiano::TellKeys() {
  if (listener_ != nullptr) listener_->PianoKeysChanged();
}

bool KeyboardPiano::SendControlChange(int controller, int value) {
  return device_.SendShort(PackControlChange(MidiChannel::FromIndex(channel_), controller, value));
}

bool KeyboardPiano::SendPitchBend() {
  return device_.SendShort(
      PackChannelMessage(static_cast<std::uint8_t>(midi::kPitchBend | channel_), 0,
                         static_cast<std::uint8_t>(pitchBend_)));
}

}  // namespace ravlo
