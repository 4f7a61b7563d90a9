#pragma once

#include <QWidget>
#include <vector>

#include "shapes/CurvePoint.h"

namespace ravlo {

// A small picture of a shape the core computed: a polyline through its
// points on linear or logarithmic axes, dots where a point is a handle the
// fields move (an envelope's stages), and level lines for reference (0 dB).
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

  const Curve& Points() const { return points_; }
  const Curve& Markers() const { return markers_; }
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
};

}  // namespace ravlo
