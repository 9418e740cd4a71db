// Mouse zoom, undo, scroll and wheel on a painted chart with a fake window.
#include "chart/Chart.h"
#include "chart/axis/ChartAxis.h"
#include "chart/series/FastLineSeries.h"
#include "chart/surface/ChartCanvas3D.h"
#include "tests/chart/FakeChartHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace chart {
namespace {

using TFakeHost = testing::TFakeChartHost;

constexpr auto Left = TMouseButton::mbLeft;
constexpr auto Right = TMouseButton::mbRight;

class ZoomTest : public ::testing::Test {
protected:
  ZoomTest() {
    Chart.SetView3D(false);
    Chart.BackWall().SetTransparent(false);
    auto series = std::make_unique<TFastLineSeries>();
    Series = series.get();
    for (int i = 1; i <= 1000; ++i)
      Series->AddPoint(i, 100 * std::sin(i * 0.01), "", DefaultSeriesColor);
    Chart.AddSeries(std::move(series));
    Chart.SetHost(&Host);
    Paint();
  }
  ~ZoomTest() override { Chart.SetHost(nullptr); }

  void Paint() { Chart.PaintMessage(); }
  void Repaint() {
    Chart.Invalidate();
    Paint();
  }

  // A point of the plotting rectangle by fractions of its width and height.
  TPoint At(double fx, double fy) const {
    const TRect& r = Chart.PlotRect();
    return {r.Left + int(fx * (r.Right - r.Left)), r.Top + int(fy * (r.Bottom - r.Top))};
  }

  void Drag(TMouseButton button, TPoint from, TPoint to) {
    Chart.MouseDown(button, {}, from.X, from.Y);
    Chart.MouseMove({}, (from.X + to.X) / 2, (from.Y + to.Y) / 2);
    Chart.MouseMove({}, to.X, to.Y);
    Chart.MouseUp(button, {}, to.X, to.Y);
  }

  void ExpectAutomatic() {
    for (TChartAxis* axis : Chart.Axes) {
      EXPECT_TRUE(axis->Automatic());
      EXPECT_TRUE(axis->AutomaticMinimum());
      EXPECT_TRUE(axis->AutomaticMaximum());
    }
  }

