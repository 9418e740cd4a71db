// A block minimum/maximum pyramid over the values of an array of one element type, so that the
// extremes of any index range come out in O(log n) instead of a pass over the range.
#pragma once

#include "chart/values/ChartValues.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace chart {

// Entries of a level are written before they are read, so growing a level leaves its bytes alone:
// a load's threads then each touch the pages of their own leaves, instead of the loading thread
// clearing them all before the read starts.
template <class T>
struct TUnclearedAllocator : std::allocator<T> {
  TUnclearedAllocator() = default;
  template <class U>
  TUnclearedAllocator(const TUnclearedAllocator<U>&) noexcept {}
  template <class U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <class U, class... TArgs>
  void construct(U* p, TArgs&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<TArgs>(args)...);
  }
};

// The minima or maxima of one level of a pyramid.
template <class T>
using TLevelEntries = std::vector<T, TUnclearedAllocator<T>>;

// The pyramid over an array of element type E; its levels hold E's values, so they are as compact
// as the array. Values E skips (non-finite floats) are left out: a block of none of them holds an
// empty span (+inf, -inf).
template <class E>
class TLevelSummary {
public:
  using T = typename E::Value;
  // Values per lowest block, and blocks per block one level up.
  static constexpr int LeafSize = 64;
  static constexpr int Fanout = 16;

  TLevelSummary() = default;
  TLevelSummary(const TArrayValues<E>& values, int count, bool withExtremes);
  // The same, from lowest blocks already built by a pass of the caller's.
  TLevelSummary(const TArrayValues<E>& values, int count, TLevelEntries<T> leafMin, TLevelEntries<T> leafMax);
  double Value(int index) const { return double(FValues.At(std::size_t(index))); }
  bool HasExtremes() const { return !FLevels.empty(); }
  // Of a range of skipped values only, lowest > highest.
  void MinMax(int first, int last, double& lowest, double& highest) const;

private:
  struct TLevel {
    TLevelEntries<T> Min;
    TLevelEntries<T> Max;
  };

  void BuildLeaves();
  void BuildUpperLevels();
  // Folds entries [from, to) of a level (or of the raw values when level is -1) into the result.
  void FoldEntries(int level, std::int64_t from, std::int64_t to, T& lowest, T& highest) const;
  // The same through the levels above where whole groups allow.
  void FoldRange(int level, std::int64_t from, std::int64_t to, T& lowest, T& highest) const;

  TArrayValues<E> FValues{nullptr};
  int FCount = 0;
  std::vector<TLevel> FLevels;
};

namespace levels {

// Where a fold starts: the first value, or for a type that skips values an empty span that the
// first counted value replaces. Either way the first of equal values stays, as in a pass.
template <class E>
void StartFold(typename E::Value first, typename E::Value& lowest, typename E::Value& highest) {
  using T = typename E::Value;
  if constexpr (E::SkipsNonFinite) {
    (void)first;
    lowest = std::numeric_limits<T>::infinity();
    highest = -std::numeric_limits<T>::infinity();
  } else {
    lowest = first;
    highest = first;
  }
}

template <class E>
void FoldValue(typename E::Value v, typename E::Value& lowest, typename E::Value& highest) {
  if constexpr (E::SkipsNonFinite) {
    if (!std::isfinite(v))
      return;
    if (v < lowest)
      lowest = v;
    if (v > highest)
      highest = v;
  } else {
    lowest = std::min(lowest, v);
    highest = std::max(highest, v);
  }
}

} // namespace levels

template <class E>
TLevelSummary<E>::TLevelSummary(const TArrayValues<E>& values, int count, bool withExtremes)
    : FValues(values), FCount(count) {
  if (withExtremes && FCount > 0) {
    BuildLeaves();
    BuildUpperLevels();
  }
}

template <class E>
TLevelSummary<E>::TLevelSummary(const TArrayValues<E>& values, int count, TLevelEntries<T> leafMin,
                                TLevelEntries<T> leafMax)
    : FValues(values), FCount(count) {
  if (FCount > 0) {
    FLevels.push_back({std::move(leafMin), std::move(leafMax)});
    BuildUpperLevels();
  }
}

