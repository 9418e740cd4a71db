// The axis's side of its plan: its settings as plain values, its canvas as the label metrics,
// and the stages run in the order the chart asks for them.
#include "chart/axis/AxisFormat.h"
#include "chart/axis/AxisPlanLabels.h"
#include "chart/axis/AxisPlanRange.h"
#include "chart/axis/ChartAxis.h"
#include "chart/surface/ChartCanvas3D.h"

#include <utility>

namespace chart {

namespace {

// Label texts in the axis's format, measured in its labels font on the chart's canvas.
class TCanvasLabelMetrics final : public TLabelMetrics {
public:
  TCanvasLabelMetrics(TChartCanvas3D& canvas, const TChartFont& font) : FCanvas(canvas) {
    FCanvas.AssignFont(font);
  }
  std::string Text(double value) override {
    return FormatFloatPicture("#,##0.###", value, LabelSeparators());
  }
  int TextWidth(std::string_view text) override { return FCanvas.TextWidth(text); }
  int FontHeight() override { return FCanvas.FontHeight(); }

private:
  TChartCanvas3D& FCanvas;
};

} // namespace

TAxisSettings TChartAxis::Settings() const {
  TAxisSettings s = FSettings;
  s.Depth = IsDepthAxis();
  // The minor ticks are shorter than the major ones, so they take no room of their own.
  s.LineSize = (FAxisPen.Visible() ? FAxisPen.Width() + 1 : 0) + AxisTickLength;
  return s;
}

TAxisPlan TChartAxis::StartPlan(const TAxisSeriesData& data, bool chartAxisVisible, const TRect& plot,
                                int length) const {
  const TAxisSettings settings = Settings();
  TAxisPlan plan;
  plan.Data = data;
  plan.IsShown = PlanIsShown(settings, data, chartAxisVisible);
  plan.Range = AdjustRange(settings, data);
  plan.Mapping = PlaceAxis(settings, plan.Range, FSettings.Horizontal ? plot.Left : plot.Top, length);
  return plan;
}

TAxisRoom TChartAxis::ReserveAxisSpace(const TAxisPlan& plan, const TRect& r) const {
  const TAxisSettings settings = Settings();
  TCanvasLabelMetrics metrics(FChart.OwnerCanvas(), FLabelsFont);
  return chart::ReserveAxisSpace(settings, chart::LabelsExtent(settings, plan.Mapping, plan.Data, metrics),
                                 r);
}

TAxisPlan TChartAxis::FinishPlan(TAxisPlan plan, const TAxisSeriesMargins& seriesMargins, const TRect& plot,
                                 int length) const {
  const TAxisSettings settings = Settings();
  const TAxisMapping placed =
      PlaceAxis(settings, plan.Range, FSettings.Horizontal ? plot.Left : plot.Top, length);
  plan.Mapping = ApplyAxisMargins(settings, placed, seriesMargins);
  plan.AxisPos = AxisLinePos(settings, plot);
  if (plan.IsShown) {
    TCanvasLabelMetrics metrics(FChart.OwnerCanvas(), FLabelsFont);
    plan.Labels = PlanLabels(settings, plan.Mapping, plan.Data, metrics);
  }
  return plan;
}

void TChartAxis::SetPlan(TAxisPlan plan) {
  // Stored without checks or repaint: after a paint an automatic axis reads back its data's ends.
  FSettings.Minimum = plan.Range.Minimum;
  FSettings.Maximum = plan.Range.Maximum;
  FPlan = std::move(plan);
}

int TChartAxis::LabelsExtent() const {
  TCanvasLabelMetrics metrics(FChart.OwnerCanvas(), FLabelsFont);
  return chart::LabelsExtent(Settings(), FPlan.Mapping, FPlan.Data, metrics);
}

} // namespace chart
