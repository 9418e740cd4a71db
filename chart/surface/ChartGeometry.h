// Points and rectangles of the chart engine: the raster's own types, so nothing is converted on
// the way to the device context. Right and Bottom are exclusive. Also the units a distance on
// the chart is given in.
#pragma once

#include "platform/gdi/Geometry.h"

namespace chart {

using TPoint = gdi::TPoint;
using TRect = gdi::TRect;

enum TChartUnits { muPercent, muPixels };

} // namespace chart
