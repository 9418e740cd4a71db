#include "chart/axis/AxisSteps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace chart;

namespace {

std::vector<double> LabelValues(double minimum, double maximum, double step, bool roundFirst = true) {
  std::vector<double> values;
  ForEachLabelValue(minimum, maximum, step, roundFirst, [&](double v) { values.push_back(v); });
  return values;
}

TLabelStepQuery Query(double minimum, double maximum, int axisLength) {
  TLabelStepQuery q;
  q.WorkMinimum = minimum;
  q.WorkMaximum = maximum;
  q.AxisLength = axisLength;
  return q;
}

} // namespace

TEST(AxisSteps, NiceStepWalksOneTwoFive) {
  const std::vector<std::pair<double, double>> table = {{1, 2},     {1.5, 2},   {2, 5},   {3449.2, 5000},
                                                        {5, 10},    {9.99, 10}, {40, 50}, {50, 100},
                                                        {0.2, 0.5}, {0.05, 0.1}};
  for (auto [x, expected] : table)
    EXPECT_NEAR(NiceStep(x), expected, expected * 1e-12) << x;
  // The repeated scaling of small steps is kept, not cleaned up.
  EXPECT_EQ(NiceStep(0.2), 5 * 0.1);
  double step = 1;
  std::vector<double> walk;
  for (int i = 0; i < 6; ++i)
    walk.push_back(step = NiceStep(step));
  EXPECT_EQ(walk, (std::vector<double>{2, 5, 10, 20, 50, 100}));
  // Degenerate inputs end instead of recursing forever.
  EXPECT_EQ(NiceStep(std::numeric_limits<double>::infinity()), 1);
  EXPECT_EQ(NiceStep(0), 1);
  EXPECT_EQ(NiceStep(-3), 1);
  EXPECT_EQ(NiceStep(std::nan("")), 1);
  EXPECT_GT(NiceStep(1e-300), 0);
}

TEST(AxisSteps, SlotsAndNearlyEqual) {
  EXPECT_EQ(LabelSlots(800, 30, 10), 24); // 800 / (30 + 3)
  EXPECT_EQ(LabelSlots(250, 13, 10), 18); // 250 / (13 + 1)
  EXPECT_EQ(LabelSlots(250, 13, 0), 19);
  EXPECT_EQ(LabelSlots(0, 13, 10), 1);
  EXPECT_EQ(LabelSlots(250, 0, 10), 1);
  EXPECT_EQ(LabelSlots(5, 30, 10), 0); // shorter than half a label
  EXPECT_EQ(LabelSlots(800, 30, 2000000000), 0);
  EXPECT_TRUE(NearlyEqual(1, 1 + 1e-13));
  EXPECT_FALSE(NearlyEqual(1, 1 + 1e-11));
  EXPECT_TRUE(NearlyEqual(1e20, 1e20 + 1e7));
}

TEST(AxisSteps, StepForLabelsSearchesUpward) {
  TLabelStepQuery q = Query(0, 1000, 800);
  EXPECT_DOUBLE_EQ(StepForLabels(q, 0, 24), 50); // 40 -> 50
  EXPECT_DOUBLE_EQ(StepForLabels(q, 1, 24), 50); // 1, 2, 5, 10, 20, 50
  q = Query(-32768, 32767, 250);
  EXPECT_DOUBLE_EQ(StepForLabels(q, 0, 18), 5000); // 3449.2 -> 5000
  EXPECT_DOUBLE_EQ(StepForLabels(q, 1, 18), 5000);
  EXPECT_DOUBLE_EQ(StepForLabels(Query(0, 0, 250), 0, 18), 1);
  EXPECT_DOUBLE_EQ(StepForLabels(Query(0, 10, 250), 3, 18), 3); // a fixed increment that fits
  // Without separation the first estimate stands.
  q = Query(0, 1000, 800);
  q.LabelsSeparation = 0;
  EXPECT_DOUBLE_EQ(StepForLabels(q, 0, 24), 40);
  // A tiny range gets the smallest step, never 0.
  EXPECT_DOUBLE_EQ(StepForLabels(Query(0, 1e-20, 800), 0, 24), 1e-12);
}

