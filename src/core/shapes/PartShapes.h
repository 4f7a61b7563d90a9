#pragma once

#include "shapes/CurvePoint.h"
#include "shapes/EnvelopeShape.h"

namespace ravlo {

// What a part's offsets do to its voice, drawn on a typical voice: the part
// parameters change the voice's own envelope and filter relative to where
// they are, so the pictures show a common voice and the same voice with the
// part's offsets (the shown values, -64 .. 63).
namespace part_shapes {

// Attack up to full level, decay to a held level, release to silence;
// levels 0 .. 1. Each offset scales its time (16 steps double it).
EnvelopeShape AmplitudeEnvelope(int attackOffset, int decayOffset, int releaseOffset);

// The pitch envelope: from the initial level back to the note over the
// attack time, held, then to the release level over the release time;
// levels in the offsets' own steps.
EnvelopeShape PitchEnvelope(int initialLevel, int attackTime, int releaseLevel, int releaseTime);

// The low-pass filter's response, x in hertz (20 Hz .. 20 kHz, evenly on a
// logarithmic axis), y in decibels: the cutoff moves by an octave every 16
// steps from a typical 2 kHz, the resonance raises the peak at the cutoff.
Curve FilterResponse(int cutoffOffset, int resonanceOffset);

inline constexpr double kLowestFrequency = 20.0;
inline constexpr double kHighestFrequency = 20000.0;
// The response is drawn down to here.
inline constexpr double kFloorDecibels = -48.0;

}  // namespace part_shapes

}  // namespace ravlo
