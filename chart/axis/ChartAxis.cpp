#include "chart/axis/ChartAxis.h"

#include <initializer_list>
#include <utility>

namespace chart {

namespace {

constexpr double SmallestRange = 1e-10;

} // namespace

TChartAxis::TChartAxis(TAxisOwner& chart, bool horizontal, bool otherSide) : FChart(chart) {
  FSettings.Horizontal = horizontal;
  FSettings.OtherSide = otherSide;
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
  SetProperty(FSettings.Automatic, value);
  if (!FChart.OwnerLoading()) {
    SetProperty(FSettings.AutomaticMinimum, value);
    SetProperty(FSettings.AutomaticMaximum, value);
  }
}

void TChartAxis::SetAutomaticMinimum(bool value) {
  SetProperty(FSettings.AutomaticMinimum, value);
  if (!value)
    SetProperty(FSettings.Automatic, false);
  else if (FSettings.AutomaticMaximum)
    SetProperty(FSettings.Automatic, true);
}

void TChartAxis::SetAutomaticMaximum(bool value) {
  SetProperty(FSettings.AutomaticMaximum, value);
  if (!value)
    SetProperty(FSettings.Automatic, false);
  else if (FSettings.AutomaticMinimum)
    SetProperty(FSettings.Automatic, true);
}

void TChartAxis::SetMinimum(double value) {
  if (!FChart.OwnerLoading() && value > FSettings.Maximum)
    throw AxisException("Axis Minimum Value must be <= Maximum");
  StoreMinimum(value);
}

void TChartAxis::SetMaximum(double value) {
  if (!FChart.OwnerLoading() && value < FSettings.Minimum)
    throw AxisException("Axis Maximum Value must be >= Minimum");
  StoreMaximum(value);
}

void TChartAxis::StoreMinimum(double value) { SetProperty(FSettings.Minimum, value); }
void TChartAxis::StoreMaximum(double value) { SetProperty(FSettings.Maximum, value); }

void TChartAxis::SetInverted(bool value) {
  SetProperty(FSettings.Inverted, value);
  FPlan.Mapping.SetDirection(FSettings.Horizontal, FSettings.Inverted);
}

// --- zoom and scroll ---------------------------------------------------------------------------

void TChartAxis::SetRange(double newMinimum, double newMaximum) {
  FSettings.Automatic = false;
  FSettings.AutomaticMinimum = false;
  FSettings.AutomaticMaximum = false;
  if (newMinimum > newMaximum)
    std::swap(newMinimum, newMaximum);
  StoreMinimum(newMinimum);
  StoreMaximum(newMaximum);
  if (FSettings.Maximum - FSettings.Minimum < SmallestRange)
    StoreMaximum(FSettings.Minimum + SmallestRange);
}

void TChartAxis::ShiftRange(double delta, bool checkLimits) {
  if (checkLimits) {
    const bool dataAbove = delta > 0 && FPlan.Data.Maximum > FSettings.Maximum;
    const bool dataBelow = delta < 0 && FPlan.Data.Minimum < FSettings.Minimum;
    if (!dataAbove && !dataBelow)
      return;
  }
  FSettings.Automatic = false;
  FSettings.AutomaticMinimum = false;
  FSettings.AutomaticMaximum = false;
  FSettings.Maximum += delta;
  FSettings.Minimum += delta;
  InvalidateChart();
}

} // namespace chart
