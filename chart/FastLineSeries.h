// The fast line series: one continuous line through every point in index order, drawn with a
// single pen, for series of millions of points.
#pragma once

#include "chart/LineSeries.h"

namespace chart {

class TFastLineSeries : public TCustomLineSeries {
public:
  TFastLineSeries();

  // True: an added point asks the chart for a full repaint. False: the new piece of line is
  // drawn at once instead.
  bool AutoRepaint() const { return FAutoRepaint; }
  void SetAutoRepaint(bool value) { FAutoRepaint = value; }

  // Takes the whole pen, and its colour as the series colour.
  void SetLinePen(const TChartPen& pen);

protected:
  void NotifyPointAdded(int index) override;
  // The line is drawn in the pen's colour, so the pen follows the series colour.
  void ApplySeriesColor(TColor color) override;
  // Draws the piece of line that ends at the new point without a repaint.
  virtual void DrawAddedPoint(int index);

private:
  bool FAutoRepaint = true;
};

} // namespace chart
