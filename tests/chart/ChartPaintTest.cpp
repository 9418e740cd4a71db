// What one paint puts on the screen and in which order: panel gradient and bevels, the title, the
// back wall, the series loop with its clip and events.
#include "FakeChartHost.h"

#include "chart/Chart.h"
#include "chart/axis/ChartAxis.h"
#include "chart/series/ChartSeries.h"
#include "chart/surface/ChartCanvas3D.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace chart {
namespace {

using testing::TFakeChartHost;

constexpr std::uint32_t Highlight = 0xFFFFFF; // system colour 20
constexpr std::uint32_t Shadow = 0xA0A0A0;    // system colour 16
constexpr std::uint32_t LightGrey = 0xEAEAEA;

std::uint32_t Grey(int level) { return std::uint32_t(level) * 0x010101u; }

// The panel and back wall of the window's charts; axes hidden unless a test wants them.
void UseWindowLook(TChart& chart) {
  chart.SetView3D(false);
  chart.Title().SetText({"TChart"});
  chart.Title().Font().SetName("Verdana");
  chart.Gradient().SetVisible(true);
  chart.Gradient().SetDirection(gdBottomTop);
  chart.Gradient().SetStartColor(0xEAEAEA);
  chart.Gradient().SetMidColor(0xEAEAEA);
  chart.Gradient().SetEndColor(clWhite);
  chart.BackWall().SetTransparent(false);
  chart.BackWall().Brush().Gradient().SetVisible(true);
  chart.BackWall().Brush().Gradient().SetDirection(gdBottomTop);
  chart.BackWall().Brush().Gradient().SetStartColor(0xEAEAEA);
  chart.BackWall().Brush().Gradient().SetEndColor(clWhite);
  chart.SetAxisVisible(false);
}

struct TPaintedChart {
  explicit TPaintedChart(int width = 873, int height = 296) : Host(width, height) {
    UseWindowLook(Chart);
    Chart.SetHost(&Host);
  }
  ~TPaintedChart() { Chart.SetHost(nullptr); }
  void Paint() {
    Chart.Invalidate();
    Chart.PaintMessage();
  }
  std::uint32_t Pixel(int x, int y) const { return Host.Pixel(x, y); }

