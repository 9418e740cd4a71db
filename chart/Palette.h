// Colour palettes: the default palette, the fixed tables a chart's ColorPaletteIndex selects, and
// the choice of a palette colour for a series that has no colour of its own.
#pragma once

#include "chart/surface/ChartColors.h"

#include <functional>
#include <span>

namespace chart {

class TChartSeries;

// The palette in force while a chart has selected no table (20 colours).
std::span<const TColor> DefaultColorPalette();
// The table that ColorPaletteIndex `index` selects: 1 to 17; empty for any other index.
std::span<const TColor> ColorPaletteTable(int index);

// The palette a chart draws from: its own ChartPalette, or the default one while that is empty.
std::span<const TColor> PaletteInForce(std::span<const TColor> chartPalette);
// Entry `index` of the palette in force, wrapping around its length.
TColor PaletteColor(std::span<const TColor> chartPalette, int index);
// The first colour of the palette in force that `isFree` accepts, trying each entry once; the
// last entry when it accepts none.
TColor FindFreeSeriesColor(std::span<const TColor> chartPalette, const std::function<bool(TColor)>& isFree);
// Hands the series a palette colour; an explicitly set SeriesColor still wins.
void AssignSeriesColor(TChartSeries& series, TColor color);

} // namespace chart
