// The chart's mouse handlers: the part a press hits, the start and end of the zoom and scroll
// drags, and the zoom rectangle that follows the mouse.
#include "chart/axis/ChartAxis.h"
#include "chart/panel/ChartTitle.h"
#include "chart/zoom/ZoomScrollChart.h"
#include "chart/surface/ChartCanvas3D.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace chart {

namespace {

bool Between(int value, int a, int b) { return value >= std::min(a, b) && value <= std::max(a, b); }

bool IsTitleClicked(const TChartTitle& title, int x, int y) {
  return title.Visible() && !title.Text().empty() && title.TitleRect().Contains(x, y);
}

} // namespace

bool AxisClicked(TChartAxis& axis, int x, int y) {
  if (!axis.IsShown())
    return false;
  const int along = axis.Horizontal() ? x : y;
  const int across = axis.Horizontal() ? y : x;
  if (!Between(along, axis.StartPixel(), axis.EndPixel()))
    return false;
  // The labels band lies outward from LabelsPos, on the side away from the plotting rectangle.
  const bool outwardIsLarger = axis.Horizontal() != axis.OtherSide();
  const int labelsEdge =
      axis.LabelsPos() + (outwardIsLarger ? 1 : -1) * (axis.Labels() ? axis.LabelsExtent() : 0);
  return Between(across, axis.AxisPos(), labelsEdge);
}

TChartClickedPartStyle TZoomScrollChart::ClickedTitle(int x, int y, TChartTitle*& title) {
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

TChartClickedPart TZoomScrollChart::ClickedPart(int x, int y) {
  TChartClickedPart part;
  for (TChartAxis* axis : Axes) {
    if (AxisClicked(*axis, x, y)) {
      part.Part = cpAxis;
      part.AAxis = axis;
      return part;
    }
  }
  part.Part = ClickedTitle(x, y, part.ATitle);
  if (part.Part == cpNone && ActiveSeriesCount() > 0 && PlotRect.Contains(x, y))
    part.Part = cpChartRect;
  return part;
}

bool TZoomScrollChart::OfferClick(const TChartClickedPart& part, TMouseButton button, TShiftState shift,
                                  int x, int y) {
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

void TZoomScrollChart::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown)
    OnMouseDown(*this, button, shift, x, y);
  if (FZoom.Dragging || FPanning.Dragging)
    return;
  const TChartClickedPart part = ClickedPart(x, y);
  if (!OfferClick(part, button, shift, x, y))
    BeginZoomOrScroll(button, shift, x, y);
}

void TZoomScrollChart::BeginZoomOrScroll(TMouseButton button, TShiftState shift, int x, int y) {
  // Every series kind of this engine draws against axes, so no series can veto the drag here.
  bool started = false;
  if (FZoom.Allow() && button == FZoom.MouseButton() && ShiftIncludes(shift, FZoom.KeyShift())) {
    const TChartZoomDirection direction = FZoom.Direction();
    FZoom.BeginDrag(direction == tzdVertical ? PlotRect.Left : x,
                    direction == tzdHorizontal ? PlotRect.Top : y);
    if (direction == tzdVertical)
      FZoom.EndX = PlotRect.Right;
    if (direction == tzdHorizontal)
      FZoom.EndY = PlotRect.Bottom;
    ToggleZoomRectangleOnWindow();
    started = true;
  }
  if (FAllowPanning != pmNone && button == FScrollMouseButton) {
    FPanning.BeginDrag(x, y);
    if (!FPanning.InsideBounds() && Host())
      Host()->SetMouseCapture(true);
    started = true;
  }
  if (started && Host())
    Host()->SetCursor(FCursor);
}

void TZoomScrollChart::DrawZoomRectangle() {
  TChartCanvas3D& canvas = Canvas();
  const TColor back = ResolveColor(BackWall().Transparent() ? Color() : BackWall().Color());
  // Not-xor with the inverse of the background shows the chosen colour where the background is.
  const TColor inverse = 0xFFFFFFu - back;
  const TChartZoomBrush* brush = FZoom.FindBrush();
  if (brush)
    canvas.AssignBrush(*brush, ResolveColor(brush->Color()) ^ inverse, back);
  else
    canvas.SetBrushStyle(bsClear);
  TChartZoomPen& pen = FZoom.Pen();
  pen.SetMode(pmNotXor);
  canvas.AssignPen(pen, ResolveColor(pen.Color()) ^ inverse);
  if (!brush || brush->Style() == bsClear)
    canvas.SetBackMode(bmTransparent);
  canvas.DrawRectangle(FZoom.StartX, FZoom.StartY, FZoom.EndX, FZoom.EndY);
  canvas.ResetState();
}

