// The keys of a focused chart and the whole recording shown again. Keys take the mouse's steps
// (a scroll step, a wheel step, a zoom), so undo and the chart's events cannot tell them apart.
#include "chart/zoom/ZoomScrollPart.h"

#include "chart/axis/ChartAxis.h"

namespace chart {

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
