// The chart with axes and series: it owns the six standard axes and the series list, finds the
// data range of an axis, lets the axes take their room and places them, and paints the series.
#pragma once

#include "chart/axis/AxisPlan.h"
#include "chart/axis/AxisSeriesData.h"
#include "chart/panel/ChartPanelExtended.h"
#include "chart/series/SeriesOwner.h"

#include <memory>
#include <vector>

namespace chart {

class TChartAxis;
class TChartSeries;

// The chart's axes in paint order: Bottom, Top, Left, Right, Depth, DepthTop. The chart owns
// them; the list only orders them.
class TChartAxes {
public:
  int Count() const { return int(FItems.size()); }
  TChartAxis& operator[](int index) const { return *FItems[std::size_t(index)]; }
  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

  // Adding an axis already in the list does nothing.
  void Add(TChartAxis& axis);

private:
  std::vector<TChartAxis*> FItems;
};

class TCustomAxisPanel : public TCustomChartPanelExtended, public TSeriesOwner {
public:
  TCustomAxisPanel();
  ~TCustomAxisPanel() override;

  TChartAxes Axes;

  TChartAxis& BottomAxis() const override { return *FBottomAxis; }
  TChartAxis& TopAxis() const override { return *FTopAxis; }
  TChartAxis& LeftAxis() const override { return *FLeftAxis; }
  TChartAxis& RightAxis() const override { return *FRightAxis; }
  TChartAxis& DepthAxis() const { return *FDepthAxis; }
  TChartAxis& DepthTopAxis() const { return *FDepthTopAxis; }

  bool AxisVisible() const { return FAxisVisible; }
  void SetAxisVisible(bool value) { SetProperty(FAxisVisible, value); }
  // Axes are painted before the series when true, after them otherwise.
  bool AxisBehind() const { return FAxisBehind; }
  void SetAxisBehind(bool value) { SetProperty(FAxisBehind, value); }
  // Series are clipped to PlotRect.
  bool ClipPoints() const { return FClipPoints; }
  void SetClipPoints(bool value) { SetProperty(FClipPoints, value); }
  bool View3DWalls() const { return FView3DWalls; }
  void SetView3DWalls(bool value) { SetProperty(FView3DWalls, value); }

  int SeriesCount() const { return int(FSeries.size()); }
  TChartSeries& Series(int index) const { return *FSeries[std::size_t(index)]; }
  int ActiveSeriesCount() const;
  // Whether the series draws against this axis (as its horizontal or its vertical axis).
  bool IsAxisOfSeries(const TChartAxis& axis, const TChartSeries& series) const;
  // What the axis needs of its series for this paint: whether an active one is attached, the
  // data's ends (0 when none has points) and the fewest points for the label step.
  TAxisSeriesData SeriesDataOf(const TChartAxis& axis) const;
  // The largest pixel margins the axis's active series ask for.
  TAxisSeriesMargins SeriesMarginsOf(const TChartAxis& axis) const;

  // What the axes and series ask of the chart.
  // The surface, axis mappings, plotting rectangle and visible X range of a series of this chart,
  // from the frame and the axes' plans of the last paint: handed down to the series in a paint,
  // and asked for by a series drawing an added point between paints.
  TPaintContext PaintContextOf(const TChartSeries& series) const override;
  bool OwnerLoading() const override { return IsLoading(); }
  void OwnerChanged() override { Invalidate(); }
  void ShowWindowImage() override;

protected:
  // Appends a series that has already been told its chart.
  void AppendSeries(std::unique_ptr<TChartSeries> series);

  // The layout step of the axes: each axis's plan of this paint, in stages: whether it is shown
  // and its range; the room the shown axes take out of the frame's plotting rectangle; then,
  // along the final rectangle, the range widened by the margins its series ask for (or its
  // offsets), and the labels. Each axis gets its plan whole; the frame they leave is returned.
  TChartFrame PlanAxes(const TChartFrame& frame);
  // Line, ticks, grid and labels of every shown axis, the grid across plot.
  void DrawAxes(const TRect& plot);
  // Every active series with a visible index range, clipped to PlotRect when asked.
  void DrawAllSeries();

private:
  bool AxisHasActiveSeries(const TChartAxis& axis) const;
  // What is left of r once the shown axes took their room; sets each plan's LabelsPos.
  TRect ReserveAxesSpace(std::vector<TAxisPlan>& plans, TRect r) const;
  void DrawOneSeries(TChartSeries& series);

  std::unique_ptr<TChartAxis> FBottomAxis;
  std::unique_ptr<TChartAxis> FTopAxis;
  std::unique_ptr<TChartAxis> FLeftAxis;
  std::unique_ptr<TChartAxis> FRightAxis;
  std::unique_ptr<TChartAxis> FDepthAxis;
  std::unique_ptr<TChartAxis> FDepthTopAxis;
  // After the axes, so the series die first: they may refer to their axes until then.
  std::vector<std::unique_ptr<TChartSeries>> FSeries;
  bool FAxisVisible = true;
  bool FAxisBehind = true;
  bool FClipPoints = true;
  bool FView3DWalls = true;
};

} // namespace chart
