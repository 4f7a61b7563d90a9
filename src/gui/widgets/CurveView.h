#pragma once

#include <QWidget>
#include <vector>

#include "shapes/CurvePoint.h"

namespace ravlo {

// A small picture of a shape the core computed: a polyline through its
// points on linear or logarithmic axes, dots where a point is a handle the
// fields move (an envelope's stages), level lines for reference (0 dB),
// upright lines at moments of note (a key's release), and a second, fainter
// curve to compare with (the shape before the fields moved it).
// It keeps only what it was last given, so a window redraws it from the
// model on every change notice.
class CurveView final : public QWidget {
 public:
  struct Axis {
    double minimum = 0.0;
    double maximum = 1.0;
    bool logarithmic = false;  // needs minimum > 0
  };

  explicit CurveView(QWidget* parent = nullptr);

  void SetAxes(Axis x, Axis y);
  void SetCurve(Curve points);
  void SetMarkers(Curve markers);
  void SetGuides(std::vector<double> levels);
  void SetUprights(std::vector<double> places);
  void SetReference(Curve points);

  const Curve& Points() const { return points_; }
  const Curve& Markers() const { return markers_; }
  const Curve& Reference() const { return reference_; }
  const std::vector<double>& Uprights() const { return uprights_; }
  // Where a point lands in the widget, for tests and for hit-testing.
  QPointF Place(CurvePoint point) const;

  QSize sizeHint() const override { return {240, 120}; }
  QSize minimumSizeHint() const override { return {120, 60}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRectF PlotArea() const;

  Axis xAxis_;
  Axis yAxis_;
  Curve points_;
  Curve markers_;
  std::vector<double> guides_;
  std::vector<double> uprights_;
  Curve reference_;
};

}  // namespace ravlo
