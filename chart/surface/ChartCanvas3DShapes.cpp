// Rectangles, polygons, bevels and gradient fills of the drawing surface.
#include "chart/surface/ChartCanvas3D.h"
#include "chart/surface/GradientRamp.h"
#include "chart/surface/RampPainters.h"

#include <array>

namespace chart {

TColor ResolveColor(TColor color, bool monochrome) {
  const gdi::TPixel pixel = gdi::ColorToPixel(color);
  const int red = gdi::PixelRed(pixel), green = gdi::PixelGreen(pixel), blue = gdi::PixelBlue(pixel);
  if (!monochrome)
    return RGB(red, green, blue);
  const int grey = (red + green + blue) / 3;
  return RGB(grey, grey, grey);
}

void TChartCanvas3D::DrawPolygon(std::span<const TPoint> points) { FTarget->Polygon(points); }

void TChartCanvas3D::DrawRectangle(int left, int top, int right, int bottom) {
  if (FBrushStyle == bsClear || !FGradient.Visible()) {
    FTarget->Rectangle(left, top, right, bottom);
    return;
  }
  FillGradient(FGradient, TRect{left, top, right, bottom});
  const gdi::TBrush brush = FTarget->Brush();
  FTarget->SelectBrush(gdi::TBrush::Clear());
  FTarget->Rectangle(left, top, right, bottom);
  FTarget->SelectBrush(brush);
}

void TChartCanvas3D::DrawRectangle(const TRect& rect, int) { DrawRectangle(rect); }

void TChartCanvas3D::FillRectangle(const TRect& rect) {
  if (FBrushStyle != bsClear && FGradient.Visible())
    FillGradient(FGradient, rect);
  else
    FTarget->FillRect(rect, FTarget->Brush());
}

void TChartCanvas3D::FillRectangle(const TRect& rect, int) { FillRectangle(rect); }

void TChartCanvas3D::DrawRoundRect(const TRect& rect, int cornerWidth, int cornerHeight) {
  if (FBrushStyle == bsClear || !FGradient.Visible()) {
    FTarget->RoundRect(rect.Left, rect.Top, rect.Right, rect.Bottom, cornerWidth, cornerHeight);
    return;
  }
  FillGradient(FGradient, rect, TGradientFillOptions{cornerWidth, cornerHeight, false, 0});
  const gdi::TBrush brush = FTarget->Brush();
  FTarget->SelectBrush(gdi::TBrush::Clear());
  FTarget->RoundRect(rect.Left, rect.Top, rect.Right, rect.Bottom, cornerWidth, cornerHeight);
  FTarget->SelectBrush(brush);
}

void TChartCanvas3D::DrawBevelFrame(TRect& rect, TColor topLeftColor, TColor bottomRightColor, int width) {
  const gdi::TPen topLeft = gdi::TPen::Cosmetic(gdi::TPenStyle::psSolid, gdi::ColorToPixel(topLeftColor));
  const gdi::TPen bottomRight =
      gdi::TPen::Cosmetic(gdi::TPenStyle::psSolid, gdi::ColorToPixel(bottomRightColor));
  // The polylines run through the last column and row, which the exclusive rect leaves out.
  --rect.Bottom;
  --rect.Right;
  for (int i = 0; i < width; ++i) {
    FTarget->SelectPen(topLeft);
    const std::array<TPoint, 3> upper{
        {{rect.Left, rect.Bottom}, {rect.Left, rect.Top}, {rect.Right, rect.Top}}};
    FTarget->Polyline(upper);
    FTarget->SelectPen(bottomRight);
    // Ends one column left of the frame so that the end-pixel rule still draws the corner.
    const std::array<TPoint, 3> lower{
        {{rect.Right, rect.Top}, {rect.Right, rect.Bottom}, {rect.Left - 1, rect.Bottom}}};
    FTarget->Polyline(lower);
    ++rect.Left;
    ++rect.Top;
    --rect.Right;
    --rect.Bottom;
  }
  ++rect.Bottom;
  ++rect.Right;
  FPenColor = width > 0 ? bottomRightColor : FPenColor;
}

void TChartCanvas3D::FillGradient(const TCustomChartGradient& gradient, const TRect& rect,
                                  const TGradientFillOptions& options) {
  const TGradientValues& values = gradient.Values();
  const TResolvedGradientColors colors{ResolveColor(values.StartColor, FMonochrome),
                                       ResolveColor(values.EndColor, FMonochrome),
                                       ResolveColor(values.StoredMidColor, FMonochrome)};
  const gdi::TBrush savedBrush = FTarget->Brush();
  TDCRampPainter solid(*FTarget);
  TBlendRampPainter blended(*FTarget, options.Transparency);
  TRampPainter& fill = options.Transparency > 0 ? static_cast<TRampPainter&>(blended) : solid;
  TRoundRectMask rounded(fill, rect, options.CornerWidth, options.CornerHeight);
  const bool hasCorners = options.CornerWidth > 0 && options.CornerHeight > 0;
  TRampPainter& painter = hasCorners ? static_cast<TRampPainter&>(rounded) : fill;
  if (options.Rotated)
    PaintRotatedGradient(painter, values, rect, colors);
  else
    PaintGradient(painter, values, rect, colors);
  FTarget->SelectBrush(savedBrush);
}

} // namespace chart
