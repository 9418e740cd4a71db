// One axis of a chart: its published properties, the range it shows and how values become pixels,
// and the labels, ticks, grid, line and title it draws around the plotting rectangle.
#pragma once

#include "chart/axis/AxisMapping.h"
#include "chart/axis/AxisOwner.h"
#include "chart/axis/AxisPens.h"
#include "chart/axis/AxisSeriesData.h"
#include "chart/axis/AxisTitle.h"
#include "chart/surface/ChartFont.h"
#include "chart/surface/ChartGeometry.h"

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace chart {

class TChartAxis;

// A rejected axis property value; the property keeps its old value.
class AxisException : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

enum TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText, talPointValue };

// Lets the program move, change or suppress (drawLabel := false) one label before it is drawn.
using TAxisDrawLabelEvent =
    std::function<void(TChartAxis& sender, int& x, int& y, std::string& text, bool& drawLabel)>;

// One automatic label of the current paint.
struct TAxisItem {
  std::string Text;
  double Value = 0;
  int Position = 0; // pixel along the axis
};
using TAxisItems = std::vector<TAxisItem>;

class TChartAxis {
public:
  // otherSide: the axis stands at the top or right of the plotting rectangle.
  TChartAxis(TAxisOwner& chart, bool horizontal, bool otherSide);
  virtual ~TChartAxis();
  TChartAxis(const TChartAxis&) = delete;
  TChartAxis& operator=(const TChartAxis&) = delete;

  virtual bool IsDepthAxis() const { return false; }

  // --- range ----------------------------------------------------------------------------------
  bool Automatic() const { return FAutomatic; }
  // Also sets AutomaticMinimum and AutomaticMaximum, except while the layout is being read.
  void SetAutomatic(bool value);
  bool AutomaticMinimum() const { return FAutomaticMinimum; }
  void SetAutomaticMinimum(bool value);
  bool AutomaticMaximum() const { return FAutomaticMaximum; }
  void SetAutomaticMaximum(bool value);
  double Minimum() const { return FMinimum; }
  // Throws AxisException when the value exceeds Maximum (not while the layout is being read).
  void SetMinimum(double value);
  double Maximum() const { return FMaximum; }
  // Throws AxisException when the value is below Minimum (not while the layout is being read).
  void SetMaximum(double value);
  // Pixels kept free between the data's ends and the axis's ends.
  int MinimumOffset() const { return FMinimumOffset; }
  void SetMinimumOffset(int value) { SetProperty(FMinimumOffset, value); }
  int MaximumOffset() const { return FMaximumOffset; }
  void SetMaximumOffset(int value) { SetProperty(FMaximumOffset, value); }
  bool Horizontal() const { return FHorizontal; }
  void SetHorizontal(bool value);
  bool Inverted() const { return FInverted; }
  virtual void SetInverted(bool value);
  bool OtherSide() const { return FOtherSide; }
  void SetOtherSide(bool value) { SetProperty(FOtherSide, value); }
  // Percent of PlotRect where the axis starts and ends.
  double StartPosition() const { return FStartPosition; }
  void SetStartPosition(double value) { SetProperty(FStartPosition, value); }
  double EndPosition() const { return FEndPosition; }
  void SetEndPosition(double value) { SetProperty(FEndPosition, value); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool value) { SetProperty(FVisible, value); }
  // Kept for the layout; the mapping is always linear and labels are plain numbers.
  bool Logarithmic() const { return FLogarithmic; }
  void SetLogarithmic(bool value) { SetProperty(FLogarithmic, value); }
  // Percent of the chart's depth.
  double ZPosition() const { return FZPosition; }
  void SetZPosition(double value) { SetProperty(FZPosition, value); }

  // --- labels ---------------------------------------------------------------------------------
  bool Labels() const { return FLabels; }
  void SetLabels(bool value) { SetProperty(FLabels, value); }
  TChartFont& LabelsFont() { return FLabelsFont; }
  const TChartFont& LabelsFont() const { return FLabelsFont; }
  const std::string& AxisValuesFormat() const { return FAxisValuesFormat; }
  void SetAxisValuesFormat(const std::string& value) { SetProperty(FAxisValuesFormat, value); }
  TAxisLabelStyle LabelStyle() const { return FLabelStyle; }
  void SetLabelStyle(TAxisLabelStyle value) { SetProperty(FLabelStyle, value); }
  // Fixed value distance between labels; 0 lets the axis choose. Throws AxisException below 0.
  double Increment() const { return FIncrement; }
  void SetIncrement(double value);
  // Extra room between labels in percent of a label; throws AxisException below 0.
  int LabelsSeparation() const { return FLabelsSeparation; }
  void SetLabelsSeparation(int value);
  bool LabelsAlternate() const { return FLabelsAlternate; }
  void SetLabelsAlternate(bool value) { SetProperty(FLabelsAlternate, value); }
  // Labels that land on (or beyond) the axis ends are kept.
  bool LabelsOnAxis() const { return FLabelsOnAxis; }
  void SetLabelsOnAxis(bool value) { SetProperty(FLabelsOnAxis, value); }
  // Pixels across the axis for the labels; 0 measures them.
  int LabelsSize() const { return FLabelsSize; }
  void SetLabelsSize(int value) { SetProperty(FLabelsSize, value); }
  // Every label then counts one pixel long when the step is chosen.
  bool LabelsGridIgnoresLabelSize() const { return FLabelsGridIgnoresLabelSize; }
  void SetLabelsGridIgnoresLabelSize(bool value) { SetProperty(FLabelsGridIgnoresLabelSize, value); }
  // Starts the labels on a multiple of the step.
  bool RoundFirstLabel() const { return FRoundFirstLabel; }
  void SetRoundFirstLabel(bool value) { SetProperty(FRoundFirstLabel, value); }
  TAxisDrawLabelEvent OnDrawLabel;

