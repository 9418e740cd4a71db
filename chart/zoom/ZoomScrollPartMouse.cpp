// The part's mouse handlers: the start and end of the zoom and scroll drags, and the zoom
// rectangle that follows the mouse.
#include "chart/zoom/ZoomScrollPart.h"

#include "chart/surface/ChartCanvas3D.h"

#include <cmath>
#include <cstdlib>

namespace chart {

void TZoomScrollPart::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (FZoom.Dragging || FPanning.Dragging)
    return;
  if (!FOwner.ClickTaken(button, shift, x, y))
    BeginZoomOrScroll(button, shift, x, y);
}

void TZoomScrollPart::BeginZoomOrScroll(TMouseButton button, TShiftState shift, int x, int y) {
  // Every series kind of this engine draws against axes, so no series can veto the drag here.
  bool started = false;
  const TRect& plot = FOwner.OwnerPlotRect();
  if (FZoom.Allow() && button == FZoom.MouseButton() && ShiftIncludes(shift, FZoom.KeyShift())) {
    const TChartZoomDirection direction = FZoom.Direction();
    FZoom.BeginDrag(direction == tzdVertical ? plot.Left : x, direction == tzdHorizontal ? plot.Top : y);
    if (direction == tzdVertical)
      FZoom.EndX = plot.Right;
    if (direction == tzdHorizontal)
      FZoom.EndY = plot.Bottom;
    ToggleZoomRectangleOnWindow();
    started = true;
  }
  if (FAllowPanning != pmNone && button == FScrollMouseButton) {
    FPanning.BeginDrag(x, y);
    if (!FPanning.InsideBounds())
      FOwner.SetMouseCapture(true);
    started = true;
  }
  if (started)
    FOwner.SetWindowCursor(FCursor);
}

void TZoomScrollPart::DrawZoomRectangle(TChartCanvas3D& canvas) {
  const TColor back = FOwner.ZoomBackColor();
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

void TZoomScrollPart::BufferRepainted() {
  if (FZoom.Dragging)
    DrawZoomRectangle(FOwner.WindowCanvas());
}

void TZoomScrollPart::ToggleZoomRectangleOnWindow() {
  DrawZoomRectangle(FOwner.WindowCanvas());
  FOwner.ShowWindowImage();
}

void TZoomScrollPart::MouseMove(int x, int y) {
  if (FZoom.Dragging)
    MoveZoomEnd(x, y);
  else if (FPanning.Dragging)
    ScrollTo(x, y);
  else
    FOwner.SetWindowCursor(FCursor);
}

void TZoomScrollPart::MoveZoomEnd(int x, int y) {
  const TRect& plot = FOwner.OwnerPlotRect();
  if (FZoom.Direction() == tzdVertical)
    x = plot.Right;
  if (FZoom.Direction() == tzdHorizontal)
    y = plot.Bottom;
  if (FZoom.KeepAspectRatio() && plot.Width() > 0) {
    const int width = std::abs(x - FZoom.StartX);
    const int height = int(std::lround(double(width) * plot.Height() / plot.Width()));
    y = FZoom.StartY + (y < FZoom.StartY ? -height : height);
  }
  if (x == FZoom.EndX && y == FZoom.EndY)
    return;
  // Both drawings go into the window image before it is shown, so the old outline never flickers.
  TChartCanvas3D& canvas = FOwner.WindowCanvas();
  DrawZoomRectangle(canvas);
  FZoom.EndX = x;
  FZoom.EndY = y;
  DrawZoomRectangle(canvas);
  FOwner.ShowWindowImage();
}

void TZoomScrollPart::MouseUp(TMouseButton button, int x, int y) {
  if (FZoom.Dragging && button == FZoom.MouseButton())
    EndZoomDrag(x, y);
  FPanning.Dragging = false;
  if (!FPanning.InsideBounds())
    FOwner.SetMouseCapture(false);
}

void TZoomScrollPart::EndZoomDrag(int x, int y) {
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
  FOwner.OwnerChanged();
}

bool TZoomScrollPart::ZoomDragCounts() const {
  const TChartZoomDirection direction = FZoom.Direction();
  const bool wideEnough =
      direction == tzdVertical || std::abs(FZoom.EndX - FZoom.StartX) > FZoom.MinimumPixels();
  const bool tallEnough =
      direction == tzdHorizontal || std::abs(FZoom.EndY - FZoom.StartY) > FZoom.MinimumPixels();
  return wideEnough && tallEnough;
}

bool TZoomScrollPart::ZoomDragZooms() const {
  if (FZoom.UpLeftZooms())
    return true;
  if (FZoom.Direction() == tzdVertical)
    return FZoom.EndY > FZoom.StartY;
  return FZoom.EndX > FZoom.StartX;
}

} // namespace chart
