// What a series paints with, handed down by its chart once per paint: the surface, the mappings
// of the series' two axes, the plotting rectangle and the X values at its edges. Between paints
// the chart hands out the last paint's, for a point drawn as it is added.
#pragma once

#include "chart/axis/AxisMapping.h"
#include "chart/series/PointMapper.h"
#include "chart/surface/ChartGeometry.h"

namespace chart {

class TChartCanvas3D;

// The X values at the plotting rectangle's left and right edges, the lower one first.
struct TVisibleRange {
  double Low = 0;
  double High = 0;
};

struct TPaintContext {
  TChartCanvas3D& Canvas;
  TAxisMapping Horizontal;
  TAxisMapping Vertical;
  TRect PlotRect;
  TVisibleRange VisibleX;

  // Places points on the two axes; roundExtended picks the fast rounding.
  TPointMapper PointMapper(bool roundExtended = false) const { return {Horizontal, Vertical, roundExtended}; }
};

} // namespace chart
