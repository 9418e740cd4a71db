// What an axis needs of the chart that owns it: the canvas and the plotting rectangle of the
// current paint, whether the layout is being read, and a repaint after a change. The chart
// implements it, so the axis never sees the chart's own classes.
#pragma once

#include "chart/surface/ChartGeometry.h"

namespace chart {

class TChartCanvas3D;

class TAxisOwner {
public:
  // The chart's canvas for the chart's whole life; series draw on it once per point, so it is
  // held here rather than asked for.
  TChartCanvas3D& OwnerCanvas() const { return FCanvas; }
  virtual const TRect& OwnerPlotRect() const = 0;
  // The plotting rectangle's width (horizontal) or height as the chart last measured it.
  virtual int OwnerPlotSize(bool horizontal) const = 0;
  // True while the layout is being read: setters skip their checks.
  virtual bool OwnerLoading() const = 0;
  // A part changed: the chart repaints (unless it is going away).
  virtual void OwnerChanged() = 0;

protected:
  explicit TAxisOwner(TChartCanvas3D& canvas) : FCanvas(canvas) {}
  ~TAxisOwner() = default;

private:
  TChartCanvas3D& FCanvas;
};

} // namespace chart
