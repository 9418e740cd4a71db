#include "chart/ValueSummary.h"

#include <algorithm>
#include <limits>

namespace chart {

void TValueSummary::Update(const double* values, int count, std::uint64_t stamp, bool withExtremes) {
  if (Describes(values, count, stamp) && (!withExtremes || !FLevels.empty() || count == 0))
    return;
  Clear();
  FValues = values;
  FCount = std::max(count, 0);
  FStamp = stamp;
  CheckValues();
  if (withExtremes && FCount > 0) {
    BuildLeaves();
    BuildUpperLevels();
  }
  FBuilt = true;
}

void TValueSummary::Clear() {
  FValues = nullptr;
  FCount = 0;
  FStamp = 0;
  FBuilt = false;
  FAllFinite = true;
  FAscending = true;
  FLevels.clear();
}

void TValueSummary::CheckValues() {
  // v * 0 is NaN exactly for NaN and the infinities, so one sum tells whether all are finite.
  double poison = 0;
  bool ascending = true;
  for (int i = 0; i < FCount; ++i) {
    poison += FValues[i] * 0.0;
    if (i > 0 && !(FValues[i] >= FValues[i - 1]))
      ascending = false;
  }
  FAllFinite = poison == 0;
  FAscending = ascending && FAllFinite;
}

void TValueSummary::BuildLeaves() {
  const std::size_t leafCount = (std::size_t(FCount) + LeafSize - 1) / LeafSize;
  TLevel leaves;
  leaves.Min.resize(leafCount);
  leaves.Max.resize(leafCount);
  for (std::size_t leaf = 0; leaf < leafCount; ++leaf) {
    const std::size_t from = leaf * LeafSize;
    const std::size_t to = std::min(from + LeafSize, std::size_t(FCount));
    double lowest = FValues[from];
    double highest = lowest;
    for (std::size_t i = from + 1; i < to; ++i) {
      lowest = std::min(lowest, FValues[i]);
      highest = std::max(highest, FValues[i]);
    }
    leaves.Min[leaf] = lowest;
    leaves.Max[leaf] = highest;
  }
  FLevels.push_back(std::move(leaves));
}

void TValueSummary::BuildUpperLevels() {
  while (FLevels.back().Min.size() > std::size_t(Fanout)) {
    const TLevel& below = FLevels.back();
    const std::size_t count = (below.Min.size() + Fanout - 1) / Fanout;
    TLevel level;
    level.Min.resize(count);
    level.Max.resize(count);
    for (std::size_t k = 0; k < count; ++k) {
      const std::size_t from = k * Fanout;
      const std::size_t to = std::min(from + Fanout, below.Min.size());
      level.Min[k] = *std::min_element(below.Min.begin() + std::ptrdiff_t(from), below.Min.begin() + std::ptrdiff_t(to));
      level.Max[k] = *std::max_element(below.Max.begin() + std::ptrdiff_t(from), below.Max.begin() + std::ptrdiff_t(to));
    }
    FLevels.push_back(std::move(level));
  }
}

void TValueSummary::FoldEntries(int level, std::int64_t from, std::int64_t to, double& lowest,
                                double& highest) const {
  const double* mins = level < 0 ? FValues : FLevels[std::size_t(level)].Min.data();
  const double* maxs = level < 0 ? FValues : FLevels[std::size_t(level)].Max.data();
  for (std::int64_t i = from; i < to; ++i) {
    lowest = std::min(lowest, mins[i]);
    highest = std::max(highest, maxs[i]);
  }
}

void TValueSummary::MinMax(int first, int last, double& lowest, double& highest) const {
  lowest = std::numeric_limits<double>::infinity();
  highest = -lowest;
  // Climb the pyramid: at each level fold the unaligned head and tail entries, then continue with
  // the whole groups one level up, so at most two partial groups per level are read.
  std::int64_t from = first;
  std::int64_t to = std::int64_t(last) + 1;
  int level = -1;
  for (;;) {
    const std::int64_t group = level < 0 ? LeafSize : Fanout;
    const std::int64_t upFrom = (from + group - 1) / group;
    const std::int64_t upTo = to / group;
    if (std::size_t(level + 1) >= FLevels.size() || upFrom >= upTo) {
      FoldEntries(level, from, to, lowest, highest);
      return;
    }
    FoldEntries(level, from, upFrom * group, lowest, highest);
    FoldEntries(level, upTo * group, to, lowest, highest);
    from = upFrom;
    to = upTo;
    ++level;
  }
}

} // namespace chart
