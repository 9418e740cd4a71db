// The zoom and scroll part on its own, against a fake chart: four axes on a fixed plotting
// rectangle and a window image, with no panel and no series behind them.
#include "chart/axis/AxisOwner.h"
#include "chart/axis/ChartAxis.h"
#include "chart/surface/ChartCanvas3D.h"
#include "chart/zoom/ZoomScrollPart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace chart {
namespace {

constexpr auto Left = TMouseButton::mbLeft;
constexpr auto Right = TMouseButton::mbRight;

// Constructed before the owner that hands it to the axes.
struct TFakeCanvas {
  TChartCanvas3D Canvas;
};

// One value per pixel: x - 20 on the horizontal axes, 110 - y on the vertical ones, until a
// zoom or scroll moves them.
class TFakeChart : private TFakeCanvas, public TAxisOwner, public TZoomScrollOwner {
public:
  TFakeChart() : TAxisOwner(TFakeCanvas::Canvas), Image(200, 120) { Paint(); }

  // What a paint does to the axes: the automatic ends take the data's, and the axes are placed.
  void Paint() {
    for (TChartAxis* axis : Axes) {
      axis->SetPlan(axis->StartPlan({true, true, 0, axis->Horizontal() ? XDataMaximum : 100.0}, true, Plot,
                                    axis->Horizontal() ? Plot.Width() : Plot.Height()));
    }
  }
  std::vector<std::uint32_t> Pixels() const {
    return {Image.Pixels(), Image.Pixels() + std::size_t(Image.Width()) * std::size_t(Image.Height())};
  }

  bool OwnerLoading() const override { return false; }
  void OwnerChanged() override { ++Changes; }

  std::span<TChartAxis* const> OwnerAxes() const override { return Axes; }
  TChartFrame LastFrame() const override { return {{0, 0, 200, 120}, Plot}; }
  TChartAxis& BottomAxis() const override { return *Axes[0]; }
  TChartAxis& TopAxis() const override { return *Axes[1]; }
  TChartAxis& LeftAxis() const override { return *Axes[2]; }
  TChartAxis& RightAxis() const override { return *Axes[3]; }
  void RepaintNow() override { Paint(); }
  TChartCanvas3D& WindowCanvas() override {
    Canvas.SetWindowCanvas(Image);
    return Canvas;
  }
  TColor ZoomBackColor() override { return clSilver; }
  void ShowWindowImage() override { ++Shows; }
  void SetMouseCapture(bool captured) override { Captured = captured; }
  void SetWindowCursor(TCursorKind) override {}
  bool ClickTaken(TMouseButton, TShiftState, int, int) override { return TakeClicks; }
  bool AllowScroll(TChartAxis&, double&, double&) override { return true; }
  void Zoomed() override { Events += "zoom "; }
  void ZoomUndone() override { Events += "undo "; }
  void Scrolled() override { Events += "scroll "; }

  TRect Plot{20, 10, 180, 110};
  double XDataMaximum = 160;
  gdi::TGdiBitmap Image;
  TChartAxis Bottom{*this, true, false}, Top{*this, true, true}, LeftSide{*this, false, false},
      RightSide{*this, false, true};
  TChartAxis* const Axes[4] = {&Bottom, &Top, &LeftSide, &RightSide};
  int Changes = 0;
  int Shows = 0;
  bool Captured = false;
  bool TakeClicks = false;
  std::string Events;
};

class ZoomScrollPart : public ::testing::Test {
protected:
  void Drag(TMouseButton button, TPoint from, TPoint to) {
    Part.MouseDown(button, {}, from.X, from.Y);
    Part.MouseMove((from.X + to.X) / 2, (from.Y + to.Y) / 2);
    Part.MouseMove(to.X, to.Y);
    Part.MouseUp(button, to.X, to.Y);
  }
  void ExpectRange(const TChartAxis& axis, double minimum, double maximum) {
    EXPECT_DOUBLE_EQ(axis.Minimum(), minimum);
    EXPECT_DOUBLE_EQ(axis.Maximum(), maximum);
  }