  TFakeHost Host{400, 250};
  TChart Chart;
  TFastLineSeries* Series = nullptr;
};

TEST_F(ZoomTest, DragsOf16PixelsOrLessChangeNothing) {
  const TPoint start = At(0.3, 0.3);
  const std::vector<std::uint32_t> before = Host.Pixels();
  const struct { int Dx, Dy; } drags[] = {{16, 16}, {16, 80}, {80, 16}, {-16, 80}, {-80, -16}, {0, 0}};
  for (const auto& drag : drags) {
    const int invalidates = Host.Invalidations;
    Drag(Left, start, {start.X + drag.Dx, start.Y + drag.Dy});
    EXPECT_EQ(Host.Invalidations, invalidates) << drag.Dx << "," << drag.Dy;
    EXPECT_FALSE(Chart.Zoom().Dragging);
    EXPECT_FALSE(Chart.HasZoom());
    EXPECT_TRUE(Chart.MustSaveScales());
    ExpectAutomatic();
    // The rectangle went into the window image and came out of it again, pixel for pixel.
    EXPECT_EQ(Host.Pixels(), before);
  }
  // One more pixel each way is enough.
  Drag(Left, start, {start.X + 17, start.Y + 17});
  EXPECT_TRUE(Chart.HasZoom());
}

TEST_F(ZoomTest, DragToTheRightZoomsBothAxesToTheRectangle) {
  for (const bool downward : {true, false}) {
    Chart.ResetZoom();
    Repaint();
    const TPoint from = At(0.2, downward ? 0.25 : 0.75);
    const TPoint to = At(0.6, downward ? 0.75 : 0.25);
    TChartAxis& bottom = Chart.BottomAxis();
    TChartAxis& left = Chart.LeftAxis();
    const double xMin = bottom.PixelToValue(from.X), xMax = bottom.PixelToValue(to.X);
    const double yMin = left.PixelToValue(std::max(from.Y, to.Y)),
                 yMax = left.PixelToValue(std::min(from.Y, to.Y));
    int zooms = 0;
    Chart.OnZoom = [&](TCustomChart&) { ++zooms; };

    Drag(Left, from, to);
    EXPECT_EQ(zooms, 1);
    EXPECT_TRUE(Chart.HasZoom());
    EXPECT_FALSE(Chart.MustSaveScales());
    EXPECT_DOUBLE_EQ(bottom.Minimum(), xMin);
    EXPECT_DOUBLE_EQ(bottom.Maximum(), xMax);
    EXPECT_DOUBLE_EQ(left.Minimum(), yMin);
    EXPECT_DOUBLE_EQ(left.Maximum(), yMax);
    EXPECT_FALSE(bottom.Automatic());
    EXPECT_FALSE(left.AutomaticMinimum());

    // The next paint keeps the zoomed ranges and draws only the points near them.
    Paint();
    EXPECT_DOUBLE_EQ(bottom.Minimum(), xMin);
    EXPECT_LE(Series->FirstVisible(), int(xMin));
    EXPECT_GE(Series->LastVisible(), int(xMax) - 1);
    EXPECT_LT(Series->LastVisible() - Series->FirstVisible(), 450);
  }
}

TEST_F(ZoomTest, DragToTheLeftResetsToAutomaticRanges) {
  const double dataMaximum = Chart.BottomAxis().Maximum();
  for (const double endY : {0.1, 0.9}) {
    Drag(Left, At(0.2, 0.2), At(0.7, 0.7));
    Paint();
    ASSERT_TRUE(Chart.HasZoom());
    int undos = 0;
    Chart.OnUndoZoom = [&](TCustomChart&) { ++undos; };

    Drag(Left, At(0.7, 0.5), At(0.2, endY));
    EXPECT_EQ(undos, 1);
    EXPECT_FALSE(Chart.HasZoom());
    EXPECT_TRUE(Chart.MustSaveScales());
    EXPECT_TRUE(Chart.SavedScales().empty());
    ExpectAutomatic();
    Paint();
    EXPECT_DOUBLE_EQ(Chart.BottomAxis().Maximum(), dataMaximum);
  }
}

TEST_F(ZoomTest, RightDragFollowsTheMouseAndResetRestoresTheRanges) {
  TChartAxis& bottom = Chart.BottomAxis();
  TChartAxis& left = Chart.LeftAxis();
  const TPoint from = At(0.5, 0.5);
  // What one pixel is worth on each axis, and where the picture stands before the drag.
  const double xPerPixel = bottom.PixelToValue(from.X + 1) - bottom.PixelToValue(from.X);
  const double yPerPixel = left.PixelToValue(from.Y) - left.PixelToValue(from.Y + 1);
  const double workMinX = bottom.WorkMinimum(), workMaxY = left.WorkMaximum();
  int scrolls = 0;
  Chart.OnScroll = [&](TCustomChart&) { ++scrolls; };

  Chart.MouseDown(Right, {}, from.X, from.Y);
  EXPECT_TRUE(Host.Captured);
  EXPECT_FALSE(Chart.Zoom().Dragging);
  // Several moves before any paint add up like one long move.
  for (int step = 1; step <= 5; ++step)
    Chart.MouseMove({}, from.X + 10 * step, from.Y + 6 * step);
  Chart.MouseUp(Right, {}, from.X + 50, from.Y + 30);
  EXPECT_FALSE(Host.Captured);
  EXPECT_EQ(scrolls, 5);
  EXPECT_NEAR(bottom.Minimum(), workMinX - 50 * xPerPixel, 1e-9);
  EXPECT_NEAR(left.Maximum(), workMaxY + 30 * yPerPixel, 1e-9);
  EXPECT_FALSE(Chart.HasZoom());

  // The picture moved with the mouse: the value under the start point is now under the end.
  const double valueAtStart = bottom.PixelToValue(from.X);
  Paint();
  EXPECT_NEAR(bottom.PixelToValue(from.X + 50), valueAtStart, std::abs(xPerPixel));

  // Too flat to count: the scale record stays.
  Drag(Left, At(0.8, 0.5), At(0.1, 0.5));
  EXPECT_FALSE(Chart.MustSaveScales());
  Drag(Left, At(0.8, 0.2), At(0.1, 0.8));
  ExpectAutomatic();
}

TEST_F(ZoomTest, SecondButtonDuringAZoomDragIsIgnored) {
  const TPoint from = At(0.2, 0.2);
  Chart.MouseDown(Left, {}, from.X, from.Y);
  Chart.MouseMove({}, from.X + 40, from.Y + 40);
  Chart.MouseDown(Right, {}, from.X + 40, from.Y + 40);
  EXPECT_FALSE(Chart.Panning().Dragging);
  EXPECT_FALSE(Host.Captured);
  Chart.MouseMove({}, from.X + 80, from.Y + 60);
  Chart.MouseUp(Right, {}, from.X + 80, from.Y + 60);
  EXPECT_TRUE(Chart.Zoom().Dragging);
  EXPECT_FALSE(Chart.HasZoom());
  Chart.MouseUp(Left, {}, from.X + 80, from.Y + 60);
  EXPECT_TRUE(Chart.HasZoom());
}

TEST_F(ZoomTest, OnlyPartsOfTheChartStartADrag) {
  Chart.Title().SetText({"TChart"});
  Repaint();
  // The outer margin and bevel belong to no part.
  int backgroundClicks = 0;
  Chart.OnClickBackground = [&](TCustomChart&, TMouseButton, TShiftState, int, int) {
    ++backgroundClicks;
    Chart.CancelMouse = false;
  };
  Chart.MouseDown(Left, {}, 2, 2);
  EXPECT_EQ(backgroundClicks, 1);
  EXPECT_FALSE(Chart.Zoom().Dragging);
  EXPECT_EQ(Chart.ClickedPart(2, 2).Part, cpNone);

  // A handler that lets the click pass lets the zoom start from the plotting rectangle.
  const TPoint inside = At(0.5, 0.5);
  EXPECT_EQ(Chart.ClickedPart(inside.X, inside.Y).Part, cpChartRect);
  Chart.MouseDown(Left, {}, inside.X, inside.Y);
  EXPECT_EQ(backgroundClicks, 2);
  EXPECT_TRUE(Chart.Zoom().Dragging);
  Chart.MouseUp(Left, {}, inside.X, inside.Y);

  // The labels of the bottom axis and the title are parts too.
  const TChartClickedPart axis = Chart.ClickedPart(inside.X, Chart.PlotRect().Bottom + 6);
  EXPECT_EQ(axis.Part, cpAxis);
  EXPECT_EQ(axis.AAxis, &Chart.BottomAxis());
  const TRect title = Chart.Title().TitleRect();
  EXPECT_EQ(Chart.ClickedPart((title.Left + title.Right) / 2, (title.Top + title.Bottom) / 2).Part, cpTitle);

  // A taken click starts nothing.
  Chart.OnClickAxis = [](TCustomChart&, TChartAxis&, TMouseButton, TShiftState, int, int) {};
  Chart.MouseDown(Left, {}, inside.X, Chart.PlotRect().Bottom + 6);
  EXPECT_FALSE(Chart.Zoom().Dragging);
}

TEST_F(ZoomTest, AChartWithoutActiveSeriesDoesNotZoomFromThePlottingRectangle) {
  Series->SetActive(false);
  Paint();
  const TPoint inside = At(0.5, 0.5);
  EXPECT_EQ(Chart.ClickedPart(inside.X, inside.Y).Part, cpNone);
  Drag(Left, inside, {inside.X + 60, inside.Y + 40});
  EXPECT_FALSE(Chart.HasZoom());
  ExpectAutomatic();
}

TEST_F(ZoomTest, WheelStepsAreThreePercentOfTheVerticalRanges) {
  TChartAxis& left = Chart.LeftAxis();
  left.SetMinimumOffset(1);
  left.SetMaximumOffset(1);
  Chart.BottomAxis().SetMinimumOffset(1);
  Chart.BottomAxis().SetMaximumOffset(1);
  Repaint();
  const double minimum = left.Minimum(), maximum = left.Maximum();
  const double bottomMinimum = Chart.BottomAxis().Minimum();
  const double step = (maximum - minimum) * 0.03;

  Chart.MouseWheel(120, {}, 10, 10);
  EXPECT_DOUBLE_EQ(left.Minimum(), minimum + step);
  EXPECT_DOUBLE_EQ(left.Maximum(), maximum + step);
  EXPECT_FALSE(left.Automatic());
  EXPECT_DOUBLE_EQ(Chart.BottomAxis().Minimum(), bottomMinimum);
  EXPECT_TRUE(Chart.BottomAxis().Automatic());
  // Half notches add up; a wheel scroll is not recorded for a reset.
  Chart.MouseWheel(-60, {}, 10, 10);
  Chart.MouseWheel(-60, {}, 10, 10);
  EXPECT_NEAR(left.Minimum(), minimum, 1e-9);
  EXPECT_TRUE(Chart.MustSaveScales());

  Chart.Panning().SetMouseWheel(pmwInverted);
  Chart.MouseWheel(120, {}, 10, 10);
  EXPECT_NEAR(left.Minimum(), minimum - step, 1e-9);
  Chart.Panning().SetMouseWheel(pmwNone);
  Chart.MouseWheel(120, {}, 10, 10);
  Chart.Panning().SetMouseWheel(pmwNormal);
  Chart.SetAllowPanning(pmHorizontal);
  Chart.MouseWheel(120, {}, 10, 10);
  EXPECT_NEAR(left.Minimum(), minimum - step, 1e-9);
}

TEST_F(ZoomTest, TheRectangleIsNotXorOnTheWindowAndRedrawnByAPaintDuringTheDrag) {
  Chart.BackWall().Brush().Gradient().SetVisible(false);
  Chart.BackWall().SetColor(clSilver);
  Repaint();
  const std::vector<std::uint32_t> before = Host.Pixels();
  const TPoint from = At(0.2, 0.3);
  const TPoint to = At(0.6, 0.7);
  const int shows = Host.Shows;
  Chart.MouseDown(Left, {}, from.X, from.Y);
  Chart.MouseMove({}, to.X, to.Y);
  // Drawn straight into the window image and shown, without a paint.
  EXPECT_GT(Host.Shows, shows);
  // On the silver wall the outline shows white; the inside stays as it was (clear brush).
  const int midX = (from.X + to.X) / 2;
  EXPECT_EQ(Host.WindowImage().Pixel(midX, from.Y), 0xFFFFFFu);
  EXPECT_EQ(Host.WindowImage().Pixel(midX, to.Y - 1), 0xFFFFFFu);
  EXPECT_EQ(Host.WindowImage().Pixel(midX, to.Y), before[std::size_t(to.Y * 400 + midX)]);
  EXPECT_EQ(Host.WindowImage().Pixel(from.X + 3, from.Y + 3),
            before[std::size_t((from.Y + 3) * 400 + from.X + 3)]);

  // The window exposed while the buffer is clean: the copy must not lose the rectangle, or the
  // next move would draw instead of erase.
  Paint();
  EXPECT_EQ(Host.WindowImage().Pixel(midX, from.Y), 0xFFFFFFu);
  Chart.MouseMove({}, to.X - 5, to.Y - 5);
  Chart.MouseMove({}, to.X, to.Y);
  EXPECT_EQ(Host.WindowImage().Pixel(midX, from.Y), 0xFFFFFFu);

  // A paint in the middle of the drag shows the rectangle again, and the release still erases it.
  Repaint();
  EXPECT_EQ(Host.WindowImage().Pixel(midX, from.Y), 0xFFFFFFu);
  Chart.MouseMove({}, from.X + 10, from.Y + 10);
  Chart.MouseUp(Left, {}, from.X + 10, from.Y + 10);
  EXPECT_EQ(Host.Pixels(), before);
  // The rectangle never goes into the buffer, so a copy of it is a clean picture.
  EXPECT_FALSE(Chart.Canvas().BufferDirty());
  Paint();
  EXPECT_EQ(Host.Pixels(), before);
}

TEST_F(ZoomTest, AnimatedZoomRepaintsOnTheWayAndEndsOnTheRectangle) {
  Chart.SetAnimatedZoom(true);
  Chart.SetAnimatedZoomSteps(4);
  const TPoint from = At(0.2, 0.2), to = At(0.6, 0.6);
  const double xMin = Chart.BottomAxis().PixelToValue(from.X);
  const double xMax = Chart.BottomAxis().PixelToValue(to.X);
  std::vector<double> minimums;
  Chart.OnAfterDraw = [&](TCustomChart&) { minimums.push_back(Chart.BottomAxis().Minimum()); };
  Drag(Left, from, to);
  ASSERT_EQ(minimums.size(), 3u);
  EXPECT_LT(minimums[0], minimums[1]);
  EXPECT_LT(minimums[2], xMin);
  EXPECT_DOUBLE_EQ(Chart.BottomAxis().Minimum(), xMin);
  EXPECT_DOUBLE_EQ(Chart.BottomAxis().Maximum(), xMax);
}

TEST_F(ZoomTest, HistoryStepsBackOneZoomAtATime) {
  Chart.Zoom().SetHistory(true);
  Drag(Left, At(0.1, 0.1), At(0.9, 0.9));
  Paint();
  const double firstMinimum = Chart.BottomAxis().Minimum();
  Drag(Left, At(0.3, 0.3), At(0.7, 0.7));
  Paint();
  ASSERT_EQ(Chart.ZoomHistory().size(), 2u);

  Drag(Left, At(0.7, 0.3), At(0.3, 0.7));
  EXPECT_DOUBLE_EQ(Chart.BottomAxis().Minimum(), firstMinimum);
  EXPECT_TRUE(Chart.HasZoom());
  Paint();
  Drag(Left, At(0.7, 0.3), At(0.3, 0.7));
  EXPECT_TRUE(Chart.ZoomHistory().empty());
  ExpectAutomatic();
}

TEST_F(ZoomTest, DirectionAndVetoLimitWhatChanges) {
  Chart.Zoom().SetDirection(tzdHorizontal);
  // Only the horizontal extent counts, whatever the vertical one.
  Drag(Left, At(0.2, 0.5), At(0.6, 0.5));
  EXPECT_FALSE(Chart.BottomAxis().Automatic());
  EXPECT_TRUE(Chart.LeftAxis().Automatic());
  Chart.ResetZoom();
  Paint();

  const double minimum = Chart.BottomAxis().Minimum();
  Chart.OnAllowScroll = [](TChartAxis& axis, double&, double&, bool& allow) { allow = !axis.Horizontal(); };
  Drag(Right, At(0.5, 0.5), At(0.3, 0.4));
  EXPECT_DOUBLE_EQ(Chart.BottomAxis().Minimum(), minimum);
  EXPECT_FALSE(Chart.LeftAxis().Automatic());
  Chart.SetAllowPanning(pmNone);
  Chart.MouseDown(Right, {}, 100, 100);
  EXPECT_FALSE(Chart.Panning().Dragging);
}

TEST_F(ZoomTest, RectangleZoomSetsAllFourStandardAxesFromTheirOwnMapping) {
  // Axes no series uses, with ranges of their own.
  Chart.TopAxis().SetRange(0, 50);
  Chart.RightAxis().SetRange(-7, 3);
  Repaint();
  const TPoint from = At(0.25, 0.7), to = At(0.65, 0.2);
  const auto across = [&](const TChartAxis& axis) {
    return std::pair{axis.PixelToValue(from.X), axis.PixelToValue(to.X)};
  };
  const auto upward = [&](const TChartAxis& axis) {
    return std::pair{axis.PixelToValue(from.Y), axis.PixelToValue(to.Y)};
  };
  const auto top = across(Chart.TopAxis()), bottom = across(Chart.BottomAxis());
  const auto left = upward(Chart.LeftAxis()), right = upward(Chart.RightAxis());
  Drag(Left, from, to);
  ASSERT_TRUE(Chart.HasZoom());
  // Unused axes zoom too, each through its own range and pixels; depth axes stay as they were.
  EXPECT_DOUBLE_EQ(Chart.TopAxis().Minimum(), top.first);
  EXPECT_DOUBLE_EQ(Chart.TopAxis().Maximum(), top.second);
  EXPECT_DOUBLE_EQ(Chart.BottomAxis().Minimum(), bottom.first);
  EXPECT_DOUBLE_EQ(Chart.LeftAxis().Minimum(), left.first);
  EXPECT_DOUBLE_EQ(Chart.LeftAxis().Maximum(), left.second);
  EXPECT_DOUBLE_EQ(Chart.RightAxis().Minimum(), right.first);
  EXPECT_DOUBLE_EQ(Chart.RightAxis().Maximum(), right.second);
  EXPECT_FALSE(Chart.RightAxis().Automatic());
  EXPECT_TRUE(Chart.DepthAxis().Automatic());
  // The record holds every axis but the depth ones, as they were before the zoom.
  ASSERT_EQ(Chart.SavedScales().size(), 4u);
  for (const TAxisSavedScales& saved : Chart.SavedScales()) {
    EXPECT_FALSE(saved.Axis->IsDepthAxis());
    const bool fixed = saved.Axis == &Chart.TopAxis() || saved.Axis == &Chart.RightAxis();
    EXPECT_EQ(saved.Automatic, !fixed);
  }
  Drag(Left, to, from);
  EXPECT_DOUBLE_EQ(Chart.RightAxis().Minimum(), -7);
  EXPECT_DOUBLE_EQ(Chart.TopAxis().Maximum(), 50);
  EXPECT_TRUE(Chart.LeftAxis().Automatic());
}

TEST_F(ZoomTest, VerticalAndUpLeftDragsDecideByTheirOwnDirection) {
  Chart.Zoom().SetDirection(tzdVertical);
  // The rectangle spans the plotting rectangle's width whatever the mouse does sideways; only
  // the vertical extent counts, and a drag downward zooms.
  Chart.MouseDown(Left, {}, At(0.5, 0.2).X, At(0.5, 0.2).Y);
  EXPECT_EQ(Chart.Zoom().StartX, Chart.PlotRect().Left);
  EXPECT_EQ(Chart.Zoom().EndX, Chart.PlotRect().Right);
  Chart.MouseMove({}, At(0.5, 0.8).X, At(0.5, 0.8).Y);
  EXPECT_EQ(Chart.Zoom().EndX, Chart.PlotRect().Right);
  Chart.MouseUp(Left, {}, At(0.5, 0.8).X, At(0.5, 0.8).Y);
  EXPECT_TRUE(Chart.HasZoom());
  EXPECT_FALSE(Chart.LeftAxis().Automatic());
  EXPECT_TRUE(Chart.BottomAxis().Automatic());
  Paint();
  Drag(Left, At(0.5, 0.8), At(0.5, 0.2));
  EXPECT_FALSE(Chart.HasZoom());
  ExpectAutomatic();
  Paint();

  Chart.Zoom().SetDirection(tzdBoth);
  Chart.Zoom().SetUpLeftZooms(true);
  const TPoint from = At(0.7, 0.8), to = At(0.2, 0.3);
  const double xMin = Chart.BottomAxis().PixelToValue(to.X);
  Drag(Left, from, to);
  EXPECT_TRUE(Chart.HasZoom());
  EXPECT_DOUBLE_EQ(Chart.BottomAxis().Minimum(), xMin);
}

TEST_F(ZoomTest, ScrollBaseIsTheStoredRangeWithOffsetsAndTheWorkingRangeWithout) {
  TChartAxis& bottom = Chart.BottomAxis();
  bottom.SetMinimumOffset(1);
  bottom.SetMaximumOffset(1);
  Repaint();
  // With offsets the working range reaches past the data's ends.
  ASSERT_LT(bottom.WorkMinimum(), bottom.Minimum());
  const double minimum = bottom.Minimum(), maximum = bottom.Maximum();
  const TPoint from = At(0.5, 0.5);
  const double shift = bottom.PixelToValue(from.X) - bottom.PixelToValue(from.X + 20);
  const double workMinimumLeft = Chart.LeftAxis().WorkMinimum();
  const double shiftLeft = Chart.LeftAxis().PixelToValue(from.Y) - Chart.LeftAxis().PixelToValue(from.Y + 10);
  Drag(Right, from, {from.X + 20, from.Y + 10});
  EXPECT_NEAR(bottom.Minimum(), minimum + shift, 1e-9);
  EXPECT_NEAR(bottom.Maximum(), maximum + shift, 1e-9);
  // Without offsets the vertical axis starts from what the last paint showed.
  EXPECT_NEAR(Chart.LeftAxis().Minimum(), workMinimumLeft + shiftLeft, 1e-9);
}

TEST_F(ZoomTest, WheelMovesEveryAxisThatIsNotHorizontalDepthAxesToo) {
  std::vector<std::pair<double, double>> before;
  for (TChartAxis* axis : Chart.Axes)
    before.emplace_back(axis->Minimum(), axis->Maximum());
  Chart.MouseWheel(-120, {}, 10, 10);
  for (int i = 0; i < Chart.Axes.Count(); ++i) {
    const TChartAxis& axis = Chart.Axes[i];
    const auto [minimum, maximum] = before[std::size_t(i)];
    const double step = axis.Horizontal() ? 0 : -(maximum - minimum) * 3 * 0.01;
    EXPECT_DOUBLE_EQ(axis.Minimum(), minimum + step) << i;
    EXPECT_DOUBLE_EQ(axis.Maximum(), maximum + step) << i;
    EXPECT_EQ(axis.Automatic(), axis.Horizontal()) << i;
  }
}

TEST_F(ZoomTest, ShowWholeUndoesZoomScrollAndWheelAndForgetsThem) {
  Chart.Zoom().SetHistory(true);
  const std::function<void()> steps[] = {
      [&] { Drag(Left, At(0.2, 0.2), At(0.6, 0.7)); },
      [&] { Drag(Right, At(0.5, 0.5), At(0.3, 0.4)); },
      [&] { Chart.MouseWheel(120, {}, 10, 10); },
  };
  int undos = 0;
  Chart.OnUndoZoom = [&](TCustomChart&) { ++undos; };
  for (const auto& step : steps) {
    step();
    // Half a notch waits for the other half.
    Chart.MouseWheel(60, {}, 10, 10);
    Paint();
    const int undosBefore = undos;
    Chart.ShowWhole();
    EXPECT_EQ(undos, undosBefore + 1);
    ExpectAutomatic();
    EXPECT_FALSE(Chart.HasZoom());
    EXPECT_TRUE(Chart.MustSaveScales());
    EXPECT_TRUE(Chart.SavedScales().empty());
    EXPECT_TRUE(Chart.ZoomHistory().empty());
    Chart.MouseWheel(60, {}, 10, 10);
    ExpectAutomatic();
    Paint();
  }
}

} // namespace
} // namespace chart
