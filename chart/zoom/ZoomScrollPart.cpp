// Zoom, undo and scroll of the axes, and the mouse and key handlers that drive them.
#include "chart/zoom/ZoomScrollPart.h"

#include "chart/axis/ChartAxis.h"
#include "chart/surface/ChartCanvas3D.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace chart {

TZoomScrollPart::TZoomScrollPart(TZoomScrollOwner& owner) : FOwner(owner) {
  FZoom.SetOnChange([this] { FOwner.OwnerChanged(); });
  FPanning.SetOnChange([this] { FOwner.OwnerChanged(); });
}

void TZoomScrollPart::SetCursor(TCursorKind value) {
  FCursor = value;
  FOwner.SetWindowCursor(value);
}

void TZoomScrollPart::SaveScalesOnce() {
  if (!FMustSaveScales)
    return;
  FSavedScales.clear();
  for (TChartAxis* axis : FOwner.OwnerAxes()) {
    if (axis->IsDepthAxis())
      continue;
    FSavedScales.push_back(TAxisSavedScales{axis, axis->Automatic(), axis->AutomaticMinimum(),
                                            axis->AutomaticMaximum(), axis->Minimum(), axis->Maximum()});
  }
  FMustSaveScales = false;
}

void TZoomScrollPart::ApplyScales(TChartAxis& axis, const TAxisSavedScales& scales) {
  axis.SetAutomatic(scales.Automatic);
  axis.SetAutomaticMinimum(scales.AutomaticMinimum);
  axis.SetAutomaticMaximum(scales.AutomaticMaximum);
  // The setters refuse a minimum above the current maximum (and the reverse), so the end that
  // cannot collide with the other goes first.
  if (scales.Minimum <= axis.Maximum()) {
    axis.SetMinimum(scales.Minimum);
    axis.SetMaximum(scales.Maximum);
  } else {
    axis.SetMaximum(scales.Maximum);
    axis.SetMinimum(scales.Minimum);
  }
}

void TZoomScrollPart::RestoreSavedScales() {
  for (const TAxisSavedScales& saved : FSavedScales)
    ApplyScales(*saved.Axis, saved);
  FSavedScales.clear();
  FMustSaveScales = true;
}

TZoomSnapshot TZoomScrollPart::Snapshot() const {
  const auto range = [](const TChartAxis& axis) { return TAxisRange{axis.Minimum(), axis.Maximum()}; };
  return TZoomSnapshot{range(FOwner.TopAxis()), range(FOwner.BottomAxis()), range(FOwner.LeftAxis()),
                       range(FOwner.RightAxis())};
}

void TZoomScrollPart::RestoreSnapshot(const TZoomSnapshot& snapshot) {
  FOwner.TopAxis().SetRange(snapshot.Top.Minimum, snapshot.Top.Maximum);
  FOwner.BottomAxis().SetRange(snapshot.Bottom.Minimum, snapshot.Bottom.Maximum);
  FOwner.LeftAxis().SetRange(snapshot.Left.Minimum, snapshot.Left.Maximum);
  FOwner.RightAxis().SetRange(snapshot.Right.Minimum, snapshot.Right.Maximum);
}

void TZoomScrollPart::ZoomToRectangle() {
  if (FZoom.EndX < FZoom.StartX)
    std::swap(FZoom.StartX, FZoom.EndX);
  if (FZoom.EndY < FZoom.StartY)
    std::swap(FZoom.StartY, FZoom.EndY);
  const auto across = [&](const TChartAxis& axis) {
    return TAxisRange{axis.PixelToValue(FZoom.StartX), axis.PixelToValue(FZoom.EndX)};
  };
  // The lower pixel edge is the smaller value on a vertical axis.
  const auto upward = [&](const TChartAxis& axis) {
    return TAxisRange{axis.PixelToValue(FZoom.EndY), axis.PixelToValue(FZoom.StartY)};
  };
  ZoomAxes(across(FOwner.TopAxis()), across(FOwner.BottomAxis()), upward(FOwner.LeftAxis()),
           upward(FOwner.RightAxis()));
  RecordZoomHistory();
}

void TZoomScrollPart::RecordZoomHistory() {
  if (FZoom.History())
    FZoomHistory.push_back(Snapshot());
}

void TZoomScrollPart::ZoomAxes(const TAxisRange& top, const TAxisRange& bottom, const TAxisRange& left,
                               const TAxisRange& right) {
  std::vector<std::pair<TChartAxis*, TAxisRange>> targets;
  if (FZoom.Direction() != tzdHorizontal) {
    targets.emplace_back(&FOwner.LeftAxis(), left);
    targets.emplace_back(&FOwner.RightAxis(), right);
  }
  if (FZoom.Direction() != tzdVertical) {
    targets.emplace_back(&FOwner.TopAxis(), top);
    targets.emplace_back(&FOwner.BottomAxis(), bottom);
  }
  ApplyZoom(targets);
}

