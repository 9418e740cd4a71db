// The title beside an axis. This program gives it no caption, so it takes no room and draws
// nothing; its font is kept because the layout sets it.
#pragma once

#include "chart/surface/ChartFont.h"
#include "chart/surface/ChartPersistent.h"

namespace chart {

class TChartAxisTitle : public TChartPersistent {
public:
  TChartAxisTitle() { ForwardChangesOf(FFont); }

  TChartFont& Font() { return FFont; }
  const TChartFont& Font() const { return FFont; }

private:
  TChartFont FFont;
};

} // namespace chart
