// The drawing side of an axis: the room it takes beside the plotting rectangle, and its line,
// ticks, grid, minor ticks, labels and title.
#include "chart/axis/AxisFormat.h"
#include "chart/axis/AxisSteps.h"
#include "chart/axis/ChartAxis.h"
#include "chart/surface/ChartCanvas3D.h"

#include <algorithm>
#include <cstdint>

namespace chart {

// +1 when "away from PlotRect" is toward larger coordinates (below, right), -1 otherwise.
int TChartAxis::OutwardSign() const {
  const bool towardLarger = FHorizontal != FOtherSide;
  return towardLarger ? 1 : -1;
}

int TChartAxis::AxisLineSize() const {
  int size = (FAxisPen.Visible() ? FAxisPen.Width() + 1 : 0) + (FTicks.Visible() ? FTickLength : 0);
  if (FMinorTicks.Visible())
    size = std::max(size, FMinorTickLength);
  return size;
}

void TChartAxis::TakeRoom(TRect& r, int size, int& sideCoordinate) const {
  if (FHorizontal) {
    int& edge = FOtherSide ? r.Top : r.Bottom;
    edge += FOtherSide ? size : -size;
    sideCoordinate = edge;
  } else {
    int& edge = FOtherSide ? r.Right : r.Left;
    edge += FOtherSide ? -size : size;
    sideCoordinate = edge;
  }
}

int TChartAxis::TitleExtent() {
  if (FTitleSize != 0)
    return FTitleSize;
  FChart.OwnerCanvas().AssignFont(FTitle->Font());
  return FChart.OwnerCanvas().FontHeight();
}

void TChartAxis::ReserveAxisSpace(TRect& r, bool /*standard: only 3D walls add to it*/) {
  if (FTitle && FTitle->IsShown())
    TakeRoom(r, TitleExtent(), FTitlePos);
  if (FLabels)
    TakeRoom(r, LabelsExtent(), FLabelsPos);
  const int lineSize = AxisLineSize();
  int lineEdge = 0;
  if (lineSize > 0)
    TakeRoom(r, lineSize, lineEdge);
}

void TChartAxis::RecalcTitlePos() {
  // Only a title with a caption is ever placed by TitlePos; skip measuring the labels again.
  if (!FTitle || !FTitle->IsShown())
    return;
  FTitlePos = FLabelsPos + OutwardSign() * LabelsExtent();
}

void TChartAxis::PaintAxis(bool placeLine) {
  if (placeLine)
    PlaceAxisLine();
  if (FTitle && FTitle->IsShown())
    DrawTitle();
  FTickPositions.clear();
  FItems.clear();
  if (CalcLabelStyle() == talValue)
    CalcValueLabels();
  TChartCanvas3D& canvas = FChart.OwnerCanvas();
  canvas.SetBackMode(bmTransparent);
  canvas.SetBrushStyle(bsClear);
  if (FAxisPen.Visible())
    DrawAxisLine();
  if (FTickLength != 0 && FTicks.Visible())
    DrawTicks(FTickPositions, FTicks, 1, FTickLength);
  if (FGrid.Visible())
    DrawGrid(FTickPositions, FGrid, FGrid.DrawEvery());
  if (FTickInnerLength != 0 && FTicksInner.Visible())
    DrawTicks(FTickPositions, FTicksInner, -1, -FTickInnerLength);
  const bool minorTicks = FMinorTickLength != 0 && !FTickPositions.empty() && FMinorTicks.Visible();
  if (minorTicks || FMinorGrid.Visible())
    CalcMinorPositions();
  if (minorTicks)
    DrawTicks(FMinorPositions, FMinorTicks, 1, FMinorTickLength);
  if (FMinorGrid.Visible())
    DrawGrid(FMinorPositions, FMinorGrid, 1);
  canvas.SetBackMode(bmOpaque);
  DrawLabels();
}

void TChartAxis::PlaceAxisLine() {
  const TRect& plot = FChart.OwnerPlotRect();
  const int across = FChart.OwnerPlotSize(!FHorizontal);
  // In pixels the value itself, rounded the same way.
  const int offset = PercentOfPixels(FPositionUnits == muPercent ? across : 100, FPositionPercent);
  if (FHorizontal)
    FAxisPos = FOtherSide ? plot.Top + offset : plot.Bottom - offset;
  else
    FAxisPos = FOtherSide ? plot.Right - offset : plot.Left + offset;
}

void TChartAxis::DrawTitle() {
  TChartCanvas3D& canvas = FChart.OwnerCanvas();
  const TChartAxisTitle& title = *FTitle;
  canvas.AssignFont(title.Font());
  canvas.SetBackMode(bmTransparent);
  canvas.SetBrushStyle(bsClear);
  const std::string& caption = title.Caption();
  if (FHorizontal) {
    canvas.SetTextAlignment(TA_CENTER | (FOtherSide ? TA_BOTTOM : TA_TOP));
    canvas.RotatedTextOut(CenterPixel(), FTitlePos, title.Angle(), caption);
  } else {
    // Turned text: its cell lies beside the reference point, so centre it on the axis by hand.
    const int height = canvas.FontHeight();
    const int halfWidth = canvas.TextWidth(caption) / 2;
    canvas.SetTextAlignment(TA_LEFT | TA_TOP);
    if (FOtherSide)
      canvas.RotatedTextOut(FTitlePos + height, CenterPixel() - halfWidth, title.Angle(), caption);
    else
      canvas.RotatedTextOut(FTitlePos - height, CenterPixel() + halfWidth, title.Angle(), caption);
  }
  canvas.SetTextAlignment(TA_LEFT | TA_TOP);
}

void TChartAxis::DrawAxisLine() {
  TChartCanvas3D& canvas = FChart.OwnerCanvas();
  canvas.AssignPen(FAxisPen);
  if (FHorizontal)
    canvas.HorizLine(StartPixel(), EndPixel(), FAxisPos);
  else
    canvas.VertLine(FAxisPos, StartPixel(), EndPixel());
}

// A tick across the axis line: it starts offset pixels outward of the line and runs length
// pixels further outward (negative values point into PlotRect).
void TChartAxis::DrawTick(int position, int offset, int length) {
  const int sign = OutwardSign();
  const int from = FAxisPos + sign * offset;
  const int to = from + sign * length;
  if (FHorizontal)
    FChart.OwnerCanvas().VertLine(position, from, to);
  else
    FChart.OwnerCanvas().HorizLine(from, to, position);
}

void TChartAxis::DrawTicks(const std::vector<int>& positions, const TChartPen& pen, int offset, int length) {
  FChart.OwnerCanvas().AssignPen(pen);
  for (int position : positions)
    DrawTick(position, offset, length);
}

void TChartAxis::DrawGrid(const std::vector<int>& positions, const TChartPen& pen, int every) {
  TChartCanvas3D& canvas = FChart.OwnerCanvas();
  const TRect& plot = FChart.OwnerPlotRect();
  canvas.SetBackMode(bmTransparent);
  canvas.SetBrushStyle(bsClear);
  canvas.AssignPen(pen, pen.Color() == DefaultSeriesColor ? clGray : pen.Color());
  every = std::max(1, every);
  for (std::size_t i = 0; i < positions.size(); i += std::size_t(every)) {
    const int t = positions[i];
    // A line on an axis end would cover the frame of the back wall.
    if (t <= StartPixel() || t >= EndPixel())
      continue;
    if (FHorizontal)
      canvas.VertLine(t, plot.Top + 1, plot.Bottom);
    else
      canvas.HorizLine(plot.Left + 1, plot.Right, t);
  }
}

// Minor positions continue the spacing of the first two labels beyond the first and the last one,
// then split every gap between neighbouring labels; only those strictly inside the axis count.
void TChartAxis::CalcMinorPositions() {
  FMinorPositions.clear();
  const std::vector<int>& t = FTickPositions;
  const std::size_t k = t.size();
  const int n = FMinorTickCount;
  if (n <= 0 || k < 2)
    return;
  auto add = [this](std::int64_t m) {
    if (StartPixel() < m && m < EndPixel())
      FMinorPositions.push_back(int(m));
  };
  const double fraction = 1.0 / (n + 1);
  const double outer = (double(t[1]) - t[0]) * fraction;
  for (int j = 1; j <= n; ++j) {
    const std::int64_t f = RoundHalfEven(j * outer);
    add(t[0] - f);
    add(t[k - 1] + f);
  }
  for (std::size_t i = 1; i < k; ++i) {
    const double d = (double(t[i]) - t[i - 1]) * fraction;
    for (int j = 1; j <= n; ++j)
      add(t[i] - RoundHalfEven(d * j));
  }
}

void TChartAxis::DrawLabels() {
  // The walk down from the first label gathers rounding, so a label meant for an axis end can land
  // a hair beyond it; it has its tick there and keeps its text.
  const auto inRange = [this](double value) {
    return (value >= WorkMinimum() || NearlyEqual(value, WorkMinimum())) &&
           (value <= WorkMaximum() || NearlyEqual(value, WorkMaximum()));
  };
  for (const TAxisItem& item : FItems)
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
  int x = FLabelsPos;
  int y = item.Position - lineHeight / 2;
  unsigned alignment = (FOtherSide ? TA_LEFT : TA_RIGHT) | TA_TOP;
  if (FHorizontal) {
    x = item.Position;
    y = FLabelsPos;
    alignment = TA_CENTER | (FOtherSide ? TA_BOTTOM : TA_TOP);
  }
  std::string text = item.Text;
  bool drawLabel = true;
  if (OnDrawLabel)
    OnDrawLabel(*this, x, y, text, drawLabel);
  if (!drawLabel)
    return;
  canvas.SetTextAlignment(alignment);
  ForEachLabelLine(text, [&](std::string_view line) {
    canvas.TextOut(x, y, line);
    y += lineHeight;
  });
}

} // namespace chart