void TZoomScrollPart::ApplyZoom(const std::vector<std::pair<TChartAxis*, TAxisRange>>& targets) {
  SaveScalesOnce();
  if (FZoom.Animated())
    AnimateZoom(targets);
  for (const auto& [axis, range] : targets)
    axis->SetRange(range.Minimum, range.Maximum);
  FHasZoom = true;
  FOwner.Zoomed();
}

void TZoomScrollPart::AnimateZoom(const std::vector<std::pair<TChartAxis*, TAxisRange>>& targets) {
  for (int step = 1; step < FZoom.AnimatedSteps(); ++step) {
    for (const auto& [axis, range] : targets) {
      if (axis->Minimum() == range.Minimum && axis->Maximum() == range.Maximum)
        continue;
      const double minimum = axis->Minimum() + (range.Minimum - axis->Minimum()) / 3;
      const double maximum = axis->Maximum() + (range.Maximum - axis->Maximum()) / 3;
      axis->SetRange(minimum, maximum);
    }
    FOwner.RepaintNow();
  }
}

void TZoomScrollPart::ResetZoom() {
  bool stillZoomed = false;
  if (FZoom.History() && FZoomHistory.size() > 1) {
    FZoomHistory.pop_back();
    RestoreSnapshot(FZoomHistory.back());
    stillZoomed = true;
  } else {
    FZoomHistory.clear();
    if (!FMustSaveScales)
      RestoreSavedScales();
  }
  // Stepping back to an older zoom leaves the chart zoomed.
  FHasZoom = stillZoomed;
  FOwner.ZoomUndone();
  FOwner.OwnerChanged();
}

void TZoomScrollPart::ScrollTo(int x, int y) {
  if (FPanning.InsideBounds() && !FOwner.LastFrame().PlotRect.Contains(x, y)) {
    FPanning.Dragging = false;
    return;
  }
  if (x == FPanning.EndX && y == FPanning.EndY)
    return;
  SaveScalesOnce();
  const bool horizontal = x != FPanning.EndX && (FAllowPanning == pmHorizontal || FAllowPanning == pmBoth);
  const bool vertical = y != FPanning.EndY && (FAllowPanning == pmVertical || FAllowPanning == pmBoth);
  for (TChartAxis* axis : FOwner.OwnerAxes()) {
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
    FOwner.Scrolled();
    FOwner.OwnerChanged();
  }
}

void TZoomScrollPart::ScrollAxis(TChartAxis& axis, int oldPixel, int newPixel) {
  ShiftAxis(axis, axis.PixelToValue(oldPixel) - axis.PixelToValue(newPixel));
}

TAxisRange TZoomScrollPart::ShownRange(const TChartAxis& axis) {
  // The working range lags behind Minimum and Maximum until the next paint, so once the axis
  // is fixed the stored ends are the base: equal to the working ones after a paint (a fixed end
  // gets no series margin), and still right when several moves arrive between two paints.
  const bool baseOnMinimum = axis.MinimumOffset() != 0 || !axis.AutomaticMinimum();
  const bool baseOnMaximum = axis.MaximumOffset() != 0 || !axis.AutomaticMaximum();
  return {baseOnMinimum ? axis.Minimum() : axis.WorkMinimum(),
          baseOnMaximum ? axis.Maximum() : axis.WorkMaximum()};
}

void TZoomScrollPart::ShiftAxis(TChartAxis& axis, double delta) {
  const TAxisRange shown = ShownRange(axis);
  double minimum = shown.Minimum + delta;
  double maximum = shown.Maximum + delta;
  if (FOwner.AllowScroll(axis, minimum, maximum))
    axis.SetRange(minimum, maximum);
}

void TZoomScrollPart::WheelScroll(bool up) {
  if (FPanning.MouseWheel() == pmwNone || (FAllowPanning != pmVertical && FAllowPanning != pmBoth))
    return;
  const bool inverted = FPanning.MouseWheel() == pmwInverted;
  for (TChartAxis* axis : FOwner.OwnerAxes()) {
    if (axis->Horizontal())
      continue;
    double delta = (axis->Maximum() - axis->Minimum()) * 3 * 0.01;
    if (up == inverted)
      delta = -delta;
    double minimum = axis->Minimum() + delta;
    double maximum = axis->Maximum() + delta;
    if (!FOwner.AllowScroll(*axis, minimum, maximum))
      continue;
    if (minimum == axis->Minimum() + delta && maximum == axis->Maximum() + delta)
      axis->ShiftRange(delta, false);
    else
      axis->SetRange(minimum, maximum);
  }
}

