// A whole chart painted at device scale 1 and 2: the same layout, sharper pixels, and the zoom
// rectangle drawn into the device-resolution window and erased exactly.
#include "chart/Chart.h"
#include "chart/FastLineSeries.h"
#include "tests/chart/FakeChartHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace chart {
namespace {

using TFakeHost = testing::TFakeChartHost;

struct TScaledChart {
  explicit TScaledChart(int scale) : Host(400, 250, scale) {
    Chart.SetView3D(false);
    auto series = std::make_unique<TFastLineSeries>();
    for (int i = 1; i <= 1000; ++i)
      series->AddPoint(i, 100 * std::sin(i * 0.01), "", DefaultSeriesColor);
    Chart.AddSeries(std::move(series));
    Chart.SetHost(&Host);
    Chart.PaintMessage();
  }
  ~TScaledChart() { Chart.SetHost(nullptr); }

  TFakeHost Host;
  TChart Chart;
};

// How the 2 x 2 blocks of `two` compare with the pixels of `one`.
struct TBlockCounts {
  int Same = 0;  // one colour, that of the logical pixel
  int Mixed = 0; // more than one colour
  int Total = 0;
};

TBlockCounts CompareBlocks(const gdi::TGdiBitmap& two, const gdi::TGdiBitmap& one, const TRect& area) {
  TBlockCounts counts;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) {
      const std::uint32_t p = two.Pixel(2 * x, 2 * y);
      const bool uniform =
          p == two.Pixel(2 * x + 1, 2 * y) && p == two.Pixel(2 * x, 2 * y + 1) && p == two.Pixel(2 * x + 1, 2 * y + 1);
      counts.Same += uniform && p == one.Pixel(x, y);
      counts.Mixed += !uniform;
      ++counts.Total;
    }
  return counts;
}

} // namespace

TEST(ScalePaint, TheChartKeepsItsLayoutAndGainsDetailAtScaleTwo) {
  TScaledChart one(1), two(2);
  EXPECT_EQ(two.Chart.Width(), 400);
  EXPECT_EQ(two.Chart.PlotRect, one.Chart.PlotRect);
  const gdi::TGdiBitmap& a = one.Host.WindowImage();
  const gdi::TGdiBitmap& b = two.Host.WindowImage();
  ASSERT_EQ(b.Width(), 800);
  ASSERT_EQ(b.Height(), 500);

  // The axis lines along the plotting rectangle are straight: block for block the same, but for
  // where a stroke's flat end stops at a pixel's centre.
  const TRect& plot = one.Chart.PlotRect;
  const TBlockCounts left = CompareBlocks(b, a, {plot.Left - 1, plot.Top, plot.Left + 1, plot.Bottom});
  const TBlockCounts bottom = CompareBlocks(b, a, {plot.Left, plot.Bottom - 1, plot.Right, plot.Bottom + 1});
  EXPECT_GE(left.Same, left.Total - 2);
  EXPECT_GE(bottom.Same, bottom.Total - 2);

  // Labels and the series are drawn at the device resolution: a clear share of mixed blocks,
  // while everything else (walls, panel, grid) is the scale-1 picture doubled.
  const TBlockCounts all = CompareBlocks(b, a, {0, 0, 400, 250});
  EXPECT_GT(all.Mixed, all.Total / 50);
  EXPECT_GT(all.Same, all.Total * 8 / 10);
}

TEST(ScalePaint, TheZoomRectangleIsDrawnAtDeviceResolutionAndErasedExactly) {
  TScaledChart c(2);
  c.Chart.BackWall().Brush().Gradient().SetVisible(false);
  c.Chart.BackWall().SetColor(clSilver);
  c.Chart.Invalidate();
  c.Chart.PaintMessage();
  const std::vector<std::uint32_t> before = c.Host.Pixels();
  const TRect& plot = c.Chart.PlotRect;
  const TPoint from{plot.Left + 40, plot.Top + 30};
  const TPoint to{plot.Left + 200, plot.Top + 120};
  c.Chart.MouseDown(TMouseButton::mbLeft, {}, from.X, from.Y);
  c.Chart.MouseMove({}, to.X, to.Y);
  // The one-pixel outline covers the whole 2 x 2 block of its logical pixel, and no more.
  const gdi::TGdiBitmap& image = c.Host.WindowImage();
  const int midX = 2 * ((from.X + to.X) / 2);
  EXPECT_EQ(image.Pixel(midX, 2 * from.Y), 0xFFFFFFu);
  EXPECT_EQ(image.Pixel(midX + 1, 2 * from.Y + 1), 0xFFFFFFu);
  EXPECT_EQ(image.Pixel(midX, 2 * from.Y + 2), before[std::size_t((2 * from.Y + 2) * 800 + midX)]);
  EXPECT_EQ(image.Pixel(midX, 2 * from.Y - 1), before[std::size_t((2 * from.Y - 1) * 800 + midX)]);

  c.Chart.MouseMove({}, to.X - 7, to.Y - 3);
  c.Chart.MouseMove({}, from.X + 10, from.Y + 10);
  c.Chart.MouseUp(TMouseButton::mbLeft, {}, from.X + 10, from.Y + 10);
  EXPECT_EQ(c.Host.Pixels(), before);
}

} // namespace chart
