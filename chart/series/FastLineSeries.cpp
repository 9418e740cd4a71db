#include "chart/series/FastLineSeries.h"

#include "chart/surface/ChartCanvas3D.h"

namespace chart {

namespace {

struct TFastLineSink {
  TChartCanvas3D& Canvas;
  void MoveTo(int x, int y) { Canvas.MoveTo(x, y); }
  void LineTo(int x, int y) { Canvas.FastLineTo(x, y); }
};

// One line through the points: each piece is a LineTo from where the last one ended, a stair
// first to its corner.
template <class Lines>
struct TChainedLineSink {
  Lines Out;
  bool Stairs;
  bool InvertedStairs;

  void Point(TColor) {}
  void Restart(int x, int y) { Out.MoveTo(x, y); }
  void Segment(const TLineSegment& segment) {
    if (Stairs) {
      if (InvertedStairs)
        Out.LineTo(segment.FromX, segment.Y);
      else
        Out.LineTo(segment.X, segment.FromY);
    }
    Out.LineTo(segment.X, segment.Y);
  }
  Lines Columns(int, int, TColor) { return Out; }
};

// The canvas' fast line drawing, on for one paint and off again however the paint ends.
class TFastPenScope {
public:
  TFastPenScope(TChartCanvas3D& canvas, bool fastPen) : FCanvas(canvas), FFastPen(fastPen) {
    if (FFastPen)
      FCanvas.BeginFastDraw();
  }
  ~TFastPenScope() {
    if (FFastPen)
      FCanvas.EndFastDraw();
  }
  TFastPenScope(const TFastPenScope&) = delete;
  TFastPenScope& operator=(const TFastPenScope&) = delete;

private:
  TChartCanvas3D& FCanvas;
  bool FFastPen;
};

} // namespace

TFastLineSeries::TFastLineSeries() {
  SetTreatNulls(tnIgnore);
  FDrawBetweenPoints = true;
}

void TFastLineSeries::SetLinePen(const TChartPen& pen) {
  LinePen().Assign(pen);
  SetSeriesColor(pen.Color());
}

void TFastLineSeries::CopyFrom(const TCustomLineSeries& source) {
  if (const auto* fast = dynamic_cast<const TFastLineSeries*>(&source)) {
    FAutoRepaint = fast->FAutoRepaint;
    FDrawAllPoints = fast->FDrawAllPoints;
    FDrawAllPointsStyle = fast->FDrawAllPointsStyle;
    FFastPen = fast->FFastPen;
    FIgnoreNulls = fast->FIgnoreNulls;
    FInvertedStairs = fast->FInvertedStairs;
    FStairs = fast->FStairs;
  }
  TCustomLineSeries::CopyFrom(source);
}

void TFastLineSeries::ApplySeriesColor(TColor color) { LinePen().SetColor(color); }

void TFastLineSeries::HorizontalMargins(int& left, int& right) {
  const int width = LinePen().Width();
  left = right = width - (width - 2) / 2;
}

void TFastLineSeries::VerticalMargins(int& top, int& bottom) { HorizontalMargins(top, bottom); }

// With reduced drawing a single visible point also takes the points before it in its column, so
// their run is folded the same way as in a full paint.
void TFastLineSeries::FindVisibleIndices(const TPaintContext& context) {
  TCustomLineSeries::FindVisibleIndices(context);
  if (FDrawAllPoints || FFirstVisible < 0 || FFirstVisible != FLastVisible)
    return;
  const TPointMapper mapper = context.PointMapper();
  const TChartValueList& xValues = XValues();
  const int x = mapper.X(xValues[FFirstVisible]);
  while (FFirstVisible > 0 && mapper.X(xValues[FFirstVisible - 1]) == x)
    --FFirstVisible;
}

void TFastLineSeries::PrepareLinePen(TChartCanvas3D& canvas) const {
  canvas.AssignPen(LinePen(), LinePen().Color());
  canvas.SetBrushStyle(bsClear);
  canvas.SetBackMode(bmTransparent);
}

TLinePolicy TFastLineSeries::LinePolicy() const {
  return {.TreatNulls = TreatNulls(),
          .FirstVisible = FFirstVisible,
          .LastVisible = FLastVisible,
          .PointColors = !HasNoNullPoints(),
          .Gaps = YValues().SkipsNonFinite(),
          .Stairs = FStairs,
          .InvertedStairs = FInvertedStairs,
          .DrawAllPoints = FDrawAllPoints,
          .DrawAllPointsStyle = FDrawAllPointsStyle,
          .Pen = &LinePen()};
}

void TFastLineSeries::PaintValues(const TPaintContext& context) {
  TChartCanvas3D& canvas = context.Canvas;
  const TPointMapper mapper = context.PointMapper();
  const int plotWidth = context.PlotRect.Width();
  PrepareLinePen(canvas);
  if (FFastPen)
    DrawLine(canvas, TFastLineSink{canvas}, mapper, plotWidth);
  else
    DrawLine(canvas, TCanvasLineSink{canvas}, mapper, plotWidth);
}

// Starts one point early so the line enters from the left edge; the clip cuts what lies outside.
template <class Lines>
void TFastLineSeries::DrawLine(TChartCanvas3D& canvas, Lines lines, const TPointMapper& mapper,
                               int plotWidth) const {
  const TLinePolicy policy = LinePolicy();
  TChainedLineSink<Lines> sink{lines, FStairs, FInvertedStairs};
  TLineWalk walk(policy, *this, mapper, sink);
  const int start = FFirstVisible > 0 ? FFirstVisible - 1 : FFirstVisible;
  walk.StartAtPoint(start);
  const TFastPenScope fastPen(canvas, FFastPen);
  walk.DrawOn(start, FLastVisible, plotWidth);
}

void TFastLineSeries::NotifyPointAdded(int index) {
  if (FAutoRepaint)
    TCustomLineSeries::NotifyPointAdded(index);
  else
    DrawAddedPoint(index);
}

void TFastLineSeries::NotifyRunAdded(int first, int last) {
  if (FAutoRepaint)
    TCustomLineSeries::NotifyRunAdded(first, last);
  else
    for (int index = first; index <= last; ++index)
      DrawAddedPoint(index);
}

// Realtime drawing: the new piece goes straight onto the window with the last paint's context.
void TFastLineSeries::DrawAddedPoint(int index) {
  if (!ParentChart() || !Active())
    return;
  const TPaintContext context = ParentChart()->PaintContextOf(*this);
  TChartCanvas3D& canvas = context.Canvas;
  canvas.AssignPen(LinePen(), LinePen().Color());
  const TLinePolicy policy = LinePolicy();
  TChainedLineSink<TCanvasLineSink> sink{{canvas}, FStairs, FInvertedStairs};
  TLineWalk walk(policy, *this, context.PointMapper(), sink);
  const int start = index > 0 ? index - 1 : 0;
  walk.StartAtPoint(start);
  walk.Step(index, start);
  ParentChart()->ShowWindowImage();
}

} // namespace chart
