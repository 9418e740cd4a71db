#include "chart/zoom/ChartZoom.h"

namespace chart {

bool ShiftIncludes(const TShiftState& held, const TShiftState& keys) {
  const auto covers = [](bool have, bool need) { return have || !need; };
  return covers(held.Shift, keys.Shift) && covers(held.Alt, keys.Alt) && covers(held.Ctrl, keys.Ctrl) &&
         covers(held.Left, keys.Left) && covers(held.Right, keys.Right) && covers(held.Middle, keys.Middle);
}

TChartZoomBrush& TChartZoom::Brush() {
  if (!FBrush)
    FBrush = std::make_unique<TChartZoomBrush>();
  return *FBrush;
}

TChartZoomPen& TChartZoom::Pen() {
  if (!FPen)
    FPen = std::make_unique<TChartZoomPen>();
  return *FPen;
}

} // namespace chart
