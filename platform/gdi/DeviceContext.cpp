#include "platform/gdi/DeviceContext.h"

#include "platform/gdi/LineRaster.h"
#include "platform/gdi/PixelOps.h"
#include "platform/gdi/PolygonRaster.h"
#include "platform/gdi/Stroker.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace gdi {

TGdiDC::TGdiDC(TGdiBitmap& bitmap) : FBitmap(&bitmap) { UpdateFastLine(); }

void TGdiDC::SelectPen(const TPen& pen) {
  FPen = pen;
  FPen.Color &= 0xFFFFFF;
  FPattern = IsWidePen() ? raster::TStylePattern{} : raster::PatternOf(FPen);
  UpdateFastLine();
}

void TGdiDC::SetROP2(TRop2 rop) {
  FRop = rop;
  UpdateFastLine();
}

void TGdiDC::UpdateFastLine() {
  FFastLine = FRop == TRop2::Copy && !FPen.IsNull() && !IsWidePen() && FPattern.IsSolid();
}

void TGdiDC::IntersectClipRect(const TRect& rect) {
  const TRect r = rect.Normalized();
  FClip = FClip ? FClip->Intersected(r) : r;
}

TRect TGdiDC::ToDevice(const TRect& rect) const {
  const int s = Scale();
  return {ScaledClamped(rect.Left, s), ScaledClamped(rect.Top, s), ScaledClamped(rect.Right, s),
          ScaledClamped(rect.Bottom, s)};
}

TRect TGdiDC::ClipBox() const {
  const TRect all{0, 0, FBitmap->Width(), FBitmap->Height()};
  return FClip ? all.Intersected(ToDevice(*FClip)) : all;
}

void TGdiDC::MoveTo(int x, int y) {
  FPos = {x, y};
  FStylePos = 0;
}

void TGdiDC::LineTo(int x, int y) {
  const TPoint from = FPos;
  FPos = {x, y};
  if (IsWidePen()) {
    const TPoint pts[2] = {from, FPos};
    StrokeWide(pts, false);
    return;
  }
  DrawSegment(from, FPos);
}

void TGdiDC::Polyline(std::span<const TPoint> points) {
  if (points.size() < 2 || FPen.IsNull())
    return;
  if (IsWidePen()) {
    StrokeWide(points, false);
    return;
  }
  FStylePos = 0;
  DrawThinPath(points, false);
}

void TGdiDC::DrawThinPath(std::span<const TPoint> points, bool closed) {
  for (std::size_t i = 0; i + 1 < points.size(); ++i)
    DrawSegment(points[i], points[i + 1]);
  if (closed && points.size() > 2)
    DrawSegment(points.back(), points.front());
}

void TGdiDC::DrawSegment(TPoint from, TPoint to) {
  if (FPen.IsNull())
    return;
  const int scale = Scale();
  const TRect clip = ClipBox();
  const raster::TLineSteps steps =
      scale == 1 ? raster::ClipLine(from, to, clip) : raster::ClipScaledLine(from, to, scale, clip);
  if (FFastLine) {
    if (steps.Count > 0 && scale == 1)
      raster::DrawThinLine(*FBitmap, steps, FPen.Color);
    else if (steps.Count > 0)
      raster::DrawScaledLine(*FBitmap, steps, scale, clip, FPen.Color);
    return;
  }
  // Geometric one-pixel pens leave their gaps alone; cosmetic ones paint them when opaque.
  const bool paintGaps = FBkMode == TBkMode::Opaque && !FPen.Geometric;
  const std::int64_t stylePos = FStylePos;
  // The pattern counts device pixels, each of its entries standing for `scale` of them.
  const auto plot = [&](int x, int y, std::int64_t i) {
    std::uint32_t& dst = FBitmap->Row(y)[x];
    if (FPattern.IsSolid() || FPattern.IsOn((stylePos + i) / scale))
      raster::PutPixel(dst, FPen.Color, FRop);
    else if (paintGaps)
      raster::PutPixel(dst, FBkColor, FRop);
  };
  if (scale == 1)
    raster::WalkLine(steps, plot);
  else
    raster::WalkScaledLine(steps, scale, clip, plot);
  if (!FPattern.IsSolid())
    FStylePos = (FStylePos + steps.Total) % (std::int64_t(FPattern.On.size()) * scale);
}

void TGdiDC::StrokeWide(std::span<const TPoint> points, bool closed) {
  FillDevice(raster::StrokePath(points, closed, FPen, Scale()), true, TBrush::Solid(FPen.Color), FRop);
}

void TGdiDC::FillDevice(const std::vector<raster::TContour>& contours, bool nonZero, const TBrush& brush,
                        TRop2 rop) {
  const raster::TBackground bk{FBkMode == TBkMode::Opaque, FBkColor};
  raster::FillContours(contours, nonZero, ClipBox(),
                       [&](int y, int x0, int x1) { raster::FillSpan(*FBitmap, y, x0, x1, brush, rop, bk); });
}

void TGdiDC::SetPixel(int x, int y, TPixel color) {
  const TRect block = ToDevice({x, y, x + 1, y + 1}).Intersected(ClipBox());
  for (int row = block.Top; row < block.Bottom; ++row)
    std::fill(FBitmap->Row(row) + block.Left, FBitmap->Row(row) + block.Right, color & 0xFFFFFF);
}

void TGdiDC::BitBlt(int x, int y, int width, int height, const TGdiBitmap& source, int srcX, int srcY) {
  if (width <= 0 || height <= 0)
    return;
  // Work in 64 bits, in device pixels: x + width may leave the int range.
  const std::int64_t s = Scale();
  const std::int64_t shiftX = (std::int64_t(x) - srcX) * s;
  const std::int64_t shiftY = (std::int64_t(y) - srcY) * s;
  const TRect box = ClipBox();
  const std::int64_t left = std::max<std::int64_t>({x * s, box.Left, shiftX});
  const std::int64_t top = std::max<std::int64_t>({y * s, box.Top, shiftY});
  const std::int64_t right =
      std::min<std::int64_t>({(std::int64_t(x) + width) * s, box.Right, shiftX + source.Width()});
  const std::int64_t bottom =
      std::min<std::int64_t>({(std::int64_t(y) + height) * s, box.Bottom, shiftY + source.Height()});
  if (right <= left || bottom <= top)
    return;
  const std::size_t bytes = std::size_t(right - left) * sizeof(std::uint32_t);
  // Rows go bottom-up when the block moves down inside one bitmap, so no source row is overwritten
  // before it is read; memmove covers the overlap within a row.
  const bool upwards = &source == FBitmap && shiftY > 0;
  for (std::int64_t i = 0; i < bottom - top; ++i) {
    const std::int64_t row = upwards ? bottom - 1 - i : top + i;
    const std::uint32_t* src = source.Pixels() + (row - shiftY) * source.Width() + (left - shiftX);
    std::memmove(FBitmap->Row(int(row)) + left, src, bytes);
  }
}

} // namespace gdi
