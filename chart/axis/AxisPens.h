// The pens an axis draws with: its line, the dotted grid and the major and minor ticks, each a
// chart pen with the axis's own defaults.
#pragma once

#include "chart/surface/ChartColors.h"
#include "chart/surface/ChartPen.h"

namespace chart {

// Pixels outward from the line: the major ticks, and the minor ones between them.
inline constexpr int AxisTickLength = 4;
inline constexpr int AxisMinorTickLength = 2;

// The axis line: two pixels wide by default.
class TChartAxisPen : public TChartPen {
public:
  TChartAxisPen() : TChartPen(clBlack) { SetWidth(2); }
};

class TDottedGrayPen : public TChartPen {
public:
  TDottedGrayPen() : TChartPen(clGray) { SetStyle(psDot); }
};

class TAxisGridPen : public TDottedGrayPen {};

class TDarkGrayPen : public TChartPen {
public:
  TDarkGrayPen() : TChartPen(clGray) {}
};

class TTicks : public TDarkGrayPen {};

} // namespace chart
