#pragma once

#include "shapes/EnvelopeShape.h"
#include "uservoice/UserVoice.h"

namespace ravlo {

// The envelopes of a QS300 user voice element, drawn from its bytes.
namespace element_shapes {

// Amplitude: from silence up at the attack rate to full level, down at the
// decay 1 rate to the decay 1 level, at the decay 2 rate to the decay 2
// level, held, and down to silence at the release rate. Levels 0 .. 1.
EnvelopeShape Amplitude(const UserVoiceElement& element);

// Pitch: level 0, then levels 1, 2 and 3 at rates 1 to 3, held, and level 4
// at rate 4. Levels centred on 64 read in semitones: the ends of the range
// lie the EG depth (half an octave to four octaves) away from the note.
EnvelopeShape Pitch(const UserVoiceElement& element);

// Filter: the same five levels and four rates moving the cutoff; levels
// read as steps from the centre (64).
EnvelopeShape Filter(const UserVoiceElement& element);

}  // namespace element_shapes

}  // namespace ravlo
