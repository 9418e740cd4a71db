#include "chart/axis/ChartAxis.h"

#include <initializer_list>
#include <utility>

namespace chart {

namespace {

constexpr double SmallestRange = 1e-10;

} // namespace

TChartAxis::TChartAxis(TAxisOwner& chart, bool horizontal, bool otherSide)
    : FChart(chart), FHorizontal(horizontal), FOtherSide(otherSide) {
  FPlan.Mapping.SetDirection(horizontal, false);
  for (TChartPersistent* part : std::initializer_list<TChartPersistent*>{
           &FLabelsFont, &FAxisPen, &FGrid, &FTicks, &FTicksInner, &FMinorTicks, &FTitle})
    part->SetOnChange([this] { InvalidateChart(); });
}

TChartAxis::~TChartAxis() = default;

TChartDepthAxis::TChartDepthAxis(TAxisOwner& chart, bool otherSide) : TChartAxis(chart, false, otherSide) {}

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

void TChartAxis::SetInverted(bool value) {
  SetProperty(FInverted, value);
  FPlan.Mapping.SetDirection(FHorizontal, FInverted);
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
    const bool dataAbove = delta > 0 && FPlan.Data.Maximum > FMaximum;
    const bool dataBelow = delta < 0 && FPlan.Data.Minimum < FMinimum;
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
