// What a series needs of the chart that owns it, besides what every part needs: the axes its
// points are placed on, and, for a point drawn as it is added, the last paint's context and the
// window to show it on. The chart implements it, so the series never see the chart's own classes.
#pragma once

#include "chart/axis/AxisOwner.h"
#include "chart/series/PaintContext.h"

namespace chart {

class TChartAxis;
class TChartSeries;

class TSeriesOwner : public TAxisOwner {
public:
  virtual TChartAxis& BottomAxis() const = 0;
  virtual TChartAxis& TopAxis() const = 0;
  virtual TChartAxis& LeftAxis() const = 0;
  virtual TChartAxis& RightAxis() const = 0;
  // The context the series painted with (or would have) in the last paint.
  virtual TPaintContext PaintContextOf(const TChartSeries& series) const = 0;
  virtual void ShowWindowImage() = 0;

protected:
  using TAxisOwner::TAxisOwner;
  ~TSeriesOwner() = default;
};

} // namespace chart
