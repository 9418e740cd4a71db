#include "AxisTestChart.h"

#include <gtest/gtest.h>

using namespace chart;
using axistest::AxisTestChart;

namespace {

void SetOffsets(TChartAxis& axis, int offset) {
  axis.SetMinimumOffset(offset);
  axis.SetMaximumOffset(offset);
}

template <class Action>
std::string AxisError(Action action) {
  try {
    action();
  } catch (const AxisException& e) {
    return e.what();
  }
  return "no error";
}

} // namespace

TEST(AxisScale, OffsetsKeepOnePixelFreeAtBothEnds) {
  AxisTestChart t;
  t.AddRamp(1, 1000, -100, 100, 5); // the offsets override the series' wish for 5 pixels
  t.SetPlotRect(40, 20, 840, 270);
  TChartAxis& bottom = t.Chart.BottomAxis();
  TChartAxis& left = t.Chart.LeftAxis();
  SetOffsets(bottom, 1);
  SetOffsets(left, 1);
  t.Prepare(bottom);
  t.Prepare(left);

  EXPECT_EQ(bottom.StartPixel(), 40);
  EXPECT_EQ(bottom.EndPixel(), 840);
  EXPECT_EQ(bottom.WorkMinimum(), -0.25187969924812026);
  EXPECT_EQ(bottom.WorkMaximum(), 1001.2518796992481);
  EXPECT_EQ(bottom.ValueToPixel(1), 41);
  EXPECT_EQ(bottom.ValueToPixel(1000), 839);
  // An automatic axis reads back its data's ends after the paint.
  EXPECT_EQ(bottom.Minimum(), 1);
  EXPECT_EQ(bottom.Maximum(), 1000);

  EXPECT_EQ(left.WorkMinimum(), -100.80645161290323);
  EXPECT_EQ(left.WorkMaximum(), 100.80645161290323);
  EXPECT_EQ(left.ValueToPixel(100), 21);
  EXPECT_EQ(left.ValueToPixel(-100), 269);
  EXPECT_EQ(left.ValueToPixel(0), 145);
  EXPECT_NEAR(left.PixelToValue(145), 0, 1e-9);
  EXPECT_DOUBLE_EQ(left.PixelToValue(21), 100);

  // The fast variant places these points identically.
  EXPECT_EQ(bottom.Mapping().ValueToPixel(1, true), 41);
  EXPECT_EQ(left.Mapping().ValueToPixel(-100, true), 269);
}

TEST(AxisScale, SeriesMarginsApplyOnlyToAutomaticEndsWithoutOffset) {
  AxisTestChart t;
  t.AddRamp(1, 1000, -100, 100);
  t.SetPlotRect(40, 20, 840, 270);
  TChartAxis& bottom = t.Chart.BottomAxis();
  t.Prepare(bottom);
  EXPECT_EQ(bottom.ValueToPixel(1), 40);
  EXPECT_EQ(bottom.ValueToPixel(1000), 840);

  AxisTestChart m;
  m.AddRamp(1, 1000, -100, 100, 3);
  m.SetPlotRect(40, 20, 840, 270);
  TChartAxis& mb = m.Chart.BottomAxis();
  TChartAxis& ml = m.Chart.LeftAxis();
  mb.SetMaximumOffset(1); // the maximum end keeps exactly its offset
  m.Prepare(mb);
  m.Prepare(ml);
  EXPECT_EQ(mb.ValueToPixel(1), 43);
  EXPECT_EQ(mb.ValueToPixel(1000), 839);
  EXPECT_EQ(ml.ValueToPixel(100), 23);
  EXPECT_EQ(ml.ValueToPixel(-100), 267);

  // Once the user fixes the range, the series' margins no longer widen it.
  mb.SetRange(1, 1000);
  mb.SetMaximumOffset(0);
  m.Prepare(mb);
  EXPECT_EQ(mb.ValueToPixel(1), 40);
  EXPECT_EQ(mb.ValueToPixel(1000), 840);
}

