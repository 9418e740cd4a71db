// The fast line series: one continuous line through every point in index order, drawn with a
// single pen, for series of millions of points.
#pragma once

#include "chart/series/LineWalk.h"

namespace chart {

class TChartCanvas3D;

class TFastLineSeries : public TCustomLineSeries {
public:
  TFastLineSeries();

  // True: an added point asks the chart for a full repaint. False: the new piece of line is
  // drawn at once instead.
  bool AutoRepaint() const { return FAutoRepaint; }
  void SetAutoRepaint(bool value) { FAutoRepaint = value; }
  // True: every point that moves the line's pixel is drawn.
  bool DrawAllPoints() const { return FDrawAllPoints; }
  void SetDrawAllPoints(bool value) { SetAndRepaint(FDrawAllPoints, value); }
  TDrawAllPointsStyle DrawAllPointsStyle() const { return FDrawAllPointsStyle; }
  void SetDrawAllPointsStyle(TDrawAllPointsStyle value) { SetAndRepaint(FDrawAllPointsStyle, value); }
  // Draws straight into the target's raster, past the surface's attribute bookkeeping.
  bool FastPen() const { return FFastPen; }
  void SetFastPen(bool value) { FFastPen = value; }
  // Stored only: painting follows TreatNulls.
  bool IgnoreNulls() const { return FIgnoreNulls; }
  void SetIgnoreNulls(bool value) { SetAndRepaint(FIgnoreNulls, value); }
  bool Stairs() const { return FStairs; }
  void SetStairs(bool value) { SetAndRepaint(FStairs, value); }
  bool InvertedStairs() const { return FInvertedStairs; }
  void SetInvertedStairs(bool value) { SetAndRepaint(FInvertedStairs, value); }

  // Takes the whole pen, and its colour as the series colour.
  void SetLinePen(const TChartPen& pen);
  // From another fast line series also its own switches.
  void CopyFrom(const TCustomLineSeries& source) override;

  void FindVisibleIndices(const TPaintContext& context) override;
  void PaintValues(const TPaintContext& context) override;
  // W - (W - 2) div 2 pixels at both ends, W the pen width.
  void HorizontalMargins(int& left, int& right) override;
  void VerticalMargins(int& top, int& bottom) override;

protected:
  void NotifyPointAdded(int index) override;
  void NotifyRunAdded(int first, int last) override;
  // The line is drawn in the pen's colour, so the pen follows the series colour.
  void ApplySeriesColor(TColor color) override;
  // Draws the piece of line that ends at the new point without a repaint.
  virtual void DrawAddedPoint(int index);

private:
  void PrepareLinePen(TChartCanvas3D& canvas) const;
  TLinePolicy LinePolicy() const;
  // Draws the visible line into `lines` (the canvas' LineTo or its fast one).
  template <class Lines>
  void DrawLine(TChartCanvas3D& canvas, Lines lines, const TPointMapper& mapper, int plotWidth) const;

  bool FAutoRepaint = true;
  bool FDrawAllPoints = true;
  TDrawAllPointsStyle FDrawAllPointsStyle = daFirst;
  bool FFastPen = false;
  bool FIgnoreNulls = true;
  bool FInvertedStairs = false;
  bool FStairs = false;
};

} // namespace chart
