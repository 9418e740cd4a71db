#include "chart/values/ChartValueList.h"

#include "tests/support/FailingPageMemory.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>
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

std::vector<int> AddAll(TChartValueList& list, std::initializer_list<double> values) {
  std::vector<int> indices;
  for (double v : values)
    indices.push_back(list.AddOrdered(v));
  return indices;
}

TEST(ChartValueListOrder, AscendingAppendsInOrderAndInsertsAfterEqualValues) {
  TChartValueList list("X");
  list.SetOrder(loAscending);
  EXPECT_EQ(AddAll(list, {1, 2, 3}), (std::vector<int>{0, 1, 2}));

  TChartValueList odd("X");
  odd.SetOrder(loAscending);
  AddAll(odd, {1, 3, 5, 7});
  EXPECT_EQ(odd.AddOrdered(5), 3);
  EXPECT_EQ(odd.AddOrdered(0), 0);
  EXPECT_EQ(odd.AddOrdered(9), 6);
  EXPECT_EQ(Values(odd), (std::vector<double>{0, 1, 3, 5, 5, 7, 9}));
}

TEST(ChartValueListOrder, DescendingMirrorsAscending) {
  TChartValueList list("X");
  list.SetOrder(loDescending);
  EXPECT_EQ(AddAll(list, {7, 5, 3, 1}), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(list.AddOrdered(5), 2);
  EXPECT_EQ(list.AddOrdered(8), 0);
  EXPECT_EQ(list.AddOrdered(0), 6);
  EXPECT_EQ(Values(list), (std::vector<double>{8, 7, 5, 5, 3, 1, 0}));
}

TEST(ChartValueListOrder, NoneKeepsArrivalOrder) {
  TChartValueList list("Y");
  EXPECT_EQ(AddAll(list, {5, -1, 9, 0}), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(Values(list), (std::vector<double>{5, -1, 9, 0}));
  EXPECT_EQ(list.First(), 5);
  EXPECT_EQ(list.Last(), 0);
}

TEST(ChartValueListEdit, InsertAndDeleteShiftTheRestAndRejectBadIndices) {
  TChartValueList list("Y");
  AddAll(list, {1, 2, 3});
  list.InsertValueAt(0, 10);
  list.InsertValueAt(2, 20);
  list.InsertValueAt(5, 30);
  EXPECT_EQ(Values(list), (std::vector<double>{10, 1, 20, 2, 3, 30}));
  list.DeleteValueAt(1);
  list.DeleteValueAt(4);
  EXPECT_EQ(Values(list), (std::vector<double>{10, 20, 2, 3}));

  EXPECT_THROW(list.InsertValueAt(5, 0), std::out_of_range);
  EXPECT_THROW(list.InsertValueAt(-1, 0), std::out_of_range);
  EXPECT_THROW(list.DeleteValueAt(4), std::out_of_range);
  EXPECT_EQ(Values(list), (std::vector<double>{10, 20, 2, 3}));
}

TEST(ChartValueListStats, ComputedLazilyFromTheValues) {
  TChartValueList list("Y");
  EXPECT_TRUE(list.StatsStale());
  EXPECT_EQ(list.ListMinimum(), 0);
  EXPECT_EQ(list.ListMaximum(), 0);
  EXPECT_EQ(list.ListTotal(), 0);
  EXPECT_EQ(list.ListAbsTotal(), 0);
  EXPECT_FALSE(list.StatsStale());

  AddAll(list, {3, -2, 7});
  EXPECT_TRUE(list.StatsStale());
  EXPECT_EQ(list.ListMinimum(), -2);
  EXPECT_EQ(list.ListMaximum(), 7);
  EXPECT_EQ(list.ListTotal(), 8);
  EXPECT_EQ(list.ListAbsTotal(), 12);
  EXPECT_EQ(list.Range(), 9);

  list.DeleteValueAt(2);
  EXPECT_EQ(list.ListMaximum(), 3);
  list.RemoveAllValues();
  EXPECT_EQ(list.ListMinimum(), 0);
  EXPECT_EQ(list.ListAbsTotal(), 0);
}

TEST(ChartValueListCapacity, GrowsInStepsOfAThousandAndStartsAfreshAfterClearing) {
  pages::test::TFailingPageMemory memory;
  TChartValueList list("X");
  list.SetValueMemory(memory);
  EXPECT_EQ(list.Capacity(), 0);
  list.AddOrdered(0);
  EXPECT_EQ(list.Capacity(), 1000);
  for (int i = 1; i < 1000; ++i)
    list.AddOrdered(i % 7);
  EXPECT_EQ(list.Capacity(), 1000);
  list.AddOrdered(1000);
  EXPECT_EQ(list.Capacity(), 2000);

  list.RemoveAllValues();
  EXPECT_EQ(list.Capacity(), 0);
  list.AddOrdered(1);
  list.AddOrdered(5);
  list.AddOrdered(2);
  EXPECT_EQ(list.Capacity(), 1000);
  // The pages of the first fill are reused, not given back and faulted in again.
  EXPECT_EQ(memory.Reservations, 1);
  EXPECT_EQ(memory.Releases, 0);
}

// Growing moves pages instead of copying values, so a long load stays linear; the number of
// moves stays logarithmic in the length.
TEST(ChartValueListCapacity, LongListsKeepTheirValuesAndGrowInFewMoves) {
  pages::test::TFailingPageMemory memory;
  TChartValueList list("X");
  list.SetValueMemory(memory);
  list.SetOrder(loAscending);
  const int count = 3'000'000;
  for (int i = 0; i < count; ++i)
    list.AddOrdered(i + (i == 1 ? 0.5 : 0));
  EXPECT_EQ(list.Form(), vfDouble);
  EXPECT_EQ(list.Capacity(), 3'000'000);
  EXPECT_EQ(list.Last(), count - 1);
  EXPECT_EQ(list.ListTotal(), double(count) * (count - 1) / 2 + 0.5);
  EXPECT_EQ(memory.Reservations, 1);
  EXPECT_LE(memory.Remaps, 5);
}

TEST(ChartValueListCapacity, AFailedGrowthLeavesTheListAsItWas) {
  pages::test::TFailingPageMemory memory;
  TChartValueList list("Y");
  list.SetValueMemory(memory);
  memory.FailCommits = true;
  // A sequence needs no memory; the value that breaks it does.
  AddAll(list, {1, 2});
  EXPECT_THROW(list.AddOrdered(4), std::bad_alloc);
  EXPECT_EQ(Values(list), (std::vector<double>{1, 2}));
  EXPECT_EQ(list.Capacity(), 1000);

  memory.FailCommits = false;
  list.AddOrdered(4);
  EXPECT_EQ(Values(list), (std::vector<double>{1, 2, 4}));
  EXPECT_THROW(list.SetValueMemory(pages::SystemPageMemory()), std::logic_error);
}

// The count is a signed 32-bit number and the array grows in steps of 1000, so a list holds at
// most 2,147,483,000 values, single values and runs alike; a refused run changes nothing. A
// sequence needs no memory, so a list reaches the limit without being filled.
TEST(ChartValueListCapacity, OneTrulyStatedLimitForSingleValuesAndRuns) {
  const int limit = TChartValueList::MaxValueCount;
  EXPECT_EQ(limit, 2'147'483'000);
  const auto run = [](int from, int length) {
    std::vector<double> values;
    for (int i = 0; i < length; ++i)
      values.push_back(double(from + i));
    return values;
  };
  const auto expectRefused = [&](TChartValueList& list, const std::vector<double>& values) {
    const int count = list.ValueCount();
    const int capacity = list.Capacity();
    const std::uint64_t stamp = list.ChangeStamp();
    try {
      if (values.size() == 1)
        list.AddOrdered(values[0]);
      else
        list.AppendValues(values);
      ADD_FAILURE() << values.size() << " values taken after " << count;
    } catch (const std::length_error& error) {
      EXPECT_EQ(std::string(error.what()), "A value list cannot hold more than 2147483000 values");
    }
    EXPECT_EQ(list.ValueCount(), count);
    EXPECT_EQ(list.Capacity(), capacity);
    EXPECT_EQ(list.ChangeStamp(), stamp);
  };
  struct TCase {
    int Count;
    int Fits;
  };
  for (const TCase& c : {TCase{2'146'435'072, 1'047'928}, TCase{limit - 3, 3}, TCase{limit - 1, 1}}) {
    SCOPED_TRACE(std::to_string(c.Count) + " values");
    TChartValueList list("X");
    list.SetSequence(0, 1, c.Count);
    expectRefused(list, run(c.Count, c.Fits + 1));
    if (c.Fits > 1)
      list.AppendValues(run(c.Count, c.Fits));
    else
      list.AddOrdered(c.Count);
    EXPECT_EQ(list.ValueCount(), limit);
    EXPECT_EQ(list.Capacity(), limit);
    EXPECT_EQ(list.Last(), limit - 1);
    expectRefused(list, run(limit, 1));
    expectRefused(list, run(limit, 2));
  }
}

} // namespace
} // namespace chart
