// What the zoom and scroll part needs of the chart that holds it: the axes it moves, the frame
// of the last paint, the window the zoom rectangle is drawn on, and the
// chart's say on clicks and scroll steps and its events. The chart implements it, so the part
// never sees the chart's own classes.
#pragma once

#include "chart/surface/ChartColors.h"
#include "chart/surface/ChartFrame.h"
#include "chart/surface/ChartGeometry.h"
#include "chart/surface/ChartHost.h"
#include "chart/zoom/MouseTypes.h"

#include <span>

namespace chart {

class TChartAxis;
class TChartCanvas3D;

class TZoomScrollOwner {
public:
  // --- axes ------------------------------------------------------------------------------------
  // Every axis of the chart in its list order, depth axes included.
  virtual std::span<TChartAxis* const> OwnerAxes() const = 0;
  virtual TChartAxis& BottomAxis() const = 0;
  virtual TChartAxis& TopAxis() const = 0;
  virtual TChartAxis& LeftAxis() const = 0;
  virtual TChartAxis& RightAxis() const = 0;
  // Where the last paint put the plotting rectangle.
  virtual TChartFrame LastFrame() const = 0;

  // --- window ----------------------------------------------------------------------------------
  // Something changed: the chart repaints with the next paint message.
  virtual void OwnerChanged() = 0;
  // Paints and shows the chart at once, between the steps of an animated zoom.
  virtual void RepaintNow() = 0;
  // The chart's canvas, drawing straight onto the window image: outside a paint that is where
  // the rectangle goes, never into the buffer.
  virtual TChartCanvas3D& WindowCanvas() = 0;
  // The colour the zoom rectangle is drawn against, as an RGB value.
  virtual TColor ZoomBackColor() = 0;
  virtual void ShowWindowImage() = 0;
  virtual void SetMouseCapture(bool captured) = 0;
  virtual void SetWindowCursor(TCursorKind cursor) = 0;

  // --- the chart's say -------------------------------------------------------------------------
  // True when the press at (x, y) went to a click handler that took it, or hit no part at all:
  // then it starts no drag.
  virtual bool ClickTaken(TMouseButton button, TShiftState shift, int x, int y) = 0;
  // May change the new range of a scroll step; false vetoes the step.
  virtual bool AllowScroll(TChartAxis& axis, double& newMinimum, double& newMaximum) = 0;
  virtual void Zoomed() = 0;
  virtual void ZoomUndone() = 0;
  virtual void Scrolled() = 0;

protected:
  ~TZoomScrollOwner() = default;
};

} // namespace chart
