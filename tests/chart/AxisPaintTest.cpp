#include "AxisTestChart.h"

#include <gtest/gtest.h>

#include <vector>

using namespace chart;
using axistest::AxisTestChart;
using axistest::Gray;
using axistest::White;

namespace {

std::vector<std::string> Texts(const TChartAxis& axis) {
  std::vector<std::string> texts;
  for (const TAxisItem& item : axis.Plan().Labels.Items)
    texts.push_back(item.Text);
  return texts;
}

const std::vector<int>& Ticks(const TChartAxis& axis) { return axis.Plan().Labels.TickPositions; }

// Whether any pixel of the column x between rows y0 and y1 (inclusive) has the colour.
bool ColumnHas(const AxisTestChart& t, int x, int y0, int y1, std::uint32_t colour) {
  for (int y = y0; y <= y1; ++y)
    if (t.Pixel(x, y) == colour)
      return true;
  return false;
}

bool RowHas(const AxisTestChart& t, int y, int x0, int x1, std::uint32_t colour) {
  for (int x = x0; x <= x1; ++x)
    if (t.Pixel(x, y) == colour)
      return true;
  return false;
}

// Bottom axis of 0..1000 on 400 pixels: a label every 100, so labels lie 40 pixels apart.
struct FortyPixelLabels : AxisTestChart {
  TChartAxis& Bottom = Chart.BottomAxis();
  FortyPixelLabels() {
    AddRamp(0, 1000, 0, 1);
    SetPlotRect(20, 10, 420, 90);
    Plan(Bottom);
    BeginPaint(440, 100);
    Bottom.PaintAxis(Plot);
  }
};

} // namespace

TEST(AxisPaint, EmptyChartShowsOneLabelZero) {
  AxisTestChart t;
  t.AddEmpty();
  t.SetPlotRect(10, 4, 60, 60);
  TChartAxis& bottom = t.Chart.BottomAxis();
  t.Plan(bottom);
  t.BeginPaint(64, 64);
  bottom.PaintAxis(t.Plot);

  ASSERT_EQ(Texts(bottom), std::vector<std::string>{"0"});
  const int centre = bottom.Mapping().CenterPixel;
  EXPECT_EQ(Ticks(bottom), std::vector<int>{centre});
  const TRect& plot = t.Plot;
  // One dotted grid line through the middle, and nothing else inside the plotting rectangle.
  EXPECT_TRUE(ColumnHas(t, centre, plot.Top + 1, plot.Bottom - 1, Gray));
  for (int x = plot.Left; x < plot.Right; ++x) {
    if (x != centre) {
      EXPECT_FALSE(ColumnHas(t, x, plot.Top, plot.Bottom - 1, Gray)) << x;
    }
  }
  // The tick below the line is solid; no minor ticks beside it.
  for (int y = plot.Bottom + 1; y <= plot.Bottom + 4; ++y)
    EXPECT_EQ(t.Pixel(centre, y), Gray) << y;
  EXPECT_EQ(t.Pixel(centre - 5, plot.Bottom + 1), White);
}

TEST(AxisPaint, LineTicksGridAndMinorTicks) {
  FortyPixelLabels t;
  const TRect& plot = t.Plot;
  const int axisPos = t.Bottom.AxisPos();
  ASSERT_EQ(axisPos, plot.Bottom);
  std::vector<int> expected;
  for (int x = 420; x >= 20; x -= 40)
    expected.push_back(x);
  ASSERT_EQ(Ticks(t.Bottom), expected);
  EXPECT_EQ(Texts(t.Bottom).front(), "1,000");
  EXPECT_EQ(Texts(t.Bottom).back(), "0");

  // The axis line: two pixels wide, black, along the bottom edge.
  EXPECT_EQ(t.Pixel(200, axisPos), 0u);
  // Major ticks are four pixels long, one pixel off the line.
  for (int y = axisPos + 1; y <= axisPos + 4; ++y)
    EXPECT_EQ(t.Pixel(100, y), Gray) << y;
  EXPECT_EQ(t.Pixel(100, axisPos + 5), White);
  // Minor ticks 10, 20 and 30 pixels from each label, two pixels long.
  for (int x : {30, 40, 50, 390, 400, 410}) {
    EXPECT_EQ(t.Pixel(x, axisPos + 2), Gray) << x;
    EXPECT_EQ(t.Pixel(x, axisPos + 3), White) << x;
  }
  EXPECT_EQ(t.Pixel(45, axisPos + 2), White);
  // Labels on the axis ends get no grid line; the others do.
  EXPECT_FALSE(ColumnHas(t, 20, plot.Top + 1, plot.Bottom - 1, Gray));
  EXPECT_FALSE(ColumnHas(t, 420, plot.Top + 1, plot.Bottom - 1, Gray));
  EXPECT_TRUE(ColumnHas(t, 60, plot.Top + 1, plot.Bottom - 1, Gray));
  EXPECT_FALSE(ColumnHas(t, 60, plot.Top, plot.Top, Gray));
}

TEST(AxisPaint, HiddenPartsDrawNothing) {
  AxisTestChart t;
  t.AddRamp(0, 1000, 0, 1);
  TChartAxis& bottom = t.Chart.BottomAxis();
  bottom.Grid().SetVisible(false);
  bottom.Axis().SetVisible(false);
  EXPECT_EQ(bottom.Settings().LineSize, 4); // the ticks alone
  t.SetPlotRect(20, 10, 420, 90);
  t.Plan(bottom);
  t.BeginPaint(440, 100);
  bottom.PaintAxis(t.Plot);
  const TRect& plot = t.Plot;
  // Without line and grid nothing is drawn on or above the plot's bottom edge.
  for (int y = plot.Top; y <= plot.Bottom; ++y)
    EXPECT_FALSE(RowHas(t, y, 0, 439, Gray) || RowHas(t, y, 0, 439, 0)) << y;
  EXPECT_EQ(Texts(bottom).size(), 11u); // the labels and their ticks still come
}

// Two frames label every 0.05 from 2 down; twenty subtractions leave the last label a hair below
// the axis start, where its tick stands, and its text must still be drawn there.
TEST(AxisPaint, EndLabelKeepsItsTextDespiteRounding) {
  AxisTestChart t;
  t.AddRamp(1, 2, 0, 1);
  TChartAxis& bottom = t.Chart.BottomAxis();
  t.SetPlotRect(20, 10, 420, 90);
  t.Plan(bottom);
  t.BeginPaint(440, 100);
  bottom.PaintAxis(t.Plot);
  ASSERT_FALSE(bottom.Plan().Labels.Items.empty());
  const TAxisItem& last = bottom.Plan().Labels.Items.back();
  ASSERT_EQ(last.Text, "1");
  ASSERT_EQ(last.Position, bottom.StartPixel());
  ASSERT_LT(last.Value, bottom.WorkMinimum());
  bool inked = false;
  for (int x = 10; x < 30; ++x)
    for (int y = bottom.LabelsPos(); y < 100; ++y)
      inked = inked || t.Pixel(x, y) != White;
  EXPECT_TRUE(inked);
}
