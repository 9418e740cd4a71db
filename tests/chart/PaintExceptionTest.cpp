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
#include <string>
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

// Whichever allocation of a chart's first paint fails, the next paint is a fresh chart's.
TEST(PaintException, AFirstPaintFailingAtAnyAllocationLeavesNothingBehind) {
  TPaintedChart<TLineSeries> fresh;
  fresh.Paint();
  for (int nth = 1;; ++nth) {
    SCOPED_TRACE("allocation " + std::to_string(nth));
    TPaintedChart<TLineSeries> broken;
    bool failed = false;
    {
      const test::TFailLargeAllocations outOfMemory(1, nth);
      try {
        broken.Paint();
      } catch (const std::bad_alloc&) {
        failed = true;
      }
    }
    broken.Paint();
    ASSERT_TRUE(broken.Pixels() == fresh.Pixels());
    if (!failed)
      break;
  }
}

// An AddPoint that throws after its lists made room for the point (a label or colour that cannot
// be had, after the Y list widened in place) leaves the summary that a paint built describing the
// values the lists still hold: the next paint is a fresh chart's.
template <class Series>
void ExpectFreshAfterFailedAddPoint(double y, bool withLabel) {
  constexpr int Points = 3000;
  const auto fill = [](Series& series) {
    for (int i = 0; i < Points; ++i)
      series.AddPoint(i, double(std::lround(2 * std::sin(i * 0.01))), "", DefaultSeriesColor);
  };
  TPaintedChart<Series> broken;
  fill(broken.TheSeries());
  broken.Paint();
  ASSERT_EQ(broken.TheSeries().YValues().Form(), vfInt16);
  const std::string label(withLabel ? 20000 : 0, 'l');
  {
    const test::TFailLargeAllocations outOfMemory(10000);
    EXPECT_THROW(broken.TheSeries().AddPoint(Points, y, label, withLabel ? DefaultSeriesColor : clRed),
                 std::bad_alloc);
  }
  EXPECT_EQ(broken.TheSeries().PointCount(), Points);
  EXPECT_EQ(broken.TheSeries().YValues().ValueCount(), Points);
  broken.Paint();

  TPaintedChart<Series> fresh;
  fill(fresh.TheSeries());
  fresh.Paint();
  EXPECT_TRUE(broken.Pixels() == fresh.Pixels());
}

TEST(PaintException, AFailedAddPointLeavesWhatAFreshChartPaints) {
  for (const double y : {40000.0, 0.5, 1.0})
    for (const bool withLabel : {true, false}) {
      SCOPED_TRACE(std::to_string(y) + (withLabel ? " with a label" : " with a colour"));
      ExpectFreshAfterFailedAddPoint<TLineSeries>(y, withLabel);
      ExpectFreshAfterFailedAddPoint<TFastLineSeries>(y, withLabel);
    }
}

} // namespace
} // namespace chart
