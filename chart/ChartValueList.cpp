#include "chart/ChartValueList.h"

#include "chart/ChartSeries.h"

#include <cmath>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace chart {

TChartValueList::TChartValueList(TChartSeries* owner, std::string name)
    : FName(std::move(name)), FOwner(owner) {}

void TChartValueList::Changed() {
  if (FOwner)
    FOwner->RequestRepaint();
}

// The walk from the end puts the new value after every equal one.
int TChartValueList::InsertPendingInside() {
  const double pending = FPendingValue;
  int index = FValueCount - 1;
  if (FOrder == loAscending) {
    while (index >= 0 && Value(index) > pending)
      --index;
  } else {
    while (index >= 0 && Value(index) < pending)
      --index;
  }
  StoreAt(index + 1, pending);
  return index + 1;
}

void TChartValueList::StoreAt(int index, double value) {
  MakeRoom();
  double* values = FValueArray.Data();
  std::memmove(values + index + 1, values + index, std::size_t(FValueCount - index) * sizeof(double));
  values[index] = value;
  ++FValueCount;
  ValuesChanged();
}

int TChartValueList::AddOrdered(double value) {
  FPendingValue = value;
  return InsertPending();
}

void TChartValueList::InsertValueAt(int index, double value) {
  if (index < 0 || index > FValueCount)
    throw std::out_of_range("Value list " + FName + ": no position " + std::to_string(index));
  if (index == FValueCount)
    StoreLast(value);
  else
    StoreAt(index, value);
}

void TChartValueList::DeleteValueAt(int index) {
  if (index < 0 || index >= FValueCount)
    throw std::out_of_range("Value list " + FName + ": no value at " + std::to_string(index));
  --FValueCount;
  double* values = FValueArray.Data();
  std::memmove(values + index, values + index + 1, std::size_t(FValueCount - index) * sizeof(double));
  ValuesChanged();
}

void TChartValueList::RemoveAllValues() {
  FValueCount = 0;
  FValueArray.Empty();
  ValuesChanged();
}

// The comparison order matters for NaN: a NaN value fails "not below the minimum" and becomes it.
void TChartValueList::RefreshStats() const {
  if (FValueCount <= 0) {
    FListMinimum = FListMaximum = FListTotal = FListAbsTotal = 0;
  } else {
    const double* values = FValueArray.Data();
    double minimum = values[0], maximum = values[0], total = values[0];
    double absTotal = std::fabs(values[0]);
    for (int i = 1; i < FValueCount; ++i) {
      const double v = values[i];
      if (!(v >= minimum))
        minimum = v;
      else if (v > maximum)
        maximum = v;
      total += v;
      absTotal += std::fabs(v);
    }
    FListMinimum = minimum;
    FListMaximum = maximum;
    FListTotal = total;
    FListAbsTotal = absTotal;
  }
  FStatsStale = false;
}

double TChartValueList::ListMinimum() const {
  if (FStatsStale)
    RefreshStats();
  return FListMinimum;
}

double TChartValueList::ListMaximum() const {
  if (FStatsStale)
    RefreshStats();
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
