#include "chart/series/FastLineSeries.h"

#include "chart/surface/ChartCanvas3D.h"

#include <algorithm>

namespace chart {

namespace {

struct TCanvasLineSink {
  TChartCanvas3D& Canvas;
  void LineTo(int x, int y) { Canvas.LineTo(x, y); }
};

struct TFastLineSink {
  TChartCanvas3D& Canvas;
  void LineTo(int x, int y) { Canvas.FastLineTo(x, y); }
};

// The canvas' fast line drawing, on for one paint and off again however the paint ends.
class TFastPenScope {
public:
  TFastPenScope(TChartCanvas3D& canvas, bool& active, bool fastPen)
      : FCanvas(canvas), FActive(active), FFastPen(fastPen) {
    if (FFastPen && !FActive) {
      FCanvas.BeginFastDraw();
      FActive = true;
    }
  }
  ~TFastPenScope() {
    if (FFastPen) {
      FCanvas.EndFastDraw();
      FActive = false;
    }
  }
  TFastPenScope(const TFastPenScope&) = delete;
  TFastPenScope& operator=(const TFastPenScope&) = delete;

private:
  TChartCanvas3D& FCanvas;
  bool& FActive;
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
void TFastLineSeries::FindVisibleIndices() {
  TCustomLineSeries::FindVisibleIndices();
  if (FDrawAllPoints || FFirstVisible < 0 || FFirstVisible != FLastVisible)
    return;
  const TPointMapper mapper = PointMapper();
  const TChartValueList& xValues = XValues();
  const int x = mapper.X(xValues[FFirstVisible]);
  while (FFirstVisible > 0 && mapper.X(xValues[FFirstVisible - 1]) == x)
    --FFirstVisible;
}

void TFastLineSeries::PrepareLinePen() {
  TChartCanvas3D& canvas = Canvas();
  canvas.AssignPen(LinePen(), LinePen().Color());
  canvas.SetBrushStyle(bsClear);
  canvas.SetBackMode(bmTransparent);
}

void TFastLineSeries::PointPixel(int index, int& x, int& y) const {
  x = FMapper.X(XValues()[index]);
  y = FMapper.Y(YValues()[index]);
}

// Starts one point early so the line enters from the left edge; the clip cuts what lies outside.
void TFastLineSeries::PaintValues() {
  TChartCanvas3D& canvas = Canvas();
  FMapper = PointMapper();
  PrepareLinePen();
  const int start = FFirstVisible > 0 ? FFirstVisible - 1 : FFirstVisible;
  PointPixel(start, FLastX, FLastY);
  canvas.MoveTo(FLastX, FLastY);
  if (!FDrawAllPoints) {
    FRunMinY = FRunMaxY = FLastY;
    FRunHasMinMax = false;
  }
  const TFastPenScope fastPen(canvas, FFastPenActive, FFastPen);
  if (!DrawColumns(start))
    for (int i = start + 1; i <= FLastVisible; ++i)
      PaintValue(i);
}

// Every point drawn, no stairs, no point that changes the line (a null with tnIgnore is drawn
// like any other) and a plain pen: the column shortcut gives the same pixels.
bool TFastLineSeries::DrawColumns(int start) {
  if (!FDrawAllPoints || FStairs || (TreatNulls() != tnIgnore && !HasNoNullPoints()) ||
      !TLineShortcut::PlainPen(LinePen()) ||
      !TLineShortcut::Prepare(*this, start, FLastVisible, Chart().OwnerPlotSize(true)))
    return false;
  const TSeriesColumnPoints points = TLineShortcut::Points(*this, FMapper);
  if (FFastPenActive) {
    TFastLineSink sink{Canvas()};
    TLineShortcut::Draw(points, sink, start, FLastVisible);
  } else {
    TCanvasLineSink sink{Canvas()};
    TLineShortcut::Draw(points, sink, start, FLastVisible);
  }
  PointPixel(FLastVisible, FLastX, FLastY);
  return true;
}

void TFastLineSeries::PaintValue(int index) {
  int x = 0, y = 0;
  PointPixel(index, x, y);
  if (!ShouldDrawPoint(index, x, y))
    return;
  if (!FDrawAllPoints && FDrawAllPointsStyle == daMinMax)
    DrawMinMax(index, x, y);
  else
    LineSegment(x, y);
}

bool TFastLineSeries::ShouldDrawPoint(int index, int& x, int& y) {
  const bool moved = x != FLastX || (y != FLastY && (FDrawAllPoints || FDrawAllPointsStyle == daMinMax));
  if (PointColor(index) == clNone) {
    switch (TreatNulls()) {
    case tnIgnore:
      return moved;
    case tnSkip:
      x = FLastX;
      y = FLastY;
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
      Canvas().MoveTo(x, y);
      // The line now stands here: the next point is measured from the restart.
      FLastX = x;
      FLastY = y;
      return false;
    }
  }
  return true;
}

// Points in the line's current column only widen its y run; a new column first draws the run.
void TFastLineSeries::DrawMinMax(int index, int x, int y) {
  if (x == FLastX) {
    FRunMinY = std::min(FRunMinY, y);
    FRunMaxY = std::max(FRunMaxY, y);
    FRunHasMinMax = true;
    return;
  }
  if (FRunHasMinMax) {
    LineSegment(FLastX, FRunMaxY);
    LineSegment(FLastX, FRunMinY);
    LineSegment(x, y);
  } else {
    LineSegment(x, LowestInColumn(index, x, y));
  }
  FRunHasMinMax = false;
  FRunMinY = FRunMaxY = y;
}

// The largest y pixel of point `index` and the non-null points after it in its column, up to
// the last visible point.
int TFastLineSeries::LowestInColumn(int index, int x, int y) const {
  int lowest = y;
  const TChartValueList& xValues = XValues();
  const TChartValueList& yValues = YValues();
  for (int i = index + 1; i <= FLastVisible && FMapper.X(xValues[i]) == x; ++i)
    if (PointColor(i) != clNone)
      lowest = std::max(lowest, FMapper.Y(yValues[i]));
  return lowest;
}

void TFastLineSeries::LineSegment(int x, int y) {
  if (FStairs) {
    if (FInvertedStairs)
      LineTo(FLastX, y);
    else
      LineTo(x, FLastY);
  }
  LineTo(x, y);
  FLastX = x;
  FLastY = y;
}

void TFastLineSeries::LineTo(int x, int y) {
  if (FFastPenActive)
    Canvas().FastLineTo(x, y);
  else
    Canvas().LineTo(x, y);
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

// Realtime drawing: the new piece goes straight onto the window with the axes of the last paint.
void TFastLineSeries::DrawAddedPoint(int index) {
  if (!ParentChart() || !Active())
    return;
  TChartCanvas3D& canvas = Canvas();
  FMapper = PointMapper();
  PointPixel(index > 0 ? index - 1 : 0, FLastX, FLastY);
  canvas.AssignPen(LinePen(), LinePen().Color());
  canvas.MoveTo(FLastX, FLastY);
  FRunMinY = FRunMaxY = FLastY;
  FRunHasMinMax = false;
  PaintValue(index);
  Chart().ShowWindowImage();
}

} // namespace chart
