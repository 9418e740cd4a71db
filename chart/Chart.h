// The chart control: owns its series and drawing surface and answers the host's paint, resize
// and mouse messages. (Placeholder until the layout and paint order land: paints a plain face.)
#pragma once

#include "chart/ChartHost.h"
#include "chart/MouseTypes.h"
#include "chart/surface/ChartColors.h"

#include <memory>
#include <vector>

namespace chart {

class TChartSeries;

class TChart {
public:
  TChart();
  virtual ~TChart();
  TChart(const TChart&) = delete;
  TChart& operator=(const TChart&) = delete;

  void SetHost(TChartHost* host);
  TChartHost* Host() const { return FHost; }

  // Marks the buffer dirty and asks the host for one paint; a flag test when one is pending.
  void Invalidate();
  bool RepaintAllowed() const { return FRepaintAllowed; }
  // Loading from the layout disallows repaint; its end allows it and invalidates once.
  void BeginLoading();
  void EndLoading();

  // Host messages.
  void PaintMessage();
  void Resized();
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void MouseMove(TShiftState shift, int x, int y);
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  void MouseWheel(int delta, TShiftState shift, int x, int y);

  // Series list; the chart owns what it is given.
  void AddSeries(std::unique_ptr<TChartSeries> series);
  int SeriesCount() const { return int(FSeries.size()); }
  TChartSeries& Series(int index) const { return *FSeries[std::size_t(index)]; }

  int Width() const;
  int Height() const;

  TColor Color() const { return FColor; }
  // Stands in for BackWall.Color until the chart has its walls.
  TColor BackWallColor() const { return 0xC0C0C0u; }

  // The palette table last selected and its colours; an empty ChartPalette means the default
  // palette applies. Selecting another table recolours the series that have no colour of their own.
  int ColorPaletteIndex() const { return FColorPaletteIndex; }
  void SetColorPaletteIndex(int index);
  const std::vector<TColor>& ChartPalette() const { return FChartPalette; }

private:
  TChartHost* FHost = nullptr;
  bool FRepaintAllowed = true;
  bool FPaintPending = false;
  std::vector<std::unique_ptr<TChartSeries>> FSeries;
  TColor FColor = clBtnFace;
  int FColorPaletteIndex = 0;
  std::vector<TColor> FChartPalette;
};

} // namespace chart
