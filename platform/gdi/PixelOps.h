// Writing pixels with a raster operation, and filling pixel runs with a brush.
#pragma once

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/RasterOp.h"

#include <cstdint>

namespace gdi {

namespace raster {

// How the gaps of patterns (hatches, cosmetic styles) are treated: left alone or painted.
struct TBackground {
  bool Opaque = false;
  TPixel Color = 0xFFFFFF;
};

void PutPixel(std::uint32_t& dst, TPixel color, TRop2 rop);

// Fills [x0, x1) of row y, which the caller has clipped already.
void FillSpan(TGdiBitmap& bitmap, int y, int x0, int x1, const TBrush& brush, TRop2 rop, TBackground bk);

} // namespace raster
} // namespace gdi
