// A chart for axis tests: series of chosen points and margins, a plotting rectangle set by hand,
// and the per-paint steps of one axis run one by one.
#pragma once

#include "chart/axis/ChartAxis.h"
#include "chart/series/ChartSeries.h"
#include "chart/panel/CustomChart.h"
#include "chart/surface/ChartCanvas3D.h"
#include "platform/gdi/Bitmap.h"

#include <memory>

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

  // Whether the axis is shown, as the chart's paint decides it.
  void Show(chart::TChartAxis& axis) { axis.UpdateIsShown(Chart.AxisVisible(), Chart.View3D()); }

  // Range, placement and margins, without taking room for labels.
  void Prepare(chart::TChartAxis& axis) {
    axis.SetSeriesData(Chart.SeriesDataOf(axis));
    Show(axis);
    axis.AdjustRange();
    axis.PlaceAxis();
    axis.CalcAxisMargins(Chart.SeriesMarginsOf(axis));
  }

  // The whole preparation of one axis: it takes its room out of the plotting rectangle first.
  void Layout(chart::TChartAxis& axis) {
    axis.SetSeriesData(Chart.SeriesDataOf(axis));
    Show(axis);
    axis.AdjustRange();
    axis.PlaceAxis();
    chart::TRect r = Chart.PlotRect;
    axis.ReserveAxisSpace(r, true);
    SetPlotRect(r.Left, r.Top, r.Right, r.Bottom);
    axis.PlaceAxis();
    axis.CalcAxisMargins(Chart.SeriesMarginsOf(axis));
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
