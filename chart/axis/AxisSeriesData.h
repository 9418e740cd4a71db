// What an axis knows of the series drawn against it: the panel gathers it before the axis takes
// its range, so the axis never walks the chart's series itself.
#pragma once

#include <cstdint>
#include <limits>

namespace chart {

struct TAxisSeriesData {
  // Some active series draws against the axis; some draws on the chart at all.
  bool HasActiveSeries = false;
  bool ChartHasActiveSeries = false;
  // The data's ends on this axis (of the active series, of all when none is active); 0 without
  // points.
  double Minimum = 0;
  double Maximum = 0;
  // Points of the active series with the fewest (horizontal axes only; the largest value else).
  std::int64_t FewestXPoints = std::numeric_limits<std::int64_t>::max();
};

// The pixels the attached active series want kept free at the axis's ends, the larger wish of
// any series: left and right along a horizontal axis, top and bottom along a vertical one.
struct TAxisSeriesMargins {
  int First = 0;
  int Second = 0;
};

} // namespace chart
