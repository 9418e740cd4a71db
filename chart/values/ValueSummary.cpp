#include "chart/values/ValueSummary.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace chart {

void TSequenceSummary::MinMax(int first, int last, double& lowest, double& highest) const {
  const double a = Value(first);
  const double b = Value(last);
  lowest = std::min(a, b);
  highest = std::max(a, b);
}

template <class T>
TLevelSummary<T>::TLevelSummary(const T* values, std::size_t stride, int count, bool withExtremes)
    : FValues(values), FStride(stride), FCount(count) {
  if (withExtremes && FCount > 0) {
    BuildLeaves();
    BuildUpperLevels();
  }
}

template <class T>
TLevelSummary<T>::TLevelSummary(const T* values, std::size_t stride, int count, std::vector<T> leafMin,
                                std::vector<T> leafMax)
    : FValues(values), FStride(stride), FCount(count) {
  if (FCount > 0) {
    FLevels.push_back({std::move(leafMin), std::move(leafMax)});
    BuildUpperLevels();
  }
}

template <class T>
void TLevelSummary<T>::BuildLeaves() {
  const std::size_t leafCount = (std::size_t(FCount) + LeafSize - 1) / LeafSize;
  TLevel leaves;
  leaves.Min.resize(leafCount);
  leaves.Max.resize(leafCount);
  const T* values = FValues;
  const std::size_t stride = FStride;
  for (std::size_t leaf = 0; leaf < leafCount; ++leaf) {
    const std::size_t from = leaf * LeafSize;
    const std::size_t to = std::min(from + LeafSize, std::size_t(FCount));
    T lowest = values[from * stride];
    T highest = lowest;
    // A whole leaf of an array of its own runs a loop of fixed length, which the compiler turns
    // into vector code.
    if (to - from == LeafSize && stride == 1) {
      for (std::size_t i = 0; i < LeafSize; ++i) {
        lowest = std::min(lowest, values[from + i]);
        highest = std::max(highest, values[from + i]);
      }
    } else {
      for (std::size_t i = from + 1; i < to; ++i) {
        lowest = std::min(lowest, values[i * stride]);
        highest = std::max(highest, values[i * stride]);
      }
    }
    leaves.Min[leaf] = lowest;
    leaves.Max[leaf] = highest;
  }
  FLevels.push_back(std::move(leaves));
}

