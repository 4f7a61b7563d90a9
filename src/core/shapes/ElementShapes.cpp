#include "shapes/ElementShapes.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace ravlo::element_shapes {

namespace {

// Where the envelopes' bytes lie in the 80-byte element.
constexpr std::size_t kAmplitudeAttack = 71;
constexpr std::size_t kAmplitudeDecay1Rate = 72;
constexpr std::size_t kAmplitudeDecay2Rate = 73;
constexpr std::size_t kAmplitudeRelease = 74;
constexpr std::size_t kAmplitudeDecay1Level = 75;
constexpr std::size_t kAmplitudeDecay2Level = 76;
constexpr int kAmplitudeMaxRate = 127;

constexpr std::size_t kPitchDepth = 19;
constexpr std::size_t kPitchFirstRate = 24;
constexpr std::size_t kPitchFirstLevel = 28;
constexpr std::size_t kFilterFirstRate = 48;
constexpr std::size_t kFilterFirstLevel = 52;
constexpr int kEgMaxRate = 63;

constexpr double kMaxLevel = 127.0;
constexpr double kCentreLevel = 64.0;
// The EG depth choices, in octaves over the whole level range.
constexpr std::array<double, 4> kPitchDepthOctaves = {0.5, 1.0, 2.0, 4.0};

double Level(const UserVoiceElement& element, std::size_t at) {
  return element[at] / kMaxLevel;
}

// A rate-driven segment takes its share of a full swing.
double Seconds(int rate, int maxRate, double from, double to, double range) {
  return FullSwingSeconds(rate, maxRate) * std::abs(to - from) / range;
}

// Five levels and four rates, the fourth after the key's release; `scale`
// turns a level byte into the drawn level.
template <class Scale>
EnvelopeShape FiveLevels(const UserVoiceElement& element, std::size_t firstRate,
                         std::size_t firstLevel, Scale scale) {
  EnvelopeDrawing drawing(scale(element[firstLevel]));
  for (std::size_t step = 0; step < 4; ++step) {
    if (step == 3) drawing.HoldAndRelease();
    const double from = element[firstLevel + step];
    const double to = element[firstLevel + step + 1];
    drawing.GoTo(scale(element[firstLevel + step + 1]),
                 Seconds(element[firstRate + step], kEgMaxRate, from, to, kMaxLevel));
  }
  return drawing.Finish();
}

}  // namespace

EnvelopeShape Amplitude(const UserVoiceElement& element) {
  const double decay1 = Level(element, kAmplitudeDecay1Level);
  const double decay2 = Level(element, kAmplitudeDecay2Level);
  const auto seconds = [&element](std::size_t rate, double from, double to) {
    return Seconds(element[rate], kAmplitudeMaxRate, from, to, 1.0);
  };
  EnvelopeDrawing drawing(0.0);
  drawing.GoTo(1.0, seconds(kAmplitudeAttack, 0.0, 1.0));
  drawing.GoTo(decay1, seconds(kAmplitudeDecay1Rate, 1.0, decay1));
  drawing.GoTo(decay2, seconds(kAmplitudeDecay2Rate, decay1, decay2));
  drawing.HoldAndRelease();
  drawing.GoTo(0.0, seconds(kAmplitudeRelease, decay2, 0.0));
  return drawing.Finish();
}

EnvelopeShape Pitch(const UserVoiceElement& element) {
  const std::size_t depth =
      element[kPitchDepth] < kPitchDepthOctaves.size() ? element[kPitchDepth] : 0;
  const double semitonesPerStep = kPitchDepthOctaves[depth] * 12.0 / kCentreLevel;
  return FiveLevels(element, kPitchFirstRate, kPitchFirstLevel, [semitonesPerStep](int level) {
    return (level - kCentreLevel) * semitonesPerStep;
  });
}

EnvelopeShape Filter(const UserVoiceElement& element) {
  return FiveLevels(element, kFilterFirstRate, kFilterFirstLevel,
                    [](int level) { return level - kCentreLevel; });
}

}  // namespace ravlo::element_shapes
