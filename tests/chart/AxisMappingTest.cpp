#include "chart/AxisMapping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using chart::TAxisMapping;

namespace {

TAxisMapping Mapping(bool horizontal, double minimum, double maximum, int start, int end,
                     bool inverted = false) {
  TAxisMapping m;
  m.SetDirection(horizontal, inverted);
  m.SetPixels(start, end);
  m.SetRange(minimum, maximum);
  return m;
}

} // namespace

TEST(AxisMapping, HorizontalGrowsRightVerticalGrowsUp) {
  const TAxisMapping h = Mapping(true, 0, 100, 40, 840);
  EXPECT_EQ(h.ValueToPixel(0), 40);
  EXPECT_EQ(h.ValueToPixel(100), 840);
  EXPECT_EQ(h.ValueToPixel(50), 440);
  EXPECT_EQ(h.ValueToPixel(-10), -40); // not clamped to the axis

  const TAxisMapping v = Mapping(false, -100, 100, 20, 270);
  EXPECT_EQ(v.ValueToPixel(100), 20);
  EXPECT_EQ(v.ValueToPixel(-100), 270);
  EXPECT_EQ(v.ValueToPixel(0), 145);
  EXPECT_DOUBLE_EQ(v.PixelToValue(20), 100);
  EXPECT_DOUBLE_EQ(v.PixelToValue(270), -100);
  EXPECT_DOUBLE_EQ(h.PixelToValue(440), 50);
}

TEST(AxisMapping, InvertedAxesSwapTheirEnds) {
  const TAxisMapping h = Mapping(true, 0, 10, 0, 100, true);
  EXPECT_EQ(h.ValueToPixel(0), 100);
  EXPECT_EQ(h.ValueToPixel(10), 0);
  EXPECT_DOUBLE_EQ(h.PixelToValue(30), 7);
  const TAxisMapping v = Mapping(false, 0, 10, 0, 100, true);
  EXPECT_EQ(v.ValueToPixel(0), 0);
  EXPECT_EQ(v.ValueToPixel(7), 70);
  EXPECT_DOUBLE_EQ(v.PixelToValue(30), 3);
}

TEST(AxisMapping, HalvesRoundToTheEvenPixelInBothVariants) {
  const TAxisMapping h = Mapping(true, 0, 10, 100, 110); // one pixel per unit
  const TAxisMapping v = Mapping(false, 0, 10, 100, 110);
  for (bool fast : {false, true}) {
    auto map = [&](const TAxisMapping& m, double x) {
      return fast ? m.ValueToPixelFast(x) : m.ValueToPixel(x);
    };
    EXPECT_EQ(map(h, 2.5), 102);
    EXPECT_EQ(map(h, 3.5), 104);
    EXPECT_EQ(map(h, -2.5), 98);
    EXPECT_EQ(map(v, 2.5), 108);
    EXPECT_EQ(map(v, 3.5), 106);
  }
}

TEST(AxisMapping, ZeroRangeAndZeroLength) {
  const TAxisMapping m = Mapping(false, 7, 7, 21, 270);
  EXPECT_TRUE(m.RangeIsZero);
  EXPECT_EQ(m.PixelsPerUnit, 0);
  EXPECT_EQ(m.CenterPixel, 145);
  for (double x : {7.0, -1e300, 1e300, 0.0})
    EXPECT_EQ(m.ValueToPixel(x), 145) << x;

  const TAxisMapping flat = Mapping(true, 0, 10, 50, 50);
  EXPECT_EQ(flat.PixelToValue(50), 0);
  EXPECT_EQ(flat.PixelToValue(-3), 0);
  // CenterPixel truncates toward zero.
  EXPECT_EQ(Mapping(true, 0, 1, -5, 0).CenterPixel, -2);
}

TEST(AxisMapping, FarValuesSaturateInsteadOfWrapping) {
  const TAxisMapping m = Mapping(true, 0, 1e-6, 0, 800); // a deep zoom
  EXPECT_EQ(m.ValueToPixel(1e6), TAxisMapping::MaxPixel);
  EXPECT_EQ(m.ValueToPixel(-1e6), -TAxisMapping::MaxPixel);
  EXPECT_EQ(m.ValueToPixelFast(1e300), TAxisMapping::MaxPixel);
  EXPECT_EQ(m.ValueToPixel(-std::numeric_limits<double>::infinity()), -TAxisMapping::MaxPixel);
  const int nan = m.ValueToPixel(std::nan(""));
  EXPECT_LE(std::abs(nan), TAxisMapping::MaxPixel);
  const TAxisMapping v = Mapping(false, 0, 1e-6, 0, 800);
  EXPECT_EQ(v.ValueToPixel(1e6), -TAxisMapping::MaxPixel);
  // Just inside the limit still maps exactly.
  EXPECT_EQ(Mapping(true, 0, 1, 0, 1000).ValueToPixel(1000000), 1000000000);
}

TEST(AxisMapping, FastAndNormalAgreeOnOrdinaryValues) {
  const TAxisMapping m = Mapping(true, -0.25187969924812026, 1001.2518796992481, 40, 840);
  for (int x = -50; x < 1100; ++x)
    ASSERT_EQ(m.ValueToPixel(x), m.ValueToPixelFast(x)) << x;
}
