// When a chart repaints: invalidations coalesce, setters compare first, a clean buffer is only
// copied, resizing forces a full paint, and nothing repaints during a paint or a load.
#include "FakeChartHost.h"

#include "chart/Chart.h"
#include "chart/axis/ChartAxis.h"
#include "chart/series/FastLineSeries.h"
#include "chart/surface/ChartCanvas3D.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace chart {
namespace {

using testing::TFakeChartHost;

struct TCountingChart {
  TCountingChart() : Host(200, 120) {
    Chart.SetHost(&Host);
    Chart.OnAfterDraw = [this](TCustomChart&) { ++Draws; };
    Chart.PaintMessage();
    Host.Invalidations = 0;
    Draws = 0;
  }
  ~TCountingChart() { Chart.SetHost(nullptr); }

  // A fast line series on the chart, painted once, with the invalidation count back at zero.
  TFastLineSeries& AddSettledSeries() {
    auto owned = std::make_unique<TFastLineSeries>();
    TFastLineSeries& series = *owned;
    Chart.AddSeries(std::move(owned));
    Chart.PaintMessage();
    Host.Invalidations = 0;
    return series;
  }

  TFakeChartHost Host;
  TChart Chart;
  int Draws = 0;
};

TEST(ChartRepaint, InvalidationsCoalesceUntilThePaint) {
  TCountingChart c;
  for (int i = 0; i < 1000; ++i)
    c.Chart.Invalidate();
  EXPECT_EQ(c.Host.Invalidations, 1);
  c.Chart.PaintMessage();
  EXPECT_EQ(c.Draws, 1);
  c.Chart.Invalidate();
  EXPECT_EQ(c.Host.Invalidations, 2);
}

TEST(ChartRepaint, OnlyActiveSeriesAskForARepaintWhenPointsArrive) {
  TCountingChart c;
  TFastLineSeries& series = c.AddSettledSeries();
  series.SetActive(false);
  c.Chart.PaintMessage();
  c.Host.Invalidations = 0;
  series.AddPoint(1, 2, "", DefaultSeriesColor);
  series.ClearPoints();
  EXPECT_EQ(c.Host.Invalidations, 0);
  EXPECT_EQ(series.PointCount(), 0);
  series.SetActive(true);
  c.Chart.PaintMessage();
  c.Host.Invalidations = 0;
  series.AddPoint(1, 2, "", DefaultSeriesColor);
  EXPECT_EQ(c.Host.Invalidations, 1);
}

// A run of points asks for one repaint; drawn as they come, each of its points shows at once.
TEST(ChartRepaint, ARunOfPointsRepaintsOnceOrShowsEachPiece) {
  TCountingChart c;
  TFastLineSeries& series = c.AddSettledSeries();
  const std::vector<double> x = {1, 2, 3, 4}, y = {4, 3, 2, 1};
  series.AddPoints(x, y);
  EXPECT_EQ(c.Host.Invalidations, 1);
  EXPECT_EQ(c.Host.Shows, 0);
  c.Chart.PaintMessage();
  c.Host.Invalidations = 0;
  series.SetAutoRepaint(false);
  const std::vector<double> more = {5, 6, 7};
  series.AddPoints(more, more);
  EXPECT_EQ(c.Host.Invalidations, 0);
  EXPECT_EQ(c.Host.Shows, 3);
  EXPECT_EQ(series.PointCount(), 7);
}

TEST(ChartRepaint, ASeriesRepaintsWhenEitherOfItsValueListsChanges) {
  TCountingChart c;
  TFastLineSeries& series = c.AddSettledSeries();
  series.XValues().SetOrder(series.XValues().Order());
  series.YValues().SetName(series.YValues().Name());
  EXPECT_EQ(c.Host.Invalidations, 0);
  series.XValues().SetOrder(loNone);
  EXPECT_EQ(c.Host.Invalidations, 1);
  c.Chart.PaintMessage();
  series.YValues().SetDateTime(true);
  EXPECT_EQ(c.Host.Invalidations, 2);
}

TEST(ChartRepaint, AnUnchangedChartIsOnlyCopiedAgain) {
  TCountingChart c;
  c.Chart.Invalidate();
  c.Chart.PaintMessage();
  ASSERT_EQ(c.Draws, 1);
  const std::uint32_t before = c.Host.Pixel(0, 0);
  // The window image is scribbled on (as another window would); the next paint restores it.
  c.Host.WindowImage().Row(0)[0] = 0x123456;
  c.Chart.PaintMessage();
  EXPECT_EQ(c.Draws, 1);
  EXPECT_EQ(c.Host.Pixel(0, 0), before);
}

TEST(ChartRepaint, SettersRepaintOnlyOnAChange) {
  TCountingChart c;
  TChart& chart = c.Chart;
  chart.SetColor(chart.Color());
  chart.SetMarginTop(chart.MarginTop());
  chart.SetView3D(chart.View3D());
  chart.Title().SetText(chart.Title().Text());
  chart.Title().Font().SetName("Arial");
  chart.Gradient().SetVisible(false);
  chart.BackWall().Brush().Gradient().SetVisible(false);
  chart.Legend().SetVisible(true);
  chart.LeftAxis().SetMinimumOffset(0);
  chart.SetMonochrome(false);
  EXPECT_EQ(c.Host.Invalidations, 0);

  const auto changes = {
      +[](TChart& ch) { ch.SetMarginTop(5); },
      +[](TChart& ch) { ch.Title().Font().SetName("Verdana"); },
      +[](TChart& ch) { ch.Gradient().SetStartColor(0xEAEAEA); },
      +[](TChart& ch) { ch.BackWall().Brush().Gradient().SetVisible(true); },
      +[](TChart& ch) { ch.BackWall().Pen().SetWidth(2); },
      +[](TChart& ch) { ch.Legend().SetVisible(false); },
      +[](TChart& ch) { ch.Border().SetVisible(true); },
      +[](TChart& ch) { ch.LeftAxis().SetMinimumOffset(1); },
      +[](TChart& ch) { ch.SetMonochrome(true); },
  };
  for (const auto change : changes) {
    c.Host.Invalidations = 0;
    change(chart);
    EXPECT_EQ(c.Host.Invalidations, 1);
    chart.PaintMessage();
  }
}

TEST(ChartRepaint, ResizingAlwaysPaintsTheWholeChartAgain) {
  TCountingChart c;
  c.Chart.Invalidate(); // a paint is already pending
  c.Host.Resize(300, 90);
  c.Chart.Resized();
  EXPECT_EQ(c.Host.Invalidations, 2);
  c.Chart.PaintMessage();
  EXPECT_EQ(c.Draws, 1);
  EXPECT_EQ(c.Chart.Frame().PanelBounds, (TRect{0, 0, 300, 90}));
  EXPECT_EQ(c.Host.Pixel(299, 89), 0xA0A0A0u); // the shadow corner of the new size

  c.Chart.Resized(); // moved: full repaint too
  c.Chart.PaintMessage();
  EXPECT_EQ(c.Draws, 2);
}

TEST(ChartRepaint, InvalidationsDuringAPaintAreIgnored) {
  TCountingChart c;
  c.Chart.OnBeforeDrawSeries = [](TCustomChart& chart) {
    chart.SetMarginLeft(chart.MarginLeft() + 1);
    chart.Invalidate();
  };
  c.Chart.Invalidate();
  c.Chart.PaintMessage();
  EXPECT_EQ(c.Host.Invalidations, 1);
  EXPECT_FALSE(c.Chart.Canvas().BufferDirty());
  EXPECT_TRUE(c.Chart.RepaintAllowed());
}

TEST(ChartRepaint, AFailingPaintStillAllowsLaterRepaints) {
  TCountingChart c;
  c.Chart.OnBeforeDrawChart = [](TCustomChart&) { throw std::runtime_error("boom"); };
  c.Chart.Invalidate();
  EXPECT_THROW(c.Chart.PaintMessage(), std::runtime_error);
  EXPECT_TRUE(c.Chart.RepaintAllowed());
  c.Chart.OnBeforeDrawChart = nullptr;
  c.Chart.Invalidate();
  EXPECT_EQ(c.Host.Invalidations, 2);
  c.Chart.PaintMessage();
  EXPECT_EQ(c.Draws, 1);
}

TEST(ChartRepaint, LoadingDefersEveryRepaintToOneAtItsEnd) {
  TCountingChart c;
  c.Chart.BeginLoading();
  EXPECT_TRUE(c.Chart.IsLoading());
  c.Chart.SetMarginTop(9);
  c.Chart.Title().SetText({"TChart"});
  c.Chart.Resized();
  EXPECT_EQ(c.Host.Invalidations, 0);
  c.Chart.EndLoading();
  EXPECT_FALSE(c.Chart.IsLoading());
  EXPECT_EQ(c.Host.Invalidations, 1);
}

TEST(ChartRepaint, WithoutAHostNothingIsRequestedAndTheSizeIsTheChartsOwn) {
  TChart chart;
  chart.Invalidate();
  EXPECT_EQ(chart.Width(), 400);
  EXPECT_EQ(chart.Height(), 250);
  chart.SetSize(873, 296);
  EXPECT_EQ(chart.Width(), 873);
  chart.PaintMessage(); // no window: nothing to paint into
  EXPECT_TRUE(chart.Canvas().BufferDirty());
}

} // namespace
} // namespace chart
