// The fast line series: its settings, visible index ranges, and what it paints.
#include "chart/series/FastLineSeries.h"

#include "SeriesPaintFixture.h"

#include <random>

namespace chart::testing {
namespace {

TEST(FastLineSeries, DefaultsColourLinkMarginsAndCopy) {
  TFastLineSeries series;
  EXPECT_EQ(series.TreatNulls(), tnIgnore);
  EXPECT_TRUE(series.AutoRepaint());
  EXPECT_TRUE(series.DrawAllPoints());
  EXPECT_EQ(series.DrawAllPointsStyle(), daFirst);
  EXPECT_FALSE(series.FastPen() || series.Stairs() || series.InvertedStairs());
  EXPECT_TRUE(series.IgnoreNulls());

  series.SetSeriesColor(0x123456);
  EXPECT_EQ(series.LinePen().Color(), 0x123456u);
  TChartPen pen(TColor(10708548));
  pen.SetWidth(3);
  series.SetLinePen(pen);
  EXPECT_EQ(series.SeriesColor(), 10708548u);
  EXPECT_EQ(series.LinePen().Width(), 3);

  const int expected[] = {1, 2, 3, 3};
  for (int width = 1; width <= 4; ++width) {
    series.LinePen().SetWidth(width);
    int left = 0, right = 0, top = 0, bottom = 0;
    series.HorizontalMargins(left, right);
    series.VerticalMargins(top, bottom);
    EXPECT_EQ(left, expected[width - 1]);
    EXPECT_EQ(right, left);
    EXPECT_EQ(top, left);
    EXPECT_EQ(bottom, left);
  }

  TFastLineSeries copy;
  series.SetStairs(true);
  series.SetDrawAllPointsStyle(daMinMax);
  series.SetAutoRepaint(false);
  series.SetTreatNulls(tnSkip);
  copy.CopyFrom(series);
  EXPECT_TRUE(copy.Stairs());
  EXPECT_EQ(copy.DrawAllPointsStyle(), daMinMax);
  EXPECT_FALSE(copy.AutoRepaint());
  EXPECT_EQ(copy.TreatNulls(), tnSkip);
  EXPECT_EQ(copy.LinePen().Width(), 4);
}

using FastLineSeriesPaint = TSeriesPaintFixture;

TEST_F(FastLineSeriesPaint, VisibleIndicesAtTheEdges) {
  TFastLineSeries& series = Add<TFastLineSeries>();
  Paint();
  EXPECT_EQ(series.FirstVisible(), -1);

  for (int i = 0; i < 100; ++i)
    series.AddPoint(i, i % 7, "", DefaultSeriesColor);
  Paint();
  EXPECT_EQ(series.FirstVisible(), 0);
  EXPECT_EQ(series.LastVisible(), 99);

  // Zoomed: the first point at or beyond the right edge stays in the range.
  FChart.BottomAxis().SetRange(20.5, 40.5);
  Paint();
  EXPECT_EQ(series.FirstVisible(), 21);
  EXPECT_EQ(series.LastVisible(), 41);

  FChart.BottomAxis().SetRange(200, 300);
  Paint();
  EXPECT_EQ(series.FirstVisible(), -1);
  FChart.BottomAxis().SetRange(-300, -200);
  Paint();
  EXPECT_EQ(series.FirstVisible(), 0);
  EXPECT_EQ(series.LastVisible(), 0);
}

TEST_F(FastLineSeriesPaint, OnePointDrawsNothing) {
  TFastLineSeries& series = Add<TFastLineSeries>();
  series.SetSeriesColor(clRed);
  series.AddPoint(5, 5, "", DefaultSeriesColor);
  series.LinePen().SetVisible(false);
  Paint();
  const std::vector<std::uint32_t> withoutLine = Picture();
  series.LinePen().SetVisible(true);
  Paint();
  EXPECT_EQ(series.FirstVisible(), 0);
  EXPECT_EQ(Picture(), withoutLine);
}

TEST_F(FastLineSeriesPaint, LineInThePenColourWhateverTheSeriesColour) {
  TFastLineSeries& series = Add<TFastLineSeries>();
  series.AddPoint(0, 0, "", DefaultSeriesColor);
  series.AddPoint(10, 0, "", DefaultSeriesColor);
  series.SetSeriesColor(clRed);
  series.LinePen().SetColor(10708548);
  Paint();
  const TRect plot = FChart.PlotRect();
  const int y = FChart.LeftAxis().ValueToPixel(0);
  EXPECT_EQ(PixelAt((plot.Left + plot.Right) / 2, y), PixelOf(10708548));
}

TEST_F(FastLineSeriesPaint, StairsGoAcrossThenUpOrUpThenAcross) {
  TFastLineSeries& series = Add<TFastLineSeries>();
  series.SetSeriesColor(clRed);
  series.AddPoint(0, 0, "", DefaultSeriesColor);
  series.AddPoint(10, 10, "", DefaultSeriesColor);
  series.AddPoint(20, 0, "", DefaultSeriesColor);
  for (bool inverted : {false, true}) {
    series.SetStairs(true);
    series.SetInvertedStairs(inverted);
    Paint();
    const int x = FChart.BottomAxis().ValueToPixel(10);
    const int xMid = FChart.BottomAxis().ValueToPixel(5);
    const int yLow = FChart.LeftAxis().ValueToPixel(0);
    const int yHigh = FChart.LeftAxis().ValueToPixel(10);
    // Normal stairs run along the bottom first, inverted ones along the top.
    EXPECT_EQ(PixelAt(xMid, inverted ? yHigh : yLow), PixelOf(clRed)) << inverted;
    EXPECT_NE(PixelAt(xMid, inverted ? yLow : yHigh), PixelOf(clRed)) << inverted;
    EXPECT_EQ(PixelAt(inverted ? FChart.BottomAxis().ValueToPixel(0) : x, (yLow + yHigh) / 2),
              PixelOf(clRed));
  }
}

TEST_F(FastLineSeriesPaint, NullTreatments) {
  TFastLineSeries& series = Add<TFastLineSeries>();
  series.SetSeriesColor(clRed);
  series.AddPoint(0, 0, "", DefaultSeriesColor);
  series.AddPoint(10, 10, "", clNone);
  series.AddPoint(20, 0, "", DefaultSeriesColor);
  series.AddPoint(30, 0, "", DefaultSeriesColor);
  FChart.LeftAxis().SetRange(-5, 15);
  // Diagonals pass within a pixel of the exact height.
  auto lineAt = [&](double x, double y) {
    const int px = FChart.BottomAxis().ValueToPixel(x), py = FChart.LeftAxis().ValueToPixel(y);
    return PixelAt(px, py - 1) == PixelOf(clRed) || PixelAt(px, py) == PixelOf(clRed) ||
           PixelAt(px, py + 1) == PixelOf(clRed);
  };
  series.SetTreatNulls(tnIgnore);
  Paint();
  EXPECT_TRUE(lineAt(5, 5));
  EXPECT_TRUE(lineAt(15, 5));
  series.SetTreatNulls(tnDontPaint);
  Paint();
  EXPECT_FALSE(lineAt(5, 5));
  EXPECT_FALSE(lineAt(15, 5));
  EXPECT_TRUE(lineAt(25, 0));
  series.SetTreatNulls(tnSkip);
  Paint();
  EXPECT_TRUE(lineAt(10, 0)); // bridges the null from 0 to 20 along y = 0
  EXPECT_FALSE(lineAt(5, 5));
}

// The default tnIgnore draws null points like any other; a gap stays a gap.
TEST_F(FastLineSeriesPaint, NonFiniteFloatSoundIsAGapWhateverTheNullTreatment) {
  ExpectFloatSoundGaps(Add<TFastLineSeries>());
}

// Noise with many points per column, drawn with and without the column shortcut.
TEST_F(FastLineSeriesPaint, ShortcutDrawsThePixelsOfThePlainPath) {
  TFastLineSeries& series = Add<TFastLineSeries>();
  series.SetSeriesColor(clBlue);
  std::mt19937 random(3);
  std::normal_distribution<double> noise(0, 3000);
  double walk = 0;
  for (int i = 1; i <= 40000; ++i) {
    walk = 0.9 * walk + noise(random);
    series.AddPoint(i, std::round(walk), "", DefaultSeriesColor);
  }
  ExpectShortcutMatchesPlain("whole range");
  FChart.BottomAxis().SetRange(1234.5, 9876.25);
  ExpectShortcutMatchesPlain("zoomed");
  FChart.LeftAxis().SetRange(-2000, 3000);
  ExpectShortcutMatchesPlain("points above and below");
  FChart.BottomAxis().SetRange(15000, 15100);
  ExpectShortcutMatchesPlain("few points");
  series.LinePen().SetWidth(2);
  ExpectShortcutMatchesPlain("wide pen takes the plain path");
}

} // namespace
} // namespace chart::testing
