#include "chart/surface/GradientRamp.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <utility>

namespace chart {

namespace {

bool IsStraight(TGradientDirection direction) { return direction <= gdRightLeft; }
bool IsVertical(TGradientDirection direction) { return direction == gdTopBottom || direction == gdBottomTop; }

// The bands run from the bottom or right edge, so these directions start from their second colour.
bool SwapsColors(TGradientDirection direction) {
  return direction == gdBottomTop || direction == gdRightLeft || direction == gdFromCenter ||
         direction == gdFromTopLeft || direction == gdFromBottomLeft;
}

int ChannelAt(TColor color, int shift) { return int((color >> shift) & 0xFFu); }

// Hands each band to the painter, touching its colour only when the colour changes.
class TBandEmitter {
public:
  explicit TBandEmitter(TRampPainter& painter) : FPainter(painter) {}
  void Fill(const TRect& band, TColor color) {
    if (!FHasColor || color != FColor) {
      FPainter.SetBandColor(color);
      FColor = color;
      FHasColor = true;
    }
    FPainter.FillBand(band);
  }

private:
  TRampPainter& FPainter;
  TColor FColor = 0;
  bool FHasColor = false;
};

void PaintStraightRamp(TRampPainter& painter, const TRect& rect, TColor c0, TColor c1,
                       TGradientDirection direction, int balance) {
  const bool vertical = IsVertical(direction);
  const std::int64_t extent =
      vertical ? std::int64_t(rect.Bottom) - rect.Top : std::int64_t(rect.Right) - rect.Left;
  const int bandCount = int(std::min<std::int64_t>(extent, MaxRampBands));
  if (bandCount - 1 <= 0)
    return;
  TBandEmitter emitter(painter);
  for (int i = 0; i < bandCount; ++i) {
    // Offsets from the bottom or right edge; band 0 touches that edge.
    const int near = int(extent * i / bandCount);
    const int far = int(extent * (i + 1) / bandCount);
    const TRect band = vertical ? TRect{rect.Left, rect.Bottom - far, rect.Right, rect.Bottom - near}
                                : TRect{rect.Right - far, rect.Top, rect.Right - near, rect.Bottom};
    emitter.Fill(band, RampBandColor(c0, c1, i, bandCount, balance));
  }
}

// The shapes that are not straight bands: t(x, y) in [0, 1] says how far a pixel is along the
// ramp, 0 being the first colour.
struct TFieldShape {
  TGradientDirection Direction = gdFromCenter;
  double AngleRadians = 0; // used when Rotated
  bool Rotated = false;
  int RadialX = 0;
  int RadialY = 0;
};

class TRampField {
public:
  TRampField(const TRect& rect, const TFieldShape& shape)
      : FShape(shape), FLeft(rect.Left), FTop(rect.Top), FRight(rect.Right), FBottom(rect.Bottom),
        FWidth(double(rect.Right) - rect.Left), FHeight(double(rect.Bottom) - rect.Top),
        FCenterX((double(rect.Left) + rect.Right) / 2), FCenterY((double(rect.Top) + rect.Bottom) / 2) {}

  double At(int x, int y) const {
    const double px = x + 0.5;
    const double py = y + 0.5;
    if (FShape.Rotated)
      return Rotated(px, py);
    switch (FShape.Direction) {
    case gdFromCenter: {
      // Measured between pixel centres, so the outermost ring is exactly the first band.
      const double reachX = std::max(FWidth / 2 - 0.5, 0.5);
      const double reachY = std::max(FHeight / 2 - 0.5, 0.5);
      return 1 - std::max(std::abs(px - FCenterX) / reachX, std::abs(py - FCenterY) / reachY);
    }
    case gdFromTopLeft:
      return 1 - std::max((px - FLeft) / FWidth, (py - FTop) / FHeight);
    case gdFromBottomLeft:
      return 1 - std::max((px - FLeft) / FWidth, (FBottom - py) / FHeight);
    case gdRadial:
      return std::hypot((px - FCenterX - FShape.RadialX) / (FWidth / 2),
                        (py - FCenterY - FShape.RadialY) / (FHeight / 2));
    case gdDiagonalUp:
      return ((px - FLeft) + (py - FTop)) / (FWidth + FHeight);
    default:
      return ((FRight - px) + (py - FTop)) / (FWidth + FHeight);
    }
  }

private:
  double Rotated(double px, double py) const {
    const double c = std::cos(FShape.AngleRadians);
    const double s = std::sin(FShape.AngleRadians);
    const double reach = std::abs(FWidth / 2 * c) + std::abs(FHeight / 2 * s);
    return ((px - FCenterX) * c + (py - FCenterY) * s + reach) / (2 * reach);
  }

