// The arithmetic behind axis labels: the 1-2-5 step sequence, how many labels fit, the step
// between labels and the label values of a range. Kept free of the axis so it can be tabled.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>

namespace chart {

// Values this close count as one label position.
bool NearlyEqual(double a, double b);

// The next step of the 1, 2, 5, 10, ... sequence above x; a member always moves on to the next.
// Infinite, zero, negative and NaN steps give 1, so a degenerate range cannot recurse forever.
double NiceStep(double x);

// How many labels of `labelSize` pixels (plus `separationPercent` of it) fit on the axis.
int LabelSlots(int axisLength, int labelSize, int separationPercent);

// What the step search needs to know about the axis for one label step.
struct TLabelStepQuery {
  double WorkMinimum = 0;
  double WorkMaximum = 0;
  int AxisLength = 0;
  int LabelsSeparation = 10;
  bool RoundFirstLabel = true;
  bool LabelsAlternate = false;
  double Increment = 0;
  // Point count of the smallest active series that takes its X values from this axis; an axis
  // whose series has no more points than labels never labels between points.
  std::int64_t FewestXPoints = std::numeric_limits<std::int64_t>::max();
};

// The step for at most maxLabels labels (maxLabels >= 1).
double StepForLabels(const TLabelStepQuery& query, double increment, int maxLabels);

// The value distance between two labels; extentOf measures the room of one label's text along
// the axis. A step of 2 or more is searched again from 1 so that it stays on whole numbers.
double CalcLabelStep(const TLabelStepQuery& query, const std::function<int(double)>& extentOf);

// Walks the label values of [workMinimum, workMaximum] from the largest down; nothing at all when
// the step would give 10000 labels or more, one value when the range is (nearly) a point.
void ForEachLabelValue(double workMinimum, double workMaximum, double step, bool roundFirstLabel,
                       const std::function<void(double)>& emit);

} // namespace chart
