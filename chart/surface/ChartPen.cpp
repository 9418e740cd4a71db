#include "chart/surface/ChartPen.h"

#include <tuple>

namespace chart {

void TChartPen::Assign(const TChartPen& source) {
  auto fields = [](auto& p) {
    return std::tie(p.FColor, p.FWidth, p.FStyle, p.FVisible, p.FEndStyle, p.FJoinStyle, p.FSmallDots,
                    p.FSmallSpace, p.FMode);
  };
  if (fields(*this) == fields(source))
    return;
  fields(*this) = fields(source);
  Changed();
}

} // namespace chart
