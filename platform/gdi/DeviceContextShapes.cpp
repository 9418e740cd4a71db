// Rectangles, rounded rectangles, polygons and fills of the device context.
#include "platform/gdi/DeviceContext.h"

#include "platform/gdi/PixelOps.h"
#include "platform/gdi/PolygonRaster.h"
#include "platform/gdi/Stroker.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace gdi {

namespace {

// Far beyond any bitmap and pen, yet small enough that the +-1 and width arithmetic below cannot
// overflow; an axis-aligned shape clamped to it covers the same visible pixels.
constexpr int FarLimit = 1 << 29;

int Clamp(int v) { return std::clamp(v, -FarLimit, FarLimit); }

TRect ClampedRect(int left, int top, int right, int bottom) {
  return TRect{Clamp(left), Clamp(top), Clamp(right), Clamp(bottom)}.Normalized();
}

// Points of a quarter ellipse arc, from angle a0 to a0 + 90 degrees.
void AddArc(std::vector<raster::TPointF>& out, double cx, double cy, double rx, double ry, double a0) {
  const int steps = std::clamp(int(std::max(rx, ry)), 2, 64);
  for (int i = 0; i <= steps; ++i) {
    const double a = (a0 + 90.0 * i / steps) * std::numbers::pi / 180.0;
    out.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
  }
}

// Rounded rectangle outline through (left, top)..(right, bottom), clockwise on screen.
raster::TContour RoundedContour(double left, double top, double right, double bottom, double rx, double ry) {
  raster::TContour c;
  AddArc(c, right - rx, top + ry, rx, ry, 270);
  AddArc(c, right - rx, bottom - ry, rx, ry, 0);
  AddArc(c, left + rx, bottom - ry, rx, ry, 90);
  AddArc(c, left + rx, top + ry, rx, ry, 180);
  return c;
}

// Corner-space contours in logical pixels to device pixels.
std::vector<raster::TContour> Scaled(std::vector<raster::TContour> contours, int scale) {
  if (scale != 1)
    for (raster::TContour& contour : contours)
      for (raster::TPointF& p : contour)
        p = {p.X * scale, p.Y * scale};
  return contours;
}

} // namespace

// In device pixels, what a wide pen's outline of r leaves inside: the stroke runs along the
// border pixels' centres, so its edges fall between device pixels only at some widths and scales.
TRect TGdiDC::WideInterior(const TRect& r) const {
  if (FPen.Style == TPenStyle::psInsideFrame) {
    const int w = FPen.Width;
    return ToDevice({r.Left + w, r.Top + w, r.Right - w, r.Bottom - w});
  }
  const double scale = Scale();
  const double half = FPen.Width * scale / 2.0;
  const double centre = raster::StrokeCentre(FPen, Scale());
  // First device pixel whose centre is past (after) or on (before) the stroke of logical pixel v.
  const auto edge = [&](int v, double side) {
    return int(
        std::clamp(std::ceil((v + centre) * scale + side * half - 0.5), -double(FarLimit), double(FarLimit)));
  };
  return {edge(r.Left, 1), edge(r.Top, 1), edge(r.Right - 1, -1), edge(r.Bottom - 1, -1)};
}

void TGdiDC::FillBox(const TRect& rect, const TBrush& brush, TRop2 rop) {
  FillDeviceBox(ToDevice(rect), brush, rop);
}

void TGdiDC::FillDeviceBox(const TRect& rect, const TBrush& brush, TRop2 rop) {
  const TRect r = rect.Intersected(ClipBox());
  if (r.IsEmpty() || brush.IsClear())
    return;
  const raster::TBackground bk{FBkMode == TBkMode::Opaque, FBkColor};
  for (int y = r.Top; y < r.Bottom; ++y)
    raster::FillSpan(*FBitmap, y, r.Left, r.Right, brush, rop, bk);
}

void TGdiDC::FillRect(const TRect& rect, const TBrush& brush) {
  FillBox(ClampedRect(rect.Left, rect.Top, std::max(rect.Left, rect.Right), std::max(rect.Top, rect.Bottom)),
          brush, TRop2::Copy);
}