template <class T>
void TLevelSummary<T>::BuildUpperLevels() {
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

template <class T>
void TLevelSummary<T>::FoldEntries(int level, std::int64_t from, std::int64_t to, T& lowest,
                                   T& highest) const {
  const T* mins = level < 0 ? FValues : FLevels[std::size_t(level)].Min.data();
  const T* maxs = level < 0 ? FValues : FLevels[std::size_t(level)].Max.data();
  const std::int64_t stride = level < 0 ? std::int64_t(FStride) : 1;
  for (std::int64_t i = from; i < to; ++i) {
    lowest = std::min(lowest, mins[i * stride]);
    highest = std::max(highest, maxs[i * stride]);
  }
}

// Climbs the pyramid: at each level the unaligned head entries, then the whole groups one level
// up, then the unaligned tail entries, so at most two partial groups per level are read. The
// folds go in index order and keep the first of equal values (-0.0 before +0.0 or after it), as
// a pass over the values does.
template <class T>
void TLevelSummary<T>::FoldRange(int level, std::int64_t from, std::int64_t to, T& lowest, T& highest) const {
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

template <class T>
void TLevelSummary<T>::MinMax(int first, int last, double& lowest, double& highest) const {
  T low = FValues[std::size_t(first) * FStride];
  T high = low;
  FoldRange(-1, first, std::int64_t(last) + 1, low, high);
  lowest = double(low);
  highest = double(high);
}

template class TLevelSummary<std::int16_t>;
template class TLevelSummary<std::int32_t>;
template class TLevelSummary<double>;

namespace {

// Integers are always finite, and a noisy list shows that it is not ascending within a few values.
template <class T>
void CheckValues(const TArrayValues<T>& values, int count, bool& allFinite, bool& ascending) {
  allFinite = true;
  ascending = true;
  for (int i = 1; i < count && ascending; ++i)
    ascending = values.At(std::size_t(i)) >= values.At(std::size_t(i - 1));
}

// v * 0 is NaN exactly for NaN and the infinities, so one sum tells whether all are finite.
void CheckValues(const TArrayValues<double>& values, int count, bool& allFinite, bool& ascending) {
  double poison = 0;
  ascending = true;
  for (int i = 0; i < count; ++i) {
    poison += values[std::size_t(i)] * 0.0;
    if (i > 0 && !(values.At(std::size_t(i)) >= values.At(std::size_t(i - 1))))
      ascending = false;
  }
  allFinite = poison == 0;
  ascending = ascending && allFinite;
}

// A sequence runs one way, so its ends tell whether it ran into infinity and whether it rises (a
// falling step can vanish in the rounding of a large start). Not finite means not ascending, as
// for an array of doubles.
void CheckValues(const TSequenceValues& values, int count, bool& allFinite, bool& ascending) {
  const double first = count > 0 ? values[0] : 0;
  const double last = count > 0 ? values[std::size_t(count - 1)] : 0;
  allFinite = std::isfinite(first) && std::isfinite(last);
  ascending = allFinite && last >= first;
}

TSequenceSummary MakeForm(const TSequenceValues& values, int, bool) { return TSequenceSummary(values); }

template <class T>
TLevelSummary<T> MakeForm(const TArrayValues<T>& values, int count, bool withExtremes) {
  return TLevelSummary<T>(values.Data, values.Stride, count, withExtremes);
}

} // namespace

template <class Values>
void TValueSummary::Build(const void* identity, const Values& values, int count, std::uint64_t stamp,
                          bool withExtremes) {
  if (Describes(identity, count, stamp) && (!withExtremes || HasExtremes() || count == 0))
    return;
  Clear();
  FValues = identity;
  FCount = std::max(count, 0);
  FStamp = stamp;
  CheckValues(values, FCount, FAllFinite, FAscending);
  FForms = MakeForm(values, FCount, withExtremes);
  FBuilt = true;
}

void TValueSummary::Update(const TChartValues& values, int count, std::uint64_t stamp, bool withExtremes) {
  values.Visit([&](const auto& typed) { Build(values.Identity(), typed, count, stamp, withExtremes); });
}

void TValueSummary::Update(const double* values, int count, std::uint64_t stamp, bool withExtremes) {
  Build(values, TArrayValues<double>{values}, count, stamp, withExtremes);
}

TValueSummary TValueSummary::OfLeaves(const std::int16_t* values, std::size_t stride, int count,
                                      std::vector<std::int16_t> leafMin, std::vector<std::int16_t> leafMax,
                                      bool ascending) {
  TValueSummary summary;
  summary.FValues = values;
  summary.FCount = std::max(count, 0);
  summary.FBuilt = true;
  summary.FAscending = ascending;
  summary.FForms =
      TLevelSummary<std::int16_t>(values, stride, summary.FCount, std::move(leafMin), std::move(leafMax));
  return summary;
}

// A sequence needs no pyramid: it always has its extremes at hand.
bool TValueSummary::HasExtremes() const {
  return std::visit(
      [](const auto& form) {
        if constexpr (std::is_same_v<std::decay_t<decltype(form)>, TSequenceSummary>)
          return true;
        else
          return form.HasExtremes();
      },
      FForms);
}

void TValueSummary::Clear() {
  FValues = nullptr;
  FCount = 0;
  FStamp = 0;
  FBuilt = false;
  FAllFinite = true;
  FAscending = true;
  FForms = TSequenceSummary();
}

void TValueSummary::MinMax(int first, int last, double& lowest, double& highest) const {
  Visit([&](const auto& form) { form.MinMax(first, last, lowest, highest); });
}

} // namespace chart
