// Points and rectangles of the chart engine: the raster's own types, so nothing is converted on
// the way to the device context. Right and Bottom are exclusive.
#pragma once

#include "platform/gdi/Geometry.h"

namespace chart {

using TPoint = gdi::TPoint;
using TRect = gdi::TRect;

} // namespace chart
