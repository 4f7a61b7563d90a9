#pragma once

namespace ravlo {

// One point of a drawn curve, in the units of its axes.
struct CurvePoint {
  double x = 0;
  double y = 0;
};

}  // namespace ravlo
