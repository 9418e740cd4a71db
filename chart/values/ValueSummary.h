// A block minimum/maximum pyramid over the values of a list, so that the extremes of any index
// range come out in O(log n) instead of a pass over the range. Built once per form of the values,
// kept until they change; the list statistics travel with it where both are built in one pass.
#pragma once

#include "chart/values/ChartValues.h"
#include "chart/values/LevelSummary.h"

#include <algorithm>
#include <cstdint>
#include <variant>
#include <vector>

namespace chart {

// What a value list keeps for the axes: smallest, largest, sum and sum of absolute values.
struct TListStats {
  double Minimum = 0;
  double Maximum = 0;
  double Total = 0;
  double AbsTotal = 0;
  // Without them the sums are the list's own pass, made when first read.
  bool HasTotals = true;
};

// The extremes of a sequence lie at the ends of the range: it runs one way.
class TSequenceSummary {
public:
  TSequenceSummary() = default;
  explicit TSequenceSummary(const TSequenceValues& values) : FValues(values) {}
  double Value(int index) const { return FValues[std::size_t(index)]; }
  void MinMax(int first, int last, double& lowest, double& highest) const;

private:
  TSequenceValues FValues;
};

// Where the values a list skips lie, up to a limit; past it only that there are more.
struct TSkippedValues {
  static constexpr std::size_t MaxIndexes = 1 << 16;
  std::int64_t Count = 0;
  // Ascending; complete while Count <= MaxIndexes.
  std::vector<int> Indexes;
  bool Complete() const { return Count <= std::int64_t(MaxIndexes); }
  void Add(int index) {
    if (++Count <= std::int64_t(MaxIndexes))
      Indexes.push_back(index);
  }
};

class TValueSummary {
public:
  // Rebuilds unless the summary already describes these values at this change stamp. Without
  // `withExtremes` only the order and finiteness are checked and MinMax must not be called.
  void Update(const TChartValues& values, int count, std::uint64_t stamp, bool withExtremes = true);
  void Update(const double* values, int count, std::uint64_t stamp, bool withExtremes = true);
  void Clear();
  // A summary of `count` values, from lowest blocks (and the skipped values) a pass of the
  // caller's built; it describes them at stamp 0 until Restamp.
  template <class E>
  static TValueSummary
  OfLeaves(const TArrayValues<E>& values, int count, TLevelEntries<typename E::Value> leafMin,
           TLevelEntries<typename E::Value> leafMax, bool ascending, TSkippedValues skipped);
  // The values took a new stamp without changing.
  void Restamp(std::uint64_t stamp) { FStamp = stamp; }

  // The summary describes `count` values read through `values`, last changed at `stamp`.
  bool Describes(const void* values, int count, std::uint64_t stamp) const {
    return FBuilt && FValues == values && FCount == count && FStamp == stamp;
  }
  bool Describes(const TChartValues& values, int count, std::uint64_t stamp) const {
    return Describes(values.Identity(), count, stamp);
  }
  // No NaN or infinity among the values the extremes count: only then are range extremes
  // meaningful as pixels.
  bool AllFinite() const { return FAllFinite; }
  // True when every value is >= its predecessor.
  bool Ascending() const { return FAscending; }
  int Count() const { return FCount; }
  // Whether MinMax may be called.
  bool HasExtremes() const;
  // The values left out of the extremes (non-finite values of a type that skips them).
  const TSkippedValues& Skipped() const { return FSkipped; }

  // Smallest and largest value of the indices first..last (inclusive, first <= last, in range).
  void MinMax(int first, int last, double& lowest, double& highest) const;

  // Calls `visit` with the summary of the current form (TSequenceSummary or TLevelSummary<E>),
  // whose Value(i) and MinMax read that form directly.
  template <class Visitor>
  decltype(auto) Visit(Visitor&& visit) const {
    return std::visit(visit, FForms);
  }

private:
  template <class Values>
  void Build(const void* identity, const Values& values, int count, std::uint64_t stamp, bool withExtremes);

  const void* FValues = nullptr;
  int FCount = 0;
  std::uint64_t FStamp = 0;
  bool FBuilt = false;
  bool FAllFinite = true;
  bool FAscending = true;
  TSkippedValues FSkipped;
  template <class... E>
  using TForms = std::variant<TSequenceSummary, TLevelSummary<E>...>;
  decltype(elements::ApplyList<TForms>(TElements{})) FForms;
};

template <class E>
TValueSummary
TValueSummary::OfLeaves(const TArrayValues<E>& values, int count, TLevelEntries<typename E::Value> leafMin,
                        TLevelEntries<typename E::Value> leafMax, bool ascending, TSkippedValues skipped) {
  TValueSummary summary;
  summary.FValues = values.Data;
  summary.FCount = std::max(count, 0);
  summary.FBuilt = true;
  summary.FAscending = ascending;
  summary.FSkipped = std::move(skipped);
  summary.FForms = TLevelSummary<E>(values, summary.FCount, std::move(leafMin), std::move(leafMax));
  return summary;
}

} // namespace chart
