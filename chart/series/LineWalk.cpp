#include "chart/series/LineWalk.h"

namespace chart {

namespace {

// Segments of this pen join into one line without changing any pixel: solid, one pixel wide,
// visible, copy mode.
bool PlainPen(const TChartPen& pen) {
  return pen.Visible() && pen.Style() == psSolid && pen.Width() <= 1 && !pen.SmallDots() &&
         pen.Mode() == pmCopy;
}

} // namespace

// Colours of points show as nulls that break or move the line, or as the colours of segments; a
// null under tnIgnore is drawn like any point. Gaps only split the line.
bool DrawsByColumns(const TLinePolicy& policy, const TChartSeries& series, const TPointMapper& mapper,
                    int start, int last, int plotWidth) {
  const auto withinLimit = [&](int index) {
    const int x = mapper.X(series.XValues()[index]);
    return policy.CoordinateLimit == 0 || (x >= -policy.CoordinateLimit && x <= policy.CoordinateLimit);
  };
  const bool colorsShow = policy.PointColors && (policy.SegmentColors || policy.TreatNulls != tnIgnore);
  return start < last && policy.DrawAllPoints && !policy.Stairs && !colorsShow && PlainPen(*policy.Pen) &&
         withinLimit(start) && withinLimit(last) && TLineShortcut::ValuesFit(series, start, last, plotWidth);
}

} // namespace chart
