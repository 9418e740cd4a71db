// Zoom, undo and scroll of the axes; the mouse handlers that drive them are in ChartMouse.cpp.
#include "chart/zoom/ZoomScrollChart.h"

#include "chart/axis/ChartAxis.h"

#include <utility>

namespace chart {

TZoomScrollChart::TZoomScrollChart() {
  Watch(FZoom);
  Watch(FPanning);
}

TZoomScrollChart::~TZoomScrollChart() = default;

void TZoomScrollChart::SetCursor(TCursorKind value) {
  FCursor = value;
  if (Host())
    Host()->SetCursor(value);
}

void TZoomScrollChart::Fire(const TChartNotifyEvent& event) {
  if (event)
    event(*this);
}

void TZoomScrollChart::SaveScalesOnce() {
  if (!FMustSaveScales)
    return;
  FSavedScales.clear();
  for (TChartAxis* axis : Axes) {
    if (axis->IsDepthAxis())
      continue;
    FSavedScales.push_back(TAxisSavedScales{axis, axis->Automatic(), axis->AutomaticMinimum(),
                                            axis->AutomaticMaximum(), axis->Minimum(), axis->Maximum()});
  }
  FMustSaveScales = false;
}

void TZoomScrollChart::RestoreSavedScales() {
  for (const TAxisSavedScales& saved : FSavedScales) {
    TChartAxis& axis = *saved.Axis;
    axis.SetAutomatic(saved.Automatic);
    axis.SetAutomaticMinimum(saved.AutomaticMinimum);
    axis.SetAutomaticMaximum(saved.AutomaticMaximum);
    // The setters refuse a minimum above the current maximum (and the reverse), so the end that
    // cannot collide with the other goes first.
    if (saved.Minimum <= axis.Maximum()) {
      axis.SetMinimum(saved.Minimum);
      axis.SetMaximum(saved.Maximum);
    } else {
      axis.SetMaximum(saved.Maximum);
      axis.SetMinimum(saved.Minimum);
    }
  }
  FSavedScales.clear();
  FMustSaveScales = true;
}

TZoomSnapshot TZoomScrollChart::Snapshot() const {
  const auto range = [](const TChartAxis& axis) { return TAxisRange{axis.Minimum(), axis.Maximum()}; };
  return TZoomSnapshot{range(TopAxis()), range(BottomAxis()), range(LeftAxis()), range(RightAxis())};
}

void TZoomScrollChart::RestoreSnapshot(const TZoomSnapshot& snapshot) {
  TopAxis().SetRange(snapshot.Top.Minimum, snapshot.Top.Maximum);
  BottomAxis().SetRange(snapshot.Bottom.Minimum, snapshot.Bottom.Maximum);
  LeftAxis().SetRange(snapshot.Left.Minimum, snapshot.Left.Maximum);
  RightAxis().SetRange(snapshot.Right.Minimum, snapshot.Right.Maximum);
}

void TZoomScrollChart::ZoomToRectangle() {
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
  ZoomAxes(across(TopAxis()), across(BottomAxis()), upward(LeftAxis()), upward(RightAxis()));
  if (FZoom.History())
    FZoomHistory.push_back(Snapshot());
}

void TZoomScrollChart::ZoomAxes(const TAxisRange& top, const TAxisRange& bottom, const TAxisRange& left,
                                const TAxisRange& right) {
  SaveScalesOnce();
  std::vector<std::pair<TChartAxis*, TAxisRange>> targets;
  if (FZoom.Direction() != tzdHorizontal) {
    targets.emplace_back(&LeftAxis(), left);
    targets.emplace_back(&RightAxis(), right);
  }
  if (FZoom.Direction() != tzdVertical) {
    targets.emplace_back(&TopAxis(), top);
    targets.emplace_back(&BottomAxis(), bottom);
  }
  if (FZoom.Animated())
    AnimateZoom(targets);
  for (const auto& [axis, range] : targets)
    axis->SetRange(range.Minimum, range.Maximum);
  FHasZoom = true;
  Fire(OnZoom);
}

void TZoomScrollChart::AnimateZoom(const std::vector<std::pair<TChartAxis*, TAxisRange>>& targets) {
  for (int step = 1; step < FZoom.AnimatedSteps(); ++step) {
    for (const auto& [axis, range] : targets) {
      if (axis->Minimum() == range.Minimum && axis->Maximum() == range.Maximum)
        continue;
      const double minimum = axis->Minimum() + (range.Minimum - axis->Minimum()) / 3;
      const double maximum = axis->Maximum() + (range.Maximum - axis->Maximum()) / 3;
      axis->SetRange(minimum, maximum);
    }
    RepaintNow();
  }
}

void TZoomScrollChart::RepaintNow() {
  Invalidate();
  PaintMessage();
  ShowWindowImage();
}

void TZoomScrollChart::ResetZoom() {
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
  Fire(OnUndoZoom);
  Invalidate();
}

void TZoomScrollChart::ScrollAxis(TChartAxis& axis, int oldPixel, int newPixel) {
  const double delta = axis.PixelToValue(oldPixel) - axis.PixelToValue(newPixel);
  // The working range lags behind Minimum and Maximum until the next paint, so once the axis
  // is fixed the stored ends are the base: equal to the working ones after a paint (a fixed end
  // gets no series margin), and still right when several moves arrive between two paints.
  const bool baseOnMinimum = axis.MinimumOffset() != 0 || !axis.AutomaticMinimum();
  const bool baseOnMaximum = axis.MaximumOffset() != 0 || !axis.AutomaticMaximum();
  double minimum = (baseOnMinimum ? axis.Minimum() : axis.WorkMinimum()) + delta;
  double maximum = (baseOnMaximum ? axis.Maximum() : axis.WorkMaximum()) + delta;
  bool allow = true;
  if (OnAllowScroll)
    OnAllowScroll(axis, minimum, maximum, allow);
  if (allow)
    axis.SetRange(minimum, maximum);
}

void TZoomScrollChart::WheelScroll(bool up) {
  if (FPanning.MouseWheel() == pmwNone || (FAllowPanning != pmVertical && FAllowPanning != pmBoth))
    return;
  const bool inverted = FPanning.MouseWheel() == pmwInverted;
  for (TChartAxis* axis : Axes) {
    if (axis->Horizontal())
      continue;
    double delta = (axis->Maximum() - axis->Minimum()) * 3 * 0.01;
    if (up == inverted)
      delta = -delta;
    double minimum = axis->Minimum() + delta;
    double maximum = axis->Maximum() + delta;
    bool allow = true;
    if (OnAllowScroll)
      OnAllowScroll(*axis, minimum, maximum, allow);
    if (!allow)
      continue;
    if (minimum == axis->Minimum() + delta && maximum == axis->Maximum() + delta)
      axis->ShiftRange(delta, false);
    else
      axis->SetRange(minimum, maximum);
  }
}

void TZoomScrollChart::MouseWheel(int delta, TShiftState, int, int) {
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
