#include "widgets/CurveView.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace ravlo {

namespace {

constexpr double kMargin = 4.0;

// Where `value` lies between the axis ends, 0 .. 1 (outside when it does).
double Fraction(const CurveView::Axis& axis, double value) {
  if (axis.logarithmic) {
    const double low = std::log(std::max(axis.minimum, 1e-9));
    const double high = std::log(std::max(axis.maximum, 1e-9));
    return high > low ? (std::log(std::max(value, 1e-9)) - low) / (high - low) : 0.0;
  }
  return axis.maximum > axis.minimum ? (value - axis.minimum) / (axis.maximum - axis.minimum) : 0.0;
}

}  // namespace

CurveView::CurveView(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CurveView::SetAxes(Axis x, Axis y) {
  xAxis_ = x;
  yAxis_ = y;
  update();
}

void CurveView::SetCurve(Curve points) {
  points_ = std::move(points);
  update();
}

void CurveView::SetMarkers(Curve markers) {
  markers_ = std::move(markers);
  update();
}

void CurveView::SetGuides(std::vector<double> levels) {
  guides_ = std::move(levels);
  update();
}

void CurveView::SetUprights(std::vector<double> places) {
  uprights_ = std::move(places);
  update();
}

void CurveView::SetReference(Curve points) {
  reference_ = std::move(points);
  update();
}

QRectF CurveView::PlotArea() const {
  return QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

QPointF CurveView::Place(CurvePoint point) const {
  const QRectF area = PlotArea();
  // Points past the axes are drawn at their edge rather than off the widget.
  const double across = std::clamp(Fraction(xAxis_, point.x), 0.0, 1.0);
  const double up = std::clamp(Fraction(yAxis_, point.y), 0.0, 1.0);
  return {area.left() + across * area.width(), area.bottom() - up * area.height()};
}

void CurveView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPalette& colours = palette();
  painter.fillRect(rect(), colours.color(QPalette::Base));
  painter.setPen(colours.color(QPalette::Mid));
  painter.drawRect(PlotArea());
  QPen guidePen(colours.color(QPalette::Mid), 1.0, Qt::DashLine);
  painter.setPen(guidePen);
  for (double level : guides_) {
    const QPointF left = Place({xAxis_.minimum, level});
    painter.drawLine(left, QPointF(PlotArea().right(), left.y()));
  }
  for (double place : uprights_) {
    const QPointF bottom = Place({place, yAxis_.minimum});
    painter.drawLine(bottom, QPointF(bottom.x(), PlotArea().top()));
  }
  const auto drawCurve = [this, &painter](const Curve& curve, const QPen& pen) {
    if (curve.empty()) return;
    QPainterPath path(Place(curve.front()));
    for (const CurvePoint& point : curve) path.lineTo(Place(point));
    painter.setPen(pen);
    painter.drawPath(path);
  };
  drawCurve(reference_, QPen(colours.color(QPalette::Mid), 1.5));
  drawCurve(points_, QPen(isEnabled() ? colours.color(QPalette::Highlight)
                                      : colours.color(QPalette::Disabled, QPalette::Text),
                          2.0));
  painter.setBrush(colours.color(QPalette::Text));
  painter.setPen(Qt::NoPen);
  for (const CurvePoint& marker : markers_) painter.drawEllipse(Place(marker), 3.0, 3.0);
}

}  // namespace ravlo
