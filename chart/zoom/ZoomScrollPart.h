// Zoom and scroll with the mouse, the part of a chart that holds its state: the rectangle zoom
// with the left button, the scroll drag with the right button, the wheel scroll, and the undo of
// zoom and scroll. It reaches its chart only through TZoomScrollOwner.
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

  // --- operations --------------------------------------------------------------------------------
  void ZoomAxes(const TAxisRange& top, const TAxisRange& bottom, const TAxisRange& left,
                const TAxisRange& right);
  void ResetZoom();

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
  void AnimateZoom(const std::vector<std::pair<TChartAxis*, TAxisRange>>& targets);
  void SaveScalesOnce();
  void RestoreSavedScales();
  TZoomSnapshot Snapshot() const;
  void RestoreSnapshot(const TZoomSnapshot& snapshot);
  void ScrollTo(int x, int y);
  void ScrollAxis(TChartAxis& axis, int oldPixel, int newPixel);
  void WheelScroll(bool up);

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
