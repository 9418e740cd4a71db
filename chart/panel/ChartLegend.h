// The chart's legend. Only its visibility and font are carried: a hidden legend is not drawn and
// takes no room, and no chart of the program shows one.
#pragma once

#include "chart/surface/ChartFont.h"
#include "chart/surface/ChartPersistent.h"

namespace chart {

class TChartLegend : public TChartPersistent {
public:
  TChartLegend() { ForwardChangesOf(FFont); }

  bool Visible() const { return FVisible; }
  void SetVisible(bool value) { SetProperty(FVisible, value); }
  TChartFont& Font() { return FFont; }
  const TChartFont& Font() const { return FFont; }

private:
  bool FVisible = true;
  TChartFont FFont;
};

} // namespace chart
