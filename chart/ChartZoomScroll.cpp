// What the chart does for the zoom and scroll part it holds: its window, its repaint at once,
// and its events around zoom and scroll steps.
#include "chart/Chart.h"

#include "chart/surface/ChartCanvas3D.h"

namespace chart {

void TChart::RepaintNow() {
  Invalidate();
  PaintMessage();
  ShowWindowImage();
}

TChartCanvas3D& TChart::WindowCanvas() {
  if (Host())
    Canvas().SetWindowCanvas(Host()->WindowImage());
  return Canvas();
}

TColor TChart::ZoomBackColor() {
  return ResolveColor(BackWall().Transparent() ? Color() : BackWall().Color());
}

void TChart::SetMouseCapture(bool captured) {
  if (Host())
    Host()->SetMouseCapture(captured);
}

void TChart::SetWindowCursor(TCursorKind cursor) {
  if (Host())
    Host()->SetCursor(cursor);
}

bool TChart::AllowScroll(TChartAxis& axis, double& newMinimum, double& newMaximum) {
  bool allow = true;
  if (OnAllowScroll)
    OnAllowScroll(axis, newMinimum, newMaximum, allow);
  return allow;
}

void TChart::Fire(const TChartNotifyEvent& event) {
  if (event)
    event(*this);
}

} // namespace chart