  TFakeChartHost Host;
  TChart Chart;
};

TEST(ChartPaint, PanelGradientRowsAndRaisedBevelOfTheUpperChart) {
  TPaintedChart p;
  p.Paint();
  // Raised one-pixel frame: highlight left and top, shadow right and bottom (corners to shadow).
  for (int y : {0, 100, 294})
    EXPECT_EQ(p.Pixel(0, y), Highlight) << y;
  for (int x : {0, 400, 871})
    EXPECT_EQ(p.Pixel(x, 0), Highlight) << x;
  for (int y : {0, 100, 295})
    EXPECT_EQ(p.Pixel(872, y), Shadow) << y;
  for (int x : {0, 400, 872})
    EXPECT_EQ(p.Pixel(x, 295), Shadow) << x;

  // Upper half flat light grey (the middle colour equals the start colour); lower half ramps
  // to white at the bottom, 255 + (i * -21) div 147 per channel for band i counted from row 295.
  for (int y : {1, 60, 147, 148})
    EXPECT_EQ(p.Pixel(5, y), LightGrey) << y;
  EXPECT_EQ(p.Pixel(5, 295 - 6), Grey(255));
  EXPECT_EQ(p.Pixel(5, 295 - 7), Grey(254));
  EXPECT_EQ(p.Pixel(5, 295 - 14), Grey(253));
  EXPECT_EQ(p.Pixel(5, 295 - 146), Grey(255 + (146 * -21) / 147));
}

TEST(ChartPaint, BackWallHasABlackOutlineOnPlotRectAndItsOwnRamp) {
  TPaintedChart p;
  TRect plot;
  p.Chart.OnBeforeDrawSeries = [&](TCustomChart& chart) { plot = chart.PlotRect(); };
  p.Paint();
  const int midX = (plot.Left + plot.Right) / 2;
  const int midY = (plot.Top + plot.Bottom) / 2;
  // Outline on all four lines of PlotRect, right and bottom included.
  EXPECT_EQ(p.Pixel(plot.Left, midY), 0u);
  EXPECT_EQ(p.Pixel(plot.Right, midY), 0u);
  EXPECT_EQ(p.Pixel(midX, plot.Top), 0u);
  EXPECT_EQ(p.Pixel(midX, plot.Bottom), 0u);
  EXPECT_NE(p.Pixel(plot.Right + 1, midY), 0u);
  EXPECT_NE(p.Pixel(midX, plot.Bottom + 1), 0u);
  // Light grey at the top, white at the bottom, brightening downward.
  const int below = p.Pixel(midX, plot.Top + 1) & 0xFF;
  EXPECT_GE(below, 0xEA);
  EXPECT_LE(below, 0xEB);
  EXPECT_EQ(p.Pixel(midX, plot.Bottom - 1), Grey(255));
  EXPECT_LT(p.Pixel(midX, plot.Top + 1), p.Pixel(midX, midY));
}

TEST(ChartPaint, TransparentOrHiddenBackWallLeavesThePanel) {
  TPaintedChart p;
  TRect plot;
  p.Chart.OnBeforeDrawSeries = [&](TCustomChart& chart) { plot = chart.PlotRect(); };
  p.Chart.BackWall().SetTransparent(true);
  p.Paint();
  const int midX = (plot.Left + plot.Right) / 2;
  EXPECT_EQ(p.Pixel(midX, plot.Top), 0u); // the outline still shows
  EXPECT_EQ(p.Pixel(midX, plot.Top + 3), LightGrey);

  p.Chart.BackWall().SetVisible(false);
  p.Paint();
  EXPECT_EQ(p.Pixel(midX, plot.Top), LightGrey);
}

TEST(ChartPaint, AChartWithoutSeriesStillPaintsPanelTitleAndBackWall) {
  TPaintedChart p;
  p.Chart.SetAxisVisible(true);
  TRect plot;
  p.Chart.OnBeforeDrawSeries = [&](TCustomChart& chart) { plot = chart.PlotRect(); };
  p.Paint();
  EXPECT_EQ(p.Pixel(0, 0), Highlight);
  EXPECT_EQ(p.Pixel(5, 5), LightGrey);
  EXPECT_EQ(p.Pixel((plot.Left + plot.Right) / 2, plot.Top), 0u);

  // The title's text: bluish pixels inside its box.
  const TRect box = p.Chart.Title().TitleRect();
  int blue = 0;
  for (int y = box.Top; y < box.Bottom; ++y)
    for (int x = box.Left; x < box.Right; ++x) {
      const std::uint32_t px = p.Pixel(x, y);
      blue += (px & 0xFF) > ((px >> 16) & 0xFF) + 40 ? 1 : 0;
    }
  EXPECT_GT(blue, 10);
}

TEST(ChartPaint, ATransparentPanelColourLeavesTheImageUnfilled) {
  TPaintedChart p;
  p.Chart.SetColor(clNone);
  p.Chart.BackWall().SetVisible(false);
  p.Chart.Title().SetText({});
  p.Paint();
  EXPECT_EQ(p.Pixel(0, 0), Highlight); // bevels are still drawn
  // The buffer is new, so black, and nothing fills it.
  EXPECT_EQ(p.Pixel(5, 5), 0u);
}

TEST(ChartPaint, MonochromeDrawsTheTitleBlackAndKeepsTheGreyRamps) {
  TPaintedChart p;
  p.Paint();
  const std::vector<std::uint32_t> colour = p.Host.Pixels();
  p.Chart.SetMonochrome(true);
  EXPECT_TRUE(p.Chart.Canvas().Monochrome());
  p.Paint();
  // The light grey ramps are already grey, so the panel and the wall keep their pixels.
  EXPECT_EQ(p.Pixel(5, 60), LightGrey);
  EXPECT_EQ(p.Pixel(5, 294), Grey(255));
  // The title's text loses its blue: every pixel in its box is grey.
  const TRect box = p.Chart.Title().TitleRect();
  int changed = 0;
  for (int y = box.Top; y < box.Bottom; ++y)
    for (int x = box.Left; x < box.Right; ++x) {
      const std::uint32_t px = p.Pixel(x, y);
      ASSERT_EQ(px & 0xFF, (px >> 16) & 0xFF) << x << ", " << y;
      changed += px != colour[std::size_t(y) * 873 + std::size_t(x)] ? 1 : 0;
    }
  EXPECT_GT(changed, 10);
}

// A series that records the chart's calls and draws a horizontal line across the whole panel.
class TRecordingSeries : public TChartSeries {
public:
  explicit TRecordingSeries(std::vector<std::string>& log) : FLog(log) {}
  void FindVisibleIndices(const TPaintContext& context) override {
    FLog.push_back("find");
    TChartSeries::FindVisibleIndices(context);
  }
  void PaintValues(const TPaintContext& context) override {
    FLog.push_back("paint");
    Handed.emplace(context);
    TChartCanvas3D& canvas = context.Canvas;
    TChartPen pen(clRed);
    canvas.AssignPen(pen);
    canvas.DrawLine(0, LineY, 873, LineY);
  }
  int LineY = 0;
  // The context of the last paint.
  std::optional<TPaintContext> Handed;

private:
  std::vector<std::string>& FLog;
};

TEST(ChartPaint, SeriesPaintInsideTheClipBetweenTheirEvents) {
  TPaintedChart p;
  std::vector<std::string> log;
  auto owned = std::make_unique<TRecordingSeries>(log);
  TRecordingSeries& series = *owned;
  p.Chart.AddSeries(std::move(owned));
  ASSERT_EQ(series.ParentChart(), &p.Chart);
  for (double x : {1.0, 2.0, 3.0})
    series.AddPoint(x, x, "", DefaultSeriesColor);
  series.SetBeforeDrawValues([&](TChartSeries&) { log.push_back("before"); });
  series.SetAfterDrawValues([&](TChartSeries&) { log.push_back("after"); });
  p.Chart.OnBeforeDrawSeries = [&](TCustomChart& chart) {
    log.push_back("series");
    series.LineY = (chart.PlotRect().Top + chart.PlotRect().Bottom) / 2;
  };
  p.Chart.OnAfterDraw = [&](TCustomChart&) { log.push_back("done"); };
  p.Paint();
  EXPECT_EQ(log, (std::vector<std::string>{"series", "find", "before", "paint", "after", "done"}));

  // The clip leaves out PlotRect's left column and its right line.
  const TRect plot = p.Chart.PlotRect();
  const std::uint32_t red = 0xFF0000;
  EXPECT_EQ(p.Pixel(plot.Left + 1, series.LineY), red);
  EXPECT_EQ(p.Pixel(plot.Right - 1, series.LineY), red);
  EXPECT_NE(p.Pixel(plot.Left, series.LineY), red);
  EXPECT_NE(p.Pixel(plot.Right, series.LineY), red);
  EXPECT_NE(p.Pixel(5, series.LineY), red);

  // Without clipping the line runs over the panel.
  p.Chart.SetClipPoints(false);
  p.Paint();
  EXPECT_EQ(p.Pixel(5, series.LineY), red);
}

TEST(ChartPaint, ASeriesWithNothingVisibleFiresNoDrawEvents) {
  TPaintedChart p;
  std::vector<std::string> log;
  auto owned = std::make_unique<TRecordingSeries>(log);
  TRecordingSeries& series = *owned;
  p.Chart.AddSeries(std::move(owned));
  series.SetBeforeDrawValues([&](TChartSeries&) { log.push_back("before"); });
  series.SetAfterDrawValues([&](TChartSeries&) { log.push_back("after"); });
  p.Paint();
  EXPECT_EQ(log, (std::vector<std::string>{"find"}));

  // An inactive series is not even asked.
  log.clear();
  series.AddPoint(1, 1, "", DefaultSeriesColor);
  series.SetActive(false);
  p.Paint();
  EXPECT_TRUE(log.empty());
}

// The frame a paint leaves is the one its series painted in, and the chart hands out the same
// context afterwards, whatever took room in between.
TEST(ChartPaint, TheLastFrameIsTheOneTheSeriesWereHanded) {
  struct TCase {
    const char* Name;
    int Width, Height;
    bool Axes;
    std::vector<std::string> Foot;
  };
  for (const TCase& c : {TCase{"no axes", 873, 296, false, {}}, TCase{"axes", 873, 296, true, {}},
                         TCase{"axes and foot", 400, 150, true, {"a", "b"}}}) {
    SCOPED_TRACE(c.Name);
    TPaintedChart p(c.Width, c.Height);
    std::vector<std::string> log;
    auto owned = std::make_unique<TRecordingSeries>(log);
    TRecordingSeries& series = *owned;
    p.Chart.AddSeries(std::move(owned));
    for (double x : {1.0, 2.0, 3.0})
      series.AddPoint(x, x * x, "", DefaultSeriesColor);
    p.Chart.SetAxisVisible(c.Axes);
    p.Chart.Foot().SetText(c.Foot);
    p.Paint();
    ASSERT_TRUE(series.Handed);
    const TPaintContext& handed = *series.Handed;
    EXPECT_EQ(p.Chart.PlotRect(), handed.PlotRect);
    EXPECT_EQ(p.Chart.PlotWidth(), handed.PlotRect.Width());
    EXPECT_EQ(p.Chart.PlotHeight(), handed.PlotRect.Height());
    EXPECT_EQ(p.Chart.Frame().PanelBounds, (TRect{0, 0, c.Width, c.Height}));

    const TPaintContext after = p.Chart.PaintContextOf(series);
    EXPECT_EQ(after.PlotRect, handed.PlotRect);
    EXPECT_EQ(after.VisibleX.Low, handed.VisibleX.Low);
    EXPECT_EQ(after.VisibleX.High, handed.VisibleX.High);
    const TPointMapper was = handed.PointMapper();
    const TPointMapper is = after.PointMapper();
    for (double v : {1.0, 2.5, 9.0}) {
      EXPECT_EQ(is.X(v), was.X(v)) << v;
      EXPECT_EQ(is.Y(v), was.Y(v)) << v;
      EXPECT_EQ(was.X(v), p.Chart.BottomAxis().ValueToPixel(v)) << v;
    }
  }
}

TEST(ChartPaint, AxesPaintBeforeOrAfterTheSeriesAsAxisBehindSays) {
  TPaintedChart p;
  p.Chart.SetAxisVisible(true);
  std::vector<std::string> log;
  p.Chart.OnBeforeDrawAxes = [&](TCustomChart&) { log.push_back("axes"); };
  p.Chart.OnBeforeDrawSeries = [&](TCustomChart&) { log.push_back("series"); };
  p.Paint();
  EXPECT_EQ(log, (std::vector<std::string>{"axes", "series"}));

  log.clear();
  p.Chart.SetAxisBehind(false);
  p.Paint();
  EXPECT_EQ(log, (std::vector<std::string>{"series", "axes"}));

  log.clear();
  p.Chart.SetAxisVisible(false);
  p.Paint();
  EXPECT_EQ(log, (std::vector<std::string>{"series"}));
}

} // namespace
} // namespace chart
