#pragma once

#include "shapes/CurvePoint.h"
#include "shapes/EnvelopeShape.h"
#include "widgets/CurveView.h"

namespace ravlo {

// How the editors put the core's shapes into a curve view.

// An envelope across its whole time: its stages marked, the key's release
// upright, and, where given, the shape it is compared with faint behind it
// (the axes hold both).
void ShowEnvelope(CurveView& view, const EnvelopeShape& shape, CurveView::Axis levels,
                  const EnvelopeShape* reference = nullptr);

// A level axis centred on 0 that holds every level of the shape, in whole
// `step`s and at least one step either way.
CurveView::Axis CentredLevels(const EnvelopeShape& shape, double step);

// A filter response in hertz and decibels, on a logarithmic frequency axis
// with the 0 dB line.
void ShowFrequencyResponse(CurveView& view, const Curve& response, double lowestDecibels,
                           double highestDecibels);

}  // namespace ravlo
