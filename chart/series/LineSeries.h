// The line series: the general series with line drawing on, keeping the first point beyond the
// right edge in its visible range.
#pragma once

#include "chart/series/CustomSeries.h"

namespace chart {

class TLineSeries : public TCustomSeries {
public:
  TLineSeries();
};

} // namespace chart
