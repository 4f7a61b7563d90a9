#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "effects/MultiEqParameters.h"
#include "shapes/CurvePoint.h"

namespace ravlo {

// One band of an equaliser in the units it sounds in.
struct EqBand {
  enum class Shape { LowShelf, Peaking, HighShelf };
  double gainDb = 0;
  double frequencyHz = 1000;
  double q = 0.7;
  Shape shape = Shape::Peaking;
};

// The five bands the multi EQ's bytes (02 40 00 .. 14) set: gains 34..4C as
// -12..+12 dB, frequencies by Effect Data Assign Table #3, Q in tenths, and
// the first and last band a shelf unless their shape is peaking.
std::array<EqBand, kMultiEqBandCount> MultiEqBands(std::span<const std::uint8_t> bytes);

// The response of the bands in series, in dB, at `count` frequencies spaced
// evenly on a logarithmic scale from 20 Hz to 20 kHz (x in Hz, y in dB), as
// second-order sections at the instruments' 44.1 kHz compute it.
std::vector<CurvePoint> EqResponse(std::span<const EqBand> bands, std::size_t count = 121);

}  // namespace ravlo
