// Where one paint put the chart: the bounds the surface handed out and the plotting rectangle
// inside them. A paint lays it out once; the paint, the series, the zoom and the readout read it.
#pragma once

#include "chart/surface/ChartGeometry.h"

#include <algorithm>

namespace chart {

struct TChartFrame {
  // The whole chart as the surface hands it out; (0, 0, Width, Height) when buffered.
  TRect PanelBounds;
  TRect PlotRect;

  int PlotWidth() const { return PlotRect.Width(); }
  int PlotHeight() const { return PlotRect.Height(); }
  int PlotCenterX() const { return (PlotRect.Left + PlotRect.Right) / 2; }
  int PlotCenterY() const { return (PlotRect.Top + PlotRect.Bottom) / 2; }

  // The frame with `plot` as its plotting rectangle, repaired: an edge beyond the bounds' left
  // or top is pulled in, a side that fell behind its opposite becomes 1 pixel long and an empty
  // one the control's size. Repairing twice changes nothing.
  TChartFrame WithPlotRect(TRect plot, int controlWidth, int controlHeight) const {
    plot.Left = std::max(plot.Left, PanelBounds.Left);
    plot.Top = std::max(plot.Top, PanelBounds.Top);
    if (plot.Right < plot.Left)
      plot.Right = plot.Left + 1;
    else if (plot.Right == plot.Left)
      plot.Right = plot.Left + controlWidth;
    if (plot.Bottom < plot.Top)
      plot.Bottom = plot.Top + 1;
    else if (plot.Bottom == plot.Top)
      plot.Bottom = plot.Top + controlHeight;
    return {PanelBounds, plot};
  }
};

} // namespace chart
