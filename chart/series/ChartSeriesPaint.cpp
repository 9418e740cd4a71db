// The paint side every series shares: its axes, point pixels and the visible index range.
#include "chart/series/ChartSeries.h"

#include "chart/axis/ChartAxis.h"

#include <algorithm>
#include <cmath>

namespace chart {

TChartAxis* TChartSeries::GetHorizAxis() const {
  const TSeriesOwner* chart = ParentChart();
  if (!chart)
    return nullptr;
  return FHorizAxis == aTopAxis ? &chart->TopAxis() : &chart->BottomAxis();
}

TChartAxis* TChartSeries::GetVertAxis() const {
  const TSeriesOwner* chart = ParentChart();
  if (!chart)
    return nullptr;
  return FVertAxis == aRightAxis ? &chart->RightAxis() : &chart->LeftAxis();
}

TPointMapper TChartSeries::PointMapper(bool roundExtended) const {
  return TPointMapper(GetHorizAxis()->Mapping(), GetVertAxis()->Mapping(), roundExtended);
}

bool TChartSeries::IsPointNearRect(const TPointMapper& mapper, int index) const {
  const TRect& plot = ParentChart()->OwnerPlotRect();
  const int x = mapper.X(XValues()[index]);
  const int y = mapper.Y(YValues()[index]);
  return x >= plot.Left && x < plot.Right && y >= plot.Top && y < plot.Bottom;
}

namespace {

// The X values at the plotting rectangle's left and right edges, lower one first. An axis with
// offsets is read one pixel inside them, where the data ends land.
void EdgeValues(const TChartAxis& axis, const TRect& plot, double& low, double& high) {
  const bool noOffsets = axis.MinimumOffset() == 0 && axis.MaximumOffset() == 0;
  const int left = noOffsets ? plot.Left : plot.Left + axis.MinimumOffset() - 1;
  const int right = noOffsets ? plot.Right : plot.Right - axis.MaximumOffset() + 1;
  low = axis.PixelToValue(left);
  high = axis.PixelToValue(right);
  // An inverted axis has its larger value on the left.
  if (low > high)
    std::swap(low, high);
}

// The first index in [from, to) whose value is not below `value`, halving exactly as
// std::lower_bound does, so that even unsorted values give the same answer.
template <class Values>
int HalvingLowerBound(const Values& values, int from, int to, double value) {
  int first = from;
  int length = to - from;
  while (length > 0) {
    const int half = length >> 1;
    const int middle = first + half;
    if (values[std::size_t(middle)] < value) {
      first = middle + 1;
      length -= half + 1;
    } else {
      length = half;
    }
  }
  return first;
}

template <class Values>
int LowerBound(const Values& values, int from, int to, double value) {
  return HalvingLowerBound(values, from, to, value);
}

// A rising sequence computes the index and checks it against its neighbours; the rounding of
// the division is put right by a step or two.
int LowerBound(const TSequenceValues& values, int from, int to, double value) {
  if (!(values.Step > 0))
    return HalvingLowerBound(values, from, to, value);
  const double guess = std::ceil((value - values.First) / values.Step);
  int index = !(guess >= from) ? from : (guess >= to ? to : int(guess));
  while (index > from && !(values[std::size_t(index - 1)] < value))
    --index;
  while (index < to && values[std::size_t(index)] < value)
    ++index;
  return index;
}

template <class Values, class Predicate>
int FirstWhere(const Values& values, int from, int to, Predicate predicate) {
  while (from < to && !predicate(values[std::size_t(from)]))
    ++from;
  return from;
}

// The visible index range of `count` X values between `low` and `high`; first is -1 when no
// value reaches `low`.
template <class Values>
void VisibleRange(const Values& values, int count, bool ascending, bool drawBetweenPoints, double low,
                  double high, int& first, int& last) {
  first = ascending ? LowerBound(values, 0, count, low)
                    : FirstWhere(values, 0, count, [low](double v) { return v >= low; });
  if (first == count) {
    first = -1;
    return;
  }
  if (values[std::size_t(count - 1)] <= high)
    last = count - 1;
  else
    last = ascending ? LowerBound(values, first, count - 1, high)
                     : FirstWhere(values, first, count - 1, [high](double v) { return !(v < high); });
  if (!drawBetweenPoints)
    while (last > 0 && values[std::size_t(last)] > high)
      --last;
}

} // namespace

// Ascending X values are searched by halving (on a sequence, computed), which gives what a walk
// from the start would give and keeps a zoomed view of a long series cheap. Other orders are
// walked.
void TChartSeries::FindVisibleIndices() {
  FFirstVisible = -1;
  FLastVisible = -1;
  const int count = PointCount();
  if (count == 0)
    return;
  const TChartValueList& xValues = XValues();
  const TChartAxis* axis = GetHorizAxis();
  if (xValues.Order() == loNone || !FCalcVisiblePoints || !axis) {
    FFirstVisible = 0;
    FLastVisible = count - 1;
    return;
  }
  double low = 0;
  double high = 0;
  EdgeValues(*axis, ParentChart()->OwnerPlotRect(), low, high);
  int first = -1;
  int last = -1;
  xValues.ValueArray().Visit([&](const auto& values) {
    VisibleRange(values, count, xValues.Order() == loAscending, FDrawBetweenPoints, low, high, first, last);
  });
  FFirstVisible = first;
  FLastVisible = last;
}

} // namespace chart