  // --- line, ticks and grid -------------------------------------------------------------------
  TChartAxisPen& Axis() { return FAxisPen; }
  const TChartAxisPen& Axis() const { return FAxisPen; }
  TAxisGridPen& Grid() { return FGrid; }
  const TAxisGridPen& Grid() const { return FGrid; }
  TTicks& Ticks() { return FTicks; }
  const TTicks& Ticks() const { return FTicks; }
  TTicks& TicksInner() { return FTicksInner; }
  const TTicks& TicksInner() const { return FTicksInner; }
  TTicks& MinorTicks() { return FMinorTicks; }
  const TTicks& MinorTicks() const { return FMinorTicks; }
  TChartHiddenPen& MinorGrid() { return FMinorGrid; }
  const TChartHiddenPen& MinorGrid() const { return FMinorGrid; }
  int TickLength() const { return FTickLength; }
  void SetTickLength(int value) { SetProperty(FTickLength, value); }
  int TickInnerLength() const { return FTickInnerLength; }
  void SetTickInnerLength(int value) { SetProperty(FTickInnerLength, value); }
  int MinorTickLength() const { return FMinorTickLength; }
  void SetMinorTickLength(int value) { SetProperty(FMinorTickLength, value); }
  int MinorTickCount() const { return FMinorTickCount; }
  void SetMinorTickCount(int value) { SetProperty(FMinorTickCount, value); }
  // Ticks only where a label is drawn.
  bool TickOnLabelsOnly() const { return FTickOnLabelsOnly; }
  void SetTickOnLabelsOnly(bool value) { SetProperty(FTickOnLabelsOnly, value); }
  // Moves the axis line into PlotRect, in PositionUnits from its normal edge.
  double PositionPercent() const { return FPositionPercent; }
  void SetPositionPercent(double value) { SetProperty(FPositionPercent, value); }
  TChartUnits PositionUnits() const { return FPositionUnits; }
  void SetPositionUnits(TChartUnits value) { SetProperty(FPositionUnits, value); }

  // --- title ----------------------------------------------------------------------------------
  // Created on first use.
  TChartAxisTitle& Title();
  const TChartAxisTitle* FindTitle() const { return FTitle.get(); }
  // Pixels across the axis for the title; 0 measures it.
  int TitleSize() const { return FTitleSize; }
  void SetTitleSize(int value) { SetProperty(FTitleSize, value); }

  // --- working state of the current paint ------------------------------------------------------
  double WorkMinimum() const { return FMapping.WorkMinimum; }
  double WorkMaximum() const { return FMapping.WorkMaximum; }
  double WorkRange() const { return FMapping.WorkRange; }
  bool RangeIsZero() const { return FMapping.RangeIsZero; }
  int StartPixel() const { return FMapping.StartPixel; }
  int EndPixel() const { return FMapping.EndPixel; }
  int AxisLength() const { return FMapping.AxisLength; }
  int CenterPixel() const { return FMapping.CenterPixel; }
  double PixelsPerUnit() const { return FMapping.PixelsPerUnit; }
  bool IsShown() const { return FIsShown; }
  // Coordinates across the axis: the line, the inner edge of the labels band, the title band.
  int AxisPos() const { return FAxisPos; }
  int LabelsPos() const { return FLabelsPos; }
  int TitlePos() const { return FTitlePos; }
  const std::vector<int>& TickPositions() const { return FTickPositions; }
  const TAxisItems& Items() const { return FItems; }

  // --- value <-> pixel -------------------------------------------------------------------------
  // The mapping series copy once per paint to place their points inline.
  const TAxisMapping& Mapping() const { return FMapping; }
  // Pixel of a value along the axis (x or y); outside the range it lies outside PlotRect and
  // saturates at +-TAxisMapping::MaxPixel instead of wrapping around.
  int ValueToPixel(double value) const { return FMapping.ValueToPixel(value); }
  double PixelToValue(int pixel) const { return FMapping.PixelToValue(pixel); }

