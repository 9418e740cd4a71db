#include "chart/Chart.h"

#include "chart/axis/ChartAxis.h"
#include "chart/panel/ChartTitle.h"
#include "chart/series/ChartSeries.h"
#include "chart/surface/ChartCanvas3D.h"

#include <algorithm>
#include <utility>

namespace chart {

TChart::TChart() { SetColorPaletteIndex(DefaultPaletteIndex()); }

TChart::~TChart() = default;

void TChart::PrepareJoiningSeries(TChartSeries& series) {
  if (series.SeriesColor() == DefaultSeriesColor)
    AssignSeriesColor(series, FindFreeSeriesColor(*this, FColorPaletteIndex, true, nullptr));
}

void TChart::SetColorPaletteIndex(int value) {
  if (value == FColorPaletteIndex)
    return;
  FColorPaletteIndex = value;
  ReassignSeriesColors(*this, value);
  Invalidate();
}

// The chart's mouse handlers: its own mouse events, which part a press hits and whether a click
// handler takes it, before the zoom and scroll part sees the press.

namespace {

bool Between(int value, int a, int b) { return value >= std::min(a, b) && value <= std::max(a, b); }

// Whether (x, y) lies on the axis's line, ticks or labels, as the last paint placed them.
bool AxisClicked(TChartAxis& axis, int x, int y) {
  if (!axis.IsShown())
    return false;
  const int along = axis.Horizontal() ? x : y;
  const int across = axis.Horizontal() ? y : x;
  if (!Between(along, axis.StartPixel(), axis.EndPixel()))
    return false;
  // The labels band lies outward from LabelsPos, on the side away from the plotting rectangle.
  const bool outwardIsLarger = axis.Horizontal() != axis.OtherSide();
  const int labelsEdge = axis.LabelsPos() + (outwardIsLarger ? 1 : -1) * axis.LabelsExtent();
  return Between(across, axis.AxisPos(), labelsEdge);
}

bool IsTitleClicked(const TChartTitle& title, int x, int y) {
  return title.Visible() && !title.Text().empty() && title.TitleRect().Contains(x, y);
}

} // namespace

void TChart::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown)
    OnMouseDown(*this, button, shift, x, y);
  FZoomScroll.MouseDown(button, shift, x, y);
}

void TChart::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove)
    OnMouseMove(*this, shift, x, y);
  FZoomScroll.MouseMove(x, y);
}

void TChart::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp)
    OnMouseUp(*this, button, shift, x, y);
  FZoomScroll.MouseUp(button, x, y);
}

void TChart::MouseWheel(int delta, TShiftState, int, int) { FZoomScroll.MouseWheel(delta); }

TChartClickedPartStyle TChart::ClickedTitle(int x, int y, TChartTitle*& title) {
  const std::pair<TChartTitle*, TChartClickedPartStyle> titles[] = {
      {&Title(), cpTitle}, {&SubTitle(), cpSubTitle}, {&Foot(), cpFoot}, {&SubFoot(), cpSubFoot}};
  for (const auto& [candidate, style] : titles) {
    if (IsTitleClicked(*candidate, x, y)) {
      title = candidate;
      return style;
    }
  }
  return cpNone;
}

TChartClickedPart TChart::ClickedPart(int x, int y) {
  TChartClickedPart part;
  for (TChartAxis* axis : Axes) {
    if (AxisClicked(*axis, x, y)) {
      part.Part = cpAxis;
      part.AAxis = axis;
      return part;
    }
  }
  part.Part = ClickedTitle(x, y, part.ATitle);
  if (part.Part == cpNone && ActiveSeriesCount() > 0 && PlotRect().Contains(x, y))
    part.Part = cpChartRect;
  return part;
}

bool TChart::ClickTaken(TMouseButton button, TShiftState shift, int x, int y) {
  return OfferClick(ClickedPart(x, y), button, shift, x, y);
}

bool TChart::OfferClick(const TChartClickedPart& part, TMouseButton button, TShiftState shift, int x, int y) {
  switch (part.Part) {
  case cpAxis:
    if (!OnClickAxis)
      return false;
    CancelMouse = true;
    OnClickAxis(*this, *part.AAxis, button, shift, x, y);
    return CancelMouse;
  case cpTitle:
  case cpSubTitle:
  case cpFoot:
  case cpSubFoot:
    if (!OnClickTitle)
      return false;
    CancelMouse = true;
    OnClickTitle(*this, *part.ATitle, button, shift, x, y);
    return CancelMouse;
  case cpChartRect:
    if (!OnClickBackground)
      return false;
    CancelMouse = true;
    OnClickBackground(*this, button, shift, x, y);
    return CancelMouse;
  case cpNone:
  case cpLegend:
  case cpSeries:
    break;
  }
  // A press on nothing only tells the background handler; it never starts a drag.
  if (OnClickBackground)
    OnClickBackground(*this, button, shift, x, y);
  return true;
}

// What the chart does for the zoom and scroll part it holds: its window, its repaint at once,
// and its events around zoom and scroll steps.

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
