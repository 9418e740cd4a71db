#include "AxisTestChart.h"

#include <gtest/gtest.h>

using namespace chart;
using axistest::AxisTestChart;

namespace {

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
  // A fixed range survives the next paint, while an automatic axis reads back its data's ends.
  t.AddRamp(1, 10, 0, 1000);
  t.SetPlotRect(0, 0, 100, 100);
  t.Plan(axis);
  EXPECT_EQ(axis.Minimum(), 7);
  TChartAxis& bottom = t.Chart.BottomAxis();
  t.Plan(bottom);
  EXPECT_EQ(bottom.Minimum(), 1);
  EXPECT_EQ(bottom.Maximum(), 10);
}

TEST(AxisScale, ShiftRangeWithAndWithoutLimits) {
  AxisTestChart t;
  t.AddRamp(0, 100, 0, 1);
  TChartAxis& bottom = t.Chart.BottomAxis();
  t.SetPlotRect(0, 0, 100, 100);
  t.Plan(bottom);           // the limits are the data of the last paint
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
  EXPECT_EQ(axis.Minimum(), 0);
  EXPECT_EQ(axis.Maximum(), 0);
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
  EXPECT_TRUE(t.Chart.DepthAxis().IsDepthAxis());
  EXPECT_EQ(bottom.Axis().Width(), 2);
  EXPECT_EQ(bottom.Grid().Style(), psDot);
  EXPECT_EQ(bottom.Grid().Color(), clGray);
  EXPECT_EQ(bottom.Settings().LineSize, 7);
}
