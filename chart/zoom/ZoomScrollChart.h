// The chart's mouse side: which part a click hits, the rectangle zoom with the left button, the
// scroll drag with the right button, the wheel scroll, and the undo of zoom and scroll.
#pragma once

#include "chart/surface/ChartHost.h"
#include "chart/zoom/ChartZoom.h"
#include "chart/panel/CustomChart.h"
#include "chart/zoom/MouseTypes.h"

#include <functional>
#include <utility>
#include <vector>

namespace chart {

class TChartAxis;
class TChartTitle;

enum TChartClickedPartStyle {
  cpNone,
  cpLegend,
  cpAxis,
  cpSeries,
  cpTitle,
  cpFoot,
  cpChartRect,
  cpSubTitle,
  cpSubFoot
};

struct TChartClickedPart {
  TChartClickedPartStyle Part = cpNone;
  TChartAxis* AAxis = nullptr;
  TChartTitle* ATitle = nullptr;
};

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

using TChartMouseEvent =
    std::function<void(TCustomChart& sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TChartMouseMoveEvent = std::function<void(TCustomChart& sender, TShiftState shift, int x, int y)>;
using TChartClickAxisEvent = std::function<void(TCustomChart& sender, TChartAxis& axis, TMouseButton button,
                                                TShiftState shift, int x, int y)>;
using TChartClickTitleEvent = std::function<void(TCustomChart& sender, TChartTitle& title,
                                                 TMouseButton button, TShiftState shift, int x, int y)>;
// May change the new range of a scroll step, or veto it with allowScroll := false.
using TChartAllowScrollEvent =
    std::function<void(TChartAxis& sender, double& newMinimum, double& newMaximum, bool& allowScroll)>;

// Whether (x, y) lies on the axis's line, ticks or labels, as the last paint placed them.
bool AxisClicked(TChartAxis& axis, int x, int y);

class TZoomScrollChart : public TCustomChart {
public:
  TZoomScrollChart();
  ~TZoomScrollChart() override;

  TChartZoom& Zoom() { return FZoom; }
  TChartPanning& Panning() { return FPanning; }
  TPanningMode AllowPanning() const { return FAllowPanning; }
  void SetAllowPanning(TPanningMode value) { SetProperty(FAllowPanning, value); }
  TMouseButton ScrollMouseButton() const { return FScrollMouseButton; }
  void SetScrollMouseButton(TMouseButton value) { SetProperty(FScrollMouseButton, value); }
  // Older layouts still carry these names; they only forward to Zoom.
  void SetAllowZoom(bool value) { FZoom.SetAllow(value); }
  void SetAnimatedZoom(bool value) { FZoom.SetAnimated(value); }
  void SetAnimatedZoomSteps(int value) { FZoom.SetAnimatedSteps(value); }

  // The chart's own mouse cursor, shown whenever a drag starts or the mouse moves over nothing.
  TCursorKind Cursor() const { return FCursor; }
  void SetCursor(TCursorKind value);

  // --- events ----------------------------------------------------------------------------------
  TChartMouseEvent OnMouseDown;
  TChartMouseMoveEvent OnMouseMove;
  TChartMouseEvent OnMouseUp;
  // A click offered to one of these is taken unless the handler clears CancelMouse, which is
  // set just before it runs; a taken click starts no zoom or scroll.
  TChartClickAxisEvent OnClickAxis;
  TChartClickTitleEvent OnClickTitle;
  TChartMouseEvent OnClickBackground;
  bool CancelMouse = false;
  TChartNotifyEvent OnZoom;
  TChartNotifyEvent OnUndoZoom;
  TChartNotifyEvent OnScroll;
  TChartAllowScrollEvent OnAllowScroll;

  // --- state -----------------------------------------------------------------------------------
  // The axes' settings before the first zoom or scroll; empty while MustSaveScales.
  const TAllAxisSavedScales& SavedScales() const { return FSavedScales; }
  bool MustSaveScales() const { return FMustSaveScales; }
  bool HasZoom() const { return FHasZoom; }
  const std::vector<TZoomSnapshot>& ZoomHistory() const { return FZoomHistory; }

  // --- host messages ---------------------------------------------------------------------------
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void MouseMove(TShiftState shift, int x, int y);
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  // delta in eighths of a degree; every 120 of them (one wheel notch) is one scroll step.
  void MouseWheel(int delta, TShiftState shift, int x, int y);

  // --- operations --------------------------------------------------------------------------------
  // Legend and series never answer here: the legend is not drawn and series take no clicks.
  TChartClickedPart ClickedPart(int x, int y);
  void BeginZoomOrScroll(TMouseButton button, TShiftState shift, int x, int y);
  // Not-xor outline (and fill) on the window, never in the buffer: drawing the same rectangle
  // twice restores the picture. Leaves the surface's state as a paint leaves it.
  void DrawZoomRectangle();
  void ZoomToRectangle();
  void ZoomAxes(const TAxisRange& top, const TAxisRange& bottom, const TAxisRange& left,
                const TAxisRange& right);
  void ResetZoom();
  void ScrollAxis(TChartAxis& axis, int oldPixel, int newPixel);
  void WheelScroll(bool up);

protected:
  // A paint wipes the rectangle off the window: draw it back, or the next mouse move would take
  // its erasing pass for a new rectangle.
  void BufferRepainted() override;

private:
  // Whether a click handler took the click.
  bool OfferClick(const TChartClickedPart& part, TMouseButton button, TShiftState shift, int x, int y);
  TChartClickedPartStyle ClickedTitle(int x, int y, TChartTitle*& title);
  // Outside a paint the rectangle goes straight into the window image, shown at once.
  void ToggleZoomRectangleOnWindow();
  void MoveZoomEnd(int x, int y);
  void ScrollTo(int x, int y);
  void EndZoomDrag(int x, int y);
  bool ZoomDragCounts() const;
  bool ZoomDragZooms() const;
  void SaveScalesOnce();
  void RestoreSavedScales();
  void AnimateZoom(const std::vector<std::pair<TChartAxis*, TAxisRange>>& targets);
  void RepaintNow();
  TZoomSnapshot Snapshot() const;
  void RestoreSnapshot(const TZoomSnapshot& snapshot);
  void Fire(const TChartNotifyEvent& event);

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
