// The chart's brush: fill colour and style (solid, clear, hatches), the hatch gap colour and an
// optional gradient that turns rectangle fills into colour ramps.
#pragma once

#include "chart/surface/ChartColors.h"
#include "chart/surface/ChartGradient.h"
#include "chart/surface/ChartPersistent.h"
#include "platform/gdi/GdiObjects.h"

#include <memory>

namespace chart {

// The raster's brush styles are the chart's: solid, clear and the six hatches.
using TBrushStyle = gdi::TBrushStyle;
using enum gdi::TBrushStyle;

inline constexpr bool IsHatchStyle(TBrushStyle style) { return style >= bsHorizontal; }

class TChartBrush : public TChartPersistent {
public:
  TChartBrush() = default;
  explicit TChartBrush(TColor color) : FColor(color) {}

  TColor Color() const { return FColor; }
  void SetColor(TColor value) { SetProperty(FColor, value); }
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle value) { SetProperty(FStyle, value); }
  // The colour of a hatch's gaps; clNone leaves them transparent.
  TColor BackColor() const { return FBackColor; }
  void SetBackColor(TColor value) { SetProperty(FBackColor, value); }

  // Created (not visible) on first access; its changes reach this brush's owner.
  TChartGradient& Gradient();
  const TChartGradient* FindGradient() const { return FGradient.get(); }

private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
  TColor FBackColor = clNone;
  std::unique_ptr<TChartGradient> FGradient;
};

} // namespace chart
