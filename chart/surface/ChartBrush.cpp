#include "chart/surface/ChartBrush.h"

namespace chart {

TChartGradient& TChartBrush::Gradient() {
  if (!FGradient) {
    FGradient = std::make_unique<TChartGradient>();
    ForwardChangesOf(*FGradient);
  }
  return *FGradient;
}

} // namespace chart
