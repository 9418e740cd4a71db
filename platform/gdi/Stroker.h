// Outlines of geometric (wide) pen strokes: every segment, cap, join and dash becomes a small
// polygon; filled together with the non-zero rule they give the stroke's union, each pixel once.
#pragma once

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Geometry.h"
#include "platform/gdi/PolygonRaster.h"

#include <span>
#include <vector>

namespace gdi::raster {

// Points are pixel coordinates (the stroke is centred on pixel centres). A closed path gets joins
// at every vertex and no caps; an open one gets caps at both ends (and at both ends of each dash).
std::vector<TContour> StrokePath(std::span<const TPoint> points, bool closed, const TPen& pen);

} // namespace gdi::raster
