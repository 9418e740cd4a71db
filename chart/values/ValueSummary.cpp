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

namespace {

// Integers are always finite, and a noisy list shows that it is not ascending within a few values.
// Of floating-point values, v * 0 is NaN exactly for NaN and the infinities, so one sum tells
// whether all are finite; a type that skips them notes where they are and has finite extremes.
template <class E>
void CheckValues(const TArrayValues<E>& values, int count, bool& allFinite, bool& ascending,
                 TSkippedValues& skipped) {
  allFinite = true;
  ascending = true;
  if constexpr (std::is_integral_v<typename E::Value>) {
    for (int i = 1; i < count && ascending; ++i)
      ascending = values.At(std::size_t(i)) >= values.At(std::size_t(i - 1));
  } else {
    double poison = 0;
    for (int i = 0; i < count; ++i) {
      const double v = values[std::size_t(i)];
      poison += v * 0.0;
      if (i > 0 && !(v >= values[std::size_t(i - 1)]))
        ascending = false;
      if (E::SkipsNonFinite && !std::isfinite(v))
        skipped.Add(i);
    }
    allFinite = E::SkipsNonFinite || poison == 0;
    ascending = ascending && poison == 0;
  }
}

// A sequence runs one way, so its ends tell whether it ran into infinity and whether it rises (a
// falling step can vanish in the rounding of a large start). Not finite means not ascending, as
// for an array of doubles.
void CheckValues(const TSequenceValues& values, int count, bool& allFinite, bool& ascending,
                 TSkippedValues&) {
  const double first = count > 0 ? values[0] : 0;
  const double last = count > 0 ? values[std::size_t(count - 1)] : 0;
  allFinite = std::isfinite(first) && std::isfinite(last);
  ascending = allFinite && last >= first;
}

TSequenceSummary MakeForm(const TSequenceValues& values, int, bool) { return TSequenceSummary(values); }

template <class E>
TLevelSummary<E> MakeForm(const TArrayValues<E>& values, int count, bool withExtremes) {
  return TLevelSummary<E>(values, count, withExtremes);
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
  CheckValues(values, FCount, FAllFinite, FAscending, FSkipped);
  FForms = MakeForm(values, FCount, withExtremes);
  FBuilt = true;
}

void TValueSummary::Update(const TChartValues& values, int count, std::uint64_t stamp, bool withExtremes) {
  values.Visit([&](const auto& typed) { Build(values.Identity(), typed, count, stamp, withExtremes); });
}

void TValueSummary::Update(const double* values, int count, std::uint64_t stamp, bool withExtremes) {
  Build(values, TArrayValues<TDoubleElement>{reinterpret_cast<const std::byte*>(values)}, count, stamp,
        withExtremes);
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
  FSkipped = {};
  FForms = TSequenceSummary();
}

void TValueSummary::MinMax(int first, int last, double& lowest, double& highest) const {
  Visit([&](const auto& form) { form.MinMax(first, last, lowest, highest); });
}

} // namespace chart
