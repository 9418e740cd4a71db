#include "chart/series/ChartSeries.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <utility>

namespace chart {

namespace {

// Growing one entry at a time must not reallocate at every point.
template <class T>
void ReserveOneMore(std::vector<T>& entries) {
  if (entries.size() == entries.capacity())
    entries.reserve(entries.size() * 2 + 16);
}

} // namespace

TChartSeries::TChartSeries() {
  FValueLists.Add(std::make_unique<TChartValueList>("X")).SetOrder(loAscending);
  FValueLists.Add(std::make_unique<TChartValueList>("Y"));
  for (int i = 0; i < FValueLists.Count(); ++i)
    FValueLists[i].SetOnChange([this] { RequestRepaint(); });
  FPen.SetOnChange([this] { RequestRepaint(); });
  FMarks.SetOnChange([this] { RequestRepaint(); });
}

TChartSeries::~TChartSeries() = default;

// The X list decides where the point goes; every list then gets room and a form that holds its
// pending value there. The walk may put it last too (a NaN X value), and an append is what the
// lists must be ready for then.
void TChartSeries::MakeRoomInAllLists() {
  const bool append = XValues().PendingGoesLast() || XValues().PendingIndex() == PointCount();
  for (int i = 0; i < FValueLists.Count(); ++i)
    FValueLists[i].MakeRoomFor(FValueLists[i].PendingValue(), append);
}

// Every list has room and a form for its value by now, so none of these insertions can fail
// halfway. Points that arrive in X order, as most do, are appended to every list directly.
int TChartSeries::InsertPendingValues() {
  if (XValues().PendingGoesLast()) {
    for (int i = 0; i < FValueLists.Count(); ++i)
      FValueLists[i].AppendPending();
    return PointCount() - 1;
  }
  const int index = XValues().InsertPending();
  for (int i = 1; i < FValueLists.Count(); ++i) {
    TChartValueList& list = FValueLists[i];
    list.InsertValueAt(index, list.PendingValue());
  }
  return index;
}

int TChartSeries::AddPoint(double x, double y, std::string_view label, TColor color) {
  XValues().SetPendingValue(x);
  YValues().SetPendingValue(y);
  if (FOnBeforeAdd && !FOnBeforeAdd(*this))
    return -1;
  // Room first in every list: a failed allocation then leaves all of them as they were.
  MakeRoomInAllLists();
  const bool plainPoint =
      color == DefaultSeriesColor && label.empty() && FPointColors.empty() && FPointLabels.empty();
  const int index = plainPoint ? InsertPendingValues() : AddPointWithExtras(label, color);
  NotifyPointAdded(index);
  return index;
}

// A run needs plain X and Y lists that nothing watches point by point, and X values that follow
// the last one in the list's order.
bool TChartSeries::TakesInOneRun(std::span<const double> x) const {
  return !FOnBeforeAdd && !FOnAfterAdd && FPointColors.empty() && FPointLabels.empty() &&
         FValueLists.Count() == 2 && XValues().AppendKeepsOrder(x);
}

void TChartSeries::AddPoints(std::span<const double> x, std::span<const double> y) {
  if (x.size() != y.size())
    throw std::invalid_argument("AddPoints: as many Y values as X values are needed");
  if (x.empty())
    return;
  if (!TakesInOneRun(x)) {
    for (std::size_t i = 0; i < x.size(); ++i)
      AddPoint(x[i], y[i], {}, DefaultSeriesColor);
    return;
  }
  const int first = PointCount();
  const int xCapacity = XValues().Capacity();
  XValues().AppendValues(x);
  try {
    YValues().AppendValues(y);
  } catch (...) {
    XValues().TakeBack(first, xCapacity);
    throw;
  }
  XValues().SetPendingValue(x.back());
  YValues().SetPendingValue(y.back());
  NotifyRunAdded(first, PointCount() - 1);
}

// Everything that can fail is allocated before the first list takes the point. The first colour
// or label of its kind pads the storage for the points already present, so entry i always
// belongs to point i.
int TChartSeries::AddPointWithExtras(std::string_view label, TColor color) {
  const std::size_t count = std::size_t(PointCount());
  const bool storeColor = !FPointColors.empty() || color != DefaultSeriesColor;
  const bool createColors = storeColor && FPointColors.empty();
  std::vector<TColor> newColors;
  if (createColors) {
    newColors.reserve(count + 16);
    newColors.assign(count, DefaultSeriesColor);
  } else if (storeColor) {
    ReserveOneMore(FPointColors);
  }
  const bool storeLabel = !FPointLabels.empty() || !label.empty();
  const bool createLabels = storeLabel && FPointLabels.empty();
  std::string text(label);
  std::vector<std::string> newLabels;
  if (createLabels) {
    newLabels.reserve(count + 16);
    newLabels.resize(count);
  } else if (storeLabel) {
    ReserveOneMore(FPointLabels);
  }

  const int index = InsertPendingValues();
  if (createColors)
    FPointColors = std::move(newColors);
  if (storeColor)
    FPointColors.insert(FPointColors.begin() + index, color);
  if (createLabels)
    FPointLabels = std::move(newLabels);
  if (storeLabel)
    FPointLabels.insert(FPointLabels.begin() + index, std::move(text));
  return index;
}

void TChartSeries::NotifyPointAdded(int index) {
  if (FOnAfterAdd)
    FOnAfterAdd(*this, index);
  if (Active())
    RequestRepaint();
}

void TChartSeries::NotifyRunAdded(int, int) {
  if (Active())
    RequestRepaint();
}

void TChartSeries::ClearStorage() {
  for (int i = 0; i < FValueLists.Count(); ++i)
    FValueLists[i].RemoveAllValues();
  std::vector<TColor>().swap(FPointColors);
  std::vector<std::string>().swap(FPointLabels);
}

void TChartSeries::ClearPoints() {
  FFirstVisible = -1;
  FLastVisible = -1;
  ClearStorage();
  if (FOnClearValues)
    FOnClearValues(*this);
  if (Active() && ParentChart())
    RequestRepaint();
}

void TChartSeries::ViewPoints(TValueView y) {
  if (FValueLists.Count() != 2)
    throw std::logic_error("ViewPoints: a series with further value lists needs their values too");
  ClearPoints();
  const int count = y.Count;
  XValues().SetSequence(1, 1, count);
  YValues().ViewValues(std::move(y));
  if (count > 0)
    NotifyRunAdded(0, count - 1);
}

TColor TChartSeries::PointColor(int index) const {
  const TColor stored = StoredColor(index);
  if (stored != DefaultSeriesColor)
    return stored;
  return Color();
}

void TChartSeries::SetSeriesColor(TColor value) {
  if (FSeriesColor == value)
    return;
  FSeriesColor = value;
  // Back to DefaultSeriesColor means back to the assigned colour: the marker itself is never drawn.
  ApplySeriesColor(Color());
  RequestRepaint();
}

void TChartSeries::ApplySeriesColor(TColor) {}

// The paint side every series shares: its axes, point pixels and the visible index range.

TChartAxis* TChartSeries::GetHorizAxis() const {
  const TSeriesOwner* chart = ParentChart();
  if (!chart)
    return nullptr;
  return FHorizAxis == aTopAxis ? &chart->TopAxis() : &chart->BottomAxis();
}

TChartAxis* TChartSeries::GetVertAxis() const {
  const TSeriesOwner* chart = ParentChart();
  if (!chart)
    return nullptr;
  return FVertAxis == aRightAxis ? &chart->RightAxis() : &chart->LeftAxis();
}

bool TChartSeries::IsPointNearRect(const TPointMapper& mapper, const TRect& plot, int index) const {
  const int x = mapper.X(XValues()[index]);
  const int y = mapper.Y(YValues()[index]);
  return x >= plot.Left && x < plot.Right && y >= plot.Top && y < plot.Bottom;
}

namespace {

// The first index in [from, to) whose value is not below `value`, halving exactly as
// std::lower_bound does, so that even unsorted values give the same answer.
template <class Values>
int HalvingLowerBound(const Values& values, int from, int to, double value) {
  int first = from;
  int length = to - from;
  while (length > 0) {
    const int half = length >> 1;
    const int middle = first + half;
    if (values[std::size_t(middle)] < value) {
      first = middle + 1;
      length -= half + 1;
    } else {
      length = half;
    }
  }
  return first;
}

template <class Values>
int LowerBound(const Values& values, int from, int to, double value) {
  return HalvingLowerBound(values, from, to, value);
}

// A rising sequence computes the index and checks it against its neighbours; the rounding of
// the division is put right by a step or two.
int LowerBound(const TSequenceValues& values, int from, int to, double value) {
  if (!(values.Step > 0))
    return HalvingLowerBound(values, from, to, value);
  const double guess = std::ceil((value - values.First) / values.Step);
  int index = !(guess >= from) ? from : (guess >= to ? to : int(guess));
  while (index > from && !(values[std::size_t(index - 1)] < value))
    --index;
  while (index < to && values[std::size_t(index)] < value)
    ++index;
  return index;
}

template <class Values, class Predicate>
int FirstWhere(const Values& values, int from, int to, Predicate predicate) {
  while (from < to && !predicate(values[std::size_t(from)]))
    ++from;
  return from;
}

// The visible index range of `count` X values between `low` and `high`; first is -1 when no
// value reaches `low`.
template <class Values>
void VisibleRange(const Values& values, int count, bool ascending, bool drawBetweenPoints, double low,
                  double high, int& first, int& last) {
  first = ascending ? LowerBound(values, 0, count, low)
                    : FirstWhere(values, 0, count, [low](double v) { return v >= low; });
  if (first == count) {
    first = -1;
    return;
  }
  if (values[std::size_t(count - 1)] <= high)
    last = count - 1;
  else
    last = ascending ? LowerBound(values, first, count - 1, high)
                     : FirstWhere(values, first, count - 1, [high](double v) { return !(v < high); });
  if (!drawBetweenPoints)
    while (last > 0 && values[std::size_t(last)] > high)
      --last;
}

} // namespace

// Ascending X values are searched by halving (on a sequence, computed), which gives what a walk
// from the start would give and keeps a zoomed view of a long series cheap. Other orders are
// walked.
void TChartSeries::FindVisibleIndices(const TPaintContext& context) {
  FFirstVisible = -1;
  FLastVisible = -1;
  const int count = PointCount();
  if (count == 0)
    return;
  const TChartValueList& xValues = XValues();
  if (xValues.Order() == loNone || !FCalcVisiblePoints) {
    FFirstVisible = 0;
    FLastVisible = count - 1;
    return;
  }
  const double low = context.VisibleX.Low;
  const double high = context.VisibleX.High;
  int first = -1;
  int last = -1;
  xValues.ValueArray().Visit([&](const auto& values) {
    VisibleRange(values, count, xValues.Order() == loAscending, FDrawBetweenPoints, low, high, first, last);
  });
  FFirstVisible = first;
  FLastVisible = last;
}

} // namespace chart
