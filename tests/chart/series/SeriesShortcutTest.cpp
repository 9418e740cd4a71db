// The column shortcut and its summary against the straightforward per-point drawing.
#include "chart/series/ColumnLineDrawer.h"
#include "chart/values/ChartValueList.h"
#include "chart/values/ValueSummary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <utility>
#include <vector>

namespace chart {
namespace {

// A small Bresenham raster with an excluded end pixel and a clip box: the rules the shortcut
// relies on, independent of the chart's own surface.
class TPixelRecorder {
public:
  TPixelRecorder(int left, int top, int right, int bottom)
      : FLeft(left), FTop(top), FRight(right), FBottom(bottom) {}

  void MoveTo(int x, int y) {
    FX = x;
    FY = y;
  }
  void LineTo(int x, int y) {
    int dx = std::abs(x - FX), dy = -std::abs(y - FY);
    int sx = FX < x ? 1 : -1, sy = FY < y ? 1 : -1;
    int err = dx + dy, px = FX, py = FY;
    while (px != x || py != y) {
      if (px >= FLeft && px < FRight && py >= FTop && py < FBottom)
        Pixels.insert({px, py});
      const int e2 = 2 * err;
      if (e2 >= dy) {
        err += dy;
        px += sx;
      }
      if (e2 <= dx) {
        err += dx;
        py += sy;
      }
    }
    FX = x;
    FY = y;
    ++Calls;
  }

  std::set<std::pair<int, int>> Pixels;
  int Calls = 0;

private:
  int FLeft, FTop, FRight, FBottom;
  int FX = 0, FY = 0;
};

// Points with monotonic x pixels and y pixels from values through a falling linear map, as a
// vertical axis places them.
struct TTestPoints {
  std::vector<int> X;
  std::vector<double> Values;
  TValueSummary Summary;
  double Scale = 1;

