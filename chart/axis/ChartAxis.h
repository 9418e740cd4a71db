// One axis of a chart: its published properties, the plan of the last paint (the range it shows,
// how values become pixels, where its line and labels go) and the drawing of that plan.
#pragma once

#include "chart/axis/AxisMapping.h"
#include "chart/axis/AxisOwner.h"
#include "chart/axis/AxisPens.h"
#include "chart/axis/AxisPlan.h"
#include "chart/axis/AxisPlanRoom.h"
#include "chart/axis/AxisSeriesData.h"
#include "chart/axis/AxisSettings.h"
#include "chart/axis/AxisTitle.h"
#include "chart/surface/ChartFont.h"
#include "chart/surface/ChartGeometry.h"

#include <stdexcept>
#include <vector>

namespace chart {

// A rejected axis property value; the property keeps its old value.
class AxisException : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class TChartAxis {
public:
  // otherSide: the axis stands at the top or right of the plotting rectangle.
  TChartAxis(TAxisOwner& chart, bool horizontal, bool otherSide);
  virtual ~TChartAxis();
  TChartAxis(const TChartAxis&) = delete;
  TChartAxis& operator=(const TChartAxis&) = delete;

  virtual bool IsDepthAxis() const { return false; }

  // --- range ----------------------------------------------------------------------------------
  bool Automatic() const { return FSettings.Automatic; }
  // Also sets AutomaticMinimum and AutomaticMaximum, except while the layout is being read.
  void SetAutomatic(bool value);
  bool AutomaticMinimum() const { return FSettings.AutomaticMinimum; }
  void SetAutomaticMinimum(bool value);
  bool AutomaticMaximum() const { return FSettings.AutomaticMaximum; }
  void SetAutomaticMaximum(bool value);
  double Minimum() const { return FSettings.Minimum; }
  // Throws AxisException when the value exceeds Maximum (not while the layout is being read).
  void SetMinimum(double value);
  double Maximum() const { return FSettings.Maximum; }
  // Throws AxisException when the value is below Minimum (not while the layout is being read).
  void SetMaximum(double value);
  // Pixels kept free between the data's ends and the axis's ends.
  int MinimumOffset() const { return FSettings.MinimumOffset; }
  void SetMinimumOffset(int value) { SetProperty(FSettings.MinimumOffset, value); }
  int MaximumOffset() const { return FSettings.MaximumOffset; }
  void SetMaximumOffset(int value) { SetProperty(FSettings.MaximumOffset, value); }
  bool Horizontal() const { return FSettings.Horizontal; }
  bool Inverted() const { return FSettings.Inverted; }
  virtual void SetInverted(bool value);
  bool OtherSide() const { return FSettings.OtherSide; }

  // --- labels, line, ticks and grid -----------------------------------------------------------
  TChartFont& LabelsFont() { return FLabelsFont; }
  const TChartFont& LabelsFont() const { return FLabelsFont; }
  TChartAxisPen& Axis() { return FAxisPen; }
  const TChartAxisPen& Axis() const { return FAxisPen; }
  TAxisGridPen& Grid() { return FGrid; }
  const TAxisGridPen& Grid() const { return FGrid; }
  // Inner ticks have no length here; the pen is kept for the layout.
  TTicks& TicksInner() { return FTicksInner; }
  TChartAxisTitle& Title() { return FTitle; }

  // --- the last paint's plan -------------------------------------------------------------------
  const TAxisPlan& Plan() const { return FPlan; }
  bool IsShown() const { return FPlan.IsShown; }
  double WorkMinimum() const { return FPlan.Mapping.WorkMinimum; }
  double WorkMaximum() const { return FPlan.Mapping.WorkMaximum; }
  int StartPixel() const { return FPlan.Mapping.StartPixel; }
  int EndPixel() const { return FPlan.Mapping.EndPixel; }
  // Coordinates across the axis: the line, the inner edge of the labels band.
  int AxisPos() const { return FPlan.AxisPos; }
  int LabelsPos() const { return FPlan.LabelsPos; }
  // Room of the labels across the axis, measured on the last paint's range.
  int LabelsExtent() const;

  // --- value <-> pixel -------------------------------------------------------------------------
  // The mapping series copy once per paint to place their points inline.
  const TAxisMapping& Mapping() const { return FPlan.Mapping; }
  // Pixel of a value along the axis (x or y); outside the range it lies outside PlotRect and
  // saturates at +-TAxisMapping::MaxPixel instead of wrapping around.
  int ValueToPixel(double value) const { return FPlan.Mapping.ValueToPixel(value); }
  double PixelToValue(int pixel) const { return FPlan.Mapping.PixelToValue(pixel); }

  // --- the plan of a paint, in the stages the chart runs ----------------------------------------
  TAxisSettings Settings() const;
  // Whether the axis is shown, and its range from the series placed along the plotting
  // rectangle as it stands, `length` pixels along the axis.
  TAxisPlan StartPlan(const TAxisSeriesData& data, bool chartAxisVisible, const TRect& plot,
                      int length) const;
  // The room of the labels, line and ticks taken off r on the axis's side.
  TAxisRoom ReserveAxisSpace(const TAxisPlan& plan, const TRect& r) const;
  // Placed again along the final plotting rectangle, widened by the series' margins or the
  // offsets, and labelled.
  TAxisPlan FinishPlan(TAxisPlan plan, const TAxisSeriesMargins& seriesMargins, const TRect& plot,
                       int length) const;
  // Replaces the last plan whole; an automatic end reads back its data's end from it.
  void SetPlan(TAxisPlan plan);
  // Line, ticks, grid, minor ticks and labels of the last plan; the grid spans plot.
  void PaintAxis(const TRect& plot);

  // --- zoom and scroll ---------------------------------------------------------------------------
  // Fixes both ends (no longer automatic), in either order; keeps at least 1e-10 between them.
  void SetRange(double newMinimum, double newMaximum);
  // Moves both ends by delta; with checkLimits only while the last paint's data lies beyond the
  // end moved toward.
  void ShiftRange(double delta, bool checkLimits);

protected:
  template <class T, class U>
  void SetProperty(T& field, const U& value) {
    if (field == value)
      return;
    field = value;
    InvalidateChart();
  }

private:
  void InvalidateChart();
  void StoreMinimum(double value);
  void StoreMaximum(double value);

  // Drawing steps.
  void DrawAxisLine();
  void DrawTick(int position, int offset, int length);
  void DrawTicks(const std::vector<int>& positions, const TChartPen& pen, int offset, int length);
  void DrawGrid(const std::vector<int>& positions, const TRect& plot);
  void DrawLabels();
  void DrawLabel(const TAxisItem& item);

  TAxisOwner& FChart;
  TAxisPlan FPlan;

  // The range and placement settings; the depth flag and the line's room are filled in when a
  // plan is made.
  TAxisSettings FSettings;

  TChartFont FLabelsFont;
  TChartAxisPen FAxisPen;
  TAxisGridPen FGrid;
  TTicks FTicks;
  TTicks FTicksInner;
  TTicks FMinorTicks;
  TChartAxisTitle FTitle;
};

// The axes along the chart's depth: never shown in a 2D chart.
class TChartDepthAxis : public TChartAxis {
public:
  TChartDepthAxis(TAxisOwner& chart, bool otherSide);

  bool IsDepthAxis() const override { return true; }
};

} // namespace chart
