// The chart picture: titles, walls and legend, the colour palette that series take their colour
// from, the events around painting, and the paint sequence that orders all parts of a chart.
#pragma once

#include "chart/ChartLegend.h"
#include "chart/ChartTitle.h"
#include "chart/ChartWall.h"
#include "chart/CustomAxisPanel.h"

#include <functional>
#include <optional>
#include <vector>

namespace chart {

class TCustomChart;

using TChartNotifyEvent = std::function<void(TCustomChart& sender)>;

// Where a newly constructed chart finds the user's preferred palette. Empty, or a reader that
// returns nothing, leaves the built-in choice.
using TDefaultPaletteReader = std::function<std::optional<int>()>;
void SetDefaultPaletteReader(TDefaultPaletteReader reader);

class TCustomChart : public TCustomAxisPanel {
public:
  // Palette chosen at construction when the user has no setting of their own.
  static constexpr int BuiltInPaletteIndex = 13;

  TCustomChart();
  ~TCustomChart() override;

  TChartTitle& Title() { return FTitle; }
  TChartTitle& SubTitle() { return FSubTitle; }
  TChartFootTitle& Foot() { return FFoot; }
  TChartFootTitle& SubFoot() { return FSubFoot; }
  TChartBackWall& BackWall() { return FBackWall; }
  TChartLeftWall& LeftWall() { return FLeftWall; }
  TChartRightWall& RightWall() { return FRightWall; }
  TChartBottomWall& BottomWall() { return FBottomWall; }
  TChartLegend& Legend() { return FLegend; }

  // --- palette ---
  int ColorPaletteIndex() const { return FColorPaletteIndex; }
  // Selects a palette table (none for 0 and values outside the table, so the default palette
  // applies) and recolours every series whose colour was never set.
  void SetColorPaletteIndex(int value);
  const std::vector<TColor>& ChartPalette() const { return FChartPalette; }
  // Entry index of the palette in force, wrapping around.
  TColor PaletteColor(int index) const;
  bool IsFreeSeriesColor(TColor color, bool checkBackground, const TChartSeries* exclude) const;
  TColor FindFreeSeriesColor(bool checkBackground, const TChartSeries* exclude) const;

  // --- events ---
  TChartNotifyEvent OnBeforeDrawChart;
  TChartNotifyEvent OnBeforeDrawAxes;
  TChartNotifyEvent OnBeforeDrawSeries;
  TChartNotifyEvent OnAfterDraw;

protected:
  void InternalDraw(const TRect& bounds) override;
  // Gives a series joining the chart a free palette colour unless it has its own.
  void ColorJoiningSeries(TChartSeries& series) const;
  // An active zoom drag redraws its rectangle over the finished picture.
  virtual void DrawZoomRectangleStep() {}

private:
  void DrawTitles();
  void DrawBackWall();
  void PaintAxesAndSeries();
  void Fire(const TChartNotifyEvent& event);
  TRect BackWallRect() const;

  TChartTitle FTitle;
  TChartTitle FSubTitle;
  TChartFootTitle FFoot;
  TChartFootTitle FSubFoot;
  TChartBackWall FBackWall;
  TChartLeftWall FLeftWall;
  TChartRightWall FRightWall;
  TChartBottomWall FBottomWall;
  TChartLegend FLegend;
  int FColorPaletteIndex = -1;
  std::vector<TColor> FChartPalette;
};

} // namespace chart