void TZoomScrollChart::BufferRepainted() {
  if (FZoom.Dragging)
    DrawZoomRectangle();
}

void TZoomScrollChart::ToggleZoomRectangleOnWindow() {
  if (Host())
    Canvas().SetWindowCanvas(Host()->WindowImage());
  DrawZoomRectangle();
  ShowWindowImage();
}

void TZoomScrollChart::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove)
    OnMouseMove(*this, shift, x, y);
  if (FZoom.Dragging)
    MoveZoomEnd(x, y);
  else if (FPanning.Dragging)
    ScrollTo(x, y);
  else if (Host())
    Host()->SetCursor(FCursor);
}

void TZoomScrollChart::MoveZoomEnd(int x, int y) {
  if (FZoom.Direction() == tzdVertical)
    x = PlotRect.Right;
  if (FZoom.Direction() == tzdHorizontal)
    y = PlotRect.Bottom;
  if (FZoom.KeepAspectRatio() && PlotWidth > 0) {
    const int width = std::abs(x - FZoom.StartX);
    const int height = int(std::lround(double(width) * PlotHeight / PlotWidth));
    y = FZoom.StartY + (y < FZoom.StartY ? -height : height);
  }
  if (x == FZoom.EndX && y == FZoom.EndY)
    return;
  // Both drawings go into the window image before it is shown, so the old outline never flickers.
  if (Host())
    Canvas().SetWindowCanvas(Host()->WindowImage());
  DrawZoomRectangle();
  FZoom.EndX = x;
  FZoom.EndY = y;
  DrawZoomRectangle();
  ShowWindowImage();
}

void TZoomScrollChart::ScrollTo(int x, int y) {
  if (FPanning.InsideBounds() && !PlotRect.Contains(x, y)) {
    FPanning.Dragging = false;
    return;
  }
  if (x == FPanning.EndX && y == FPanning.EndY)
    return;
  SaveScalesOnce();
  const bool horizontal = x != FPanning.EndX && (FAllowPanning == pmHorizontal || FAllowPanning == pmBoth);
  const bool vertical = y != FPanning.EndY && (FAllowPanning == pmVertical || FAllowPanning == pmBoth);
  for (TChartAxis* axis : Axes) {
    if (axis->IsDepthAxis())
      continue;
    if (horizontal && axis->Horizontal())
      ScrollAxis(*axis, FPanning.EndX, x);
    if (vertical && !axis->Horizontal())
      ScrollAxis(*axis, FPanning.EndY, y);
  }
  FPanning.EndX = x;
  FPanning.EndY = y;
  if (horizontal || vertical) {
    Fire(OnScroll);
    Invalidate();
  }
}

void TZoomScrollChart::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp)
    OnMouseUp(*this, button, shift, x, y);
  if (FZoom.Dragging && button == FZoom.MouseButton())
    EndZoomDrag(x, y);
  FPanning.Dragging = false;
  if (!FPanning.InsideBounds() && Host())
    Host()->SetMouseCapture(false);
}

void TZoomScrollChart::EndZoomDrag(int x, int y) {
  FZoom.Dragging = false;
  ToggleZoomRectangleOnWindow();
  if (FZoom.Direction() != tzdVertical)
    FZoom.EndX = x;
  if (FZoom.Direction() != tzdHorizontal)
    FZoom.EndY = y;
  if (!ZoomDragCounts())
    return;
  if (ZoomDragZooms())
    ZoomToRectangle();
  else
    ResetZoom();
  Invalidate();
}

bool TZoomScrollChart::ZoomDragCounts() const {
  const TChartZoomDirection direction = FZoom.Direction();
  const bool wideEnough =
      direction == tzdVertical || std::abs(FZoom.EndX - FZoom.StartX) > FZoom.MinimumPixels();
  const bool tallEnough =
      direction == tzdHorizontal || std::abs(FZoom.EndY - FZoom.StartY) > FZoom.MinimumPixels();
  return wideEnough && tallEnough;
}

bool TZoomScrollChart::ZoomDragZooms() const {
  if (FZoom.UpLeftZooms())
    return true;
  if (FZoom.Direction() == tzdVertical)
    return FZoom.EndY > FZoom.StartY;
  return FZoom.EndX > FZoom.StartX;
}

} // namespace chart
