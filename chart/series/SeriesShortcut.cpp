#include "chart/series/SeriesShortcut.h"

#include "chart/series/ChartSeries.h"

#include <algorithm>

namespace chart {

namespace {

bool PlainDrawing = false;
std::uint64_t ShortcutDraws = 0;

// Below this many points per pixel column on average, building a summary costs more than it saves.
constexpr int DensePointsPerColumn = 4;

} // namespace

void SetPlainSeriesDrawing(bool plain) { PlainDrawing = plain; }

std::uint64_t ColumnShortcutDraws() { return ShortcutDraws; }

bool TLineShortcut::ValuesFit(const TChartSeries& series, int first, int last, int plotWidth) {
  if (PlainDrawing || last - first < 2)
    return false;
  const TChartValueList& xValues = series.XValues();
  const TChartValueList& yValues = series.YValues();
  const bool dense =
      std::int64_t(last - first) >= std::int64_t(DensePointsPerColumn) * (std::max(plotWidth, 0) + 1);
  if (!yValues.HasSummary() && !dense)
    return false;
  if (!xValues.Summary(false).Ascending())
    return false;
  const TValueSummary& ySummary = yValues.Summary(true);
  const TSkippedValues& gaps = ySummary.Skipped();
  return ySummary.AllFinite() &&
         (gaps.Count == 0 ||
          (gaps.Complete() && GapsWithin(gaps, first, last).size() <= std::size_t(std::max(plotWidth, 0))));
}

std::span<const int> TLineShortcut::GapsWithin(const TSkippedValues& skipped, int first, int last) {
  const auto begin = std::lower_bound(skipped.Indexes.begin(), skipped.Indexes.end(), first);
  const auto end = std::upper_bound(begin, skipped.Indexes.end(), last);
  return {begin, end};
}

TSeriesColumnPoints TLineShortcut::Points(const TChartSeries& series, const TPointMapper& mapper) {
  ++ShortcutDraws;
  return {&series.XValues().ValueArray(), &series.YValues().Summary(true), mapper};
}

bool TLineShortcut::ValueRange(const TChartValueList& yValues, double& lowest, double& highest) {
  const int count = yValues.ValueCount();
  const TValueSummary& summary = yValues.Summary(true);
  if (count == 0 || !summary.AllFinite())
    return false;
  summary.MinMax(0, count - 1, lowest, highest);
  // Only gaps: nothing counts, and the list's statistics say 0.
  if (lowest > highest)
    lowest = highest = 0;
  return true;
}

} // namespace chart
