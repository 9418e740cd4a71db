#include "chart/axis/ChartAxis.h"

#include <initializer_list>
#include <utility>

namespace chart {

namespace {

constexpr double SmallestRange = 1e-10;

} // namespace

TChartAxis::TChartAxis(TAxisOwner& chart, bool horizontal, bool otherSide)
    : TChartAxis(chart, horizontal, otherSide, false) {}

TChartAxis::TChartAxis(TAxisOwner& chart, bool horizontal, bool otherSide, bool depth)
    : FChart(chart), FHorizontal(horizontal), FOtherSide(otherSide), FVisible(!depth) {
  FMapping.SetDirection(horizontal, false);
  // The top and right axes stand at the back of a 3D chart.
  FZPosition = otherSide && !depth ? 100 : 0;
  for (TChartPersistent* part : std::initializer_list<TChartPersistent*>{
           &FLabelsFont, &FAxisPen, &FGrid, &FTicks, &FTicksInner, &FMinorTicks, &FMinorGrid})
    part->SetOnChange([this] { InvalidateChart(); });
}

TChartAxis::~TChartAxis() = default;

TChartDepthAxis::TChartDepthAxis(TAxisOwner& chart, bool otherSide)
    : TChartAxis(chart, false, otherSide, true) {}

void TChartAxis::InvalidateChart() { FChart.OwnerChanged(); }

// --- properties ------------------------------------------------------------------------------------

void TChartAxis::SetAutomatic(bool value) {
  SetProperty(FAutomatic, value);
  if (!FChart.OwnerLoading()) {
    SetProperty(FAutomaticMinimum, value);
    SetProperty(FAutomaticMaximum, value);
  }
}

void TChartAxis::SetAutomaticMinimum(bool value) {
  SetProperty(FAutomaticMinimum, value);
  if (!value)
    SetProperty(FAutomatic, false);
  else if (FAutomaticMaximum)
    SetProperty(FAutomatic, true);
}

void TChartAxis::SetAutomaticMaximum(bool value) {
  SetProperty(FAutomaticMaximum, value);
  if (!value)
    SetProperty(FAutomatic, false);
  else if (FAutomaticMinimum)
    SetProperty(FAutomatic, true);
}

void TChartAxis::SetMinimum(double value) {
  if (!FChart.OwnerLoading() && value > FMaximum)
    throw AxisException("Axis Minimum Value must be <= Maximum");
  StoreMinimum(value);
}

void TChartAxis::SetMaximum(double value) {
  if (!FChart.OwnerLoading() && value < FMinimum)
    throw AxisException("Axis Maximum Value must be >= Minimum");
  StoreMaximum(value);
}

void TChartAxis::StoreMinimum(double value) { SetProperty(FMinimum, value); }
void TChartAxis::StoreMaximum(double value) { SetProperty(FMaximum, value); }

void TChartAxis::SetIncrement(double value) {
  if (value < 0)
    throw AxisException("Axis increment must be >= 0");
  SetProperty(FIncrement, value);
}

void TChartAxis::SetLabelsSeparation(int value) {
  if (value < 0)
    throw AxisException("Labels Separation % must be greater than 0");
  SetProperty(FLabelsSeparation, value);
}

void TChartAxis::SetHorizontal(bool value) {
  SetProperty(FHorizontal, value);
  FMapping.SetDirection(FHorizontal, FInverted);
}

void TChartAxis::SetInverted(bool value) {
  SetProperty(FInverted, value);
  FMapping.SetDirection(FHorizontal, FInverted);
}

TChartAxisTitle& TChartAxis::Title() {
  if (!FTitle) {
    // Beside a vertical axis the title reads along it: upward on the left, downward on the right.
    const int angle = FHorizontal || IsDepthAxis() ? 0 : FOtherSide ? 270 : 90;
    FTitle = std::make_unique<TChartAxisTitle>(angle);
    FTitle->SetOnChange([this] { InvalidateChart(); });
  }
  return *FTitle;
}

// --- range and placement -----------------------------------------------------------------------

void TChartAxis::UpdateIsShown(bool chartAxisVisible, bool view3D) {
  FIsShown = chartAxisVisible && FVisible;
  if (!FIsShown)
    return;
  if (IsDepthAxis())
    FIsShown = view3D;
  else if (FSeriesData.ChartHasActiveSeries)
    FIsShown = FSeriesData.HasActiveSeries;
}

void TChartAxis::AdjustRange() {
  // Stored without checks or repaint: after a paint an automatic axis reads back its data's ends.
  if (FAutomatic || FAutomaticMaximum)
    FMaximum = FSeriesData.Maximum;
  if (FAutomatic || FAutomaticMinimum)
    FMinimum = FSeriesData.Minimum;
  FMapping.SetRange(FMinimum, FMaximum);
}

void TChartAxis::PlaceAxis() {
  const TRect& plot = FChart.OwnerPlotRect();
  const int origin = FHorizontal ? plot.Left : plot.Top;
  const int size = FChart.OwnerPlotSize(FHorizontal);
  FMapping.SetPixels(origin + PercentOfPixels(size, FStartPosition),
                     origin + PercentOfPixels(size, FEndPosition));
}

void TChartAxis::ApplyAxisMargins(int left, int top, int right, int bottom) {
  // A range too narrow or too wide for a finite scale has no pixel that tells a value: it keeps
  // its ends.
  if (FMapping.RangeIsZero && FMapping.WorkRange != 0)
    return;
  const int s0 = StartPixel();
  const int e0 = EndPixel();
  const int startMargin = FHorizontal ? left : top;
  const int endMargin = FHorizontal ? right : bottom;
  // The old range on the shrunk extent: what now lies at the full extent's ends.
  FMapping.SetPixels(s0 + startMargin, e0 - endMargin);
  double a = PixelToValue(s0);
  double b = PixelToValue(e0);
  PlaceAxis();
  if (a > b)
    std::swap(a, b);
  FMapping.SetRange(a, b);
}

void TChartAxis::CalcAxisMargins(const TAxisSeriesMargins& seriesMargins) {
  int left = 0, top = 0, right = 0, bottom = 0;
  // An end the user fixed, or one with an offset, ignores the series' wishes there.
  const bool minFromSeries = FMinimumOffset == 0 && FAutomaticMinimum;
  const bool maxFromSeries = FMaximumOffset == 0 && FAutomaticMaximum;
  if (FHorizontal) {
    left = minFromSeries ? seriesMargins.First : 0;
    right = maxFromSeries ? seriesMargins.Second : 0;
  } else {
    top = maxFromSeries ? seriesMargins.First : 0;
    bottom = minFromSeries ? seriesMargins.Second : 0;
  }
  if (FMinimumOffset != 0 || FMaximumOffset != 0) {
    int& minEnd = FHorizontal ? (FInverted ? right : left) : (FInverted ? top : bottom);
    int& maxEnd = FHorizontal ? (FInverted ? left : right) : (FInverted ? bottom : top);
    minEnd += FMinimumOffset;
    maxEnd += FMaximumOffset;
  }
  ApplyAxisMargins(left, top, right, bottom);
  if ((FMinimumOffset != 0 || FMaximumOffset != 0) && FLabels)
    RecalcTitlePos();
}

// --- zoom and scroll ---------------------------------------------------------------------------

void TChartAxis::SetRange(double newMinimum, double newMaximum) {
  FAutomatic = false;
  FAutomaticMinimum = false;
  FAutomaticMaximum = false;
  if (newMinimum > newMaximum)
    std::swap(newMinimum, newMaximum);
  StoreMinimum(newMinimum);
  StoreMaximum(newMaximum);
  if (FMaximum - FMinimum < SmallestRange)
    StoreMaximum(FMinimum + SmallestRange);
}

void TChartAxis::ShiftRange(double delta, bool checkLimits) {
  if (checkLimits) {
    const bool dataAbove = delta > 0 && FSeriesData.Maximum > FMaximum;
    const bool dataBelow = delta < 0 && FSeriesData.Minimum < FMinimum;
    if (!dataAbove && !dataBelow)
      return;
  }
  FAutomatic = false;
  FAutomaticMinimum = false;
  FAutomaticMaximum = false;
  FMaximum += delta;
  FMinimum += delta;
  InvalidateChart();
}

} // namespace chart