template <class E>
void TLevelSummary<E>::BuildLeaves() {
  const std::size_t leafCount = (std::size_t(FCount) + LeafSize - 1) / LeafSize;
  TLevel leaves;
  leaves.Min.resize(leafCount);
  leaves.Max.resize(leafCount);
  const TArrayValues<E> values = FValues;
  for (std::size_t leaf = 0; leaf < leafCount; ++leaf) {
    const std::size_t from = leaf * LeafSize;
    const std::size_t to = std::min(from + LeafSize, std::size_t(FCount));
    T lowest, highest;
    levels::StartFold<E>(values.At(from), lowest, highest);
    // A whole leaf runs a loop of fixed length, which the compiler turns into vector code where
    // the entries lie next to each other.
    if (to - from == LeafSize) {
      for (std::size_t i = 0; i < LeafSize; ++i)
        levels::FoldValue<E>(values.At(from + i), lowest, highest);
    } else {
      for (std::size_t i = from; i < to; ++i)
        levels::FoldValue<E>(values.At(i), lowest, highest);
    }
    leaves.Min[leaf] = lowest;
    leaves.Max[leaf] = highest;
  }
  FLevels.push_back(std::move(leaves));
}

template <class E>
void TLevelSummary<E>::BuildUpperLevels() {
  while (FLevels.back().Min.size() > std::size_t(Fanout)) {
    const TLevel& below = FLevels.back();
    const std::size_t count = (below.Min.size() + Fanout - 1) / Fanout;
    TLevel level;
    level.Min.resize(count);
    level.Max.resize(count);
    for (std::size_t k = 0; k < count; ++k) {
      const std::size_t from = k * Fanout;
      const std::size_t to = std::min(from + Fanout, below.Min.size());
      level.Min[k] =
          *std::min_element(below.Min.begin() + std::ptrdiff_t(from), below.Min.begin() + std::ptrdiff_t(to));
      level.Max[k] =
          *std::max_element(below.Max.begin() + std::ptrdiff_t(from), below.Max.begin() + std::ptrdiff_t(to));
    }
    FLevels.push_back(std::move(level));
  }
}

template <class E>
void TLevelSummary<E>::FoldEntries(int level, std::int64_t from, std::int64_t to, T& lowest,
                                   T& highest) const {
  if (level < 0) {
    for (std::int64_t i = from; i < to; ++i)
      levels::FoldValue<E>(FValues.At(std::size_t(i)), lowest, highest);
    return;
  }
  // Level entries are extremes of counted values or the empty span, which folds to nothing.
  const TLevel& entries = FLevels[std::size_t(level)];
  for (std::int64_t i = from; i < to; ++i) {
    if constexpr (E::SkipsNonFinite) {
      if (entries.Min[std::size_t(i)] < lowest)
        lowest = entries.Min[std::size_t(i)];
      if (entries.Max[std::size_t(i)] > highest)
        highest = entries.Max[std::size_t(i)];
    } else {
      lowest = std::min(lowest, entries.Min[std::size_t(i)]);
      highest = std::max(highest, entries.Max[std::size_t(i)]);
    }
  }
}

// Climbs the pyramid: at each level the unaligned head entries, then the whole groups one level
// up, then the unaligned tail entries, so at most two partial groups per level are read. The
// folds go in index order and keep the first of equal values (-0.0 before +0.0 or after it), as
// a pass over the values does.
template <class E>
void TLevelSummary<E>::FoldRange(int level, std::int64_t from, std::int64_t to, T& lowest, T& highest) const {
  const std::int64_t group = level < 0 ? LeafSize : Fanout;
  const std::int64_t upFrom = (from + group - 1) / group;
  const std::int64_t upTo = to / group;
  if (std::size_t(level + 1) >= FLevels.size() || upFrom >= upTo) {
    FoldEntries(level, from, to, lowest, highest);
    return;
  }
  FoldEntries(level, from, upFrom * group, lowest, highest);
  FoldRange(level + 1, upFrom, upTo, lowest, highest);
  FoldEntries(level, upTo * group, to, lowest, highest);
}

template <class E>
void TLevelSummary<E>::MinMax(int first, int last, double& lowest, double& highest) const {
  T low, high;
  levels::StartFold<E>(FValues.At(std::size_t(first)), low, high);
  FoldRange(-1, first, std::int64_t(last) + 1, low, high);
  lowest = double(low);
  highest = double(high);
}

} // namespace chart