  // --- per-paint preparation, in the order the chart calls it ------------------------------------
  // What the panel found out about the series on this axis; read by the steps below, the labels
  // and ShiftRange.
  void SetSeriesData(const TAxisSeriesData& data) { FSeriesData = data; }
  // Whether the axis takes part in this paint's layout and drawing: only while the chart shows
  // axes at all, depth axes only in 3D, and with active series only when one is attached.
  void UpdateIsShown(bool chartAxisVisible, bool view3D);
  // Minimum and Maximum from the series where automatic; the working range from them.
  void AdjustRange();
  // The pixel extent along PlotRect.
  void PlaceAxis();
  // Takes the room of the title, labels, line and ticks off r on the axis's side. standard is
  // true for the first five axes of the chart's list; it only matters to 3D walls.
  void ReserveAxisSpace(TRect& r, bool standard);
  // The margins the attached series ask for, or the offsets, applied to the working range.
  void CalcAxisMargins(const TAxisSeriesMargins& seriesMargins);
  // Widens the working range so that these pixel margins at the axis's ends stay free.
  void ApplyAxisMargins(int left, int top, int right, int bottom);
  // Line, ticks, grid, minor ticks and labels; placeLine puts the line on PlotRect's edge first.
  void PaintAxis(bool placeLine);

  // --- zoom and scroll ---------------------------------------------------------------------------
  // Fixes both ends (no longer automatic), in either order; keeps at least 1e-10 between them.
  void SetRange(double newMinimum, double newMaximum);
  // Moves both ends by delta; with checkLimits only while data (as last set by SetSeriesData) lies
  // beyond the end moved toward.
  void ShiftRange(double delta, bool checkLimits);

  // --- labels of the current range ----------------------------------------------------------------
  // What talAuto means for this paint: no labels without an active series, values otherwise.
  virtual TAxisLabelStyle CalcLabelStyle() const;
  virtual std::string FormatLabel(double value) const;
  // Room of one label along the axis (width of its widest line, or its lines' height).
  int LabelExtentOf(bool horizontal, double value);
  // The value distance between two labels (labels font selected).
  double LabelStep();
  // Room of the labels across the axis.
  int LabelsExtent();
  int WidestLabel();
  // Room of the line and the outer ticks across the axis.
  int AxisLineSize() const;

protected:
  // Depth axes start hidden and at the front.
  TChartAxis(TAxisOwner& chart, bool horizontal, bool otherSide, bool depth);

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
  void RecalcTitlePos();

  // Label production.
  void CalcValueLabels();
  void EmitLabel(double value);
  int WidestLine(const std::string& text);

  // Drawing steps.
  int OutwardSign() const;
  void TakeRoom(TRect& r, int size, int& sideCoordinate) const;
  int TitleExtent();
  void PlaceAxisLine();
  void DrawTitle();
  void DrawAxisLine();
  void DrawTick(int position, int offset, int length);
  void DrawTicks(const std::vector<int>& positions, const TChartPen& pen, int offset, int length);
  void DrawGrid(const std::vector<int>& positions, const TChartPen& pen, int every);
  void CalcMinorPositions();
  void DrawLabels();
  void DrawLabel(const TAxisItem& item);

  TAxisOwner& FChart;
  TAxisMapping FMapping;
  TAxisSeriesData FSeriesData;

  bool FAutomatic = true;
  bool FAutomaticMinimum = true;
  bool FAutomaticMaximum = true;
  double FMinimum = 0;
  double FMaximum = 0;
  int FMinimumOffset = 0;
  int FMaximumOffset = 0;
  bool FHorizontal;
  bool FInverted = false;
  bool FOtherSide;
  double FStartPosition = 0;
  double FEndPosition = 100;
  bool FVisible;
  bool FLogarithmic = false;
  double FZPosition;

  bool FLabels = true;
  TChartFont FLabelsFont;
  std::string FAxisValuesFormat = "#,##0.###";
  TAxisLabelStyle FLabelStyle = talAuto;
  double FIncrement = 0;
  int FLabelsSeparation = 10;
  bool FLabelsAlternate = false;
  bool FLabelsOnAxis = true;
  int FLabelsSize = 0;
  bool FLabelsGridIgnoresLabelSize = false;
  bool FRoundFirstLabel = true;

  TChartAxisPen FAxisPen;
  TAxisGridPen FGrid;
  TTicks FTicks;
  TTicks FTicksInner;
  TTicks FMinorTicks;
  TChartHiddenPen FMinorGrid;
  int FTickLength = 4;
  int FTickInnerLength = 0;
  int FMinorTickLength = 2;
  int FMinorTickCount = 3;
  bool FTickOnLabelsOnly = true;
  double FPositionPercent = 0;
  TChartUnits FPositionUnits = muPercent;

  std::unique_ptr<TChartAxisTitle> FTitle;
  int FTitleSize = 0;

  bool FIsShown = false;
  int FAxisPos = 0;
  int FLabelsPos = 0;
  int FTitlePos = 0;
  std::vector<int> FTickPositions;
  std::vector<int> FMinorPositions;
  TAxisItems FItems;
};

// The axes along the chart's depth: hidden by default, and never shown in a 2D chart.
class TChartDepthAxis : public TChartAxis {
public:
  TChartDepthAxis(TAxisOwner& chart, bool otherSide);

  bool IsDepthAxis() const override { return true; }
};

} // namespace chart
