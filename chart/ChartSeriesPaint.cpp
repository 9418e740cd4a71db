// The paint side every series shares: its axes, point pixels and the visible index range.
#include "chart/ChartSeries.h"

#include "chart/CustomAxisPanel.h"
#include "chart/ChartAxis.h"

#include <algorithm>

namespace chart {

TChartAxis* TChartSeries::GetHorizAxis() const {
  const TCustomAxisPanel* chart = ParentChart();
  if (!chart)
    return nullptr;
  return FHorizAxis == aTopAxis ? &chart->TopAxis() : &chart->BottomAxis();
}

TChartAxis* TChartSeries::GetVertAxis() const {
  const TCustomAxisPanel* chart = ParentChart();
  if (!chart)
    return nullptr;
  return FVertAxis == aRightAxis ? &chart->RightAxis() : &chart->LeftAxis();
}

int TChartSeries::CalcXPos(int index) const { return GetHorizAxis()->ValueToPixel(XValues()[index]); }

int TChartSeries::CalcYPos(int index) const { return GetVertAxis()->ValueToPixel(YValues()[index]); }

bool TChartSeries::IsPointNearRect(int index) const {
  const TRect& plot = ParentChart()->PlotRect;
  const int x = CalcXPos(index);
  const int y = CalcYPos(index);
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

} // namespace

// Ascending X values are searched by halving, which gives what a walk from the start would give
// and keeps a zoomed view of a long series cheap. Other orders are walked.
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
  EdgeValues(*axis, ParentChart()->PlotRect, low, high);

  const double* values = xValues.ValueArray().Data();
  const bool ascending = xValues.Order() == loAscending;
  const double* firstAtLeft =
      ascending ? std::lower_bound(values, values + count, low)
                : std::find_if(values, values + count, [low](double v) { return v >= low; });
  if (firstAtLeft == values + count)
    return;
  FFirstVisible = int(firstAtLeft - values);
  if (values[count - 1] <= high) {
    FLastVisible = count - 1;
  } else {
    const double* from = values + FFirstVisible;
    const double* to = values + count - 1;
    const double* atRight = ascending ? std::lower_bound(from, to, high)
                                      : std::find_if(from, to, [high](double v) { return !(v < high); });
    FLastVisible = int(atRight - values);
  }
  if (!FDrawBetweenPoints)
    while (FLastVisible > 0 && values[FLastVisible] > high)
      --FLastVisible;
}

} // namespace chart
