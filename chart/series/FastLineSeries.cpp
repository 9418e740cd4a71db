#include "chart/series/FastLineSeries.h"

#include "chart/series/SeriesShortcut.h"
#include "chart/surface/ChartCanvas3D.h"

#include <algorithm>

namespace chart {

namespace {

struct TFastLineSink {
  TChartCanvas3D& Canvas;
  void MoveTo(int x, int y) { Canvas.MoveTo(x, y); }
  void LineTo(int x, int y) { Canvas.FastLineTo(x, y); }
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

TFastLineSeries::TPass TFastLineSeries::StartPass(const TPaintContext& context, int index,
                                                  bool fastPen) const {
  TPass pass;
  pass.Context = &context;
  pass.Mapper = context.PointMapper();
  pass.FastPen = fastPen;
  pass.Gaps = YValues().SkipsNonFinite();
  int x = 0, y = 0;
  PointPixel(pass, index, x, y);
  MoveLine(pass, x, y);
  pass.InGap = IsGap(pass.Gaps, index);
  return pass;
}

void TFastLineSeries::MoveLine(TPass& pass, int x, int y) const {
  pass.InGap = false;
  pass.LastX = x;
  pass.LastY = y;
  pass.RunMinY = pass.RunMaxY = y;
  pass.RunHasMinMax = false;
  pass.Context->Canvas.MoveTo(x, y);
}

void TFastLineSeries::PointPixel(const TPass& pass, int index, int& x, int& y) const {
  x = pass.Mapper.X(XValues()[index]);
  y = pass.Mapper.Y(YValues()[index]);
}

// Starts one point early so the line enters from the left edge; the clip cuts what lies outside.
void TFastLineSeries::PaintValues(const TPaintContext& context) {
  PrepareLinePen(context.Canvas);
  const int start = FFirstVisible > 0 ? FFirstVisible - 1 : FFirstVisible;
  TPass pass = StartPass(context, start, FFastPen);
  const TFastPenScope fastPen(context.Canvas, FFastPen);
  if (!DrawColumns(pass, start))
    for (int i = start + 1; i <= FLastVisible; ++i)
      PaintValue(pass, i);
}

bool TFastLineSeries::DrawColumns(TPass& pass, int start) const {
  const TShortcutCase shortcutCase{FDrawAllPoints, FStairs, TreatNulls() != tnIgnore && !HasNoNullPoints(),
                                   &LinePen(), true};
  if (!TLineShortcut::Applies(*this, shortcutCase, start, FLastVisible, pass.Context->PlotRect.Width()))
    return false;
  const TSeriesColumnPoints points = TLineShortcut::Points(*this, pass.Mapper);
  if (pass.FastPen) {
    TFastLineSink sink{pass.Context->Canvas};
    TLineShortcut::Draw(points, sink, start, FLastVisible);
  } else {
    TCanvasLineSink sink{pass.Context->Canvas};
    TLineShortcut::Draw(points, sink, start, FLastVisible);
  }
  PointPixel(pass, FLastVisible, pass.LastX, pass.LastY);
  return true;
}

// A gap ends the line whatever TreatNulls says; the next point starts it anew.
void TFastLineSeries::PaintValue(TPass& pass, int index) const {
  if (IsGap(pass.Gaps, index)) {
    pass.InGap = true;
    return;
  }
  int x = 0, y = 0;
  PointPixel(pass, index, x, y);
  if (pass.InGap) {
    MoveLine(pass, x, y);
    return;
  }
  if (!ShouldDrawPoint(pass, index, x, y))
    return;
  if (!FDrawAllPoints && FDrawAllPointsStyle == daMinMax)
    DrawMinMax(pass, index, x, y);
  else
    LineSegment(pass, x, y);
}

bool TFastLineSeries::ShouldDrawPoint(TPass& pass, int index, int& x, int& y) const {
  const bool moved =
      x != pass.LastX || (y != pass.LastY && (FDrawAllPoints || FDrawAllPointsStyle == daMinMax));
  if (PointColor(index) == clNone) {
    switch (TreatNulls()) {
    case tnIgnore:
      return moved;
    case tnSkip:
      x = pass.LastX;
      y = pass.LastY;
      return false;
    case tnDontPaint:
      return false;
    }
  }
  if (!moved)
    return false;
  if (index > 0 && PointColor(index - 1) == clNone) {
    const bool restart =
        TreatNulls() == tnDontPaint || (TreatNulls() == tnSkip && index - 1 == FFirstVisible);
    if (restart) {
      pass.Context->Canvas.MoveTo(x, y);
      // The line now stands here: the next point is measured from the restart.
      pass.LastX = x;
      pass.LastY = y;
      return false;
    }
  }
  return true;
}

// Points in the line's current column only widen its y run; a new column first draws the run.
void TFastLineSeries::DrawMinMax(TPass& pass, int index, int x, int y) const {
  if (x == pass.LastX) {
    pass.RunMinY = std::min(pass.RunMinY, y);
    pass.RunMaxY = std::max(pass.RunMaxY, y);
    pass.RunHasMinMax = true;
    return;
  }
  if (pass.RunHasMinMax) {
    LineSegment(pass, pass.LastX, pass.RunMaxY);
    LineSegment(pass, pass.LastX, pass.RunMinY);
    LineSegment(pass, x, y);
  } else {
    LineSegment(pass, x, LowestInColumn(pass, index, x, y));
  }
  pass.RunHasMinMax = false;
  pass.RunMinY = pass.RunMaxY = y;
}

// The largest y pixel of point `index` and the non-null points after it in its column, up to
// the last visible point or a gap.
int TFastLineSeries::LowestInColumn(const TPass& pass, int index, int x, int y) const {
  int lowest = y;
  const TChartValueList& xValues = XValues();
  const TChartValueList& yValues = YValues();
  for (int i = index + 1; i <= FLastVisible && pass.Mapper.X(xValues[i]) == x && !IsGap(pass.Gaps, i); ++i)
    if (PointColor(i) != clNone)
      lowest = std::max(lowest, pass.Mapper.Y(yValues[i]));
  return lowest;
}

void TFastLineSeries::LineSegment(TPass& pass, int x, int y) const {
  if (FStairs) {
    if (FInvertedStairs)
      LineTo(pass, pass.LastX, y);
    else
      LineTo(pass, x, pass.LastY);
  }
  LineTo(pass, x, y);
  pass.LastX = x;
  pass.LastY = y;
}

void TFastLineSeries::LineTo(const TPass& pass, int x, int y) const {
  if (pass.FastPen)
    pass.Context->Canvas.FastLineTo(x, y);
  else
    pass.Context->Canvas.LineTo(x, y);
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
  context.Canvas.AssignPen(LinePen(), LinePen().Color());
  TPass pass = StartPass(context, index > 0 ? index - 1 : 0, false);
  PaintValue(pass, index);
  ParentChart()->ShowWindowImage();
}

} // namespace chart
