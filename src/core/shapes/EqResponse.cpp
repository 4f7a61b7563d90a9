#include "shapes/EqResponse.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

#include "parameters/XgValueTables.h"

namespace ravlo {

namespace {

constexpr double kSampleRate = 44100.0;
constexpr double kLowestHz = 20.0;
constexpr double kHighestHz = 20000.0;
constexpr int kGainCentre = 0x40;

// A biquad's coefficients, normalised so that a0 is 1.
struct Section {
  double b0, b1, b2, a1, a2;
};

// The filters of the audio EQ cookbook (R. Bristow-Johnson).
Section Design(const EqBand& band) {
  const double a = std::pow(10.0, band.gainDb / 40.0);
  const double w0 = 2.0 * std::numbers::pi * band.frequencyHz / kSampleRate;
  const double cosW = std::cos(w0);
  const double alpha = std::sin(w0) / (2.0 * band.q);
  const double root = 2.0 * std::sqrt(a) * alpha;
  double b0 = 0, b1 = 0, b2 = 0, a0 = 0, a1 = 0, a2 = 0;
  switch (band.shape) {
    case EqBand::Shape::Peaking:
      b0 = 1 + alpha * a;
      b1 = -2 * cosW;
      b2 = 1 - alpha * a;
      a0 = 1 + alpha / a;
      a1 = -2 * cosW;
      a2 = 1 - alpha / a;
      break;
    case EqBand::Shape::LowShelf:
      b0 = a * ((a + 1) - (a - 1) * cosW + root);
      b1 = 2 * a * ((a - 1) - (a + 1) * cosW);
      b2 = a * ((a + 1) - (a - 1) * cosW - root);
      a0 = (a + 1) + (a - 1) * cosW + root;
      a1 = -2 * ((a - 1) + (a + 1) * cosW);
      a2 = (a + 1) + (a - 1) * cosW - root;
      break;
    case EqBand::Shape::HighShelf:
      b0 = a * ((a + 1) + (a - 1) * cosW + root);
      b1 = -2 * a * ((a - 1) + (a + 1) * cosW);
      b2 = a * ((a + 1) + (a - 1) * cosW - root);
      a0 = (a + 1) - (a - 1) * cosW + root;
      a1 = 2 * ((a - 1) - (a + 1) * cosW);
      a2 = (a + 1) - (a - 1) * cosW - root;
      break;
  }
  return {b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0};
}

double MagnitudeDb(const Section& s, double hertz) {
  const std::complex<double> z1 = std::polar(1.0, -2.0 * std::numbers::pi * hertz / kSampleRate);
  const std::complex<double> z2 = z1 * z1;
  const std::complex<double> h = (s.b0 + s.b1 * z1 + s.b2 * z2) / (1.0 + s.a1 * z1 + s.a2 * z2);
  return 20.0 * std::log10(std::abs(h));
}

double Hertz(int value) {
  const int last = static_cast<int>(kEqFrequencyHz.size()) - 1;
  return kEqFrequencyHz[static_cast<std::size_t>(std::clamp(value, 0, last))];
}

}  // namespace

std::array<EqBand, kMultiEqBandCount> MultiEqBands(std::span<const std::uint8_t> bytes) {
  std::array<EqBand, kMultiEqBandCount> bands{};
  const auto byte = [bytes](std::uint8_t low) { return low < bytes.size() ? bytes[low] : 0; };
  for (std::size_t b = 0; b < kMultiEqBandCount; ++b) {
    const MultiEqBandAddresses& at = kMultiEqBands[b];
    EqBand& band = bands[b];
    band.gainDb = byte(at.gain) - kGainCentre;
    band.frequencyHz = Hertz(byte(at.frequency));
    band.q = std::max(1, static_cast<int>(byte(at.q))) / 10.0;
    const bool peaking = !at.shape || byte(*at.shape) != 0;
    band.shape = peaking  ? EqBand::Shape::Peaking
                 : b == 0 ? EqBand::Shape::LowShelf
                          : EqBand::Shape::HighShelf;
  }
  return bands;
}

std::vector<CurvePoint> EqResponse(std::span<const EqBand> bands, std::size_t count) {
  std::vector<Section> sections;
  for (const EqBand& band : bands) sections.push_back(Design(band));
  std::vector<CurvePoint> points;
  if (count < 2) return points;
  points.reserve(count);
  const double step = std::log(kHighestHz / kLowestHz) / static_cast<double>(count - 1);
  for (std::size_t i = 0; i < count; ++i) {
    const double hertz = kLowestHz * std::exp(step * static_cast<double>(i));
    double db = 0;
    for (const Section& section : sections) db += MagnitudeDb(section, hertz);
    points.push_back({hertz, db});
  }
  return points;
}

}  // namespace ravlo
