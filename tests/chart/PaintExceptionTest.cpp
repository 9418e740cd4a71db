// A paint cut short by an exception leaves nothing of its pass state behind.
#include "chart/Chart.h"
#include "chart/axis/ChartAxis.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"
#include "tests/support/FailingAllocation.h"
#include "tests/chart/FakeChartHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <new>
#include <vector>

namespace chart {
namespace {

// Enough points for the per-column shortcut, whose min/max summary then needs a 25 kB array.
constexpr int PointCount = 200000;
constexpr std::size_t SummaryBytes = 20000;

template <class Series>
class TPaintedChart {
public:
  TPaintedChart() {
    FChart.SetView3D(false);
    auto series = std::make_unique<Series>();
    FSeries = series.get();
    FChart.AddSeries(std::move(series));
    // A fixed range: the summary is then first built while the series draws, not for the axis.
    FChart.LeftAxis().SetRange(-2, 2);
    FChart.SetHost(&FHost);
  }
  ~TPaintedChart() { FChart.SetHost(nullptr); }

  Series& TheSeries() { return *FSeries; }
  void AddPoints() {
    for (int i = 0; i < PointCount; ++i)
      FSeries->AddPoint(i, std::sin(i * 0.001), "", DefaultSeriesColor);
  }
  void Paint() {
    FChart.Invalidate();
    FChart.PaintMessage();
  }
  std::vector<std::uint32_t> Pixels() const { return FHost.Pixels(); }

private:
  testing::TFakeChartHost FHost{300, 200};
  TChart FChart;
  Series* FSeries = nullptr;
};

// Paints `broken` once with a failing allocation in the middle of its series' drawing, applies
// `change` to it and to a fresh chart, and compares their windows after the next paint and
// `afterPaint`.
template <class Series>
void ExpectCleanAfterFailedPaint(
    const std::function<void(Series&)>& setup, const std::function<void(Series&)>& change,
    const std::function<void(Series&)>& afterPaint = [](Series&) {}) {
  TPaintedChart<Series> broken;
  setup(broken.TheSeries());
  // The buffer and the window image exist before the failing paint; only the summary is new.
  broken.Paint();
  broken.AddPoints();
  {
    const test::TFailLargeAllocations outOfMemory(SummaryBytes);
    EXPECT_THROW(broken.Paint(), std::bad_alloc);
  }
  change(broken.TheSeries());
  broken.Paint();
  afterPaint(broken.TheSeries());

  TPaintedChart<Series> fresh;
  setup(fresh.TheSeries());
  fresh.AddPoints();
  change(fresh.TheSeries());
  fresh.Paint();
  afterPaint(fresh.TheSeries());
  EXPECT_TRUE(broken.Pixels() == fresh.Pixels());
}

TEST(PaintException, TheNextPaintIsAFreshChartsWhateverPassFailed) {
  // The shadow pass failed with its colour set: the line itself must not take that colour.
  ExpectCleanAfterFailedPaint<TLineSeries>(
      [](TLineSeries& series) {
        series.Shadow().SetVisible(true);
        series.Shadow().SetSize(3);
        series.Shadow().SetColor(clRed);
      },
      [](TLineSeries& series) { series.Shadow().SetVisible(false); });
  // The fast pen was on when the paint failed: with the pen off, a point added in real time
  // must still reach the window instead of the buffer the failed paint drew into.
  ExpectCleanAfterFailedPaint<TFastLineSeries>([](TFastLineSeries& series) { series.SetFastPen(true); },
                                               [](TFastLineSeries& series) { series.SetFastPen(false); },
                                               [](TFastLineSeries& series) {
                                                 series.SetAutoRepaint(false);
                                                 series.AddPoint(PointCount + 20000, 1.5, "",
                                                                 DefaultSeriesColor);
                                               });
}

} // namespace
} // namespace chart
