#include "app/core/FormChartsLayout.h"

#include "chart/Chart.h"
#include "chart/axis/ChartAxis.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"

#include <memory>

namespace app {

namespace {

constexpr chart::TColor LightGrey = 15395562;   // 0xEAEAEA
constexpr chart::TColor LightYellow = 14745599; // 0xE0FFFF
constexpr chart::TColor DarkGrey = 4210752;     // 0x404040
constexpr chart::TColor Grey = 11119017;        // 0xA9A9A9
constexpr chart::TColor SeriesBlue = 10708548;  // 0xA36644
const char* const ChartFace = "Verdana";

void ApplyAxisLayout(chart::TChartAxis& axis) {
  axis.Axis().SetColor(DarkGrey);
  axis.Grid().SetColor(Grey);
  axis.TicksInner().SetColor(Grey);
  axis.LabelsFont().SetName(ChartFace);
  axis.Title().Font().SetName(ChartFace);
}

void ApplyPanelLayout(chart::TChart& chart) {
  chart.SetView3D(false);
  chart.Legend().SetVisible(false);
  chart.Title().SetText({"TChart"});
  chart::TChartGradient& panel = chart.Gradient();
  panel.SetVisible(true);
  panel.SetDirection(chart::gdBottomTop);
  panel.SetStartColor(LightGrey);
  panel.SetMidColor(LightGrey);
  panel.SetEndColor(chart::clWhite);
  chart::TChartGradient& wall = chart.BackWall().Brush().Gradient();
  wall.SetVisible(true);
  wall.SetDirection(chart::gdBottomTop);
  wall.SetStartColor(LightGrey);
  wall.SetEndColor(chart::clWhite);
  chart.BackWall().SetTransparent(false);
  chart.LeftWall().SetColor(LightYellow);
  chart.RightWall().SetColor(LightYellow);
}

// Everything both charts carry; the palette comes before the series are read.
void ApplySharedLayout(chart::TChart& chart) {
  ApplyPanelLayout(chart);
  chart.SetColorPaletteIndex(13);
  for (chart::TChartFont* font : {&chart.Title().Font(), &chart.SubTitle().Font(), &chart.Foot().Font(),
                                  &chart.SubFoot().Font(), &chart.Legend().Font()})
    font->SetName(ChartFace);
  for (int i = 0; i < chart.Axes.Count(); ++i)
    ApplyAxisLayout(chart.Axes[i]);
}

void ApplySeriesLayout(chart::TCustomLineSeries& series) {
  series.LinePen().SetColor(SeriesBlue);
  series.XValues().SetName("X");
  series.XValues().SetOrder(chart::loAscending);
  series.YValues().SetName("Y");
  series.YValues().SetOrder(chart::loNone);
  chart::TSeriesMarks& marks = series.Marks();
  marks.SetVisible(false);
  marks.Arrow().SetVisible(true);
  marks.Callout().Arrow().SetVisible(true);
  marks.Callout().Brush().SetColor(chart::clBlack);
  marks.SetShapeStyle(chart::fosRoundRectangle);
}

} // namespace

void ApplyChart1Layout(chart::TChart& chart, chart::TFastLineSeries& series) {
  chart.BeginLoading();
  ApplySharedLayout(chart);
  for (chart::TChartAxis* axis : {&chart.LeftAxis(), &chart.BottomAxis()}) {
    axis->SetMinimumOffset(1);
    axis->SetMaximumOffset(1);
  }
  ApplySeriesLayout(series);
  chart.EndLoading();
}

void ApplyChart2Layout(chart::TChart& chart, chart::TLineSeries& series) {
  chart.BeginLoading();
  ApplySharedLayout(chart);
  ApplySeriesLayout(series);
  series.Pointer().SetVisible(false);
  series.Pointer().SetStyle(chart::psRectangle);
  series.Pointer().SetInflateMargins(true);
  series.Brush().SetBackColor(chart::clDefault);
  chart.EndLoading();
}

namespace {

template <class TSeries>
TSeries& AddSeries(chart::TChart& chart) {
  auto owned = std::make_unique<TSeries>();
  TSeries& series = *owned;
  chart.AddSeries(std::move(owned));
  return series;
}

} // namespace

chart::TFastLineSeries& SetUpChart1(chart::TChart& chart) {
  chart::TFastLineSeries& series = AddSeries<chart::TFastLineSeries>(chart);
  ApplyChart1Layout(chart, series);
  return series;
}

chart::TLineSeries& SetUpChart2(chart::TChart& chart) {
  chart::TLineSeries& series = AddSeries<chart::TLineSeries>(chart);
  ApplyChart2Layout(chart, series);
  return series;
}

} // namespace app