  int XPixel(int i) const { return X[std::size_t(i)]; }
  int PixelOf(double v) const { return int(std::nearbyint(100 - v * Scale)); }
  int YPixel(int i) const { return PixelOf(Values[std::size_t(i)]); }
  void YPixelSpan(int first, int last, int& top, int& bottom) const {
    double lowest = 0, highest = 0;
    Summary.MinMax(first, last, lowest, highest);
    top = PixelOf(highest);
    bottom = PixelOf(lowest);
  }
};

TTestPoints RandomPoints(std::mt19937& random, int count, int maxPerColumn, double amplitude) {
  TTestPoints points;
  std::uniform_int_distribution<int> perColumn(1, maxPerColumn);
  std::normal_distribution<double> noise(0, amplitude);
  int column = -3;
  double walk = 0;
  while (int(points.X.size()) < count) {
    const int run = perColumn(random);
    for (int k = 0; k < run && int(points.X.size()) < count; ++k) {
      points.X.push_back(column);
      walk = 0.7 * walk + noise(random);
      points.Values.push_back(std::round(walk));
    }
    column += random() % 7 == 0 ? 2 + int(random() % 5) : 1;
  }
  points.Summary.Update(points.Values.data(), count, 1);
  return points;
}

void ExpectSamePixels(const TTestPoints& points, int start, int last) {
  TPixelRecorder plain(0, 0, 120, 200), quick(0, 0, 120, 200);
  plain.MoveTo(points.XPixel(start), points.YPixel(start));
  int penX = points.XPixel(start), penY = points.YPixel(start);
  for (int i = start + 1; i <= last; ++i) {
    if (points.XPixel(i) == penX && points.YPixel(i) == penY)
      continue;
    penX = points.XPixel(i);
    penY = points.YPixel(i);
    plain.LineTo(penX, penY);
  }
  quick.MoveTo(points.XPixel(start), points.YPixel(start));
  TColumnLineDrawer<TTestPoints, TPixelRecorder>(points, quick).Draw(start, last);
  ASSERT_EQ(plain.Pixels, quick.Pixels) << "start " << start << " last " << last;
  EXPECT_LE(quick.Calls, plain.Calls);
}

TEST(ValueSummary, MinMaxMatchesAPassOverEveryRange) {
  std::mt19937 random(7);
  for (int count : {1, 63, 64, 65, 1000, 5000, 70000}) {
    std::vector<double> values(static_cast<std::size_t>(count));
    for (double& v : values)
      v = double(int(random() % 20001) - 10000);
    TValueSummary summary;
    summary.Update(values.data(), count, 1);
    EXPECT_TRUE(summary.AllFinite());
    for (int trial = 0; trial < 300; ++trial) {
      int a = int(random() % unsigned(count)), b = int(random() % unsigned(count));
      if (a > b)
        std::swap(a, b);
      double lowest = 0, highest = 0;
      summary.MinMax(a, b, lowest, highest);
      const auto [lo, hi] = std::minmax_element(values.begin() + a, values.begin() + b + 1);
      ASSERT_EQ(lowest, *lo) << count << ": " << a << ".." << b;
      ASSERT_EQ(highest, *hi) << count << ": " << a << ".." << b;
    }
  }
}

TEST(ValueSummary, TracksOrderFinitenessAndChanges) {
  std::vector<double> values{1, 2, 2, 5};
  TValueSummary summary;
  summary.Update(values.data(), 4, 1, false);
  EXPECT_TRUE(summary.Ascending());
  EXPECT_TRUE(summary.Describes(values.data(), 4, 1));
  EXPECT_FALSE(summary.Describes(values.data(), 4, 2));

  values[2] = 0;
  summary.Update(values.data(), 4, 2);
  EXPECT_FALSE(summary.Ascending());
  double lowest = 0, highest = 0;
  summary.MinMax(0, 3, lowest, highest);
  EXPECT_EQ(lowest, 0);
  EXPECT_EQ(highest, 5);

  values[1] = std::nan("");
  summary.Update(values.data(), 4, 3);
  EXPECT_FALSE(summary.AllFinite());
  EXPECT_FALSE(summary.Ascending());
  values[1] = INFINITY;
  summary.Update(values.data(), 4, 4);
  EXPECT_FALSE(summary.AllFinite());
}

// The order and finiteness a sequence reports are those of its values stored as doubles, also
// where it runs into infinity or its step vanishes in the rounding of a large start.
TEST(ValueSummary, ASequenceReportsTheFlagsOfItsValues) {
  struct TCase {
    double First, Step;
    int Count;
  };
  for (const TCase& c :
       {TCase{0, 1e308, 3}, TCase{0, -1e308, 3}, TCase{-1e300, -1e305, 5000}, TCase{1e300, -1, 100},
        TCase{1e300, 1, 100}, TCase{5, -1, 1}, TCase{0.5, 0.25, 70000}, TCase{7, -3, 70000}}) {
    SCOPED_TRACE(::testing::PrintToString(c.First) + " step " + ::testing::PrintToString(c.Step));
    TChartValueList list("X");
    list.SetSequence(c.First, c.Step, c.Count);
    ASSERT_EQ(list.Form(), vfSequence);
    std::vector<double> values;
    for (int i = 0; i < c.Count; ++i)
      values.push_back(list[i]);
    TValueSummary plain;
    plain.Update(values.data(), c.Count, 1);
    const TValueSummary& summary = list.Summary(true);
    EXPECT_EQ(summary.AllFinite(), plain.AllFinite());
    EXPECT_EQ(summary.Ascending(), plain.Ascending());
    if (!plain.AllFinite())
      continue;
    double lowest = 0, highest = 0, plainLowest = 0, plainHighest = 0;
    summary.MinMax(0, c.Count - 1, lowest, highest);
    plain.MinMax(0, c.Count - 1, plainLowest, plainHighest);
    EXPECT_EQ(lowest, plainLowest);
    EXPECT_EQ(highest, plainHighest);
  }
}

TEST(ColumnLineDrawer, SamePixelsAsPointByPointOnRandomLines) {
  std::mt19937 random(11);
  for (int trial = 0; trial < 400; ++trial) {
    const int maxPerColumn = 1 + int(random() % 300);
    const double amplitude = trial % 3 == 0 ? 3 : (trial % 3 == 1 ? 30 : 400);
    TTestPoints points = RandomPoints(random, 200 + int(random() % 4000), maxPerColumn, amplitude);
    points.Scale = trial % 4 == 0 ? 0.05 : 1;
    const int count = int(points.X.size());
    ExpectSamePixels(points, 0, count - 1);
    const int start = int(random() % unsigned(count));
    ExpectSamePixels(points, start, start + int(random() % unsigned(count - start)));
  }
}

TEST(ColumnLineDrawer, SamePixelsOnFlatStretchesAndSinglePoints) {
  TTestPoints points;
  for (int i = 0; i < 500; ++i) {
    points.X.push_back(i / 100);
    points.Values.push_back(i < 150 ? 7 : (i < 420 ? double(i % 3) : 4));
  }
  points.Summary.Update(points.Values.data(), 500, 1);
  for (int last : {0, 1, 99, 100, 149, 150, 151, 419, 420, 499})
    ExpectSamePixels(points, 0, last);
  ExpectSamePixels(points, 250, 250);
}

} // namespace
} // namespace chart
