#include "platform/gdi/PixelOps.h"

#include <algorithm>

namespace gdi::raster {

namespace {

// Hatch lines on an 8 x 8 grid aligned to the bitmap origin.
bool HatchInk(TBrushStyle style, int x, int y) {
  const int hx = x & 7;
  const int hy = y & 7;
  const bool horizontal = hy == 0;
  const bool vertical = hx == 0;
  const bool forward = ((hx - hy) & 7) == 0;  // top-left to bottom-right
  const bool backward = ((hx + hy) & 7) == 7; // bottom-left to top-right
  switch (style) {
  case TBrushStyle::bsHorizontal:
    return horizontal;
  case TBrushStyle::bsVertical:
    return vertical;
  case TBrushStyle::bsFDiagonal:
    return forward;
  case TBrushStyle::bsBDiagonal:
    return backward;
  case TBrushStyle::bsCross:
    return horizontal || vertical;
  case TBrushStyle::bsDiagCross:
    return forward || backward;
  default:
    return true;
  }
}

} // namespace

void PutPixel(std::uint32_t& dst, TPixel color, TRop2 rop) {
  dst = rop == TRop2::Copy ? color : ~(color ^ dst) & 0xFFFFFFu;
}

void FillSpan(TGdiBitmap& bitmap, int y, int x0, int x1, const TBrush& brush, TRop2 rop, TBackground bk) {
  if (brush.Style == TBrushStyle::bsClear || x1 <= x0)
    return;
  std::uint32_t* row = bitmap.Row(y);
  if (brush.Style == TBrushStyle::bsSolid) {
    if (rop == TRop2::Copy) {
      std::fill(row + x0, row + x1, brush.Color);
      return;
    }
    for (int x = x0; x < x1; ++x)
      PutPixel(row[x], brush.Color, rop);
    return;
  }
  // Hatches keep their logical geometry: one hatch pixel is a block of the device scale.
  const int scale = bitmap.Scale();
  for (int x = x0; x < x1; ++x) {
    if (HatchInk(brush.Style, x / scale, y / scale))
      PutPixel(row[x], brush.Color, rop);
    else if (bk.Opaque)
      PutPixel(row[x], bk.Color, rop);
  }
}

} // namespace gdi::raster
