// What an axis needs of the chart that owns it: the canvas, whether the layout is being read,
// and a repaint after a change. The chart implements it, so the axis never sees the chart's own
// classes.
#pragma once

namespace chart {

class TChartCanvas3D;

class TAxisOwner {
public:
  // The chart's canvas, for the chart's whole life.
  TChartCanvas3D& OwnerCanvas() const { return FCanvas; }
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
