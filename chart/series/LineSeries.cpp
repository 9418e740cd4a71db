#include "chart/series/LineSeries.h"

namespace chart {

TLineSeries::TLineSeries() {
  FDrawLine = true;
  FDrawBetweenPoints = true;
}

} // namespace chart
