// What a series needs of the chart that owns it, besides what every part needs: the axes its
// points are placed on, and the window to show what it drew there outside a paint. The chart
// implements it, so the series never see the chart's own classes.
#pragma once

#include "chart/axis/AxisOwner.h"

namespace chart {

class TChartAxis;

class TSeriesOwner : public TAxisOwner {
public:
  virtual TChartAxis& BottomAxis() const = 0;
  virtual TChartAxis& TopAxis() const = 0;
  virtual TChartAxis& LeftAxis() const = 0;
  virtual TChartAxis& RightAxis() const = 0;
  virtual void ShowWindowImage() = 0;

protected:
  using TAxisOwner::TAxisOwner;
  ~TSeriesOwner() = default;
};

} // namespace chart
