// The readout under the mouse: the frames of a chart's series that lie in the pixel column under
// the mouse, and the text that gives their numbers, times and values.
#pragma once

#include "chart/series/PointMapper.h"
#include "chart/surface/ChartGeometry.h"

#include <cstdint>
#include <string>

namespace chart {
class TChartSeries;
} // namespace chart

namespace app {

// What one chart shows: its series, the recording's channel drawn there (0 for none) and the
// rate that turns frame numbers into times.
struct TReadoutSource {
  const chart::TChartSeries* Series;
  int Channel;
  std::uint32_t SamplesPerSec;
  bool ShowTime;
};

// Where the chart's last paint put the series: its plotting rectangle and its points' pixels.
struct TReadoutView {
  chart::TRect PlotRect;
  chart::TPointMapper Mapper;
};

// The readout for the mouse at (X, Y) in the chart's pixels: the frame there, or the first and
// last frame of a column of many with their smallest and largest value. Empty off the plotting
// rectangle, beyond the first or last frame, and on a chart that shows no channel. Costs a few
// value reads and one summary query, whatever the number of frames.
std::string ReadoutText(const TReadoutSource& Source, const TReadoutView& View, int X, int Y);

} // namespace app
