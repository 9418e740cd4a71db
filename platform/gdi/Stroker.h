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
// At a device scale > 1 the points are logical pixels and the outline, width and dashes come out
// in device pixels.
// Where in its logical pixel a stroke's centre line runs, from the pixel's top-left corner. At
// scale 1 the edges of an even width fall on pixel centres and the top-left rule shifts the
// stroke half a pixel up and left; at larger scales the centre line itself moves there, so
// straight strokes cover the same logical pixels at every scale.
double StrokeCentre(const TPen& pen, int scale);

std::vector<TContour> StrokePath(std::span<const TPoint> points, bool closed, const TPen& pen, int scale = 1);

} // namespace gdi::raster
