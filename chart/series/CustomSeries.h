// The general series that draws point by point, one segment per point with its own pen set-up,
// and the marker of its points.
#pragma once

#include "chart/series/LineWalk.h"
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
  // Draws each segment on its own: pen set-up, move-to and line-to.
  struct TSegmentSink;
  using TWalk = TLineWalk<TSegmentSink>;

  template <class Better>
  double YExtreme(Better better) const;
  bool MayHaveNullPoints() const;
  // Room on each side for the pointer (of the given half size), stairs and outline.
  int PixelMargin(int pointerSize) const;
  // Draws the visible line once with `pen`, in `color` (clNone: each point's own).
  void DrawValuesPass(TChartCanvas3D& canvas, const TPointMapper& mapper, const TRect& plot, int plotWidth,
                      const TChartPen& pen, TColor color);
  // The walk and the sink stand at the first painted point.
  void StartLine(TWalk& walk, TSegmentSink& sink, const TPointMapper& mapper, const TRect& plot,
                 int first) const;
  int FirstNonNullAtOrAfter(const TWalk& walk, int index) const;
  // The colour of a segment; the one place a paint changes the series: without ColorEachLine,
  // a line pen of another colour (not black) becomes the series colour.
  TColor SegmentColor(TColor passColor, TColor color);
  void LimitEndPoint(const TPointMapper& mapper, TLineSegment& segment) const;
  int InterpolateY(const TPointMapper& mapper, int previous, int index, double x) const;

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
