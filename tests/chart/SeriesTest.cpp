#include "chart/Chart.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"
#include "tests/chart/FakeChartHost.h"

#include "tests/support/FailingPageMemory.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace chart {
namespace {

std::vector<double> Values(const TChartValueList& list) {
  std::vector<double> values;
  for (int i = 0; i < list.ValueCount(); ++i)
    values.push_back(list[i]);
  return values;
}

void AddPlain(TChartSeries& series, double x, double y) { series.AddPoint(x, y, "", DefaultSeriesColor); }

TEST(SeriesAddPoint, TheYValueFollowsWhereTheXValueLands) {
  TLineSeries series;
  for (double x : {1, 3, 5, 7})
    AddPlain(series, x, x * 10);
  EXPECT_EQ(series.AddPoint(5, -5, "", DefaultSeriesColor), 3);
  EXPECT_EQ(series.AddPoint(0, -1, "", DefaultSeriesColor), 0);
  EXPECT_EQ(Values(series.XValues()), (std::vector<double>{0, 1, 3, 5, 5, 7}));
  EXPECT_EQ(Values(series.YValues()), (std::vector<double>{-1, 10, 30, 50, -5, 70}));
  EXPECT_EQ(series.PointCount(), 6);
  EXPECT_EQ(series.SmallestX(), 0);
  EXPECT_EQ(series.LargestX(), 7);
}

TEST(SeriesAddPoint, PlainPointsStoreNoColoursOrLabels) {
  TFastLineSeries series;
  for (int i = 0; i < 5; ++i)
    AddPlain(series, i, i);
  EXPECT_TRUE(series.PointColors().empty());
  EXPECT_TRUE(series.PointLabels().empty());
  EXPECT_EQ(series.StoredColor(0), DefaultSeriesColor);
  EXPECT_EQ(series.StoredColor(4), DefaultSeriesColor);
}

// The first colour or label of a series pads for the points before it, so entry i stays point i
// even when later points land in the middle.
TEST(SeriesAddPoint, ColoursAndLabelsStayWithTheirPoints) {
  TLineSeries series;
  AddPlain(series, 1, 0);
  AddPlain(series, 3, 0);
  series.AddPoint(2, 0, "two", clRed);
  series.AddPoint(0, 0, "", DefaultSeriesColor);
  series.AddPoint(4, 0, "four", clBlue);
  EXPECT_EQ(series.PointColors(),
            (std::vector<TColor>{DefaultSeriesColor, DefaultSeriesColor, clRed, DefaultSeriesColor, clBlue}));
  EXPECT_EQ(series.PointLabels(), (std::vector<std::string>{"", "", "two", "", "four"}));
  EXPECT_EQ(series.StoredColor(2), clRed);
  EXPECT_EQ(series.StoredColor(9), DefaultSeriesColor);

  series.ClearPoints();
  EXPECT_TRUE(series.PointColors().empty());
  EXPECT_TRUE(series.PointLabels().empty());
}

TEST(SeriesAddPoint, EventsCanRefuseAndObserveEachPoint) {
  TFastLineSeries series;
  std::vector<int> added;
  series.SetOnBeforeAdd([](TChartSeries& sender) { return sender.XValues().PendingValue() >= 0; });
  series.SetOnAfterAdd([&](TChartSeries&, int index) { added.push_back(index); });
  EXPECT_EQ(series.AddPoint(-1, 1, "skipped", clRed), -1);
  EXPECT_EQ(series.AddPoint(2, 1, "", DefaultSeriesColor), 0);
  EXPECT_EQ(series.AddPoint(1, 1, "", DefaultSeriesColor), 0);
  EXPECT_EQ(added, (std::vector<int>{0, 0}));
  EXPECT_EQ(series.PointCount(), 2);
  EXPECT_TRUE(series.PointColors().empty());
}

// A series filled with AddPoints holds what one filled point by point holds: in-order runs go in
// whole, anything else (a point out of order, NaN, a stored label, a watching handler) point by
// point.
TEST(SeriesAddPoints, EndUpAsAddingEachPointWould) {
  const double nan = std::nan("");
  struct Case {
    const char* Name;
    std::vector<double> X, Y;
  };
  const std::vector<Case> cases = {
      {"in order", {1, 2, 3, 4, 5}, {0, -1, 40000, 0.5, 3}},
      {"equal X", {1, 1, 2, 2, 2}, {5, 4, 3, 2, 1}},
      {"out of order", {3, 1, 2, 7, 0}, {1, 2, 3, 4, 5}},
      {"NaN X", {1, nan, 2}, {1, 2, 3}},
  };
  for (const bool withLabel : {false, true})
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.Name) + (withLabel ? ", after a labelled point" : ""));
      TLineSeries one, run;
      for (TLineSeries* s : {&one, &run}) {
        s->AddPoint(0.5, 9, withLabel ? "label" : "", DefaultSeriesColor);
        AddPlain(*s, 0.75, 8);
      }
      for (std::size_t i = 0; i < c.X.size(); ++i)
        AddPlain(one, c.X[i], c.Y[i]);
      run.AddPoints(c.X, c.Y);
      for (int list = 0; list < 2; ++list) {
        const TChartValueList& a = one.ValueLists()[list];
        const TChartValueList& b = run.ValueLists()[list];
        ASSERT_EQ(a.ValueCount(), b.ValueCount());
        EXPECT_EQ(a.Form(), b.Form());
        EXPECT_EQ(a.Capacity(), b.Capacity());
        for (int i = 0; i < a.ValueCount(); ++i)
          EXPECT_EQ(std::bit_cast<std::uint64_t>(a[i]), std::bit_cast<std::uint64_t>(b[i])) << i;
      }
      EXPECT_EQ(run.PointLabels(), one.PointLabels());
    }
}

