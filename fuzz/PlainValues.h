// The value list's and the series' rules written out over plain vectors of doubles, for the
// value-list fuzz target to compare the compact forms, views and summaries with.
#pragma once

#include "chart/series/ChartSeries.h"
#include "chart/values/ChartValueList.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace plain {

inline bool SameBits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// For sums: a NaN's sign and payload depend on the order the compiler gives each addition's
// operands, which it may swap, so any NaN matches any other.
inline bool SameSum(double a, double b) { return SameBits(a, b) || (std::isnan(a) && std::isnan(b)); }

struct TStats {
  double Minimum = 0, Maximum = 0, Total = 0, AbsTotal = 0;
};

// The statistics pass, comparisons in the list's order (NaN included).
inline TStats Stats(const std::vector<double>& values) {
  TStats s;
  if (values.empty())
    return s;
  s.Minimum = s.Maximum = s.Total = values[0];
  s.AbsTotal = std::fabs(values[0]);
  for (std::size_t i = 1; i < values.size(); ++i) {
    const double v = values[i];
    if (!(v >= s.Minimum))
      s.Minimum = v;
    else if (v > s.Maximum)
      s.Maximum = v;
    s.Total += v;
    s.AbsTotal += std::fabs(v);
  }
  return s;
}

// Smallest and largest of values[first..last], the first met of equal ones.
inline void MinMax(const std::vector<double>& values, int first, int last, double& lowest, double& highest) {
  lowest = highest = values[std::size_t(first)];
  for (int i = first + 1; i <= last; ++i) {
    const double v = values[std::size_t(i)];
    if (v < lowest)
      lowest = v;
    if (v > highest)
      highest = v;
  }
}

inline bool AllFinite(const std::vector<double>& values) {
  return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

inline bool Ascending(const std::vector<double>& values) {
  for (std::size_t i = 1; i < values.size(); ++i)
    if (!(values[i] >= values[i - 1]))
      return false;
  return AllFinite(values);
}

// One list: its values in its order and the room the growth rule gives it.
struct TList {
  chart::TChartListOrder Order = chart::loNone;
  std::vector<double> Values;
  std::size_t Capacity = 0;

  int Count() const { return int(Values.size()); }
  // Room for `more` values after the ones there, grown in whole steps up to the limit.
  void MakeRoom(std::size_t more) {
    while (Capacity < Values.size() + more)
      Capacity =
          std::min(Capacity + chart::TChartValueList::ValueCapacityStep, chart::TChartValues::MaxLength);
  }
  // Where AddOrdered puts `value`: after every equal one.
  int OrderedIndex(double value) const {
    const bool last = Values.empty() || Order == chart::loNone ||
                      (Order == chart::loAscending ? value >= Values.back() : value <= Values.back());
    if (last)
      return Count();
    int index = Count() - 1;
    while (index >= 0 && (Order == chart::loAscending ? Values[std::size_t(index)] > value
                                                      : Values[std::size_t(index)] < value))
      --index;
    return index + 1;
  }
  void InsertAt(int index, double value) {
    MakeRoom(1);
    Values.insert(Values.begin() + index, value);
  }
  int AddOrdered(double value) {
    const int index = OrderedIndex(value);
    InsertAt(index, value);
    return index;
  }
};

// One series: X and Y lists, and colours and labels once one point had them.
struct TSeries {
  TList X{chart::loAscending, {}, 0};
  TList Y;
  std::vector<chart::TColor> Colors;
  std::vector<std::string> Labels;

  int Count() const { return X.Count(); }
  void AddPoint(double x, double y, const std::string& label, chart::TColor color) {
    const int index = X.AddOrdered(x);
    Y.InsertAt(index, y);
    if (!Colors.empty() || color != chart::DefaultSeriesColor) {
      Colors.resize(std::size_t(Count() - 1), chart::DefaultSeriesColor);
      Colors.insert(Colors.begin() + index, color);
    }
    if (!Labels.empty() || !label.empty()) {
      Labels.resize(std::size_t(Count() - 1));
      Labels.insert(Labels.begin() + index, label);
    }
  }
  void Clear() {
    X.Values.clear();
    Y.Values.clear();
    X.Capacity = Y.Capacity = 0;
    Colors.clear();
    Labels.clear();
  }
  chart::TColor PointColor(int index, chart::TColor seriesColor) const {
    const chart::TColor stored =
        std::size_t(index) < Colors.size() ? Colors[std::size_t(index)] : chart::DefaultSeriesColor;
    return stored != chart::DefaultSeriesColor ? stored : seriesColor;
  }
};

} // namespace plain
