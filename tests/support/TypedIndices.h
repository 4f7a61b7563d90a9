#pragma once

#include "model/Indices.h"

namespace ravlo::test {

// Short names for the typed indices, counted from 0 (notes: MIDI note numbers).
inline PartIndex PartAt(int index) {
  return PartIndex::FromIndex(index);
}
inline MidiChannel ChannelAt(int index) {
  return MidiChannel::FromIndex(index);
}
inline DrumNote NoteAt(int midiNote) {
  return DrumNote::FromMidiNote(midiNote);
}
inline UnitNumber UnitAt(int value) {
  return UnitNumber::FromValue(value);
}

}  // namespace ravlo::test