TEST(SeriesAddPoints, HandlersStillSeeEveryPoint) {
  TFastLineSeries series;
  std::vector<int> added;
  series.SetOnBeforeAdd([](TChartSeries& sender) { return sender.XValues().PendingValue() != 2; });
  series.SetOnAfterAdd([&](TChartSeries&, int index) { added.push_back(index); });
  series.AddPoints(std::vector<double>{1, 2, 3}, std::vector<double>{1, 1, 1});
  EXPECT_EQ(Values(series.XValues()), (std::vector<double>{1, 3}));
  EXPECT_EQ(added, (std::vector<int>{0, 1}));
  EXPECT_THROW(series.AddPoints(std::vector<double>{4}, std::vector<double>{}), std::invalid_argument);
}

TEST(SeriesAddPoints, AFailedRunKeepsTheListsPaired) {
  pages::test::TFailingPageMemory memory;
  TFastLineSeries series;
  series.YValues().SetValueMemory(memory);
  series.AddPoints(std::vector<double>{0, 1}, std::vector<double>{0, 0});
  memory.FailCommits = true;
  // The Y values break their sequence, which needs memory; the X values stay a sequence.
  EXPECT_THROW(series.AddPoints(std::vector<double>{2, 3, 4}, std::vector<double>{0, 0, 1}), std::bad_alloc);
  EXPECT_EQ(series.XValues().ValueCount(), 2);
  EXPECT_EQ(series.YValues().ValueCount(), 2);
  memory.FailCommits = false;
  series.AddPoints(std::vector<double>{2, 3, 4}, std::vector<double>{0, 0, 1});
  EXPECT_EQ(Values(series.XValues()), (std::vector<double>{0, 1, 2, 3, 4}));
  EXPECT_EQ(Values(series.YValues()), (std::vector<double>{0, 0, 0, 0, 1}));
}

TEST(SeriesClearPoints, EmptiesEverythingBeforeTellingAnyone) {
  TLineSeries series;
  for (int i = 0; i < 1500; ++i)
    AddPlain(series, i, -i);
  int countSeenByHandler = -1;
  series.SetOnClearValues([&](TChartSeries& sender) { countSeenByHandler = sender.PointCount(); });
  series.ClearPoints();
  EXPECT_EQ(countSeenByHandler, 0);
  EXPECT_EQ(series.PointCount(), 0);
  EXPECT_EQ(series.YValues().ValueCount(), 0);
  EXPECT_EQ(series.FirstVisible(), -1);
  EXPECT_EQ(series.LastVisible(), -1);
  EXPECT_EQ(series.XValues().Capacity(), 0);
  EXPECT_EQ(series.SmallestY(), 0);

  AddPlain(series, 1, 2);
  EXPECT_EQ(series.XValues().Capacity(), 1000);
  EXPECT_EQ(series.YValues().Capacity(), 1000);
  EXPECT_EQ(series.LargestY(), 2);
}