  TFakeChart Chart;
  TZoomScrollPart Part{Chart};
};

TEST_F(ZoomScrollPart, LeftDragZoomsTheAxesAndABackwardDragRestoresThem) {
  const std::vector<std::uint32_t> clean = Chart.Pixels();
  Part.MouseDown(Left, {}, 60, 30);
  Part.MouseMove(140, 90);
  EXPECT_NE(Chart.Image.Pixel(100, 30), clean[30 * 200 + 100]) << "no outline on the window";
  EXPECT_EQ(Chart.Image.Pixel(100, 60), clean[60 * 200 + 100]) << "a clear brush fills nothing";
  // A paint wipes the window; the part draws the rectangle back, so the release still erases it.
  std::copy(clean.begin(), clean.end(), Chart.Image.Pixels());
  Part.BufferRepainted();
  EXPECT_NE(Chart.Image.Pixel(100, 30), clean[30 * 200 + 100]);
  Part.MouseUp(Left, 140, 90);
  EXPECT_EQ(Chart.Pixels(), clean);
  EXPECT_EQ(Chart.Events, "zoom ");
  EXPECT_TRUE(Part.HasZoom());
  ExpectRange(Chart.Bottom, 40, 120);
  ExpectRange(Chart.Top, 40, 120);
  ExpectRange(Chart.LeftSide, 20, 80);
  ExpectRange(Chart.RightSide, 20, 80);
  ASSERT_EQ(Part.SavedScales().size(), 4u);
  EXPECT_TRUE(Part.SavedScales()[0].Automatic);

  Chart.Paint();
  Drag(Left, {140, 90}, {60, 30});
  EXPECT_EQ(Chart.Events, "zoom undo ");
  EXPECT_FALSE(Part.HasZoom());
  EXPECT_TRUE(Part.MustSaveScales());
  Chart.Paint();
  for (const TChartAxis* axis : Chart.Axes)
    EXPECT_TRUE(axis->Automatic());
  ExpectRange(Chart.Bottom, 0, 160);
  ExpectRange(Chart.LeftSide, 0, 100);
}

TEST_F(ZoomScrollPart, RightDragScrollsWithTheMouseAndTheWheelMovesTheVerticalAxes) {
  Part.MouseDown(Right, {}, 100, 60);
  EXPECT_TRUE(Chart.Captured);
  Part.MouseMove(110, 50);
  Part.MouseUp(Right, 110, 50);
  EXPECT_FALSE(Chart.Captured);
  EXPECT_EQ(Chart.Events, "scroll ");
  EXPECT_FALSE(Part.HasZoom());
  // The values under the press are now under the release.
  ExpectRange(Chart.Bottom, -10, 150);
  ExpectRange(Chart.LeftSide, -10, 90);
  Part.ResetZoom();
  Chart.Paint();
  ExpectRange(Chart.Bottom, 0, 160);

  // Three percent of the vertical ranges per notch; half notches add up.
  Part.MouseWheel(120);
  ExpectRange(Chart.LeftSide, 3, 103);
  ExpectRange(Chart.RightSide, 3, 103);
  EXPECT_TRUE(Chart.Bottom.Automatic());
  Part.MouseWheel(-60);
  ExpectRange(Chart.LeftSide, 3, 103);
  Part.MouseWheel(-60);
  ExpectRange(Chart.LeftSide, 0, 100);
}

TEST_F(ZoomScrollPart, APressTheChartTakesOrOneDuringADragStartsNothing) {
  const std::vector<std::uint32_t> clean = Chart.Pixels();
  Chart.TakeClicks = true;
  for (const TMouseButton button : {Left, Right}) {
    Drag(button, {60, 30}, {140, 90});
    EXPECT_FALSE(Chart.Captured);
  }
  EXPECT_EQ(Chart.Shows, 0);
  EXPECT_EQ(Chart.Changes, 0);
  EXPECT_TRUE(Chart.Events.empty());

  Chart.TakeClicks = false;
  Part.MouseDown(Left, {}, 60, 30);
  Part.MouseDown(Right, {}, 70, 40);
  EXPECT_FALSE(Part.Panning().Dragging);
  EXPECT_FALSE(Chart.Captured);
  // Sixteen pixels each way are too few to zoom.
  Part.MouseUp(Left, 76, 46);
  EXPECT_EQ(Chart.Pixels(), clean);
  EXPECT_EQ(Chart.Changes, 0);
  EXPECT_TRUE(Chart.Bottom.Automatic());
}

std::string Repeated(const std::string& text, int count) {
  std::string repeated;
  for (int i = 0; i < count; ++i)
    repeated += text;
  return repeated;
}

// Keys, one character each: < > Left and Right, ^ v Up and Down, + - zoom, h Home.
TChartKey KeyOf(char key) {
  switch (key) {
  case '<':
    return TChartKey::ckLeft;
  case '>':
    return TChartKey::ckRight;
  case '^':
    return TChartKey::ckUp;
  case 'v':
    return TChartKey::ckDown;
  case '+':
    return TChartKey::ckZoomIn;
  case '-':
    return TChartKey::ckZoomOut;
  default:
    return TChartKey::ckHome;
  }
}

TEST_F(ZoomScrollPart, KeysScrollZoomAndShowTheWholeBottomAxisAsTheMouseWould) {
  const struct {
    std::string Keys;
    double Minimum, Maximum; // of the bottom axis; NaN: automatic
    double LeftMinimum;      // of the left axis; NaN: automatic
    std::string Events;
    bool UndoShowsAll;
  } cases[] = {
      {">", 16, 176, NAN, "scroll ", true},
      {"<", -16, 144, NAN, "scroll ", true},
      {"+", 40, 120, NAN, "zoom ", true},
      {"++-", 40, 120, NAN, "zoom zoom zoom ", true},
      // Zooming out stops at the data: all of it, or as much as fits from the nearer end.
      {"+>-", 0, 160, NAN, "zoom scroll zoom ", true},
      {"++" + std::string(15, '>') + "-", 80, 160, NAN, "zoom zoom " + Repeated("scroll ", 15) + "zoom ",
       true},
      {"-", NAN, NAN, NAN, "", true},
      // Up and Down are wheel steps: vertical, and not recorded for an undo.
      {"^", NAN, NAN, 3, "", false},
      {"vv", NAN, NAN, -6, "", false},
      {"+^h", NAN, NAN, NAN, "zoom undo ", true},
  };
  for (const auto& c : cases) {
    Part.ShowWhole();
    Chart.Paint();
    Chart.Events.clear();
    for (const char key : c.Keys)
      Part.KeyDown(KeyOf(key));
    SCOPED_TRACE(c.Keys);
    if (std::isnan(c.Minimum))
      EXPECT_TRUE(Chart.Bottom.Automatic());
    else
      ExpectRange(Chart.Bottom, c.Minimum, c.Maximum);
    if (std::isnan(c.LeftMinimum))
      EXPECT_TRUE(Chart.LeftSide.Automatic());
    else
      EXPECT_DOUBLE_EQ(Chart.LeftSide.Minimum(), c.LeftMinimum);
    EXPECT_TRUE(Chart.Top.Automatic()) << "keys move the frames only";
    EXPECT_EQ(Chart.Events, c.Events);
    Part.ResetZoom();
    EXPECT_EQ(Chart.Bottom.Automatic() && Chart.LeftSide.Automatic(), c.UndoShowsAll);
  }

  // A key during a drag does nothing, as a second press does.
  Part.ShowWhole();
  Chart.Paint();
  Part.MouseDown(Right, {}, 100, 60);
  Part.KeyDown(TChartKey::ckZoomIn);
  Part.MouseUp(Right, 100, 60);
  EXPECT_TRUE(Chart.Bottom.Automatic());
  // Nor do the frame keys without frames apart to move through.
  Chart.XDataMaximum = 0;
  Chart.Paint();
  for (const char key : std::string("+-<>"))
    Part.KeyDown(KeyOf(key));
  EXPECT_TRUE(Chart.Bottom.Automatic());
}

} // namespace
} // namespace chart
