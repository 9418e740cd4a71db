#include "chart/axis/AxisMapping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

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
    auto map = [&](const TAxisMapping& m, double x) { return m.ValueToPixel(x, fast); };
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
  EXPECT_EQ(m.ValueToPixel(1e300, true), TAxisMapping::MaxPixel);
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
    ASSERT_EQ(m.ValueToPixel(x), m.ValueToPixel(x, true)) << x;
}

// The mapping rounds a double product and falls back to the extended one only near halves; the
// result must equal rounding the extended product every time.
TEST(AxisMapping, DoubleShortcutRoundsLikeTheExtendedProduct) {
  std::mt19937_64 random(12345);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int trial = 0; trial < 2000; ++trial) {
    const double minimum = (unit(random) - 0.5) * std::pow(10, int(unit(random) * 12) - 4);
    const double range = std::pow(10, int(unit(random) * 14) - 6) * (0.5 + unit(random));
    const int start = int(unit(random) * 100);
    const int end = start + 1 + int(unit(random) * 2000);
    const bool horizontal = trial % 2 == 0;
    const TAxisMapping m = Mapping(horizontal, minimum, minimum + range, start, end);
    const long double scale = horizontal ? m.PixelsPerUnit : -m.PixelsPerUnit;
    const long double base = horizontal ? start : end;
    for (int i = 0; i < 50; ++i) {
      // Values on exact pixel halves as well as arbitrary ones.
      const double pixel =
          i % 2 ? std::floor(unit(random) * (end - start)) + 0.5 : unit(random) * (end - start);
      const double value = minimum + pixel / m.PixelsPerUnit;
      const long double d = (static_cast<long double>(value) - minimum) * scale;
      ASSERT_EQ(m.ValueToPixel(value), int(base + std::nearbyint(double(d)))) << trial;
      ASSERT_EQ(m.ValueToPixel(value, true), int(base + std::nearbyint(d))) << trial;
    }
  }
}
