// The pens an axis draws with: its line, the dotted grid and the major and minor ticks, each a
// chart pen with the axis's own defaults.
#pragma once

#include "chart/surface/ChartColors.h"
#include "chart/surface/ChartPen.h"

namespace chart {

// The axis line: two pixels wide by default.
class TChartAxisPen : public TChartPen {
public:
  TChartAxisPen() : TChartPen(clBlack) { SetWidth(2); }
};

class TDottedGrayPen : public TChartPen {
public:
  TDottedGrayPen() : TChartPen(clGray) { SetStyle(psDot); }
};

class TAxisGridPen : public TDottedGrayPen {
public:
  // Only every DrawEvery-th tick gets a grid line; values below 1 count as 1.
  int DrawEvery() const { return FDrawEvery; }
  void SetDrawEvery(int value) { SetProperty(FDrawEvery, value); }

private:
  int FDrawEvery = 1;
};

class TDarkGrayPen : public TChartPen {
public:
  TDarkGrayPen() : TChartPen(clGray) {}
};

class TTicks : public TDarkGrayPen {};

} // namespace chart
