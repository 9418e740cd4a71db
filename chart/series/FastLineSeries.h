// The fast line series: one continuous line through every point in index order, drawn with a
// single pen, for series of millions of points.
#pragma once

#include "chart/series/CustomLineSeries.h"

namespace chart {

// How points sharing an X pixel are reduced when not every point is drawn.
enum TDrawAllPointsStyle { daFirst, daMinMax };

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
  // Where one paint of the line stands: what it paints with, how points are placed, how lines
  // are drawn, whether the values may hold gaps and whether the line stands in one, the last
  // point drawn to, and the y run of its column (daMinMax).
  struct TPass {
    const TPaintContext* Context = nullptr;
    TPointMapper Mapper;
    bool FastPen = false;
    bool Gaps = false;
    bool InGap = false;
    int LastX = 0;
    int LastY = 0;
    int RunMinY = 0;
    int RunMaxY = 0;
    bool RunHasMinMax = false;
  };

  void PrepareLinePen(TChartCanvas3D& canvas) const;
  // A pass standing at point `index`, with the pen moved there.
  TPass StartPass(const TPaintContext& context, int index, bool fastPen) const;
  // The line starts anew at (x, y).
  void MoveLine(TPass& pass, int x, int y) const;
  void PointPixel(const TPass& pass, int index, int& x, int& y) const;
  // Draws the part of the line that ends at point `index`.
  void PaintValue(TPass& pass, int index) const;
  bool ShouldDrawPoint(TPass& pass, int index, int& x, int& y) const;
  void DrawMinMax(TPass& pass, int index, int x, int y) const;
  int LowestInColumn(const TPass& pass, int index, int x, int y) const;
  void LineSegment(TPass& pass, int x, int y) const;
  void LineTo(const TPass& pass, int x, int y) const;
  bool DrawColumns(TPass& pass, int start) const;

  bool FAutoRepaint = true;
  bool FDrawAllPoints = true;
  TDrawAllPointsStyle FDrawAllPointsStyle = daFirst;
  bool FFastPen = false;
  bool FIgnoreNulls = true;
  bool FInvertedStairs = false;
  bool FStairs = false;
};

} // namespace chart
