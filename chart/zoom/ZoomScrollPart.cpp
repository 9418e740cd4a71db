// Zoom, undo and scroll of the axes; the mouse handlers that drive them are in
// ZoomScrollPartMouse.cpp.
#include "chart/zoom/ZoomScrollPart.h"

#include "chart/axis/ChartAxis.h"

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
  if (FPanning.InsideBounds() && !FOwner.OwnerPlotRect().Contains(x, y)) {
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

} // namespace chart
