// How a chart divides its rectangle: margins and frame, the title's room, repairs of a collapsed
// plotting rectangle.
#include "FakeChartHost.h"

#include "chart/Chart.h"
#include "chart/surface/ChartCanvas3D.h"

#include <gtest/gtest.h>

namespace chart {
namespace {

using testing::TFakeChartHost;

// A chart hosted at the given size, with the PlotRect seen before the series recorded at each
// paint.
struct TLaidOutChart {
  TLaidOutChart(int width, int height) : Host(width, height) {
    Chart.SetHost(&Host);
    Chart.OnBeforeDrawSeries = [this](TCustomChart& chart) { BeforeSeries = chart.PlotRect(); };
  }
  ~TLaidOutChart() { Chart.SetHost(nullptr); }

  void Paint() {
    Chart.Invalidate();
    Chart.PaintMessage();
  }
  // What the margins and the frame leave of the chart: the frame of a paint in which no title
  // and no axis takes room.
  TRect MarginRect() {
    Chart.SetAxisVisible(false);
    Paint();
    return Chart.PlotRect();
  }
  int TitleLineHeight() {
    Chart.Canvas().AssignFont(Chart.Title().Font());
    return Chart.Canvas().FontHeight();
  }

  TFakeChartHost Host;
  TChart Chart;
  TRect BeforeSeries;
};

TEST(ChartLayout, PercentMarginsAndBevelFrameThePlotRect) {
  struct TCase {
    int Width, Height;
    TRect Expected;
  };
  for (const TCase& c : {TCase{873, 296, {27, 12, 846, 284}}, TCase{873, 237, {27, 10, 846, 227}},
                         TCase{400, 250, {1 + 12, 1 + 10, 400 - 1 - 12, 250 - 1 - 10}}}) {
    TLaidOutChart laid(c.Width, c.Height);
    EXPECT_EQ(laid.MarginRect(), c.Expected) << c.Width << " x " << c.Height;
  }
}

TEST(ChartLayout, PixelMarginsAndWiderFramesCountAsPixels) {
  TLaidOutChart laid(873, 296);
  laid.Chart.SetMarginUnits(muPixels);
  EXPECT_EQ(laid.MarginRect(), (TRect{1 + 3, 1 + 4, 873 - 1 - 3, 296 - 1 - 4}));

  // Inner bevel, border width and a visible border pen each widen the frame.
  laid.Chart.SetBevelInner(bvLowered);
  laid.Chart.SetBevelWidth(2);
  laid.Chart.SetBorderWidth(3);
  laid.Chart.Border().SetVisible(true);
  laid.Chart.Border().SetWidth(2);
  const int frame = 2 + 2 + 3 + 2;
  EXPECT_EQ(laid.MarginRect(), (TRect{frame + 3, frame + 4, 873 - frame - 3, 296 - frame - 4}));
}

TEST(ChartLayout, TopTitleTakesItsLinesFrameAndMargin) {
  TLaidOutChart laid(873, 296);
  laid.Chart.SetAxisVisible(false); // no axis room, so the title's room shows alone
  laid.Chart.Title().SetText({"TChart"});
  laid.Chart.Title().Font().SetName("Verdana");
  laid.Paint();
  const int lh = laid.TitleLineHeight();
  ASSERT_GT(lh, 0);

  EXPECT_EQ(laid.BeforeSeries.Top, 20 + lh);
  EXPECT_EQ(laid.BeforeSeries.Left, 27);
  EXPECT_EQ(laid.BeforeSeries.Right, 846);
  EXPECT_EQ(laid.BeforeSeries.Bottom, 284);

  // The box hugs the text (AdjustFrame), centred on the plot's middle, from the plot's top.
  const TRect box = laid.Chart.Title().TitleRect();
  EXPECT_EQ(box.Top, 12);
  EXPECT_EQ(box.Bottom, 12 + 1 + lh + 1);
  EXPECT_EQ((box.Left + box.Right) / 2, 436);
  EXPECT_LT(box.Right - box.Left, 200);

  // Two lines take two line heights.
  laid.Chart.Title().SetText({"TChart", "second"});
  laid.Paint();
  EXPECT_EQ(laid.BeforeSeries.Top, 20 + 2 * lh);
}

TEST(ChartLayout, EmptyOrHiddenTitleTakesNoRoom) {
  TLaidOutChart laid(873, 296);
  laid.Chart.SetAxisVisible(false);
  laid.Paint();
  EXPECT_EQ(laid.BeforeSeries, (TRect{27, 12, 846, 284}));

  laid.Chart.Title().SetText({"TChart"});
  laid.Chart.Title().SetVisible(false);
  laid.Paint();
  EXPECT_EQ(laid.BeforeSeries, (TRect{27, 12, 846, 284}));
}

TEST(ChartLayout, FootTitleTakesRoomAtTheBottomAndBevelWidthCountsAsFrame) {
  TLaidOutChart laid(873, 296);
  laid.Chart.SetAxisVisible(false);
  laid.Chart.Foot().SetText({"foot"});
  laid.Paint();
  laid.Chart.Canvas().AssignFont(laid.Chart.Foot().Font());
  const int lh = laid.Chart.Canvas().FontHeight();
  // Box bottom 284 + fw; the room is the margin, the frame and the lines.
  EXPECT_EQ(laid.BeforeSeries.Bottom, 284 + 1 - (5 + 1) - lh);
  EXPECT_EQ(laid.BeforeSeries.Top, 12);

  laid.Chart.Foot().SetText({});
  laid.Chart.Title().SetText({"T"});
  laid.Chart.Title().SetBevel(bvRaised); // its BevelWidth 2 replaces the frame pen's 1
  laid.Paint();
  laid.Chart.Canvas().AssignFont(laid.Chart.Title().Font());
  EXPECT_EQ(laid.BeforeSeries.Top, 12 + 2 + laid.Chart.Canvas().FontHeight() + 2 + 5 + 2);
}

TEST(ChartLayout, TheFrameRepairsACollapsedPlotRect) {
  const TChartFrame panel{{0, 0, 873, 296}, {}};
  const auto repaired = [&](const TRect& plot) { return panel.WithPlotRect(plot, 873, 296); };

  const TChartFrame collapsed = repaired({500, 100, 400, 50});
  EXPECT_EQ(collapsed.PlotRect, (TRect{500, 100, 501, 101}));
  EXPECT_EQ(collapsed.PlotWidth(), 1);
  EXPECT_EQ(collapsed.PlotHeight(), 1);

  // An edge left of the panel is pulled in; an empty width becomes the control's.
  const TChartFrame pulledIn = repaired({-5, -7, 0, 10});
  EXPECT_EQ(pulledIn.PlotRect, (TRect{0, 0, 873, 10}));

  const TChartFrame framed = repaired({27, 12, 846, 284});
  EXPECT_EQ(framed.PlotWidth(), 819);
  EXPECT_EQ(framed.PlotHeight(), 272);
  EXPECT_EQ(framed.PlotCenterX(), 436);
  EXPECT_EQ(framed.PlotCenterY(), 148);

  // The layout repairs after every step that may have moved an edge: a second repair keeps all.
  for (const TChartFrame& once : {collapsed, pulledIn, framed})
    EXPECT_EQ(repaired(once.PlotRect).PlotRect, once.PlotRect);

  // Margins larger than the control still leave a paintable rectangle.
  TLaidOutChart laid(873, 296);
  laid.Chart.SetMarginUnits(muPixels);
  laid.Chart.SetMarginLeft(600);
  laid.Chart.SetMarginRight(600);
  const TRect margins = laid.MarginRect();
  EXPECT_EQ(margins.Left, 601);
  EXPECT_EQ(margins.Right, 602);
}

} // namespace
} // namespace chart
