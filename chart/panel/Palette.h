// Colour palettes: the default palette, the fixed tables a palette index selects, and how a chart
// hands a free palette colour to each series that has no colour of its own.
#pragma once

#include "chart/surface/ChartColors.h"

#include <functional>
#include <optional>
#include <span>

namespace chart {

class TCustomChart;
class TChartSeries;

// The palette in force while a chart has selected no table (20 colours).
std::span<const TColor> DefaultColorPalette();
// The table that ColorPaletteIndex `index` selects: 1 to 17; empty for any other index.
std::span<const TColor> ColorPaletteTable(int index);

// A new chart starts on this palette unless the user's "DefaultPalette" setting names another.
inline constexpr int StandardPaletteIndex = 13;
// Reads the per-user "DefaultPalette" setting; no value when it is not set. The window layer
// installs one at start-up; without it every chart starts on StandardPaletteIndex.
using TDefaultPaletteReader = std::function<std::optional<int>()>;
void SetDefaultPaletteReader(TDefaultPaletteReader reader);
int DefaultPaletteIndex();

// The palette in force for a palette index: its table, or the default palette when it has none.
std::span<const TColor> PaletteInForce(int paletteIndex);
// Entry `index` of the palette in force for paletteIndex, wrapping around its length.
TColor PaletteColor(int paletteIndex, int index);
// False when a series other than `exclude` already draws in `color`, or, with checkBackground,
// when the colour would vanish against the chart's panel or back wall.
bool IsFreeSeriesColor(const TCustomChart& chart, TColor color, bool checkBackground,
                       const TChartSeries* exclude);
// The first free colour of the palette in force for paletteIndex, trying each entry once; the
// last entry when none is free.
TColor FindFreeSeriesColor(const TCustomChart& chart, int paletteIndex, bool checkBackground,
                           const TChartSeries* exclude);
// Hands the series a palette colour; an explicitly set SeriesColor still wins.
void AssignSeriesColor(TChartSeries& series, TColor color);
// Gives every series without a colour of its own a free colour, in the chart's series order, so
// earlier series keep the first free colours.
void ReassignSeriesColors(TCustomChart& chart, int paletteIndex);

} // namespace chart
