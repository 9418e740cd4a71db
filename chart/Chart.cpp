#include "chart/Chart.h"

#include "chart/series/ChartSeries.h"

namespace chart {

TChart::TChart() { SetColorPaletteIndex(DefaultPaletteIndex()); }

TChart::~TChart() = default;

void TChart::PrepareJoiningSeries(TChartSeries& series) {
  if (series.SeriesColor() == DefaultSeriesColor)
    AssignSeriesColor(series, FindFreeSeriesColor(*this, FColorPaletteIndex, true, nullptr));
}

void TChart::SetColorPaletteIndex(int value) {
  if (value == FColorPaletteIndex)
    return;
  FColorPaletteIndex = value;
  ReassignSeriesColors(*this, value);
  Invalidate();
}

} // namespace chart
