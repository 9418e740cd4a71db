// What the panel hands each axis about its series: the active ones win, inactive ones only count
// while no active one is attached, and series on other axes never count.
#include "AxisTestChart.h"

#include <gtest/gtest.h>

#include <limits>

using namespace chart;
using axistest::AxisTestChart;

namespace {

constexpr std::int64_t NoLimit = std::numeric_limits<std::int64_t>::max();

TEST(AxisSeriesData, ActiveSeriesGiveTheRangeAndInactiveOnesOnlyWithoutThem) {
  AxisTestChart t;
  t.AddRamp(1, 10, 2, 4);                    // 10 points
  t.AddRamp(-5, 50, -7, 9).SetActive(false); // wider, but inactive
  t.AddEmpty();
  const TAxisSeriesData bottom = t.Chart.SeriesDataOf(t.Chart.BottomAxis());
  EXPECT_TRUE(bottom.HasActiveSeries);
  EXPECT_EQ(bottom.Minimum, 1);
  EXPECT_EQ(bottom.Maximum, 10);
  EXPECT_EQ(bottom.FewestXPoints, 0); // the empty series is active too
  const TAxisSeriesData left = t.Chart.SeriesDataOf(t.Chart.LeftAxis());
  EXPECT_EQ(left.Minimum, 2);
  EXPECT_EQ(left.Maximum, 4);
  EXPECT_EQ(left.FewestXPoints, NoLimit); // only horizontal axes count points

  for (int i = 0; i < t.Chart.SeriesCount(); ++i)
    t.Chart.Series(i).SetActive(false);
  const TAxisSeriesData none = t.Chart.SeriesDataOf(t.Chart.BottomAxis());
  EXPECT_FALSE(none.HasActiveSeries);
  EXPECT_EQ(none.Minimum, -5);
  EXPECT_EQ(none.Maximum, 50);
  EXPECT_EQ(none.FewestXPoints, NoLimit);
}

TEST(AxisSeriesData, SeriesOnOtherAxesAndAxesWithoutPointsGiveNothing) {
  AxisTestChart t;
  t.AddEmpty();
  EXPECT_EQ(t.Chart.SeriesDataOf(t.Chart.LeftAxis()).Maximum, 0);
  t.AddRamp(3, 6, 1, 2).SetVertAxis(aRightAxis);
  const TAxisSeriesData left = t.Chart.SeriesDataOf(t.Chart.LeftAxis());
  EXPECT_TRUE(left.HasActiveSeries); // the empty series
  EXPECT_EQ(left.Minimum, 0);
  EXPECT_EQ(left.Maximum, 0);
  const TAxisSeriesData right = t.Chart.SeriesDataOf(t.Chart.RightAxis());
  EXPECT_EQ(right.Minimum, 1);
  EXPECT_EQ(right.Maximum, 2);
  EXPECT_FALSE(t.Chart.SeriesDataOf(t.Chart.TopAxis()).HasActiveSeries);
  EXPECT_EQ(t.Chart.SeriesDataOf(t.Chart.DepthAxis()).Maximum, 0);
}

TEST(AxisSeriesData, MarginsAreTheLargestWishOfTheActiveSeries) {
  AxisTestChart t;
  t.AddRamp(0, 5, 0, 1, 3);
  t.AddRamp(0, 5, 0, 1, 7);
  t.AddRamp(0, 5, 0, 1, 20).SetActive(false);
  const TAxisSeriesMargins margins = t.Chart.SeriesMarginsOf(t.Chart.BottomAxis());
  EXPECT_EQ(margins.First, 7);
  EXPECT_EQ(margins.Second, 7);
  const TAxisSeriesMargins top = t.Chart.SeriesMarginsOf(t.Chart.TopAxis());
  EXPECT_EQ(top.First, 0);
  EXPECT_EQ(top.Second, 0);
}

} // namespace
