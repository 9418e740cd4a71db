#include "chart/axis/AxisSteps.h"

#include "chart/axis/AxisFormat.h"
#include "chart/axis/AxisMapping.h"

#include <algorithm>
#include <cmath>

namespace chart {

namespace {

constexpr double MinimumStep = 1e-12;
constexpr int MaxLabelCount = 10000;

// Round first label: the ends the size estimate is taken from, on whole numbers.
struct TLabelEnds {
  double Low;
  double High;
};

TLabelEnds LabelEnds(const TLabelStepQuery& query, double increment) {
  if (query.RoundFirstLabel && increment != 0)
    return {std::nearbyint(query.WorkMinimum), std::trunc(query.WorkMaximum)};
  return {query.WorkMinimum, query.WorkMaximum};
}

// Halves the middle value until it shows decimals, so the estimate includes a label with decimals.
double MiddleWithDecimals(double mid) {
  while (std::isfinite(mid) && mid == std::trunc(mid) && mid != 0)
    mid *= 0.5;
  return mid;
}

int LargestLabelExtent(const TLabelStepQuery& query, double increment,
                       const std::function<int(double)>& extentOf) {
  const TLabelEnds ends = LabelEnds(query, increment);
  const double mid = MiddleWithDecimals((ends.High + ends.Low) * 0.5);
  int size = std::max({extentOf(mid), extentOf(ends.High), extentOf(ends.Low)});
  if (increment != 0)
    size = std::max({size, extentOf(ends.High - increment), extentOf(ends.Low + increment)});
  return size;
}

double LabelStepPass(const TLabelStepQuery& query, double increment,
                     const std::function<int(double)>& extentOf) {
  const int size = LargestLabelExtent(query, increment, extentOf);
  const int slots = LabelSlots(query.AxisLength, size, query.LabelsSeparation);
  return slots < 1 ? MinimumStep : StepForLabels(query, increment, slots);
}

double InitialStep(const TLabelStepQuery& query, double increment, double range, int maxLabels) {
  if (increment > 0)
    return increment;
  if (range == 0)
    return 1;
  double step = std::fabs(range) / (maxLabels + 1);
  if (range >= 1.1 && query.FewestXPoints <= maxLabels)
    step = std::max(step, 1.0);
  return step;
}

} // namespace

bool NearlyEqual(double a, double b) {
  return std::fabs(a - b) <= std::max(1e-12, 1e-12 * std::min(std::fabs(a), std::fabs(b)));
}

double NiceStep(double x) {
  if (std::isinf(x) || !(x > 0))
    return 1;
  // Scale into [1, 10) and back with the same multiplications a recursive definition would make,
  // so the results carry the same rounding.
  int tens = 0;
  int tenths = 0;
  for (; x >= 10; ++tens)
    x *= 0.1;
  for (; x < 1; ++tenths)
    x *= 10;
  double step = x < 2 ? 2 : x < 5 ? 5 : 10;
  for (; tenths > 0; --tenths)
    step *= 0.1;
  for (; tens > 0; --tens)
    step *= 10;
  return step;
}

int LabelSlots(int axisLength, int labelSize, int separationPercent) {
  if (labelSize <= 0 || axisLength <= 0)
    return 1;
  if (separationPercent <= 0)
    return int(RoundHalfEven(double(axisLength) / labelSize));
  const double gap = std::nearbyint(double(labelSize) * separationPercent * 0.01);
  return int(RoundHalfEven(axisLength / (labelSize + gap)));
}

double StepForLabels(const TLabelStepQuery& query, double increment, int maxLabels) {
  const double range = query.WorkMaximum - query.WorkMinimum;
  double step = InitialStep(query, increment, range, maxLabels);
  if (query.LabelsSeparation > 0) {
    do {
      const double c = range / step;
      if (std::fabs(c) < 2147483647.0 && RoundHalfEven(c) <= maxLabels)
        break;
      // Scaling a subnormal step up and back down may give it back no larger: the search
      // would never end. A NaN step moves on to 1 and grows from there.
      const double next = NiceStep(step);
      if (next <= step)
        break;
      step = next;
    } while (!(step > range) && !std::isinf(step));
  }
  return std::isinf(step) ? range : std::max(MinimumStep, step);
}

double CalcLabelStep(const TLabelStepQuery& query, const std::function<int(double)>& extentOf) {
  const double step = LabelStepPass(query, query.Increment, extentOf);
  if (query.LabelsAlternate || query.Increment != 0 || !(step >= 2))
    return step;
  // Searched again from an increment of 1: the step then walks 1, 2, 5, 10, ... on whole numbers.
  return LabelStepPass(query, 1, extentOf);
}

void ForEachLabelValue(double workMinimum, double workMaximum, double step, bool roundFirstLabel,
                       const std::function<void(double)>& emit) {
  if (!(step > 0) || !(workMaximum >= workMinimum))
    return;
  const double range = workMaximum - workMinimum;
  if (!(std::fabs(range / step) < MaxLabelCount))
    return;
  double first = workMaximum / step;
  if (GeneralFormat(workMinimum) == GeneralFormat(workMaximum))
    first = workMaximum;
  else if (roundFirstLabel)
    first = std::trunc(first) * step;
  else
    first = workMaximum;
  while (first > workMaximum) {
    const double next = first - step;
    const bool stuck = NearlyEqual(next, first);
    first = next;
    if (stuck)
      break;
  }
  if (range == 0 || NearlyEqual(workMinimum, workMaximum) ||
      GeneralFormat(first) == GeneralFormat(first - step)) {
    emit(first);
    return;
  }
  const double limit = workMinimum >= 0 ? (workMinimum - 1e-12) / (1 + 1e-12) : workMinimum;
  for (double v = first; v >= limit;) {
    emit(v);
    const double next = v - step;
    if (NearlyEqual(next, v))
      break;
    v = next;
  }
}

} // namespace chart
