#include "chart/Chart.h"

#include "chart/ChartSeries.h"
#include "chart/Palette.h"

namespace chart {

TChart::TChart() { SetColorPaletteIndex(DefaultPaletteIndex()); }

TChart::~TChart() = default;

void TChart::PrepareJoiningSeries(TChartSeries& series) {
  if (series.SeriesColor() == DefaultSeriesColor)
    AssignSeriesColor(series, FindFreeSeriesColor(*this, true, nullptr));
}

void TChart::SetColorPaletteIndex(int value) {
  if (value == FColorPaletteIndex)
    return;
  FColorPaletteIndex = value;
  const std::span<const TColor> table = ColorPaletteTable(value);
  FChartPalette.assign(table.begin(), table.end());
  ReassignSeriesColors(*this);
  Invalidate();
}

} // namespace chart
