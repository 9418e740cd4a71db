// The general series that draws point by point, one segment per point with its own pen set-up,
// and the marker of its points.
#pragma once

#include "chart/series/CustomLineSeries.h"
#include "chart/series/SeriesShortcut.h"
#include "chart/surface/ChartBrush.h"
#include "chart/surface/ChartFont.h"
#include "chart/surface/ChartPen.h"

namespace chart {

enum TSeriesPointerStyle { psRectangle };

// The marker of each point. Drawn only when visible; while hidden its size still widens the
// visible range (IsPointNearRect).
class TSeriesPointer : public TChartPersistent {
public:
  bool Visible() const { return FVisible; }
  void SetVisible(bool value) { SetProperty(FVisible, value); }
  int HorizSize() const { return FHorizSize; }
  void SetHorizSize(int value) { SetProperty(FHorizSize, value); }
  int VertSize() const { return FVertSize; }
  void SetVertSize(int value) { SetProperty(FVertSize, value); }
  // The axes keep room for a visible marker.
  bool InflateMargins() const { return FInflateMargins; }
  void SetInflateMargins(bool value) { SetProperty(FInflateMargins, value); }
  TSeriesPointerStyle Style() const { return FStyle; }
  void SetStyle(TSeriesPointerStyle value) { SetProperty(FStyle, value); }

private:
  bool FVisible = true;
  int FHorizSize = 4;
  int FVertSize = 4;
  bool FInflateMargins = true;
  TSeriesPointerStyle FStyle = psRectangle;
};

// Draws a series point by point, one segment per point with its own pen set-up.
class TCustomSeries : public TCustomLineSeries {
public:
  TCustomSeries();

  // Recomputed at every call, leaving out null points unless TreatNulls is tnIgnore; 0 when no
  // value is left.
  double LargestY() const override;
  double SmallestY() const override;

  void FindVisibleIndices(const TPaintContext& context) override;
  void PaintValues(const TPaintContext& context) override;
  void HorizontalMargins(int& left, int& right) override;
  void VerticalMargins(int& top, int& bottom) override;
  // The pointer's box around the point's pixel meets the plotting rectangle.
  bool IsPointNearRect(const TPointMapper& mapper, const TRect& plot, int index) const override;

  TSeriesPointer& Pointer() { return FPointer; }
  const TSeriesPointer& Pointer() const { return FPointer; }
  TChartBrush& Brush() { return FBrush; }
  // Drawn under the line, wider, when visible.
  TChartHiddenPen& OutLine() { return FOutLine; }
  // An offset pass in the shadow colour before the line, when visible with a size.
  TChartShadow& Shadow() { return FShadow; }
  TChartEmboss& Emboss() { return FEmboss; }

  bool ColorEachLine() const { return FColorEachLine; }
  void SetColorEachLine(bool value) { SetAndRepaint(FColorEachLine, value); }
  bool Stairs() const { return FStairs; }
  void SetStairs(bool value) { SetAndRepaint(FStairs, value); }
  bool InvertedStairs() const { return FInvertedStairs; }
  void SetInvertedStairs(bool value) { SetAndRepaint(FInvertedStairs, value); }
  int LineHeight() const { return FLineHeight; }
  void SetLineHeight(int value) { SetAndRepaint(FLineHeight, value); }

  // Line end points are kept within this many pixels of the origin.
  static constexpr int MaxCoordinate = 32767;

protected:
  // Line drawing on: segments join the points (a plain series would draw markers only).
  bool FDrawLine = false;

private:
  // What one drawing pass uses: what the paint hands down, where it places the points (shifted
  // for a shadow), the pen of its segments, its colour (clNone: each point's own), whether the
  // values may hold gaps, and the point the line stands at.
  struct TPass {
    const TPaintContext* Context = nullptr;
    TPointMapper Mapper;
    const TChartPen* Pen = nullptr;
    TColor Color = clNone;
    bool Gaps = false;
    int OldX = 0;
    int OldY = 0;
    TColor OldColor = clNone;
  };

  template <class Better>
  double YExtreme(Better better) const;
  bool MayHaveNullPoints() const;
  // Room on each side for the pointer (of the given half size), stairs and outline.
  int PixelMargin(int pointerSize) const;
  void DrawValuesPass(TPass pass);
  bool DrawColumnsFrom(TPass& pass, int first, int last);
  int FirstPaintedIndex(const TPass& pass) const;
  // The point's colour, or the pass colour for a point that is not null.
  TColor PaintColor(const TPass& pass, int index) const;
  void PointPixel(const TPass& pass, int index, int& x, int& y) const;
  int FirstNonNullAtOrAfter(const TPass& pass, int index) const;
  // Paints point `index` and the segment that ends there.
  void PaintValue(TPass& pass, int index);
  void EnterFromLeftEdge(TPass& pass, int index, TColor color, int& x, int& y);
  void LinkToPoint(TPass& pass, int index, int previous, TColor color, int& x, int& y);
  // The colour of a segment; the one place a paint changes the series: without ColorEachLine,
  // a line pen of another colour (not black) becomes the series colour.
  TColor SegmentColor(const TPass& pass, TColor color);
  void LimitEndPoint(const TPass& pass, int index, int previous, int& x, int& y) const;
  void DrawSegment(const TPass& pass, int x, int y) const;
  int InterpolateY(const TPass& pass, int previous, int index, double x) const;

  TSeriesPointer FPointer;
  TChartBrush FBrush;
  TChartHiddenPen FOutLine;
  TChartShadow FShadow;
  TChartEmboss FEmboss;
  bool FColorEachLine = true;
  bool FStairs = false;
  bool FInvertedStairs = false;
  int FLineHeight = 0;
};

} // namespace chart
