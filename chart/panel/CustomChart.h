// The chart picture: titles, walls and legend, the events around painting, and the paint
// sequence that orders all parts of a chart.
#pragma once

#include "chart/panel/ChartLegend.h"
#include "chart/panel/ChartTitle.h"
#include "chart/panel/ChartWall.h"
#include "chart/panel/CustomAxisPanel.h"

#include <functional>
#include <memory>

namespace chart {

class TCustomChart;

using TChartNotifyEvent = std::function<void(TCustomChart& sender)>;

class TCustomChart : public TCustomAxisPanel {
public:
  TCustomChart();
  ~TCustomChart() override;

  // The chart takes the series: it learns its chart, is prepared for joining (a palette colour,
  // given before it joins so its own colour does not count as taken), joins the list, and the
  // chart repaints.
  void AddSeries(std::unique_ptr<TChartSeries> series);

  TChartTitle& Title() { return FTitle; }
  TChartTitle& SubTitle() { return FSubTitle; }
  TChartFootTitle& Foot() { return FFoot; }
  TChartFootTitle& SubFoot() { return FSubFoot; }
  TChartBackWall& BackWall() { return FBackWall; }
  TChartLeftWall& LeftWall() { return FLeftWall; }
  TChartRightWall& RightWall() { return FRightWall; }
  TChartBottomWall& BottomWall() { return FBottomWall; }
  TChartLegend& Legend() { return FLegend; }

  // A series colour equal to this would vanish against the back wall.
  TColor BackWallColor() const { return FBackWall.Color(); }

  // --- events ---
  TChartNotifyEvent OnBeforeDrawChart;
  TChartNotifyEvent OnBeforeDrawAxes;
  TChartNotifyEvent OnBeforeDrawSeries;
  TChartNotifyEvent OnAfterDraw;

protected:
  void InternalDraw(const TRect& bounds) override;
  virtual void PrepareJoiningSeries(TChartSeries&) {}

private:
  // The paint's frame: the margins' rectangle, less the titles' room, less the axes'.
  TChartFrame LayOut(const TRect& bounds);
  // Draws the titles, each taking its room out of the frame's plotting rectangle.
  TChartFrame DrawTitles(TChartFrame frame);
  void DrawBackWall();
  void PaintAxesAndSeries();
  void Fire(const TChartNotifyEvent& event);
  // The wall's shape: its outline lies on PlotRect's four lines, right and bottom included.
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
};

} // namespace chart
