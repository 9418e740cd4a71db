#include "chart/axis/AxisPlanRange.h"

#include <algorithm>
#include <utility>

namespace chart {

namespace {

// Pixels kept free at the start end (left or top) and the end end (right or bottom).
struct TEndMargins {
  int Start = 0;
  int End = 0;
};

TEndMargins AxisMargins(const TAxisSettings& s, const TAxisSeriesMargins& seriesMargins) {
  // An end the user fixed, or one with an offset, ignores the series' wishes there.
  const bool minFromSeries = s.MinimumOffset == 0 && s.AutomaticMinimum;
  const bool maxFromSeries = s.MaximumOffset == 0 && s.AutomaticMaximum;
  TEndMargins m;
  // Along a horizontal axis the minimum lies at the start, along a vertical one at the end.
  if (s.Horizontal) {
    m.Start = minFromSeries ? seriesMargins.First : 0;
    m.End = maxFromSeries ? seriesMargins.Second : 0;
  } else {
    m.Start = maxFromSeries ? seriesMargins.First : 0;
    m.End = minFromSeries ? seriesMargins.Second : 0;
  }
  const bool minimumAtStart = s.Horizontal != s.Inverted;
  (minimumAtStart ? m.Start : m.End) += s.MinimumOffset;
  (minimumAtStart ? m.End : m.Start) += s.MaximumOffset;
  return m;
}

} // namespace

bool PlanIsShown(const TAxisSettings& settings, const TAxisSeriesData& data, bool chartAxisVisible) {
  if (!chartAxisVisible || settings.Depth)
    return false;
  return !data.ChartHasActiveSeries || data.HasActiveSeries;
}

TAxisEnds AdjustRange(const TAxisSettings& settings, const TAxisSeriesData& data) {
  TAxisEnds range{settings.Minimum, settings.Maximum};
  if (settings.Automatic || settings.AutomaticMaximum)
    range.Maximum = data.Maximum;
  if (settings.Automatic || settings.AutomaticMinimum)
    range.Minimum = data.Minimum;
  return range;
}

TAxisMapping PlaceAxis(const TAxisSettings& settings, const TAxisEnds& range, int origin, int size) {
  TAxisMapping mapping;
  mapping.SetDirection(settings.Horizontal, settings.Inverted);
  mapping.SetRange(range.Minimum, range.Maximum);
  // Kept within the range a mapped pixel may take.
  mapping.SetPixels(origin, origin + std::clamp(size, -TAxisMapping::MaxPixel, TAxisMapping::MaxPixel));
  return mapping;
}

TAxisMapping ApplyAxisMargins(const TAxisSettings& settings, const TAxisMapping& placed,
                              const TAxisSeriesMargins& seriesMargins) {
  // A range too narrow or too wide for a finite scale has no pixel that tells a value: it keeps
  // its ends.
  if (placed.RangeIsZero && placed.WorkRange != 0)
    return placed;
  const TEndMargins m = AxisMargins(settings, seriesMargins);
  // The old range on the shrunk extent: what now lies at the full extent's ends.
  TAxisMapping shrunk = placed;
  shrunk.SetPixels(placed.StartPixel + m.Start, placed.EndPixel - m.End);
  double a = shrunk.PixelToValue(placed.StartPixel);
  double b = shrunk.PixelToValue(placed.EndPixel);
  if (a > b)
    std::swap(a, b);
  TAxisMapping widened = placed;
  widened.SetRange(a, b);
  return widened;
}

} // namespace chart
