// A block minimum/maximum pyramid over the values of a list, so that the extremes of any index
// range come out in O(log n) instead of a pass over the range. Built once per form of the values,
// kept until they change; the list statistics travel with it where both are built in one pass.
#pragma once

#include "chart/values/ChartValues.h"

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

// The pyramid over an array of T; its levels hold T as well, so they are as compact as the array.
template <class T>
class TLevelSummary {
public:
  // Values per lowest block, and blocks per block one level up.
  static constexpr int LeafSize = 64;
  static constexpr int Fanout = 16;

  TLevelSummary() = default;
  // Values are read every `stride` entries from `values`.
  TLevelSummary(const T* values, std::size_t stride, int count, bool withExtremes);
  // The same, from lowest blocks already built by a pass of the caller's.
  TLevelSummary(const T* values, std::size_t stride, int count, std::vector<T> leafMin,
                std::vector<T> leafMax);
  double Value(int index) const { return double(FValues[std::size_t(index) * FStride]); }
  bool HasExtremes() const { return !FLevels.empty(); }
  void MinMax(int first, int last, double& lowest, double& highest) const;

private:
  struct TLevel {
    std::vector<T> Min;
    std::vector<T> Max;
  };

  void BuildLeaves();
  void BuildUpperLevels();
  // Folds entries [from, to) of a level (or of the raw values when level is -1) into the result.
  void FoldEntries(int level, std::int64_t from, std::int64_t to, T& lowest, T& highest) const;
  // The same through the levels above where whole groups allow.
  void FoldRange(int level, std::int64_t from, std::int64_t to, T& lowest, T& highest) const;

  const T* FValues = nullptr;
  std::size_t FStride = 1;
  int FCount = 0;
  std::vector<TLevel> FLevels;
};

class TValueSummary {
public:
  // Rebuilds unless the summary already describes these values at this change stamp. Without
  // `withExtremes` only the order and finiteness are checked and MinMax must not be called.
  void Update(const TChartValues& values, int count, std::uint64_t stamp, bool withExtremes = true);
  void Update(const double* values, int count, std::uint64_t stamp, bool withExtremes = true);
  void Clear();
  // A summary of `count` 16-bit values read every `stride` entries from `values`, from lowest
  // blocks a pass of the caller's built; it describes them at stamp 0 until Restamp.
  static TValueSummary OfLeaves(const std::int16_t* values, std::size_t stride, int count,
                                std::vector<std::int16_t> leafMin, std::vector<std::int16_t> leafMax,
                                bool ascending);
  // The values took a new stamp without changing.
  void Restamp(std::uint64_t stamp) { FStamp = stamp; }

  // The summary describes `count` values read through `values`, last changed at `stamp`.
  bool Describes(const void* values, int count, std::uint64_t stamp) const {
    return FBuilt && FValues == values && FCount == count && FStamp == stamp;
  }
  bool Describes(const TChartValues& values, int count, std::uint64_t stamp) const {
    return Describes(values.Identity(), count, stamp);
  }
  // No NaN or infinity among the values: only then are range extremes meaningful as pixels.
  bool AllFinite() const { return FAllFinite; }
  // True when every value is >= its predecessor.
  bool Ascending() const { return FAscending; }
  int Count() const { return FCount; }
  // Whether MinMax may be called.
  bool HasExtremes() const;

  // Smallest and largest value of the indices first..last (inclusive, first <= last, in range).
  void MinMax(int first, int last, double& lowest, double& highest) const;

  // Calls `visit` with the summary of the current form (TSequenceSummary or TLevelSummary<T>),
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
  std::variant<TSequenceSummary, TLevelSummary<std::int16_t>, TLevelSummary<std::int32_t>,
               TLevelSummary<double>>
      FForms;
};

} // namespace chart
