#include "chart/series/ChartSeries.h"

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

} // namespace chart