TEST(AxisScale, DegenerateRangesMapToTheCentre) {
  AxisTestChart empty;
  empty.AddEmpty();
  empty.SetPlotRect(40, 20, 840, 270);
  TChartAxis& bottom = empty.Chart.BottomAxis();
  SetOffsets(bottom, 1);
  empty.Prepare(bottom);
  EXPECT_TRUE(bottom.RangeIsZero());
  EXPECT_EQ(bottom.WorkMinimum(), 0);
  EXPECT_EQ(bottom.WorkMaximum(), 0);
  EXPECT_EQ(bottom.ValueToPixel(12345), 440);

  AxisTestChart one; // a single frame, and a channel of equal samples
  one.AddRamp(1, 1, 7, 7);
  one.SetPlotRect(40, 20, 840, 270);
  one.Prepare(one.Chart.BottomAxis());
  one.Prepare(one.Chart.LeftAxis());
  EXPECT_EQ(one.Chart.BottomAxis().ValueToPixel(1), 440);
  EXPECT_EQ(one.Chart.LeftAxis().ValueToPixel(7), 145);

  AxisTestChart narrow; // two pixels wide: the margins leave no length
  narrow.AddRamp(1, 1000, -100, 100);
  narrow.SetPlotRect(40, 20, 42, 270);
  TChartAxis& nb = narrow.Chart.BottomAxis();
  SetOffsets(nb, 1);
  narrow.Prepare(nb);
  EXPECT_EQ(nb.WorkMinimum(), 0);
  EXPECT_EQ(nb.WorkMaximum(), 0);
  EXPECT_EQ(nb.AxisLength(), 2);
}

TEST(AxisScale, StartAndEndPositionsCutTheAxis) {
  AxisTestChart t;
  t.AddRamp(0, 100, 0, 100);
  t.SetPlotRect(0, 0, 201, 100);
  TChartAxis& bottom = t.Chart.BottomAxis();
  bottom.SetStartPosition(25);
  bottom.SetEndPosition(75);
  t.Prepare(bottom);
  // 201 * 0.25 = 50.25 and 201 * 0.75 = 150.75
  EXPECT_EQ(bottom.StartPixel(), 50);
  EXPECT_EQ(bottom.EndPixel(), 151);
  EXPECT_EQ(bottom.CenterPixel(), 100);
}

TEST(AxisScale, ShownAxesFollowTheirSeries) {
  AxisTestChart none;
  for (int i = 0; i < 4; ++i) {
    none.Show(none.Chart.Axes[i]);
    EXPECT_TRUE(none.Chart.Axes[i].IsShown()) << i;
  }
  none.Show(none.Chart.DepthAxis());
  EXPECT_FALSE(none.Chart.DepthAxis().IsShown());

  AxisTestChart t;
  t.AddRamp(1, 10, 0, 1);
  for (TChartAxis* axis : t.Chart.Axes) {
    axis->SetSeriesData(t.Chart.SeriesDataOf(*axis));
    t.Show(*axis);
  }
  EXPECT_TRUE(t.Chart.BottomAxis().IsShown());
  EXPECT_TRUE(t.Chart.LeftAxis().IsShown());
  EXPECT_FALSE(t.Chart.TopAxis().IsShown());
  EXPECT_FALSE(t.Chart.RightAxis().IsShown());
  EXPECT_FALSE(t.Chart.DepthTopAxis().IsShown());
  t.Chart.SetAxisVisible(false);
  t.Show(t.Chart.BottomAxis());
  EXPECT_FALSE(t.Chart.BottomAxis().IsShown());
}

TEST(AxisScale, SetRangeOrdersAndKeepsASpan) {
  AxisTestChart t;
  TChartAxis& axis = t.Chart.LeftAxis();
  axis.SetRange(5, 3);
  EXPECT_EQ(axis.Minimum(), 3);
  EXPECT_EQ(axis.Maximum(), 5);
  EXPECT_FALSE(axis.Automatic());
  EXPECT_FALSE(axis.AutomaticMinimum());
  EXPECT_FALSE(axis.AutomaticMaximum());
  axis.SetRange(7, 7);
  EXPECT_EQ(axis.Minimum(), 7);
  EXPECT_EQ(axis.Maximum(), 7 + 1e-10);
  // A fixed range survives the next paint.
  t.AddRamp(1, 10, 0, 1000);
  t.SetPlotRect(0, 0, 100, 100);
  t.Prepare(axis);
  EXPECT_EQ(axis.Minimum(), 7);
}

TEST(AxisScale, ShiftRangeWithAndWithoutLimits) {
  AxisTestChart t;
  t.AddRamp(0, 100, 0, 1);
  TChartAxis& bottom = t.Chart.BottomAxis();
  bottom.SetSeriesData(t.Chart.SeriesDataOf(bottom));
  bottom.SetRange(50, 100); // already at the data maximum
  bottom.ShiftRange(10, true);
  EXPECT_EQ(bottom.Minimum(), 50);
  EXPECT_EQ(bottom.Maximum(), 100);
  bottom.ShiftRange(0, true);
  EXPECT_EQ(bottom.Minimum(), 50);
  bottom.ShiftRange(-10, true); // data below: moves
  EXPECT_EQ(bottom.Minimum(), 40);
  EXPECT_EQ(bottom.Maximum(), 90);
  bottom.ShiftRange(10, false);
  bottom.ShiftRange(10, false);
  EXPECT_EQ(bottom.Minimum(), 60);
  EXPECT_EQ(bottom.Maximum(), 110);

  TChartAxis& left = t.Chart.LeftAxis();
  left.ShiftRange(1, false);
  EXPECT_FALSE(left.Automatic());
  EXPECT_FALSE(left.AutomaticMinimum());
}

