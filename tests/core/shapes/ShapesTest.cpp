#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "shapes/ElementShapes.h"
#include "shapes/PartShapes.h"

namespace ravlo {
namespace {

// How long segment `i` (from point i to i + 1) takes.
double Span(const EnvelopeShape& shape, std::size_t i) {
  return shape.points.at(i + 1).x - shape.points.at(i).x;
}

void ExpectLevels(const EnvelopeShape& shape, const std::vector<double>& levels) {
  ASSERT_EQ(shape.points.size(), levels.size());
  for (std::size_t i = 0; i < levels.size(); ++i)
    EXPECT_NEAR(shape.points[i].y, levels[i], 1e-9) << i;
  EXPECT_TRUE(std::is_sorted(shape.points.begin(), shape.points.end(),
                             [](const CurvePoint& a, const CurvePoint& b) { return a.x < b.x; }));
  // The key is released where the held level ends, before the last segment.
  EXPECT_EQ(shape.keyOff, shape.points[levels.size() - 2].x);
}

TEST(ShapesTest, EnvelopesFollowTheirLevelsRatesDepthAndOffsetsAndTheFilterItsCutoff) {
  UserVoiceElement element = DefaultUserVoiceElement();
  // Amplitude: attack, decay 1 and 2 rates, release, decay 1 and 2 levels.
  const std::uint8_t amplitude[] = {100, 60, 40, 80, 100, 50};
  std::copy(std::begin(amplitude), std::end(amplitude), element.begin() + 71);
  ExpectLevels(element_shapes::Amplitude(element), {0, 1, 100 / 127.0, 50 / 127.0, 50 / 127.0, 0});
  UserVoiceElement faster = element;
  faster[71] = 110;
  EXPECT_LT(Span(element_shapes::Amplitude(faster), 0),
            Span(element_shapes::Amplitude(element), 0));
  faster[75] = 127;  // no decay 1 to make
  EXPECT_EQ(Span(element_shapes::Amplitude(faster), 1), 0.0);

  // Pitch and filter: rates 1..4 at 24 and 48, levels 0..4 at 28 and 52.
  const std::uint8_t rates[] = {30, 30, 10, 50};
  const std::uint8_t levels[] = {0, 127, 64, 64, 32};
  for (std::size_t at : {24u, 48u})
    std::copy(std::begin(rates), std::end(rates), element.begin() + at);
  for (std::size_t at : {28u, 52u})
    std::copy(std::begin(levels), std::end(levels), element.begin() + at);
  ExpectLevels(element_shapes::Filter(element), {-64, 63, 0, 0, 0, -32});
  for (int depth = 0; depth < 4; ++depth) {
    SCOPED_TRACE(depth);
    element[19] = static_cast<std::uint8_t>(depth);
    const double octaves = 0.5 * std::exp2(depth);  // ".5 Oct" .. "4 Oct"
    const double step = octaves * 12 / 64;
    ExpectLevels(element_shapes::Pitch(element), {-64 * step, 63 * step, 0, 0, 0, -32 * step});
  }
  // At one rate a segment takes its share of the range.
  const EnvelopeShape pitch = element_shapes::Pitch(element);
  EXPECT_NEAR(Span(pitch, 0) / Span(pitch, 1), 127.0 / 63.0, 1e-9);

  // A part's offsets scale the envelopes; cutoff and resonance shape the filter.
  const EnvelopeShape typical = part_shapes::AmplitudeEnvelope(0, 0, 0);
  const EnvelopeShape offset = part_shapes::AmplitudeEnvelope(16, -16, 32);
  for (const EnvelopeShape* shape : {&typical, &offset}) ExpectLevels(*shape, {0, 1, 0.5, 0.5, 0});
  const double ratios[] = {2.0, 0.5};  // attack, decay
  for (std::size_t segment = 0; segment < 2; ++segment)
    EXPECT_NEAR(Span(offset, segment) / Span(typical, segment), ratios[segment], 1e-9);
  EXPECT_NEAR(Span(offset, 3) / Span(typical, 3), 4.0, 1e-9) << "release";

  const EnvelopeShape partPitch = part_shapes::PitchEnvelope(-20, 0, 10, 16);
  ExpectLevels(partPitch, {-20, 0, 0, 10});
  EXPECT_NEAR(Span(partPitch, 2) / Span(partPitch, 0), 2.0, 1e-9);

  // The filter response moves with the cutoff and peaks with the resonance.
  const auto peak = [](const Curve& points) {
    return *std::max_element(points.begin(), points.end(),
                             [](const CurvePoint& a, const CurvePoint& b) { return a.y < b.y; });
  };
  const Curve flat = part_shapes::FilterResponse(0, 0);
  ASSERT_GE(flat.size(), 90u);
  EXPECT_EQ(flat.front().x, part_shapes::kLowestFrequency);
  EXPECT_NEAR(flat.back().x, part_shapes::kHighestFrequency, 1e-6);
  EXPECT_NEAR(flat.front().y, 0.0, 0.01);
  EXPECT_NEAR(flat.back().y, -40.0, 0.1) << "12 dB an octave past 2 kHz";
  EXPECT_EQ(part_shapes::FilterResponse(-64, 0).back().y, part_shapes::kFloorDecibels);
  EXPECT_TRUE(std::is_sorted(flat.rbegin(), flat.rend(),
                             [](const CurvePoint& a, const CurvePoint& b) { return a.y < b.y; }))
      << "no peak without resonance";

  // An octave up (16 steps), and a resonance of 48 steps: Q four times higher.
  const Curve resonant = part_shapes::FilterResponse(16, 48);
  const CurvePoint top = peak(resonant);
  EXPECT_GT(top.x, 3000.0);
  EXPECT_LE(top.x, 4000.0);
  EXPECT_NEAR(top.y, 20 * std::log10(0.7071 * 4), 0.5);
  EXPECT_LT(peak(part_shapes::FilterResponse(16, 24)).y, top.y);
}

}  // namespace
}  // namespace ravlo
