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
  for (const TAxisItem& item : axis.Items())
    texts.push_back(item.Text);
  return texts;
}

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

// Whether anything but white lies in rows y0..y1 (text is antialiased, so any shade counts).
bool RowsInked(const AxisTestChart& t, int y0, int y1, int width) {
  for (int y = y0; y <= y1; ++y)
    for (int x = 0; x < width; ++x)
      if (t.Pixel(x, y) != White)
        return true;
  return false;
}

// Bottom axis of 0..1000 on 400 pixels with a label every 100, so labels lie 40 pixels apart.
struct FortyPixelLabels : AxisTestChart {
  TChartAxis& Bottom = Chart.BottomAxis();
  FortyPixelLabels() {
    AddRamp(0, 1000, 0, 1);
    Bottom.SetIncrement(100);
    Bottom.SetLabelsGridIgnoresLabelSize(true);
    SetPlotRect(20, 10, 420, 90);
    Layout(Bottom);
    BeginPaint(440, 100);
    Bottom.PaintAxis(true);
  }
};

} // namespace

TEST(AxisPaint, EmptyChartShowsOneLabelZero) {
  AxisTestChart t;
  t.AddEmpty();
  t.SetPlotRect(10, 4, 60, 60);
  TChartAxis& bottom = t.Chart.BottomAxis();
  t.Layout(bottom);
  t.BeginPaint(64, 64);
  bottom.PaintAxis(true);

  ASSERT_EQ(Texts(bottom), std::vector<std::string>{"0"});
  const int centre = bottom.CenterPixel();
  EXPECT_EQ(bottom.Items()[0].Position, centre);
  EXPECT_EQ(bottom.TickPositions(), std::vector<int>{centre});
  const TRect& plot = t.Chart.PlotRect;
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

TEST(AxisPaint, FewFramesAreLabelledOnWholeNumbers) {
  AxisTestChart t;
  t.AddRamp(1, 5, 0, 10);
  t.SetPlotRect(20, 10, 420, 90);
  TChartAxis& bottom = t.Chart.BottomAxis();
  t.Layout(bottom);
  t.BeginPaint(440, 100);
  bottom.PaintAxis(true);
  EXPECT_EQ(Texts(bottom), (std::vector<std::string>{"5", "4", "3", "2", "1"}));
  EXPECT_EQ(bottom.TickPositions(), (std::vector<int>{420, 320, 220, 120, 20}));
}

TEST(AxisPaint, LineTicksGridAndMinorTicks) {
  FortyPixelLabels t;
  const TRect& plot = t.Chart.PlotRect;
  const int axisPos = t.Bottom.AxisPos();
  ASSERT_EQ(axisPos, plot.Bottom);
  std::vector<int> expected;
  for (int x = 420; x >= 20; x -= 40)
    expected.push_back(x);
  ASSERT_EQ(t.Bottom.TickPositions(), expected);
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
  bottom.SetIncrement(100);
  bottom.SetLabelsGridIgnoresLabelSize(true);
  bottom.Grid().SetVisible(false);
  bottom.MinorTicks().SetVisible(false);
  bottom.Ticks().SetVisible(false);
  EXPECT_EQ(bottom.AxisLineSize(), 3);
  bottom.Axis().SetVisible(false);
  EXPECT_EQ(bottom.AxisLineSize(), 0);
  t.SetPlotRect(20, 10, 420, 90);
  t.Layout(bottom);
  t.BeginPaint(440, 100);
  bottom.PaintAxis(true);
  const TRect& plot = t.Chart.PlotRect;
  // With line and ticks hidden the labels start right at the plot's bottom edge; above it nothing
  // may be drawn.
  for (int y = plot.Top; y < plot.Bottom; ++y)
    EXPECT_FALSE(RowHas(t, y, 0, 439, Gray) || RowHas(t, y, 0, 439, 0)) << y;
  EXPECT_EQ(bottom.Items().size(), 11u); // the labels themselves still come
}

TEST(AxisPaint, BottomAxisTakesLineAndFontHeight) {
  AxisTestChart t;
  t.AddRamp(0, 1000, 0, 1);
  TChartAxis& bottom = t.Chart.BottomAxis();
  t.SetPlotRect(20, 10, 420, 90);
  t.Show(bottom);
  bottom.AdjustRange();
  bottom.PlaceAxis();
  TRect r = t.Chart.PlotRect;
  bottom.ReserveAxisSpace(r, true);
  t.Chart.Canvas().AssignFont(bottom.LabelsFont());
  const int fontHeight = t.Chart.Canvas().FontHeight();
  EXPECT_GT(fontHeight, 5);
  EXPECT_EQ(bottom.LabelsPos(), 90 - fontHeight);
  EXPECT_EQ(r, (TRect{20, 10, 420, 90 - fontHeight - 7}));
}

TEST(AxisPaint, LeftLabelsEndAtTheirBand) {
  AxisTestChart t;
  t.AddRamp(1, 100, -32768, 32767);
  TChartAxis& left = t.Chart.LeftAxis();
  t.SetPlotRect(10, 10, 300, 260);
  t.Layout(left);
  const int labelsPos = left.LabelsPos();
  EXPECT_EQ(labelsPos, 10 + left.LabelsExtent());
  EXPECT_EQ(t.Chart.PlotRect.Left, labelsPos + 7);

  t.BeginPaint(320, 280);
  left.PaintAxis(true);
  ASSERT_GE(left.Items().size(), 3u);
  EXPECT_EQ(left.Items().front().Value, 30000);
  // Every label is right-aligned to the band's inner edge and centred on its tick.
  for (const TAxisItem& item : left.Items()) {
    bool inked = false;
    for (int x = 10; x < labelsPos; ++x)
      inked = inked || t.Pixel(x, item.Position) != White;
    EXPECT_TRUE(inked) << item.Text;
    // The three columns between the band and the ticks stay empty.
    for (int x = labelsPos; x < labelsPos + 3; ++x)
      EXPECT_FALSE(ColumnHas(t, x, item.Position - 4, item.Position + 4, 0)) << item.Text;
  }
}

TEST(AxisPaint, DrawLabelEventCanMoveOrSuppress) {
  FortyPixelLabels shown;
  const int band = shown.Bottom.LabelsPos();
  EXPECT_TRUE(RowsInked(shown, band, 99, 440));

  AxisTestChart t;
  t.AddRamp(0, 1000, 0, 1);
  TChartAxis& bottom = t.Chart.BottomAxis();
  bottom.SetIncrement(100);
  bottom.SetLabelsGridIgnoresLabelSize(true);
  std::vector<std::string> seen;
  bottom.OnDrawLabel = [&](TChartAxis&, int& x, int&, std::string& text, bool& draw) {
    seen.push_back(text);
    draw = x > 400; // only the last label, "1,000" at the right end
    x -= 20;
  };
  t.SetPlotRect(20, 10, 420, 90);
  t.Layout(bottom);
  t.BeginPaint(440, 100);
  bottom.PaintAxis(true);
  EXPECT_EQ(seen.size(), 11u);
  EXPECT_EQ(seen.front(), "1,000");
  EXPECT_FALSE(RowsInked(t, band, 99, 300));
  EXPECT_TRUE(RowsInked(t, band, 99, 440));
  // Moved 20 pixels left: nothing right of the text's new right end.
  for (int x = 425; x < 440; ++x)
    for (int y = band; y < 100; ++y)
      EXPECT_EQ(t.Pixel(x, y), White) << x << "," << y;
}

// Two frames label every 0.05 from 2 down; twenty subtractions leave the last label a hair below
// the axis start, where its tick stands, and its text must still be drawn there.
TEST(AxisPaint, EndLabelKeepsItsTextDespiteRounding) {
  AxisTestChart t;
  t.AddRamp(1, 2, 0, 1);
  TChartAxis& bottom = t.Chart.BottomAxis();
  t.SetPlotRect(20, 10, 420, 90);
  t.Layout(bottom);
  t.BeginPaint(440, 100);
  bottom.PaintAxis(true);
  ASSERT_FALSE(bottom.Items().empty());
  const TAxisItem& last = bottom.Items().back();
  ASSERT_EQ(last.Text, "1");
  ASSERT_EQ(last.Position, bottom.StartPixel());
  ASSERT_LT(last.Value, bottom.WorkMinimum());
  bool inked = false;
  for (int x = 10; x < 30; ++x)
    for (int y = bottom.LabelsPos(); y < 100; ++y)
      inked = inked || t.Pixel(x, y) != White;
  EXPECT_TRUE(inked);
}
