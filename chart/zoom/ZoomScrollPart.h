// Zoom and scroll with the mouse and keys, the part of a chart that holds its state: the rectangle
// zoom with the left button, the scroll drag with the right button, the wheel scroll, the keys of
// a focused chart, and the undo of zoom and scroll. It reaches its chart only through
// TZoomScrollOwner.
#pragma once

#include "chart/surface/ChartHost.h"
#include "chart/zoom/ChartZoom.h"
#include "chart/zoom/MouseTypes.h"
#include "chart/zoom/ZoomScrollOwner.h"

#include <utility>
#include <vector>

namespace chart {

class TChartAxis;
class TChartCanvas3D;

struct TAxisRange {
  double Minimum = 0;
  double Maximum = 0;
};

// An axis's own range settings as they were before the first zoom or scroll.
struct TAxisSavedScales {
  TChartAxis* Axis = nullptr;
  bool Automatic = true;
  bool AutomaticMinimum = true;
  bool AutomaticMaximum = true;
  double Minimum = 0;
  double Maximum = 0;
};
using TAllAxisSavedScales = std::vector<TAxisSavedScales>;

// The four standard axes' ranges right after one zoom.
struct TZoomSnapshot {
  TAxisRange Top;
  TAxisRange Bottom;
  TAxisRange Left;
  TAxisRange Right;
};

class TZoomScrollPart {
public:
  explicit TZoomScrollPart(TZoomScrollOwner& owner);

  TChartZoom& Zoom() { return FZoom; }
  TChartPanning& Panning() { return FPanning; }
  TPanningMode AllowPanning() const { return FAllowPanning; }
  void SetAllowPanning(TPanningMode value) { SetProperty(FAllowPanning, value); }
  TMouseButton ScrollMouseButton() const { return FScrollMouseButton; }
  void SetScrollMouseButton(TMouseButton value) { SetProperty(FScrollMouseButton, value); }
  // The chart's own mouse cursor, shown whenever a drag starts or the mouse moves over nothing.
  TCursorKind Cursor() const { return FCursor; }
  void SetCursor(TCursorKind value);

  // --- state -----------------------------------------------------------------------------------
  // The axes' settings before the first zoom or scroll; empty while MustSaveScales.
  const TAllAxisSavedScales& SavedScales() const { return FSavedScales; }
  bool MustSaveScales() const { return FMustSaveScales; }
  bool HasZoom() const { return FHasZoom; }
  const std::vector<TZoomSnapshot>& ZoomHistory() const { return FZoomHistory; }

  // --- mouse, after the chart's own mouse events -------------------------------------------------
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void MouseMove(int x, int y);
  void MouseUp(TMouseButton button, int x, int y);
  // delta in eighths of a degree; every 120 of them (one wheel notch) is one scroll step.
  void MouseWheel(int delta);
  // A paint wipes the rectangle off the window: draw it back, or the next mouse move would take
  // its erasing pass for a new rectangle.
  void BufferRepainted();

  // --- keys of the focused chart ------------------------------------------------------------------
  // Goes the mouse's ways: Left and Right as a scroll step of the bottom axis, Up and Down as a
  // wheel step, zoom in and out as a zoom of the bottom axis, Home as ShowWhole. Ignored during a
  // drag, as a second mouse press is.
  void KeyDown(TChartKey key);

  // --- operations --------------------------------------------------------------------------------
  void ZoomAxes(const TAxisRange& top, const TAxisRange& bottom, const TAxisRange& left,
                const TAxisRange& right);
  void ResetZoom();
  // Every axis automatic and nothing left to undo: no saved scales, no history, no zoom, no part
  // of a wheel notch. Tells of it as an undo does, since it ends in the view an undo gives.
  void ShowWhole();
  // Gives `axis` the range settings of `model` (automatic flags, minimum, maximum) as a scroll
  // step would: the scales are recorded first, so an undo here brings back this chart's own view.
  void FollowAxis(TChartAxis& axis, const TChartAxis& model);

private:
  template <class T, class U>
  void SetProperty(T& field, const U& value) {
    if (field == value)
      return;
    field = value;
    FOwner.OwnerChanged();
  }

  void BeginZoomOrScroll(TMouseButton button, TShiftState shift, int x, int y);
  // Not-xor outline (and fill): drawing the same rectangle twice restores the picture. Leaves
  // the surface's state as a paint leaves it.
  void DrawZoomRectangle(TChartCanvas3D& canvas);
  // Outside a paint the rectangle goes straight into the window image, shown at once.
  void ToggleZoomRectangleOnWindow();
  void MoveZoomEnd(int x, int y);
  void EndZoomDrag(int x, int y);
  bool ZoomDragCounts() const;
  bool ZoomDragZooms() const;
  void ZoomToRectangle();
  // Sets the axes to their new ranges as one zoom, recorded for the undo.
  void ApplyZoom(const std::vector<std::pair<TChartAxis*, TAxisRange>>& targets);
  void RecordZoomHistory();
  void AnimateZoom(const std::vector<std::pair<TChartAxis*, TAxisRange>>& targets);
  void SaveScalesOnce();
  static void ApplyScales(TChartAxis& axis, const TAxisSavedScales& scales);
  void RestoreSavedScales();
  TZoomSnapshot Snapshot() const;
  void RestoreSnapshot(const TZoomSnapshot& snapshot);
  void ScrollTo(int x, int y);
  void ScrollAxis(TChartAxis& axis, int oldPixel, int newPixel);
  // The range a scroll or key step starts from: the stored ends where they are fixed or offset,
  // else the last paint's.
  static TAxisRange ShownRange(const TChartAxis& axis);
  // Moves the range the axis shows by delta, unless the chart vetoes the step.
  void ShiftAxis(TChartAxis& axis, double delta);
  void WheelScroll(bool up);
  // A tenth of the bottom axis's view towards later (forward) or earlier frames.
  void ScrollFrames(bool forward);
  // Halves or doubles the bottom axis's view around its middle; out, never past the data.
  void ZoomFrames(bool in);

  TZoomScrollOwner& FOwner;
  TChartZoom FZoom;
  TChartPanning FPanning;
  TPanningMode FAllowPanning = pmBoth;
  TMouseButton FScrollMouseButton = TMouseButton::mbRight;
  TCursorKind FCursor = TCursorKind::crDefault;
  TAllAxisSavedScales FSavedScales;
  bool FMustSaveScales = true;
  bool FHasZoom = false;
  std::vector<TZoomSnapshot> FZoomHistory;
  int FWheelDelta = 0;
};

} // namespace chart
