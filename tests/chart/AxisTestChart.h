// A chart for axis tests: series of chosen points and margins, a plotting rectangle set by hand,
// and the plan of one axis made as a paint makes it.
#pragma once

#include "chart/axis/ChartAxis.h"
#include "chart/series/ChartSeries.h"
#include "chart/panel/CustomChart.h"
#include "chart/surface/ChartCanvas3D.h"
#include "platform/gdi/Bitmap.h"

#include <memory>
#include <utility>

namespace axistest {

// A series that asks its axes for fixed pixel margins.
class TMarginSeries : public chart::TChartSeries {
public:
  int Margin = 0;
  void HorizontalMargins(int& left, int& right) override { left = right = Margin; }
  void VerticalMargins(int& top, int& bottom) override { top = bottom = Margin; }
};

class AxisTestChart {
public:
  chart::TCustomChart Chart;
  gdi::TGdiBitmap Window;

  AxisTestChart() { Chart.SetView3D(false); }

  // Points (firstX, y(firstX)) ... (lastX, y(lastX)) with y linear from yFirst to yLast.
  TMarginSeries& AddRamp(double firstX, double lastX, double yFirst, double yLast, int margin = 0) {
    auto series = std::make_unique<TMarginSeries>();
    series->Margin = margin;
    const int count = int(lastX - firstX) + 1;
    for (int i = 0; i < count; ++i) {
      const double f = count > 1 ? double(i) / (count - 1) : 0;
      series->AddPoint(firstX + i, yFirst + (yLast - yFirst) * f, "", chart::DefaultSeriesColor);
    }
    TMarginSeries& result = *series;
    Chart.AddSeries(std::move(series));
    return result;
  }

  // A series without points, as before any file is loaded.
  void AddEmpty() { Chart.AddSeries(std::make_unique<TMarginSeries>()); }

  void SetPlotRect(int left, int top, int right, int bottom) {
    Chart.PlotRect = {left, top, right, bottom};
    Chart.RecalcPlotSize();
  }

  // One axis's plan made and installed as the chart's paint makes it: the axis takes its room
  // out of the plotting rectangle, then its range is widened and labelled along what is left.
  void Plan(chart::TChartAxis& axis) {
    chart::TAxisPlan plan = axis.StartPlan(Chart.SeriesDataOf(axis), Chart.AxisVisible(), Chart.PlotRect,
                                           Chart.OwnerPlotSize(axis.Horizontal()));
    const chart::TAxisRoom room = axis.ReserveAxisSpace(plan, Chart.PlotRect);
    plan.LabelsPos = room.LabelsPos;
    SetPlotRect(room.Rest.Left, room.Rest.Top, room.Rest.Right, room.Rest.Bottom);
    axis.SetPlan(axis.FinishPlan(std::move(plan), Chart.SeriesMarginsOf(axis), Chart.PlotRect,
                                 Chart.OwnerPlotSize(axis.Horizontal())));
  }

  // Starts drawing into a white width x height picture.
  chart::TChartCanvas3D& BeginPaint(int width, int height) {
    chart::TChartCanvas3D& canvas = Chart.Canvas();
    canvas.BeginDraw(Window, {0, 0, width, height});
    canvas.ResetState();
    canvas.SetBrushColor(chart::clWhite);
    canvas.FillRectangle({0, 0, width, height});
    return canvas;
  }

  std::uint32_t Pixel(int x, int y) const { return Chart.Canvas().BufferBitmap()->Pixel(x, y); }
};

inline constexpr std::uint32_t White = 0xFFFFFF;
inline constexpr std::uint32_t Gray = 0x808080;

} // namespace axistest