void TZoomScrollPart::MouseWheel(int delta) {
  // Fine-grained wheels and touchpads report fractions of a notch; they add up to whole steps.
  FWheelDelta += delta;
  constexpr int Notch = 120;
  while (FWheelDelta >= Notch) {
    FWheelDelta -= Notch;
    WheelScroll(true);
  }
  while (FWheelDelta <= -Notch) {
    FWheelDelta += Notch;
    WheelScroll(false);
  }
}

// The part's mouse handlers: the start and end of the zoom and scroll drags, and the zoom
// rectangle that follows the mouse.

void TZoomScrollPart::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (FZoom.Dragging || FPanning.Dragging)
    return;
  if (!FOwner.ClickTaken(button, shift, x, y))
    BeginZoomOrScroll(button, shift, x, y);
}

void TZoomScrollPart::BeginZoomOrScroll(TMouseButton button, TShiftState shift, int x, int y) {
  // Every series kind of this engine draws against axes, so no series can veto the drag here.
  bool started = false;
  const TRect plot = FOwner.LastFrame().PlotRect;
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
  const TRect plot = FOwner.LastFrame().PlotRect;
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

// The keys of a focused chart and the whole recording shown again. Keys take the mouse's steps
// (a scroll step, a wheel step, a zoom), so undo and the chart's events cannot tell them apart.

namespace {

// Zooming out stops at the whole recording: a range as wide as the data or wider becomes the
// data's, a narrower one that reaches past an end moves back inside.
TAxisRange WithinData(const TAxisRange& range, const TAxisSeriesData& data) {
  const double width = range.Maximum - range.Minimum;
  if (width >= data.Maximum - data.Minimum)
    return {data.Minimum, data.Maximum};
  if (range.Minimum < data.Minimum)
    return {data.Minimum, data.Minimum + width};
  if (range.Maximum > data.Maximum)
    return {data.Maximum - width, data.Maximum};
  return range;
}

// A chart without frames apart (none, or one) has no view of them to move.
bool HasFramesApart(const TChartAxis& axis) { return axis.Plan().Data.Maximum > axis.Plan().Data.Minimum; }

} // namespace

void TZoomScrollPart::KeyDown(TChartKey key) {
  if (FZoom.Dragging || FPanning.Dragging)
    return;
  switch (key) {
  case TChartKey::ckLeft:
  case TChartKey::ckRight:
    ScrollFrames(key == TChartKey::ckRight);
    break;
  case TChartKey::ckUp:
  case TChartKey::ckDown:
    WheelScroll(key == TChartKey::ckUp);
    break;
  case TChartKey::ckZoomIn:
  case TChartKey::ckZoomOut:
    ZoomFrames(key == TChartKey::ckZoomIn);
    break;
  case TChartKey::ckHome:
    ShowWhole();
    break;
  }
}

void TZoomScrollPart::ScrollFrames(bool forward) {
  TChartAxis& axis = FOwner.BottomAxis();
  if ((FAllowPanning != pmHorizontal && FAllowPanning != pmBoth) || !HasFramesApart(axis))
    return;
  const TAxisRange shown = ShownRange(axis);
  const double step = (shown.Maximum - shown.Minimum) / 10;
  SaveScalesOnce();
  ShiftAxis(axis, forward ? step : -step);
  FOwner.Scrolled();
  FOwner.OwnerChanged();
}

void TZoomScrollPart::ZoomFrames(bool in) {
  TChartAxis& axis = FOwner.BottomAxis();
  if (!FZoom.Allow() || FZoom.Direction() == tzdVertical || !HasFramesApart(axis))
    return;
  const TAxisRange shown = ShownRange(axis);
  const TAxisSeriesData& data = axis.Plan().Data;
  if (!in && shown.Minimum <= data.Minimum && shown.Maximum >= data.Maximum)
    return;
  const double middle = shown.Minimum / 2 + shown.Maximum / 2;
  const double half = (shown.Maximum - shown.Minimum) * (in ? 0.25 : 1.0);
  const TAxisRange range{middle - half, middle + half};
  ApplyZoom({{&axis, in ? range : WithinData(range, data)}});
  RecordZoomHistory();
  FOwner.OwnerChanged();
}

void TZoomScrollPart::ShowWhole() {
  for (TChartAxis* axis : FOwner.OwnerAxes())
    axis->SetAutomatic(true);
  FSavedScales.clear();
  FMustSaveScales = true;
  FZoomHistory.clear();
  FHasZoom = false;
  FWheelDelta = 0;
  FOwner.ZoomUndone();
  FOwner.OwnerChanged();
}

void TZoomScrollPart::FollowAxis(TChartAxis& axis, const TChartAxis& model) {
  SaveScalesOnce();
  ApplyScales(axis, {&axis, model.Automatic(), model.AutomaticMinimum(), model.AutomaticMaximum(),
                     model.Minimum(), model.Maximum()});
  FOwner.OwnerChanged();
}

} // namespace chart