// A series that empties itself on its way out, as one owned by a chart that is going away may.
class TClearingSeries final : public TLineSeries {
public:
  ~TClearingSeries() override { ClearPoints(); }
};

TEST(SeriesClearPoints, AsksForARepaintUnlessTheChartIsBeingDestroyed) {
  testing::TFakeChartHost host(120, 80);
  int invalidations = 0;
  {
    TChart chart;
    auto owned = std::make_unique<TClearingSeries>();
    TClearingSeries& series = *owned;
    chart.AddSeries(std::move(owned));
    chart.SetHost(&host);
    chart.PaintMessage();
    AddPlain(series, 1, 2);
    chart.PaintMessage();
    invalidations = host.Invalidations;
    series.ClearPoints();
    EXPECT_EQ(host.Invalidations, invalidations + 1);
    chart.PaintMessage();
    invalidations = host.Invalidations;
  }
  EXPECT_EQ(host.Invalidations, invalidations) << "the dying chart asked its window for a paint";
}

// Every reader indexes X and Y with one point number, so a failed growth must not leave one
// list a point longer than the other.
TEST(SeriesAddPoint, AFailedGrowthOfTheYListKeepsTheListsPaired) {
  pages::test::TFailingPageMemory memory;
  TFastLineSeries series;
  series.YValues().SetValueMemory(memory);
  // Two values make a sequence, which needs no memory; the third one that breaks it does.
  AddPlain(series, 0, 0);
  AddPlain(series, 1, 0);
  memory.FailCommits = true;
  EXPECT_THROW(AddPlain(series, 2, 1), std::bad_alloc);
  EXPECT_EQ(series.XValues().ValueCount(), 2);
  EXPECT_EQ(series.YValues().ValueCount(), 2);

  // Plain points fit in pages already mapped until the Y list needs fresh ones.
  memory.FailCommits = false;
  AddPlain(series, 2, 1);
  memory.FailCommits = true;
  int count = 3;
  try {
    for (; count < 10'000'000; ++count)
      AddPlain(series, count, count % 2);
  } catch (const std::bad_alloc&) {
  }
  ASSERT_LT(count, 10'000'000);
  EXPECT_EQ(series.PointCount(), count);
  EXPECT_EQ(series.YValues().ValueCount(), count);
  EXPECT_THROW(series.AddPoint(count, 0, "label", clRed), std::bad_alloc);
  EXPECT_EQ(series.XValues().ValueCount(), count);
  EXPECT_EQ(series.YValues().ValueCount(), count);
  EXPECT_TRUE(series.PointColors().empty());
  EXPECT_TRUE(series.PointLabels().empty());

  memory.FailCommits = false;
  EXPECT_EQ(series.AddPoint(count, 5, "label", clRed), count);
  EXPECT_EQ(series.YValues().Last(), 5);
  EXPECT_EQ(series.PointLabels().back(), "label");
  EXPECT_EQ(series.PointColors().size(), std::size_t(count + 1));
}

// A NaN X value goes after the last value through the ordered walk, so every list must make
// room for an append, not for an insertion: a Y sequence that takes 0.1 before its one value
// but not after it would otherwise grow after the X list took the point.
TEST(SeriesAddPoint, APointThatTheWalkPutsLastKeepsTheListsPaired) {
  for (const TChartListOrder order : {loAscending, loDescending}) {
    SCOPED_TRACE(order == loAscending ? "ascending" : "descending");
    pages::test::TFailingPageMemory memory;
    TFastLineSeries series;
    series.XValues().SetOrder(order);
    series.YValues().SetValueMemory(memory);
    AddPlain(series, 1, 5);
    memory.FailCommits = true;
    EXPECT_THROW(AddPlain(series, std::nan(""), 0.1), std::bad_alloc);
    EXPECT_EQ(series.XValues().ValueCount(), 1);
    EXPECT_EQ(series.YValues().ValueCount(), 1);
    memory.FailCommits = false;
    EXPECT_EQ(series.AddPoint(std::nan(""), 0.1, "", DefaultSeriesColor), 1);
    EXPECT_EQ(Values(series.YValues()), (std::vector<double>{5, 0.1}));
  }
}

