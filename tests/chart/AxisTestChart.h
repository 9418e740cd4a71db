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
  // The plotting rectangle the axes are planned along and drawn against.
  chart::TRect Plot;

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

  void SetPlotRect(int left, int top, int right, int bottom) { Plot = {left, top, right, bottom}; }

  // One axis's plan made and installed as the chart's paint makes it: the axis takes its room
  // out of the plotting rectangle, then its range is widened and labelled along what is left.
  void Plan(chart::TChartAxis& axis) {
    const auto length = [&] { return axis.Horizontal() ? Plot.Width() : Plot.Height(); };
    chart::TAxisPlan plan = axis.StartPlan(Chart.SeriesDataOf(axis), Chart.AxisVisible(), Plot, length());
    const chart::TAxisRoom room = axis.ReserveAxisSpace(plan, Plot);
    plan.LabelsPos = room.LabelsPos;
    Plot = room.Rest;
    axis.SetPlan(axis.FinishPlan(std::move(plan), Chart.SeriesMarginsOf(axis), Plot, length()));
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
