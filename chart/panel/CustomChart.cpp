#include "chart/panel/CustomChart.h"

#include "chart/series/ChartSeries.h"
#include "chart/surface/ChartCanvas3D.h"

#include <cmath>

namespace chart {

TCustomChart::TCustomChart() {
  for (TChartPersistent* part :
       std::initializer_list<TChartPersistent*>{&FTitle, &FSubTitle, &FFoot, &FSubFoot, &FBackWall,
                                                &FLeftWall, &FRightWall, &FBottomWall, &FLegend})
    Watch(*part);
}

TCustomChart::~TCustomChart() = default;

void TCustomChart::AddSeries(std::unique_ptr<TChartSeries> series) {
  series->SetParentChart(this);
  PrepareJoiningSeries(*series);
  AppendSeries(std::move(series));
  Invalidate();
}

void TCustomChart::Fire(const TChartNotifyEvent& event) {
  if (event)
    event(*this);
}

void TCustomChart::InternalDraw(const TRect& bounds) {
  PanelPaint(bounds);
  Fire(OnBeforeDrawChart);
  KeepFrame(LayOut(bounds));
  DrawBackWall();
  PaintAxesAndSeries();
  Canvas().ResetState();
  Fire(OnAfterDraw);
}

// Each part takes its room where the paint reaches it; a 2D chart has no depth to take off.
TChartFrame TCustomChart::LayOut(const TRect& bounds) { return PlanAxes(DrawTitles(MarginFrame(bounds))); }

TChartFrame TCustomChart::DrawTitles(TChartFrame frame) {
  struct TNamedTitle {
    const TChartTitle& Title;
    const char* Group;
  };
  const TNamedTitle titles[] = {
      {FTitle, "Title"}, {FSubTitle, "Subtitle"}, {FFoot, "Foot"}, {FSubFoot, "Subfoot"}};
  TChartCanvas3D& canvas = Canvas();
  canvas.BeginGroup("Titles");
  for (const TNamedTitle& named : titles) {
    canvas.BeginGroup(named.Group);
    TRect plot = frame.PlotRect;
    if (named.Title.DrawTitle(canvas, plot))
      frame = Reframed(frame, plot);
    canvas.EndGroup();
  }
  canvas.EndGroup();
  return frame;
}

TRect TCustomChart::BackWallRect() const {
  const TRect& plot = PlotRect();
  int bottom = plot.Bottom;
  if (FBackWall.EndPosition() != 100)
    bottom -= int(std::lrint((100 - FBackWall.EndPosition()) * 0.01 * (bottom - plot.Top)));
  int top = plot.Top;
  if (FBackWall.StartPosition() != 0)
    top += int(std::lrint(FBackWall.StartPosition() * 0.01 * PlotHeight()));
  // The outline lies on PlotRect's right and bottom lines too, so the shape reaches one beyond.
  return {plot.Left, top, plot.Right + 1, FBackWall.EndPosition() == 100 ? bottom + 1 : bottom};
}

void TCustomChart::DrawBackWall() {
  if (!FBackWall.Visible() || !View3DWalls())
    return;
  TChartCanvas3D& canvas = Canvas();
  canvas.BeginGroup("Back");
  canvas.AssignPen(FBackWall.Pen());
  if (FBackWall.Transparent()) {
    canvas.SetBrushStyle(bsClear);
  } else {
    const TChartBrush& brush = FBackWall.Brush();
    TColor fill = FBackWall.Color();
    // A hatch in its own gap colour would vanish.
    if (brush.Style() != bsSolid && fill == brush.Color())
      fill = fill == clBlack ? clWhite : clBlack;
    canvas.AssignBrush(brush, fill, brush.Color());
  }
  canvas.DrawRectangle(BackWallRect());
  canvas.EndGroup();
}

void TCustomChart::PaintAxesAndSeries() {
  TChartCanvas3D& canvas = Canvas();
  const auto paintAxes = [&] {
    canvas.BeginGroup("Axes");
    Fire(OnBeforeDrawAxes);
    DrawAxes(PlotRect());
    canvas.EndGroup();
  };
  if (AxisVisible() && AxisBehind())
    paintAxes();
  Fire(OnBeforeDrawSeries);
  DrawAllSeries();
  if (AxisVisible() && !AxisBehind())
    paintAxes();
}

} // namespace chart