  TFieldShape FShape;
  double FLeft, FTop, FRight, FBottom, FWidth, FHeight, FCenterX, FCenterY;
};

// Fills the shape row by row, one FillBand per run of pixels in the same band.
void PaintFieldRamp(TRampPainter& painter, TRect rect, TColor c0, TColor c1, const TFieldShape& shape,
                    int balance) {
  rect = rect.Normalized();
  const int width = rect.Right - rect.Left;
  const int height = rect.Bottom - rect.Top;
  const int bandCount = std::min(std::max(width, height), MaxRampBands);
  if (width <= 0 || height <= 0 || bandCount < 2)
    return;
  const TRampField field(rect, shape);
  auto bandAt = [&](int x, int y) { return std::clamp(int(field.At(x, y) * bandCount), 0, bandCount - 1); };
  TBandEmitter emitter(painter);
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    int runStart = rect.Left;
    int runBand = bandAt(runStart, y);
    for (int x = rect.Left + 1; x <= rect.Right; ++x) {
      const int band = x < rect.Right ? bandAt(x, y) : -1;
      if (band == runBand)
        continue;
      emitter.Fill(TRect{runStart, y, x, y + 1}, RampBandColor(c0, c1, runBand, bandCount, balance));
      runStart = x;
      runBand = band;
    }
  }
}

void PaintSplitRamp(TRampPainter& painter, const TRect& rect, const TResolvedGradientColors& colors,
                    TGradientDirection direction) {
  const TColor s = colors.Start, e = colors.End, m = colors.Mid;
  if (IsVertical(direction)) {
    const int mid = (rect.Top + rect.Bottom) / 2;
    const TRect upper{rect.Left, rect.Top, rect.Right, mid};
    const TRect lower{rect.Left, mid, rect.Right, rect.Bottom};
    const bool topBottom = direction == gdTopBottom;
    PaintRamp(painter, upper, topBottom ? m : s, topBottom ? e : m, direction, 50);
    PaintRamp(painter, lower, topBottom ? s : m, topBottom ? m : e, direction, 50);
  } else {
    const int mid = (rect.Left + rect.Right) / 2;
    const TRect left{rect.Left, rect.Top, mid, rect.Bottom};
    const TRect right{mid, rect.Top, rect.Right, rect.Bottom};
    const bool leftRight = direction == gdLeftRight;
    PaintRamp(painter, left, leftRight ? m : s, leftRight ? e : m, direction, 50);
    PaintRamp(painter, right, leftRight ? s : m, leftRight ? m : e, direction, 50);
  }
}

} // namespace

TColor RampBandColor(TColor c0, TColor c1, int band, int bandCount, int balance) {
  if (bandCount < 2)
    return c0;
  // Only the bent ramp needs the exponent; the linear one stays in exact integers.
  const double exponent = balance / 100.0 + 0.5;
  const double position = std::pow(double(band + 1) / bandCount, exponent);
  TColor result = 0;
  for (int shift : {0, 8, 16}) {
    const int start = ChannelAt(c0, shift);
    const int delta = ChannelAt(c1, shift) - start;
    const int value = balance == 50 ? start + band * delta / (bandCount - 1)
                                    : start + int(std::nearbyint(delta * position));
    result |= TColor(std::clamp(value, 0, 255)) << shift;
  }
  return result;
}

void PaintRamp(TRampPainter& painter, TRect rect, TColor first, TColor second, TGradientDirection direction,
               int balance) {
  rect = rect.Normalized();
  if (SwapsColors(direction))
    std::swap(first, second);
  if (IsStraight(direction))
    PaintStraightRamp(painter, rect, first, second, direction, balance);
  else
    PaintFieldRamp(painter, rect, first, second, TFieldShape{direction}, balance);
}

void PaintGradient(TRampPainter& painter, const TGradientValues& gradient, const TRect& rect,
                   const TResolvedGradientColors& colors) {
  const TRect bounds = rect.Normalized();
  const TGradientDirection direction = gradient.Direction;
  const bool diagonal = direction == gdDiagonalUp || direction == gdDiagonalDown;
  if (direction == gdRadial) {
    TFieldShape shape{gdRadial};
    shape.RadialX = gradient.RadialX;
    shape.RadialY = gradient.RadialY;
    PaintFieldRamp(painter, bounds, colors.Start, colors.End, shape, gradient.Balance);
  } else if (gradient.HasMiddle && !diagonal) {
    // The middle colour only splits the straight ramps; the corner shapes ignore it.
    if (IsStraight(direction))
      PaintSplitRamp(painter, bounds, colors, direction);
    else
      PaintRamp(painter, bounds, colors.Start, colors.End, direction, 50);
  } else {
    PaintRamp(painter, bounds, colors.Start, colors.End, direction, gradient.Balance);
  }
}

void PaintRotatedGradient(TRampPainter& painter, const TGradientValues& gradient, const TRect& rect,
                          const TResolvedGradientColors& colors) {
  TFieldShape shape;
  shape.Rotated = true;
  // Screen y grows downwards, so a positive angle turns the ramp counter-clockwise on screen.
  shape.AngleRadians = -gradient.Angle * std::numbers::pi / 180.0;
  PaintFieldRamp(painter, rect, colors.Start, colors.End, shape, gradient.Balance);
}

} // namespace chart
