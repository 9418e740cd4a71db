// The device context: pen and mode state, lines, shapes and fills, and text through the font
// engine, drawn into its bitmap.
#include "platform/gdi/DeviceContext.h"

#include "platform/gdi/LineRaster.h"
#include "platform/gdi/PixelOps.h"
#include "platform/gdi/PolygonRaster.h"
#include "platform/gdi/Stroker.h"
#include "platform/text/FontEngine.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
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

// Rectangles, rounded rectangles, polygons and fills of the device context.

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

// Text output and measurement of the device context, through the font engine.

namespace {

// The font at `scale` device pixels per logical pixel.
text::TFontRequest RequestOf(const TFont& font, int scale) {
  text::TFontRequest r;
  r.Family = font.FaceName;
  if (font.Height < 0)
    r.EmPixels = ScaledClamped(font.Height, -scale); // a negative height is the em size
  else
    r.CellPixels = ScaledClamped(font.Height > 0 ? font.Height : 16, scale);
  r.Bold = font.Bold;
  r.Italic = font.Italic;
  // Only the rotation itself matters; whole turns would otherwise make new cache entries.
  r.Escapement = ((font.Escapement % 3600) + 3600) % 3600;
  return r;
}

TTextMetrics ToMetrics(const text::TFontMetrics& m) {
  return {m.Ascent, m.Descent, m.Height, m.InternalLeading, m.AveCharWidth};
}

// A box along the text direction: `along` pixels from the origin, `from`..`to` across it (positive
// = below the baseline), as a polygon in pixel-corner space.
raster::TContour TextBand(double ox, double oy, double dx, double dy, double along, double from, double to) {
  // Perpendicular pointing below the text (screen y grows downwards).
  const double px = -dy;
  const double py = dx;
  return {{ox + from * px, oy + from * py},
          {ox + along * dx + from * px, oy + along * dy + from * py},
          {ox + along * dx + to * px, oy + along * dy + to * py},
          {ox + to * px, oy + to * py}};
}

} // namespace

// Measured at the logical size, so text takes the same room at every device scale.
TSize TGdiDC::GetTextExtent(std::string_view text) const {
  text::TFontRequest r = RequestOf(FFont, 1);
  r.Escapement = 0;
  const text::TFont font = text::GetFont(r);
  return {font.Measure(text, FCharExtra), font.Metrics().Height};
}

TTextMetrics TGdiDC::GetTextMetrics() const {
  text::TFontRequest r = RequestOf(FFont, 1);
  r.Escapement = 0;
  return ToMetrics(text::GetFont(r).Metrics());
}

// Drawn in device pixels with the font at the device size, so the glyphs are rasterised sharp.
void TGdiDC::TextOut(int x, int y, std::string_view str) {
  const int scale = Scale();
  const text::TFont font = text::GetFont(RequestOf(FFont, scale));
  const text::TFontMetrics& m = font.Metrics();
  const int charExtra = FCharExtra * scale;
  const int width = font.Measure(str, charExtra);
  const double angle = FFont.Escapement / 10.0 * std::numbers::pi / 180.0;
  const double dx = std::cos(angle);
  const double dy = -std::sin(angle);

  const unsigned horizontal = FTextAlign & TA_CENTER;
  const unsigned vertical = FTextAlign & TA_BASELINE;
  const double shiftAlong = horizontal == TA_CENTER ? -(width / 2) : horizontal == TA_RIGHT ? -width : 0;
  const double shiftDown = vertical == TA_BASELINE ? 0 : vertical == TA_BOTTOM ? -m.Descent : m.Ascent;
  // Baseline origin of the first character.
  const double ox = double(x) * scale + shiftAlong * dx - shiftDown * dy;
  const double oy = double(y) * scale + shiftAlong * dy + shiftDown * dx;

  const TRect clip = ClipBox();
  const auto fill = [&](const raster::TContour& band, TPixel color) {
    FillDevice({band}, false, TBrush::Solid(color), TRop2::Copy);
  };
  if (FBkMode == TBkMode::Opaque)
    fill(TextBand(ox, oy, dx, dy, width, -m.Ascent, m.Descent), FBkColor);

  const text::TPixelTarget target{FBitmap->Pixels(), FBitmap->Width(), FBitmap->Height(), FBitmap->Width(),
                                  clip.Left,         clip.Top,         clip.Right,        clip.Bottom};
  font.Draw(target, ox, oy, str, FTextColor, charExtra);

  const double thick = m.LineThickness;
  if (FFont.Underline)
    fill(TextBand(ox, oy, dx, dy, width, m.UnderlinePosition, m.UnderlinePosition + thick), FTextColor);
  if (FFont.StrikeOut)
    fill(TextBand(ox, oy, dx, dy, width, m.StrikeOutPosition, m.StrikeOutPosition + thick), FTextColor);
}

} // namespace gdi
