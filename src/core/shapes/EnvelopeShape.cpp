#include "shapes/EnvelopeShape.h"

#include <algorithm>
#include <cmath>

namespace ravlo {

namespace {

constexpr double kSlowestSwingSeconds = 20.0;
constexpr double kSwingHalvings = 12.0;
constexpr double kOffsetStepsPerDoubling = 16.0;
constexpr double kShortestHoldSeconds = 0.3;
constexpr double kHoldShare = 0.3;

}  // namespace

EnvelopeDrawing::EnvelopeDrawing(double startLevel) {
  shape_.points.push_back({0.0, startLevel});
}

void EnvelopeDrawing::GoTo(double level, double seconds) {
  const CurvePoint& last = shape_.points.back();
  shape_.points.push_back({last.x + std::max(seconds, 0.0), level});
}

void EnvelopeDrawing::HoldAndRelease() {
  const CurvePoint& last = shape_.points.back();
  const double hold = std::max(kShortestHoldSeconds, last.x * kHoldShare);
  shape_.points.push_back({last.x + hold, last.y});
  shape_.keyOff = shape_.points.back().x;
}

double FullSwingSeconds(int rate, int maxRate) {
  const double share =
      maxRate > 0 ? std::clamp(static_cast<double>(rate) / maxRate, 0.0, 1.0) : 1.0;
  return kSlowestSwingSeconds * std::exp2(-kSwingHalvings * share);
}

double OffsetSeconds(double seconds, int offset) {
  return seconds * std::exp2(offset / kOffsetStepsPerDoubling);
}

}  // namespace ravlo
