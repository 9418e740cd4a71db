#include "chart/values/ChartValueList.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <utility>

namespace chart {

TChartValueList::TChartValueList(std::string name) : FName(std::move(name)) {}

void TChartValueList::Changed() {
  if (FOnChange)
    FOnChange();
}

// The walk from the end puts the new value after every equal one, and a NaN, which no value
// exceeds, last.
int TChartValueList::PendingIndex() const {
  if (PendingGoesLast())
    return FValueCount;
  const double pending = FPendingValue;
  int index = FValueCount - 1;
  if (FOrder == loAscending) {
    while (index >= 0 && Value(index) > pending)
      --index;
  } else {
    while (index >= 0 && Value(index) < pending)
      --index;
  }
  return index + 1;
}

int TChartValueList::InsertPendingInside() {
  const int index = PendingIndex();
  StoreAt(index, FPendingValue);
  return index;
}

// A full array grows by a step, but no further than the most values a list holds.
void TChartValueList::Reshape(double value, bool append) {
  const std::size_t count = std::size_t(FValueCount);
  std::size_t length = FValueArray.Length();
  if (length <= count) {
    TChartValues::CheckLength(count + 1);
    length = std::min(length + ValueCapacityStep, TChartValues::MaxLength);
  }
  const TValueForm form =
      FValueArray.Holds(count, append, value) ? FValueArray.Form() : FValueArray.WidenedFor(count, value);
  ReshapeArray(length, form);
}

void TChartValueList::ReshapeArray(std::size_t length, TValueForm form) {
  FValueArray.Reshape(length, form, std::size_t(FValueCount));
  Restamp();
}

void TChartValueList::StoreAt(int index, double value) {
  if (index == FValueCount) {
    StoreLast(value);
    return;
  }
  MakeRoomFor(value, false);
  FValueArray.Insert(std::size_t(FValueCount), std::size_t(index), value);
  ++FValueCount;
  ValuesChanged();
}

void TChartValueList::AppendValues(std::span<const double> values) {
  TChartValues::CheckLength(std::size_t(FValueCount) + values.size());
  const int oldCount = FValueCount;
  const int oldCapacity = Capacity();
  try {
    while (!values.empty()) {
      const std::size_t count = std::size_t(FValueCount);
      MakeRoomFor(values.front(), true);
      const std::size_t taken = FValueArray.AppendRun(count, values);
      FValueCount += int(taken);
      values = values.subspan(taken);
    }
  } catch (...) {
    TakeBack(oldCount, oldCapacity);
    throw;
  }
  ValuesChanged();
}

bool TChartValueList::AppendKeepsOrder(std::span<const double> values) const {
  if (values.empty())
    return true;
  double previous = FValueCount > 0 ? Last() : values.front();
  for (double value : values) {
    if (!MayFollow(previous, value))
      return false;
    previous = value;
  }
  return true;
}

void TChartValueList::CheckPosition(int index) const {
  if (index < 0 || index > FValueCount)
    throw std::out_of_range("Value list " + FName + ": no position " + std::to_string(index));
}

void TChartValueList::TakeBack(int count, int capacity) {
  CheckPosition(count);
  FValueCount = count;
  FValueArray.CutBack(std::size_t(count), std::size_t(std::max(capacity, count)));
  ValuesChanged();
}

int TChartValueList::AddOrdered(double value) {
  FPendingValue = value;
  return InsertPending();
}

void TChartValueList::InsertValueAt(int index, double value) {
  CheckPosition(index);
  if (index == FValueCount)
    StoreLast(value);
  else
    StoreAt(index, value);
}

void TChartValueList::DeleteValueAt(int index) {
  if (index < 0 || index >= FValueCount)
    throw std::out_of_range("Value list " + FName + ": no value at " + std::to_string(index));
  const std::size_t count = std::size_t(FValueCount);
  // Only the last value, or one of two, leaves a sequence a sequence; viewed values are never moved.
  if ((Form() == vfSequence && index != FValueCount - 1 && count > 2) || FValueArray.IsView())
    ReshapeArray(FValueArray.Length(), FValueArray.WidenedFor(count, First()));
  FValueArray.Delete(count, std::size_t(index));
  --FValueCount;
  ValuesChanged();
}

void TChartValueList::RemoveAllValues() {
  FValueCount = 0;
  FValueArray.Empty();
  FSummary.Clear();
  ValuesChanged();
}

void TChartValueList::ViewValues(TValueView view) noexcept {
  if (view.Count == 0) {
    RemoveAllValues();
    return;
  }
  FValueArray.View(std::move(view.First), view.Form, view.Stride, std::size_t(view.Count));
  FValueCount = view.Count;
  ValuesChanged();
  FSummary = std::move(view.Summary);
  FSummary.Restamp(FChangeStamp);
  FListMinimum = view.Stats.Minimum;
  FListMaximum = view.Stats.Maximum;
  FListTotal = view.Stats.Total;
  FListAbsTotal = view.Stats.AbsTotal;
  FStatsStale = !view.Stats.HasTotals;
  FExtremesStale = false;
}

bool TChartValueList::TakeBackView(TValueSummary& summary, TListStats& stats) noexcept {
  // Every change of viewed values first copies them: a view's values are the ones it was given.
  if (!FValueArray.IsView() || !HasSummary() || FExtremesStale)
    return false;
  summary = std::move(FSummary);
  stats = {FListMinimum, FListMaximum, FListTotal, FListAbsTotal, !FStatsStale};
  RemoveAllValues();
  return true;
}

void TChartValueList::SetSequence(double first, double step, int count) noexcept {
  FValueArray.SetSequence(first, step, std::size_t(count));
  FValueCount = count;
  FSummary.Clear();
  ValuesChanged();
}

namespace {

// The pass every form can take. The comparison order matters for NaN: a NaN value fails "not
// below the minimum" and becomes it.
template <class Values>
TListStats PassEveryValue(const Values& values, int count) {
  TListStats stats{values[0], values[0], values[0], std::fabs(values[0])};
  for (int i = 1; i < count; ++i) {
    const double v = values[std::size_t(i)];
    if (!(v >= stats.Minimum))
      stats.Minimum = v;
    else if (v > stats.Maximum)
      stats.Maximum = v;
    stats.Total += v;
    stats.AbsTotal += std::fabs(v);
  }
  return stats;
}

template <class Values>
TListStats PassStats(const Values& values, int count) {
  return PassEveryValue(values, count);
}

// Decoded floating-point sound leaves its non-finite samples out; with none left, all is 0.
template <class E>
requires E::SkipsNonFinite TListStats PassStats(const TArrayValues<E>& values, int count) {
  TListStats stats;
  bool any = false;
  for (int i = 0; i < count; ++i) {
    const double v = values[std::size_t(i)];
    if (!std::isfinite(v))
      continue;
    if (!any || v < stats.Minimum)
      stats.Minimum = v;
    if (!any || v > stats.Maximum)
      stats.Maximum = v;
    any = true;
    stats.Total += v;
    stats.AbsTotal += std::fabs(v);
  }
  return stats;
}

// Sums of 16-bit integers stay far below 2^53, so every partial sum of the pass above is exact and
// integer sums give the very same doubles.
// Blocks of fixed length, summed in 32 bits, let the compiler use vector code.
TListStats PassStats(const TArrayValues<TInt16Element>& values, int count) {
  if (values.Stride != sizeof(std::int16_t))
    return PassEveryValue(values, count);
  constexpr int Block = 64;
  const auto* data = reinterpret_cast<const std::int16_t*>(values.Data);
  int minimum = data[0];
  int maximum = minimum;
  std::int64_t total = 0;
  std::int64_t absTotal = 0;
  const int whole = count / Block * Block;
  for (int from = 0; from < whole; from += Block) {
    const std::int16_t* block = data + from;
    int low = block[0], high = block[0], sum = 0, absSum = 0;
    for (int i = 0; i < Block; ++i) {
      const int v = block[i];
      low = std::min(low, v);
      high = std::max(high, v);
      sum += v;
      absSum += std::abs(v);
    }
    minimum = std::min(minimum, low);
    maximum = std::max(maximum, high);
    total += sum;
    absTotal += absSum;
  }
  for (int i = whole; i < count; ++i) {
    const int v = data[i];
    minimum = std::min(minimum, v);
    maximum = std::max(maximum, v);
    total += v;
    absTotal += std::abs(v);
  }
  return {double(minimum), double(maximum), double(total), double(absTotal)};
}

// The same holds for a sequence of integers on one side of zero: its partial sums grow in size
// up to the total, so while that stays below 2^53 the closed form gives the very same doubles.
TListStats PassStats(const TSequenceValues& values, int count) {
  const double first = values[0];
  const double last = values[std::size_t(count - 1)];
  constexpr double Limit = 0x1p31;
  const bool oneSide = (first >= 0) == (last >= 0) || last == 0;
  if (std::trunc(first) != first || std::trunc(values.Step) != values.Step || !oneSide ||
      std::fabs(first) > Limit || std::fabs(last) > Limit)
    return PassEveryValue(values, count);
  // Both ends and the count are below 2^31, so the product stays inside 64 bits.
  const std::int64_t twice = std::int64_t(count) * (std::int64_t(first) + std::int64_t(last));
  const std::int64_t size = twice < 0 ? -twice / 2 : twice / 2;
  if (size >= (std::int64_t(1) << 53))
    return PassEveryValue(values, count);
  const std::int64_t total = twice / 2;
  return {std::min(first, last), std::max(first, last), double(total), double(size)};
}

} // namespace

void TChartValueList::RefreshStats() const {
  TListStats stats;
  if (FValueCount > 0)
    stats = FValueArray.Visit([this](const auto& values) { return PassStats(values, FValueCount); });
  FListMinimum = stats.Minimum;
  FListMaximum = stats.Maximum;
  FListTotal = stats.Total;
  FListAbsTotal = stats.AbsTotal;
  FStatsStale = false;
  FExtremesStale = false;
}

// The axes read the extremes at every paint. A sequence has them at its ends, while its totals may
// take a pass over every value (their rounding is the pass's), which only a reader of the totals
// pays for.
void TChartValueList::RefreshExtremes() const {
  if (Form() != vfSequence || FValueCount == 0) {
    RefreshStats();
    return;
  }
  FListMinimum = std::min(First(), Last());
  FListMaximum = std::max(First(), Last());
  FExtremesStale = false;
}

double TChartValueList::ListMinimum() const {
  if (FExtremesStale)
    RefreshExtremes();
  return FListMinimum;
}

double TChartValueList::ListMaximum() const {
  if (FExtremesStale)
    RefreshExtremes();
  return FListMaximum;
}

double TChartValueList::ListTotal() const {
  if (FStatsStale)
    RefreshStats();
  return FListTotal;
}

double TChartValueList::ListAbsTotal() const {
  if (FStatsStale)
    RefreshStats();
  return FListAbsTotal;
}

double TChartValueList::Range() const { return ListMaximum() - ListMinimum(); }

TChartValueList& TChartValueLists::Add(std::unique_ptr<TChartValueList> list) {
  FLists.push_back(std::move(list));
  return *FLists.back();
}

} // namespace chart