TEST(LineSeriesExtremes, NullPointsAreLeftOutUnlessTreatedAsValues) {
  TLineSeries series;
  EXPECT_EQ(series.TreatNulls(), tnDontPaint);
  EXPECT_EQ(series.LargestY(), 0);
  series.AddPoint(1, 5, "", DefaultSeriesColor);
  series.AddPoint(2, 100, "", clNone);
  series.AddPoint(3, -100, "", clNone);
  series.AddPoint(4, -3, "", clGreen);
  EXPECT_EQ(series.LargestY(), 5);
  EXPECT_EQ(series.SmallestY(), -3);
  series.SetTreatNulls(tnSkip);
  EXPECT_EQ(series.LargestY(), 5);
  series.SetTreatNulls(tnIgnore);
  EXPECT_EQ(series.LargestY(), 100);
  EXPECT_EQ(series.SmallestY(), -100);
}

TEST(LineSeriesExtremes, NoValueLeftGivesZeroAndAClNoneSeriesIsAllNulls) {
  TLineSeries series;
  series.AddPoint(1, 7, "", clNone);
  EXPECT_EQ(series.LargestY(), 0);
  EXPECT_EQ(series.SmallestY(), 0);

  TLineSeries plain;
  plain.AddPoint(1, 7, "", DefaultSeriesColor);
  plain.AddPoint(2, 9, "", DefaultSeriesColor);
  EXPECT_EQ(plain.LargestY(), 9);
  plain.SetSeriesColor(clNone);
  EXPECT_EQ(plain.LargestY(), 0);
  EXPECT_EQ(plain.PointColor(0), clNone);
}

// Of equal extremes (-0.0 and +0.0) the first met in index order counts, as in the plain pass,
// wherever the summary's blocks and levels put the two.
TEST(LineSeriesExtremes, OfEqualExtremesTheFirstInIndexOrderCounts) {
  struct TCase {
    int Count, At, Then;
  };
  for (const TCase& c : {TCase{300, 100, 200}, TCase{250, 100, 200}, TCase{70000, 5, 69990},
                         TCase{70000, 1100, 60000}, TCase{70000, 64 * 16 + 3, 64 * 16 * 16 + 70}})
    for (const double others : {1.0, -1.0})
      for (const double first : {-0.0, 0.0}) {
        SCOPED_TRACE(std::to_string(c.Count) + " values of " + std::to_string(others) + ", " +
                     (std::signbit(first) ? "-0" : "+0") + " at " + std::to_string(c.At));
        TLineSeries series;
        std::vector<double> x, y;
        for (int i = 0; i < c.Count; ++i) {
          x.push_back(i);
          y.push_back(i == c.At ? first : i == c.Then ? -first : others);
        }
        series.AddPoints(x, y);
        const double extreme = others > 0 ? series.SmallestY() : series.LargestY();
        EXPECT_EQ(std::signbit(extreme), std::signbit(first));
        EXPECT_EQ(extreme, 0);
      }
}

TEST(SeriesColour, PointColourFallsBackToTheEffectiveSeriesColour) {
  TLineSeries series;
  series.AddPoint(1, 1, "", DefaultSeriesColor);
  series.AddPoint(2, 1, "", clRed);
  EXPECT_EQ(series.SeriesColor(), DefaultSeriesColor);
  EXPECT_EQ(series.PointColor(1), clRed);
  series.SetSeriesColor(clBlue);
  EXPECT_EQ(series.Color(), clBlue);
  EXPECT_EQ(series.PointColor(0), clBlue);
  EXPECT_EQ(series.PointColor(1), clRed);
}

TEST(SeriesColour, TheFastLinePenFollowsTheSeriesColour) {
  TFastLineSeries series;
  EXPECT_EQ(series.TreatNulls(), tnIgnore);
  EXPECT_TRUE(series.AutoRepaint());
  series.SetSeriesColor(clRed);
  EXPECT_EQ(series.LinePen().Color(), clRed);

  TChartPen pen(clGreen);
  pen.SetWidth(3);
  series.SetLinePen(pen);
  EXPECT_EQ(series.SeriesColor(), clGreen);
  EXPECT_EQ(series.LinePen().Width(), 3);

  TLineSeries line;
  line.SetSeriesColor(clRed);
  EXPECT_EQ(line.LinePen().Color(), clBlack);
}

} // namespace
} // namespace chart
