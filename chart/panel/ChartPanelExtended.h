// The chart panel with its background: the panel gradient that replaces the flat colour, and the
// panel paint (fill, then bevels) that opens every chart picture.
#pragma once

#include "chart/panel/ChartPanel.h"
#include "chart/surface/ChartGradient.h"

namespace chart {

class TCustomChartPanelExtended : public TCustomChartPanel {
public:
  TCustomChartPanelExtended();

  TChartGradient& Gradient() { return FGradient; }
  const TChartGradient& Gradient() const { return FGradient; }

protected:
  // Fills rect with Color or the gradient, then draws the bevels.
  void PanelPaint(const TRect& rect);

private:
  void FillPanel(const TRect& rect);

  TChartGradient FGradient;
};

} // namespace chart
