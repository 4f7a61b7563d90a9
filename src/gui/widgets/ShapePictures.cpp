#include "widgets/ShapePictures.h"

#include <algorithm>
#include <cmath>

namespace ravlo {

namespace {

// A picture is never narrower than this, so a shape of instant steps still shows.
constexpr double kShortestSeconds = 0.1;

double LastTime(const EnvelopeShape& shape) {
  return shape.points.empty() ? 0.0 : shape.points.back().x;
}

}  // namespace

void ShowEnvelope(CurveView& view, const EnvelopeShape& shape, CurveView::Axis levels,
                  const EnvelopeShape* reference) {
  double end = std::max(LastTime(shape), kShortestSeconds);
  if (reference != nullptr) end = std::max(end, LastTime(*reference));
  view.SetAxes({0.0, end, false}, levels);
  view.SetReference(reference != nullptr ? reference->points : Curve{});
  view.SetCurve(shape.points);
  view.SetMarkers(shape.points);
  view.SetUprights({shape.keyOff});
  view.SetGuides(levels.minimum < 0.0 ? std::vector<double>{0.0} : std::vector<double>{});
}

CurveView::Axis CentredLevels(const EnvelopeShape& shape, double step) {
  double reach = step;
  for (const CurvePoint& point : shape.points) reach = std::max(reach, std::abs(point.y));
  reach = std::ceil(reach / step) * step;
  return {-reach, reach, false};
}

void ShowFrequencyResponse(CurveView& view, const Curve& response, double lowestDecibels,
                           double highestDecibels) {
  if (response.empty()) return;
  view.SetAxes({response.front().x, response.back().x, true},
               {lowestDecibels, highestDecibels, false});
  view.SetCurve(response);
  view.SetGuides({0.0});
}

}  // namespace ravlo
