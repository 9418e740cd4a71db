// A block minimum/maximum pyramid over an array of values, so that the extremes of any index range
// come out in O(log n) instead of a pass over the range. Built once, kept until the values change.
#pragma once

#include <cstdint>
#include <vector>

namespace chart {

class TValueSummary {
public:
  // Values per lowest block, and blocks per block one level up.
  static constexpr int LeafSize = 64;
  static constexpr int Fanout = 16;

  // Rebuilds unless the summary already describes these values at this change stamp. Without
  // `withExtremes` only the order and finiteness are checked and MinMax must not be called.
  void Update(const double* values, int count, std::uint64_t stamp, bool withExtremes = true);
  void Clear();

  // The summary describes `count` values read through `values`, last changed at `stamp`.
  bool Describes(const double* values, int count, std::uint64_t stamp) const {
    return FBuilt && FValues == values && FCount == count && FStamp == stamp;
  }
  // No NaN or infinity among the values: only then are range extremes meaningful as pixels.
  bool AllFinite() const { return FAllFinite; }
  // True when every value is >= its predecessor.
  bool Ascending() const { return FAscending; }
  int Count() const { return FCount; }

  // Smallest and largest value of the indices first..last (inclusive, first <= last, in range).
  void MinMax(int first, int last, double& lowest, double& highest) const;

private:
  struct TLevel {
    std::vector<double> Min;
    std::vector<double> Max;
  };

  void CheckValues();
  void BuildLeaves();
  void BuildUpperLevels();
  // Folds entries [from, to) of a level (or of the raw values when level is -1) into the result.
  void FoldEntries(int level, std::int64_t from, std::int64_t to, double& lowest, double& highest) const;

  const double* FValues = nullptr;
  int FCount = 0;
  std::uint64_t FStamp = 0;
  bool FBuilt = false;
  bool FAllFinite = true;
  bool FAscending = true;
  std::vector<TLevel> FLevels;
};

} // namespace chart