TEST(AxisScale, SettersRefuseWithFixedMessages) {
  AxisTestChart t;
  TChartAxis& axis = t.Chart.BottomAxis();
  EXPECT_EQ(AxisError([&] { axis.SetMinimum(1); }), "Axis Minimum Value must be <= Maximum");
  EXPECT_EQ(AxisError([&] { axis.SetMaximum(-1); }), "Axis Maximum Value must be >= Minimum");
  EXPECT_EQ(AxisError([&] { axis.SetIncrement(-0.5); }), "Axis increment must be >= 0");
  EXPECT_EQ(AxisError([&] { axis.SetLabelsSeparation(-1); }), "Labels Separation % must be greater than 0");
  EXPECT_EQ(axis.Minimum(), 0);
  EXPECT_EQ(axis.Maximum(), 0);
  EXPECT_EQ(axis.Increment(), 0);
  EXPECT_EQ(axis.LabelsSeparation(), 10);
  axis.SetLabelsSeparation(0);
  EXPECT_EQ(axis.LabelsSeparation(), 0);
  axis.SetMaximum(10);
  axis.SetMinimum(10);
  EXPECT_EQ(axis.Minimum(), 10);

  // While the layout is read the order is not checked, nor does Automatic touch its partners.
  t.Chart.BeginLoading();
  axis.SetMinimum(50);
  axis.SetAutomatic(false);
  t.Chart.EndLoading();
  EXPECT_EQ(axis.Minimum(), 50);
  EXPECT_FALSE(axis.Automatic());
  EXPECT_TRUE(axis.AutomaticMinimum());
}

TEST(AxisScale, AutomaticFlagsFollowEachOther) {
  AxisTestChart t;
  TChartAxis& axis = t.Chart.LeftAxis();
  axis.SetAutomatic(false);
  EXPECT_FALSE(axis.AutomaticMinimum());
  EXPECT_FALSE(axis.AutomaticMaximum());
  axis.SetAutomaticMinimum(true);
  EXPECT_FALSE(axis.Automatic());
  axis.SetAutomaticMaximum(true);
  EXPECT_TRUE(axis.Automatic());
  axis.SetAutomaticMaximum(false);
  EXPECT_FALSE(axis.Automatic());
  EXPECT_TRUE(axis.AutomaticMinimum());
}

TEST(AxisScale, Defaults) {
  AxisTestChart t;
  const TChartAxis& bottom = t.Chart.BottomAxis();
  EXPECT_TRUE(bottom.Horizontal());
  EXPECT_FALSE(bottom.OtherSide());
  EXPECT_TRUE(t.Chart.TopAxis().OtherSide());
  EXPECT_FALSE(t.Chart.LeftAxis().Horizontal());
  EXPECT_TRUE(t.Chart.RightAxis().OtherSide());
  EXPECT_EQ(t.Chart.TopAxis().ZPosition(), 100);
  EXPECT_EQ(t.Chart.RightAxis().ZPosition(), 100);
  EXPECT_EQ(t.Chart.DepthAxis().ZPosition(), 0);
  EXPECT_FALSE(t.Chart.DepthAxis().Visible());
  EXPECT_TRUE(t.Chart.DepthAxis().IsDepthAxis());
  EXPECT_EQ(bottom.AxisValuesFormat(), "#,##0.###");
  EXPECT_EQ(bottom.Axis().Width(), 2);
  EXPECT_EQ(bottom.Grid().Style(), psDot);
  EXPECT_EQ(bottom.Grid().Color(), clGray);
  EXPECT_FALSE(bottom.MinorGrid().Visible());
  EXPECT_EQ(bottom.AxisLineSize(), 7);
  EXPECT_EQ(bottom.FindTitle(), nullptr);
  EXPECT_EQ(t.Chart.LeftAxis().Title().Angle(), 90);
  EXPECT_EQ(t.Chart.RightAxis().Title().Angle(), 270);
  EXPECT_EQ(t.Chart.BottomAxis().Title().Angle(), 0);
}