void TGdiDC::PatBlt(int left, int top, int width, int height) {
  const std::int64_t right = std::int64_t(left) + width;
  const std::int64_t bottom = std::int64_t(top) + height;
  FillBox(ClampedRect(left, top, int(std::clamp<std::int64_t>(right, -FarLimit, FarLimit)),
                      int(std::clamp<std::int64_t>(bottom, -FarLimit, FarLimit))),
          FBrush, TRop2::Copy);
}

void TGdiDC::OutlineRect(const TRect& r) {
  if (IsWidePen() && FPen.Style == TPenStyle::psInsideFrame) {
    const int w = FPen.Width;
    const TRect inner{r.Left + w, r.Top + w, r.Right - w, r.Bottom - w};
    std::vector<raster::TContour> ring{{{double(r.Left), double(r.Top)},
                                        {double(r.Right), double(r.Top)},
                                        {double(r.Right), double(r.Bottom)},
                                        {double(r.Left), double(r.Bottom)}}};
    if (!inner.IsEmpty())
      ring.push_back({{double(inner.Left), double(inner.Top)},
                      {double(inner.Right), double(inner.Top)},
                      {double(inner.Right), double(inner.Bottom)},
                      {double(inner.Left), double(inner.Bottom)}});
    FillDevice(Scaled(std::move(ring), Scale()), false, TBrush::Solid(FPen.Color), FRop);
    return;
  }
  const TPoint corners[4] = {
      {r.Left, r.Top}, {r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left, r.Bottom - 1}};
  if (IsWidePen()) {
    StrokeWide(corners, true);
  } else if (r.Width() <= 2 || r.Height() <= 2) {
    // No interior: the closed outline would visit pixels twice, which not-xor would undo.
    FillBox(r, TBrush::Solid(FPen.Color), FRop);
  } else {
    FStylePos = 0;
    DrawThinPath(corners, true);
  }
}

void TGdiDC::Rectangle(int left, int top, int right, int bottom) {
  const TRect r = ClampedRect(left, top, right, bottom);
  if (r.IsEmpty())
    return;
  if (FPen.IsNull()) {
    FillBox(r, FBrush, FRop);
    return;
  }
  // The interior starts where the outline ends, so not-xor never toggles a pixel twice.
  const TRect inner =
      IsWidePen() ? WideInterior(r) : ToDevice({r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1});
  FillDeviceBox(inner, FBrush, FRop);
  OutlineRect(r);
}

void TGdiDC::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  const TRect r = ClampedRect(left, top, right, bottom);
  if (cornerWidth <= 1 || cornerHeight <= 1) {
    Rectangle(r.Left, r.Top, r.Right, r.Bottom);
    return;
  }
  if (r.IsEmpty())
    return;
  const double rx = std::min(cornerWidth, r.Width()) / 2.0;
  const double ry = std::min(cornerHeight, r.Height()) / 2.0;
  FillDevice(Scaled({RoundedContour(r.Left, r.Top, r.Right, r.Bottom, rx, ry)}, Scale()), false, FBrush,
             FRop);
  if (FPen.IsNull())
    return;
  // The outline runs through the centres of the border pixels.
  const raster::TContour path = RoundedContour(r.Left, r.Top, r.Right - 1, r.Bottom - 1,
                                               std::max(rx - 0.5, 0.0), std::max(ry - 0.5, 0.0));
  std::vector<TPoint> points;
  for (const raster::TPointF& p : path) {
    const TPoint q{int(std::lround(p.X)), int(std::lround(p.Y))};
    if (points.empty() || !(points.back() == q))
      points.push_back(q);
  }
  if (IsWidePen()) {
    StrokeWide(points, true);
  } else {
    FStylePos = 0;
    DrawThinPath(points, true);
  }
}

void TGdiDC::Polygon(std::span<const TPoint> points) {
  if (points.size() < 2)
    return;
  raster::TContour contour;
  for (const TPoint& p : points)
    contour.push_back({double(p.X), double(p.Y)});
  FillDevice(Scaled({contour}, Scale()), FFillMode == TPolyFillMode::Winding, FBrush, FRop);
  if (FPen.IsNull())
    return;
  if (IsWidePen()) {
    StrokeWide(points, true);
  } else {
    FStylePos = 0;
    DrawThinPath(points, true);
  }
}

} // namespace gdi
