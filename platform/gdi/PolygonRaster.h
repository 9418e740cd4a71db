// Scanline filling of polygons given in pixel-corner coordinates: a pixel is inside when its
// centre is (edges at the left and top count as inside, at the right and bottom as outside).
#pragma once

#include "platform/gdi/Geometry.h"

#include <functional>
#include <vector>

namespace gdi::raster {

struct TPointF {
  double X = 0;
  double Y = 0;
};

using TContour = std::vector<TPointF>;

// Calls span(y, x0, x1) for each run of inside pixels [x0, x1) within `clip`, row by row; runs of
// one row never overlap, so each pixel is reported at most once.
void FillContours(const std::vector<TContour>& contours, bool nonZero, const TRect& clip,
                  const std::function<void(int, int, int)>& span);

} // namespace gdi::raster
