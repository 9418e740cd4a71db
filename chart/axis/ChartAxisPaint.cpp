// The drawing side of an axis: its line, ticks, grid, minor ticks and labels, as the last plan
// placed them.
#include "chart/axis/AxisFormat.h"
#include "chart/axis/AxisSteps.h"
#include "chart/axis/ChartAxis.h"
#include "chart/surface/ChartCanvas3D.h"

namespace chart {

void TChartAxis::PaintAxis() {
  const TAxisLabels& labels = FPlan.Labels;
  TChartCanvas3D& canvas = FChart.OwnerCanvas();
  canvas.SetBackMode(bmTransparent);
  canvas.SetBrushStyle(bsClear);
  if (FAxisPen.Visible())
    DrawAxisLine();
  DrawTicks(labels.TickPositions, FTicks, 1, AxisTickLength);
  if (FGrid.Visible())
    DrawGrid(labels.TickPositions);
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

void TChartAxis::DrawGrid(const std::vector<int>& positions) {
  TChartCanvas3D& canvas = FChart.OwnerCanvas();
  const TRect& plot = FChart.OwnerPlotRect();
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
