// The painters that put gradient bands on a device context: plain solid fills, blended fills
// (sub-gradients) and a rounded-rectangle mask in front of either.
#pragma once

#include "chart/surface/GradientRamp.h"
#include "platform/gdi/DeviceContext.h"

namespace chart {

// One solid brush per distinct band colour, each band a pattern fill with no outline.
class TDCRampPainter : public TRampPainter {
public:
  explicit TDCRampPainter(gdi::TGdiDC& dc) : FDC(dc) {}
  void SetBandColor(TColor color) override;
  void FillBand(const TRect& band) override;

private:
  gdi::TGdiDC& FDC;
};

// Mixes each band into the picture: Transparency percent of the old pixel shows through.
class TBlendRampPainter : public TRampPainter {
public:
  TBlendRampPainter(gdi::TGdiDC& dc, int transparency);
  void SetBandColor(TColor color) override;
  void FillBand(const TRect& band) override;

private:
  gdi::TGdiDC& FDC;
  int FTransparency;
  int FRed = 0, FGreen = 0, FBlue = 0;
};

// Passes on only the parts of each band inside a rounded rectangle (corner ellipse
// cornerWidth x cornerHeight), row by row, so no clip region of that shape is needed.
class TRoundRectMask : public TRampPainter {
public:
  TRoundRectMask(TRampPainter& inner, const TRect& shape, int cornerWidth, int cornerHeight);
  void SetBandColor(TColor color) override { FInner.SetBandColor(color); }
  void FillBand(const TRect& band) override;

private:
  TRampPainter& FInner;
  TRect FShape;
  double FRadiusX;
  double FRadiusY;

  int RowInset(int y) const;
};

} // namespace chart
