#include "chart/axis/ChartAxis.h"

#include "chart/axis/AxisFormat.h"
#include "chart/axis/AxisPlanLabels.h"
#include "chart/axis/AxisPlanRange.h"
#include "chart/axis/AxisSteps.h"
#include "chart/surface/ChartCanvas3D.h"

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

// The axis's side of its plan: its settings as plain values, its canvas as the label metrics,
// and the stages run in the order the chart asks for them.

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

// The drawing side of an axis: its line, ticks, grid, minor ticks and labels, as the last plan
// placed them.

void TChartAxis::PaintAxis(const TRect& plot) {
  const TAxisLabels& labels = FPlan.Labels;
  TChartCanvas3D& canvas = FChart.OwnerCanvas();
  canvas.SetBackMode(bmTransparent);
  canvas.SetBrushStyle(bsClear);
  if (FAxisPen.Visible())
    DrawAxisLine();
  DrawTicks(labels.TickPositions, FTicks, 1, AxisTickLength);
  if (FGrid.Visible())
    DrawGrid(labels.TickPositions, plot);
  if (!labels.TickPositions.empty())
    DrawTicks(labels.MinorPositions, FMinorTicks, 1, AxisMinorTickLength);
  canvas.SetBackMode(bmOpaque);
  DrawLabels();
}

void TChartAxis::DrawAxisLine() {
  TChartCanvas3D& canvas = FChart.OwnerCanvas();
  canvas.AssignPen(FAxisPen);
  if (FSettings.Horizontal)
    canvas.HorizLine(StartPixel(), EndPixel(), AxisPos());
  else
    canvas.VertLine(AxisPos(), StartPixel(), EndPixel());
}

// A tick across the axis line: it starts offset pixels outward of the line and runs length
// pixels further outward.
void TChartAxis::DrawTick(int position, int offset, int length) {
  // Outward is toward larger coordinates below and right of the plotting rectangle.
  const int sign = FSettings.Horizontal != FSettings.OtherSide ? 1 : -1;
  const int from = AxisPos() + sign * offset;
  const int to = from + sign * length;
  if (FSettings.Horizontal)
    FChart.OwnerCanvas().VertLine(position, from, to);
  else
    FChart.OwnerCanvas().HorizLine(from, to, position);
}

void TChartAxis::DrawTicks(const std::vector<int>& positions, const TChartPen& pen, int offset, int length) {
  FChart.OwnerCanvas().AssignPen(pen);
  for (int position : positions)
    DrawTick(position, offset, length);
}

void TChartAxis::DrawGrid(const std::vector<int>& positions, const TRect& plot) {
  TChartCanvas3D& canvas = FChart.OwnerCanvas();
  canvas.SetBackMode(bmTransparent);
  canvas.SetBrushStyle(bsClear);
  canvas.AssignPen(FGrid, FGrid.Color() == DefaultSeriesColor ? clGray : FGrid.Color());
  for (const int t : positions) {
    // A line on an axis end would cover the frame of the back wall.
    if (t <= StartPixel() || t >= EndPixel())
      continue;
    if (FSettings.Horizontal)
      canvas.VertLine(t, plot.Top + 1, plot.Bottom);
    else
      canvas.HorizLine(plot.Left + 1, plot.Right, t);
  }
}

void TChartAxis::DrawLabels() {
  // The walk down from the first label gathers rounding, so a label meant for an axis end can land
  // a hair beyond it; it has its tick there and keeps its text.
  const auto inRange = [this](double value) {
    return (value >= WorkMinimum() || NearlyEqual(value, WorkMinimum())) &&
           (value <= WorkMaximum() || NearlyEqual(value, WorkMaximum()));
  };
  for (const TAxisItem& item : FPlan.Labels.Items)
    if (inRange(item.Value))
      DrawLabel(item);
  FChart.OwnerCanvas().SetTextAlignment(TA_LEFT | TA_TOP);
}

void TChartAxis::DrawLabel(const TAxisItem& item) {
  TChartCanvas3D& canvas = FChart.OwnerCanvas();
  canvas.AssignFont(FLabelsFont);
  canvas.SetBrushStyle(bsClear);
  canvas.SetBackMode(bmTransparent);
  const int lineHeight = canvas.FontHeight();
  int x = LabelsPos();
  int y = item.Position - lineHeight / 2;
  unsigned alignment = (FSettings.OtherSide ? TA_LEFT : TA_RIGHT) | TA_TOP;
  if (FSettings.Horizontal) {
    x = item.Position;
    y = LabelsPos();
    alignment = TA_CENTER | (FSettings.OtherSide ? TA_BOTTOM : TA_TOP);
  }
  canvas.SetTextAlignment(alignment);
  ForEachLabelLine(item.Text, [&](std::string_view line) {
    canvas.TextOut(x, y, line);
    y += lineHeight;
  });
}

} // namespace chart
