// The stage of an axis plan that takes the axis's room beside the plotting rectangle, and where
// its line stands on the final rectangle.
#pragma once

#include "chart/axis/AxisSettings.h"
#include "chart/surface/ChartGeometry.h"

namespace chart {

struct TAxisRoom {
  // What is left of the rectangle.
  TRect Rest;
  // The labels band's edge toward the plotting rectangle.
  int LabelsPos = 0;
};

// Outward from the plotting rectangle an axis takes its line and ticks, then its labels band.
TAxisRoom ReserveAxisSpace(const TAxisSettings& settings, int labelsExtent, const TRect& r);

// The edge of the plotting rectangle the axis line lies on.
int AxisLinePos(const TAxisSettings& settings, const TRect& plot);

} // namespace chart
