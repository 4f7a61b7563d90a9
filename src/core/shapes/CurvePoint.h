#pragma once

#include <vector>

namespace ravlo {

// One point of a drawn shape (an envelope, a filter or EQ response), in the
// units of its axes: seconds or hertz across, level or decibels up.
struct CurvePoint {
  double x = 0.0;
  double y = 0.0;
  friend bool operator==(const CurvePoint&, const CurvePoint&) = default;
};

using Curve = std::vector<CurvePoint>;

}  // namespace ravlo
