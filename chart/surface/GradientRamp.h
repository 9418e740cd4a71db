// The band computation behind gradient fills: which rectangles get which colour, handed to a
// painter so the surface can fill them on the raster and tests can watch every brush change.
#pragma once

#include "chart/surface/ChartColors.h"
#include "chart/surface/ChartGeometry.h"
#include "chart/surface/ChartGradient.h"

namespace chart {

class TRampPainter {
public:
  virtual ~TRampPainter() = default;
  // Called before the first band and then only when a band's colour differs from the previous
  // one, so a platform brush is touched once per distinct colour. Colours are plain RGB.
  virtual void SetBandColor(TColor color) = 0;
  // Fills one band (no outline) with the colour last set.
  virtual void FillBand(const TRect& band) = 0;
};

// Ramps use at most this many bands whatever the rectangle's size.
inline constexpr int MaxRampBands = 256;

// Colour of band `band` of `bandCount` from c0 (band 0) to c1 (the last band); balance 50 is the
// exact integer interpolation, other values bend the ramp. Colours are plain RGB.
TColor RampBandColor(TColor c0, TColor c1, int band, int bandCount, int balance);

// One ramp from `first` to `second` over rect. For the straight directions the bands are laid
// from the bottom (vertical) or right (horizontal) edge, which is why gdBottomTop and
// gdRightLeft swap the two colours; a rect at most one pixel deep in the ramp's direction
// paints nothing. Colours must already be plain RGB.
void PaintRamp(TRampPainter& painter, TRect rect, TColor first, TColor second, TGradientDirection direction,
               int balance);

// The colours of one gradient fill, resolved to plain RGB (and to greys on a monochrome surface).
struct TResolvedGradientColors {
  TColor Start;
  TColor End;
  TColor Mid; // meaningful only when the gradient has a middle colour
};

// A whole gradient fill: the split at the middle colour, the straight ramps, and the other
// directions and rotated ramps, which are filled as rows of equal-colour runs.
void PaintGradient(TRampPainter& painter, const TGradientValues& gradient, const TRect& rect,
                   const TResolvedGradientColors& colors);

// The ramp turned by the gradient's Angle (degrees, counter-clockwise) about the rect's centre,
// from StartColor to EndColor.
void PaintRotatedGradient(TRampPainter& painter, const TGradientValues& gradient, const TRect& rect,
                          const TResolvedGradientColors& colors);

} // namespace chart
