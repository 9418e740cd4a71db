#include "chart/series/SeriesShortcut.h"

#include "chart/series/ChartSeries.h"

#include <algorithm>

namespace chart {

namespace {

bool PlainDrawing = false;

// Below this many points per pixel column on average, building a summary costs more than it saves.
constexpr int DensePointsPerColumn = 4;

} // namespace

void SetPlainSeriesDrawing(bool plain) { PlainDrawing = plain; }

bool TLineShortcut::PlainPen(const TChartPen& pen) {
  return pen.Visible() && pen.Style() == psSolid && pen.Width() <= 1 && !pen.SmallDots() &&
         pen.Mode() == pmCopy;
}

bool TLineShortcut::Prepare(const TChartSeries& series, int first, int last, int plotWidth) {
  if (PlainDrawing || last - first < 2 || !series.GetHorizAxis() || !series.GetVertAxis())
    return false;
  const TChartValueList& xValues = series.XValues();
  const TChartValueList& yValues = series.YValues();
  const int count = series.PointCount();
  const TChartValues& x = xValues.ValueArray();
  const TChartValues& y = yValues.ValueArray();
  const bool current = FXOrder.Describes(x, count, xValues.ChangeStamp()) &&
                       FYSummary.Describes(y, count, yValues.ChangeStamp());
  const bool dense =
      std::int64_t(last - first) >= std::int64_t(DensePointsPerColumn) * (std::max(plotWidth, 0) + 1);
  if (!current && !dense)
    return false;
  FXOrder.Update(x, count, xValues.ChangeStamp(), false);
  FYSummary.Update(y, count, yValues.ChangeStamp(), true);
  return FXOrder.Ascending() && FYSummary.AllFinite();
}

TSeriesColumnPoints TLineShortcut::Points(const TChartSeries& series, const TPointMapper& mapper) const {
  return {&series.XValues().ValueArray(), &FYSummary, mapper};
}

bool TLineShortcut::ValueRange(const TChartValueList& yValues, double& lowest, double& highest) {
  const int count = yValues.ValueCount();
  FYSummary.Update(yValues.ValueArray(), count, yValues.ChangeStamp(), true);
  if (count == 0 || !FYSummary.AllFinite())
    return false;
  FYSummary.MinMax(0, count - 1, lowest, highest);
  return true;
}

void TLineShortcut::Clear() {
  FXOrder.Clear();
  FYSummary.Clear();
}

} // namespace chart
