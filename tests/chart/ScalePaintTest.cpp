// A whole chart painted at device scale 1 and 2: the same layout with sharper pixels, and the
// zoom rectangle drawn into the device-resolution window and erased exactly.
#include "chart/Chart.h"
#include "chart/series/FastLineSeries.h"
#include "tests/chart/FakeChartHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace chart {
namespace {

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

  testing::TFakeChartHost Host;
  TChart Chart;
};

} // namespace

TEST(ScalePaint, TheChartKeepsItsLayoutAndGainsDetailAtScaleTwo) {
  TScaledChart one(1), two(2);
  EXPECT_EQ(two.Chart.PlotRect(), one.Chart.PlotRect());
  const gdi::TGdiBitmap& a = one.Host.WindowImage();
  const gdi::TGdiBitmap& b = two.Host.WindowImage();
  ASSERT_EQ(b.Width(), 800);
  // Blocks of one colour, that of the logical pixel (walls, grid, axes), and blocks of several
  // (text and the series at device resolution).
  int same = 0, mixed = 0;
  for (int y = 0; y < 250; ++y)
    for (int x = 0; x < 400; ++x) {
      const std::uint32_t p = b.Pixel(2 * x, 2 * y);
      const bool uniform = p == b.Pixel(2 * x + 1, 2 * y) && p == b.Pixel(2 * x, 2 * y + 1) &&
                           p == b.Pixel(2 * x + 1, 2 * y + 1);
      same += uniform && p == a.Pixel(x, y);
      mixed += !uniform;
    }
  EXPECT_GT(mixed, 400 * 250 / 50);
  EXPECT_GT(same, 400 * 250 * 8 / 10);
}

TEST(ScalePaint, TheZoomRectangleCoversWholeBlocksAndIsErasedExactly) {
  TScaledChart c(2);
  const std::vector<std::uint32_t> before = c.Host.Pixels();
  const TRect& plot = c.Chart.PlotRect();
  const TPoint from{plot.Left + 40, plot.Top + 30};
  c.Chart.MouseDown(TMouseButton::mbLeft, {}, from.X, from.Y);
  c.Chart.MouseMove({}, from.X + 160, from.Y + 90);
  // Not-xor turns each pixel of the outline's block, and none of the block below.
  const gdi::TGdiBitmap& image = c.Host.WindowImage();
  const auto flipped = [&](int x, int y) { return image.Pixel(x, y) != before[std::size_t(y * 800 + x)]; };
  const int x = 2 * (from.X + 80), y = 2 * from.Y;
  EXPECT_TRUE(flipped(x, y) && flipped(x + 1, y) && flipped(x, y + 1) && flipped(x + 1, y + 1));
  EXPECT_FALSE(flipped(x, y + 2) || flipped(x, y - 1));
  c.Chart.MouseMove({}, from.X + 150, from.Y + 87);
  c.Chart.MouseMove({}, from.X + 10, from.Y + 10);
  c.Chart.MouseUp(TMouseButton::mbLeft, {}, from.X + 10, from.Y + 10);
  EXPECT_EQ(c.Host.Pixels(), before);
}

} // namespace chart