TEST(AxisSteps, FewPointsNeverLabelBetweenPoints) {
  TLabelStepQuery q = Query(1, 5, 800);
  q.FewestXPoints = 5;
  EXPECT_DOUBLE_EQ(StepForLabels(q, 0, 24), 1);
  q.FewestXPoints = 100; // more points than labels: fractions allowed
  EXPECT_LT(StepForLabels(q, 0, 24), 1);
  EXPECT_EQ(LabelValues(1, 5, 1), (std::vector<double>{5, 4, 3, 2, 1}));
}

TEST(AxisSteps, CalcLabelStepUsesTheWidestEstimate) {
  std::vector<double> measured;
  auto thirtyPixels = [&](double v) {
    measured.push_back(v);
    return 30;
  };
  EXPECT_DOUBLE_EQ(CalcLabelStep(Query(0, 1000, 800), thirtyPixels), 50);
  // First pass: middle with decimals, high, low; second pass adds high - 1 and low + 1.
  EXPECT_EQ(measured, (std::vector<double>{62.5, 1000, 0, 62.5, 1000, 0, 999, 1}));

  auto thirteen = [](double) { return 13; };
  EXPECT_DOUBLE_EQ(CalcLabelStep(Query(-32768, 32767, 250), thirteen), 5000);
  // An axis shorter than half a label gets the smallest step, hence no labels at all.
  EXPECT_DOUBLE_EQ(CalcLabelStep(Query(0, 1000, 5), thirtyPixels), 1e-12);
  EXPECT_TRUE(LabelValues(0, 1000, 1e-12).empty());
  // Labels one pixel long: the step search alone decides.
  EXPECT_DOUBLE_EQ(CalcLabelStep(Query(0, 1000, 800), [](double) { return 1; }), 2);
  // A fixed increment is kept as it is, without the second pass.
  TLabelStepQuery fixed = Query(0, 1000, 800);
  fixed.Increment = 100;
  EXPECT_DOUBLE_EQ(CalcLabelStep(fixed, thirtyPixels), 100);
}

TEST(AxisSteps, LabelValuesRunFromTheTopDown) {
  const std::vector<double> sixteenBit = LabelValues(-32768, 32767, 5000);
  std::vector<double> expected;
  for (int v = 30000; v >= -30000; v -= 5000)
    expected.push_back(v);
  EXPECT_EQ(sixteenBit, expected);

  const std::vector<double> thousand = LabelValues(0, 1000, 50);
  ASSERT_EQ(thousand.size(), 21u);
  EXPECT_EQ(thousand.front(), 1000);
  EXPECT_EQ(thousand.back(), 0);

  // A range widened by margins still yields both data ends.
  const std::vector<double> widened = LabelValues(-0.25187969924812026, 1001.2518796992481, 50);
  EXPECT_EQ(widened.front(), 1000);
  EXPECT_EQ(widened.back(), 0);

  EXPECT_EQ(LabelValues(0, 0, 1), (std::vector<double>{0}));
  EXPECT_EQ(LabelValues(7, 7, 1), (std::vector<double>{7}));
  EXPECT_EQ(LabelValues(-1, 10, 3, false), (std::vector<double>{10, 7, 4, 1}));
}

TEST(AxisSteps, LabelValuesRefuseDegenerateWalks) {
  EXPECT_TRUE(LabelValues(0, 10000, 1).empty()); // 10000 steps
  EXPECT_EQ(LabelValues(0, 9999, 1).size(), 10000u);
  EXPECT_TRUE(LabelValues(0, 10, 0).empty());
  EXPECT_TRUE(LabelValues(0, 10, -1).empty());
  EXPECT_TRUE(LabelValues(10, 0, 1).empty());
  EXPECT_TRUE(LabelValues(0, std::numeric_limits<double>::infinity(), 1).empty());
  EXPECT_TRUE(LabelValues(0, 10, std::nan("")).empty());
  // A step lost in the magnitude of the values gives one label, not a hang.
  EXPECT_EQ(LabelValues(1e20, 1e20 + 1e6, 1e5).size(), 1u);
}
