// The chart control the window hosts: the whole chart with zoom and scroll, plus the colour
// palette its series take their colours from.
#pragma once

#include "chart/panel/Palette.h"
#include "chart/zoom/ZoomScrollChart.h"

#include <span>

namespace chart {

class TChart : public TZoomScrollChart {
public:
  // Starts on the user's preferred palette (palette 13 without a setting).
  TChart();
  ~TChart() override;

  int ColorPaletteIndex() const { return FColorPaletteIndex; }
  // Selects a palette table (none for 0 and values outside the tables: the default palette then
  // applies) and recolours every series whose colour was never set.
  void SetColorPaletteIndex(int value);
  // Empty while no table is selected.
  std::span<const TColor> ChartPalette() const { return ColorPaletteTable(FColorPaletteIndex); }

protected:
  // A series without a colour of its own gets the first free palette colour.
  void PrepareJoiningSeries(TChartSeries& series) override;

private:
  int FColorPaletteIndex = 0;
};

} // namespace chart
