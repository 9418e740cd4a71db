// The line series: widened visible range, the entry at the left edge, the coordinate limit,
// null points, colours, and the shortcut against per-segment drawing.
#include "chart/series/LineSeries.h"

#include "SeriesPaintFixture.h"

#include <random>

namespace chart::testing {
namespace {

using LineSeriesPaint = TSeriesPaintFixture;

void AddPoints(TChartSeries& series, std::initializer_list<std::pair<double, double>> points) {
  for (const auto& [x, y] : points)
    series.AddPoint(x, y, "", DefaultSeriesColor);
}

TEST(LineSeries, Defaults) {
  TLineSeries series;
  EXPECT_EQ(series.TreatNulls(), tnDontPaint);
  EXPECT_TRUE(series.ColorEachLine());
  EXPECT_EQ(series.Pointer().HorizSize(), 4);
  EXPECT_EQ(series.Pointer().VertSize(), 4);
  EXPECT_FALSE(series.OutLine().Visible());
  int left = -1, right = -1;
  series.Pointer().SetVisible(false);
  series.HorizontalMargins(left, right);
  EXPECT_EQ(left, 0);
  EXPECT_EQ(right, 0);
  series.SetStairs(true);
  series.LinePen().SetWidth(3);
  series.HorizontalMargins(left, right);
  EXPECT_EQ(left, 3);
}

TEST_F(LineSeriesPaint, VisibleRangeWidensOverNearAndEqualPoints) {
  TLineSeries& series = Add<TLineSeries>();
  series.Pointer().SetVisible(false);
  AddPoints(series,
            {{0, 0}, {19.99, 1}, {20, 2}, {20, 3}, {30, 4}, {40, 5}, {40.01, 6}, {40.01, 5000}, {50, 7}});
  FChart.BottomAxis().SetRange(20, 40);
  FChart.LeftAxis().SetRange(-100, 100);
  Paint();
  // 19.99 and the first 40.01 lie within the pointer's box of the edges; the second 40.01 is
  // far above but shares its X value.
  EXPECT_EQ(series.FirstVisible(), 1);
  EXPECT_EQ(series.LastVisible(), 7);
  FChart.LeftAxis().SetRange(1000, 2000);
  Paint();
  EXPECT_EQ(series.FirstVisible(), 2);
  EXPECT_EQ(series.LastVisible(), 5);
}

TEST_F(LineSeriesPaint, EntersAtTheLeftEdgeAtTheInterpolatedHeight) {
  TLineSeries& series = Add<TLineSeries>();
  series.SetSeriesColor(clRed);
  AddPoints(series, {{0, 0}, {100, 100}, {200, 0}});
  FChart.BottomAxis().SetRange(50, 150);
  FChart.LeftAxis().SetRange(0, 100);
  Paint();
  EXPECT_EQ(series.FirstVisible(), 1);
  const TRect plot = FChart.PlotRect();
  // At the left edge the line stands at Y = 50; the first drawn column is one inside.
  const int y = FChart.LeftAxis().ValueToPixel(50 + 100.0 / (plot.Right - plot.Left));
  bool found = false;
  for (int dy = -1; dy <= 1; ++dy)
    found = found || PixelAt(plot.Left + 1, y + dy) == PixelOf(clRed);
  EXPECT_TRUE(found);
}

TEST_F(LineSeriesPaint, FarEndPointsAreLimitedAlongTheirSegment) {
  TLineSeries& series = Add<TLineSeries>();
  series.SetSeriesColor(clRed);
  AddPoints(series, {{0, 0}, {1, 10}, {1e9, 10}});
  FChart.BottomAxis().SetRange(0.5, 0.5001);
  FChart.LeftAxis().SetRange(0, 20);
  Paint();
  const TRect plot = FChart.PlotRect();
  // The segment from X = 0 to X = 1 crosses the view at Y = 5: a horizontal line at mid height.
  const int y = FChart.LeftAxis().ValueToPixel(5);
  EXPECT_EQ(PixelAt((plot.Left + plot.Right) / 2, y), PixelOf(clRed));
}

TEST_F(LineSeriesPaint, NullPointBreaksTheLineOnBothSides) {
  TLineSeries& series = Add<TLineSeries>();
  series.SetSeriesColor(clRed);
  series.AddPoint(0, 0, "", DefaultSeriesColor);
  series.AddPoint(10, 0, "", DefaultSeriesColor);
  series.AddPoint(20, 0, "", clNone);
  series.AddPoint(30, 0, "", DefaultSeriesColor);
  series.AddPoint(40, 0, "", DefaultSeriesColor);
  FChart.LeftAxis().SetRange(-1, 1);
  Paint();
  auto lineAt = [&](double x) {
    return PixelAt(FChart.BottomAxis().ValueToPixel(x), FChart.LeftAxis().ValueToPixel(0)) == PixelOf(clRed);
  };
  EXPECT_TRUE(lineAt(5));
  EXPECT_FALSE(lineAt(15));
  EXPECT_FALSE(lineAt(25));
  EXPECT_TRUE(lineAt(35));
}

TEST_F(LineSeriesPaint, NonFiniteFloatSoundIsAGapWhateverTheNullTreatment) {
  TLineSeries& series = Add<TLineSeries>();
  series.Pointer().SetVisible(false);
  ExpectFloatSoundGaps(series);
}

TEST_F(LineSeriesPaint, SegmentsTakeThePointColourUnlessColorEachLineIsOff) {
  TLineSeries& series = Add<TLineSeries>();
  series.SetSeriesColor(clRed);
  series.LinePen().SetColor(clBlue);
  AddPoints(series, {{0, 0}, {10, 0}});
  FChart.LeftAxis().SetRange(-1, 1);
  const auto middle = [&] {
    return PixelAt(FChart.BottomAxis().ValueToPixel(5), FChart.LeftAxis().ValueToPixel(0));
  };
  Paint();
  EXPECT_EQ(middle(), PixelOf(clRed));
  series.SetColorEachLine(false);
  Paint();
  EXPECT_EQ(middle(), PixelOf(clBlue));
}

TEST_F(LineSeriesPaint, ShortcutDrawsThePixelsOfPerSegmentDrawing) {
  TLineSeries& series = Add<TLineSeries>();
  series.Pointer().SetVisible(false);
  series.SetSeriesColor(10708548);
  std::mt19937 random(5);
  std::uniform_int_distribution<int> sample(-32768, 32767);
  for (int i = 1; i <= 30000; ++i)
    series.AddPoint(i, sample(random), "", DefaultSeriesColor);
  ExpectShortcutMatchesPlain("whole range");
  FChart.BottomAxis().SetRange(777.25, 20000.5);
  ExpectShortcutMatchesPlain("zoomed, entering at the left edge");
  FChart.LeftAxis().SetRange(-5000, 9000);
  ExpectShortcutMatchesPlain("points above and below");
  series.SetStairs(true);
  ExpectShortcutMatchesPlain("stairs take the plain path");
}

} // namespace
} // namespace chart::testing
