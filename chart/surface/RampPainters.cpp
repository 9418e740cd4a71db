#include "chart/surface/RampPainters.h"

#include <algorithm>
#include <cmath>

namespace chart {

void TDCRampPainter::SetBandColor(TColor color) {
  FDC.SelectBrush(gdi::TBrush::Solid(gdi::ColorToPixel(color)));
}

void TDCRampPainter::FillBand(const TRect& band) {
  FDC.PatBlt(band.Left, band.Top, band.Width(), band.Height());
}

TBlendRampPainter::TBlendRampPainter(gdi::TGdiDC& dc, int transparency)
    : FDC(dc), FTransparency(std::clamp(transparency, 0, 100)) {}

void TBlendRampPainter::SetBandColor(TColor color) {
  const gdi::TPixel pixel = gdi::ColorToPixel(color);
  FRed = gdi::PixelRed(pixel);
  FGreen = gdi::PixelGreen(pixel);
  FBlue = gdi::PixelBlue(pixel);
}

void TBlendRampPainter::FillBand(const TRect& band) {
  const TRect area = FDC.ToDevice(band.Normalized()).Intersected(FDC.ClipBox());
  if (area.IsEmpty())
    return;
  const int keep = FTransparency;
  const int add = 100 - FTransparency;
  auto mix = [&](int old, int fresh) { return (old * keep + fresh * add) / 100; };
  gdi::TGdiBitmap& bitmap = FDC.Bitmap();
  for (int y = area.Top; y < area.Bottom; ++y) {
    gdi::TPixel* row = bitmap.Row(y);
    for (int x = area.Left; x < area.Right; ++x) {
      const gdi::TPixel old = row[x];
      row[x] = gdi::RGBPixel(mix(gdi::PixelRed(old), FRed), mix(gdi::PixelGreen(old), FGreen),
                             mix(gdi::PixelBlue(old), FBlue));
    }
  }
}

TRoundRectMask::TRoundRectMask(TRampPainter& inner, const TRect& shape, int cornerWidth, int cornerHeight)
    : FInner(inner), FShape(shape.Normalized()), FRadiusX(std::min(cornerWidth, FShape.Width()) / 2.0),
      FRadiusY(std::min(cornerHeight, FShape.Height()) / 2.0) {}

// How far row y's span starts inside the shape's left and right edges; -1 when the row is outside.
int TRoundRectMask::RowInset(int y) const {
  if (y < FShape.Top || y >= FShape.Bottom)
    return -1;
  const double centre = y + 0.5;
  double dy = 0;
  if (centre < FShape.Top + FRadiusY)
    dy = FShape.Top + FRadiusY - centre;
  else if (centre > FShape.Bottom - FRadiusY)
    dy = centre - (FShape.Bottom - FRadiusY);
  if (dy <= 0 || FRadiusY <= 0)
    return 0;
  const double ratio = std::min(dy / FRadiusY, 1.0);
  return int(std::lround(FRadiusX - FRadiusX * std::sqrt(1 - ratio * ratio)));
}

void TRoundRectMask::FillBand(const TRect& band) {
  const TRect area = band.Normalized().Intersected(FShape);
  // Rows of equal inset are merged so the straight middle part stays one fill.
  int y = area.Top;
  while (y < area.Bottom) {
    const int inset = RowInset(y);
    int end = y + 1;
    while (end < area.Bottom && RowInset(end) == inset)
      ++end;
    const TRect span{std::max(area.Left, FShape.Left + inset), y, std::min(area.Right, FShape.Right - inset),
                     end};
    if (inset >= 0 && !span.IsEmpty())
      FInner.FillBand(span);
    y = end;
  }
}

} // namespace chart
