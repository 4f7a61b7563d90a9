#include "shapes/PartShapes.h"

#include <algorithm>
#include <cmath>

namespace ravlo::part_shapes {

namespace {

// The typical voice the offsets act on.
constexpr double kAttackSeconds = 0.05;
constexpr double kDecaySeconds = 0.8;
constexpr double kReleaseSeconds = 0.6;
constexpr double kHeldLevel = 0.5;
constexpr double kPitchSeconds = 0.3;
constexpr double kCutoffHertz = 2000.0;
constexpr double kButterworthQ = 0.7071;

constexpr double kStepsPerOctave = 16.0;
constexpr double kResonanceStepsPerDoubling = 24.0;
constexpr double kLowestQ = 0.35;
constexpr double kHighestQ = 8.0;
constexpr int kPointsPerOctave = 10;

}  // namespace

EnvelopeShape AmplitudeEnvelope(int attackOffset, int decayOffset, int releaseOffset) {
  EnvelopeDrawing drawing(0.0);
  drawing.GoTo(1.0, OffsetSeconds(kAttackSeconds, attackOffset));
  drawing.GoTo(kHeldLevel, OffsetSeconds(kDecaySeconds, decayOffset));
  drawing.HoldAndRelease();
  drawing.GoTo(0.0, OffsetSeconds(kReleaseSeconds, releaseOffset));
  return drawing.Finish();
}

EnvelopeShape PitchEnvelope(int initialLevel, int attackTime, int releaseLevel, int releaseTime) {
  EnvelopeDrawing drawing(initialLevel);
  drawing.GoTo(0.0, OffsetSeconds(kPitchSeconds, attackTime));
  drawing.HoldAndRelease();
  drawing.GoTo(releaseLevel, OffsetSeconds(kPitchSeconds, releaseTime));
  return drawing.Finish();
}

Curve FilterResponse(int cutoffOffset, int resonanceOffset) {
  const double cutoff = kCutoffHertz * std::exp2(cutoffOffset / kStepsPerOctave);
  const double q = std::clamp(
      kButterworthQ * std::exp2(resonanceOffset / kResonanceStepsPerDoubling), kLowestQ, kHighestQ);
  const int count = static_cast<int>(
      std::lround(std::log2(kHighestFrequency / kLowestFrequency) * kPointsPerOctave));
  Curve points;
  points.reserve(static_cast<std::size_t>(count) + 1);
  for (int i = 0; i <= count; ++i) {
    const double hertz = kLowestFrequency * std::pow(kHighestFrequency / kLowestFrequency,
                                                     static_cast<double>(i) / count);
    // A two-pole low-pass: |H| = 1 / sqrt((1 - w^2)^2 + (w / Q)^2), w = f / fc.
    const double w = hertz / cutoff;
    const double magnitude = 1.0 / std::sqrt(std::pow(1.0 - w * w, 2) + std::pow(w / q, 2));
    points.push_back({hertz, std::max(20.0 * std::log10(magnitude), kFloorDecibels)});
  }
  return points;
}

}  // namespace ravlo::part_shapes
