#pragma once

#include "shapes/CurvePoint.h"

namespace ravlo {

// An envelope as the editors draw it: from the key going down (x = 0, in
// seconds) through its segments to where it holds, the key's release, and
// the release segment. The levels (y) are in the envelope's own unit.
//
// The times are a picture, not a measurement: a rate or a time offset maps
// to seconds on one steady scale, so that faster reads as steeper and a
// longer segment as wider, as the synthesizer plays them.
struct EnvelopeShape {
  Curve points;
  double keyOff = 0;  // x where the key is released
};

// Builds an envelope segment by segment.
class EnvelopeDrawing {
 public:
  explicit EnvelopeDrawing(double startLevel);

  // A segment to `level` taking `seconds`.
  void GoTo(double level, double seconds);
  // The key held: a level for a while, long enough to be seen beside the
  // segments before it, then the key is released.
  void HoldAndRelease();
  EnvelopeShape Finish() const { return shape_; }

 private:
  EnvelopeShape shape_;
};

// Seconds a rate-driven segment takes to cross the whole level range: from
// about 20 s at rate 0 to a few milliseconds at the top rate, each twelfth
// of the range halving the time.
double FullSwingSeconds(int rate, int maxRate);

// Seconds a time offset (-64 .. 63) makes of a time: sixteen steps double
// or halve it.
double OffsetSeconds(double seconds, int offset);

}  // namespace ravlo
