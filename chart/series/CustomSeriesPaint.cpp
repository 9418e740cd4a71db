// How the general series draws: the widened visible range, then one segment per point, each with
// its own pen set-up, entering from the left edge and kept within the coordinate limit.
#include "chart/series/LineSeries.h"

#include "chart/axis/ChartAxis.h"
#include "chart/series/ScopedValue.h"
#include "chart/surface/ChartCanvas3D.h"

#include <algorithm>
#include <cmath>

namespace chart {

namespace {

struct TCanvasLineSink {
  TChartCanvas3D& Canvas;
  void LineTo(int x, int y) { Canvas.LineTo(x, y); }
};

} // namespace

void TCustomSeries::FindVisibleIndices() {
  TCustomLineSeries::FindVisibleIndices();
  if (FFirstVisible < 0)
    return;
  const int count = PointCount();
  const TChartValueList& x = XValues();
  const TPointMapper mapper = PointMapper();
  while (FLastVisible < count - 1 && IsPointNearRect(mapper, FLastVisible + 1))
    ++FLastVisible;
  while (FLastVisible < count - 1 && x[FLastVisible + 1] == x[FLastVisible])
    ++FLastVisible;
  while (FFirstVisible > 0 && IsPointNearRect(mapper, FFirstVisible - 1))
    --FFirstVisible;
  while (FFirstVisible > 0 && x[FFirstVisible - 1] == x[FFirstVisible])
    --FFirstVisible;
}

bool TCustomSeries::IsPointNearRect(const TPointMapper& mapper, int index) const {
  const TRect& plot = Chart().OwnerPlotRect();
  const int x = mapper.X(XValues()[index]);
  const int y = mapper.Y(YValues()[index]);
  const int h = FPointer.HorizSize();
  const int v = FPointer.VertSize();
  return std::max(x - h, plot.Left) < std::min(x + h, plot.Right) &&
         std::max(y - v, plot.Top) < std::min(y + v, plot.Bottom);
}

int TCustomSeries::PixelMargin(int pointerSize) const {
  int margin = 0;
  if (FPointer.Visible() && FPointer.InflateMargins())
    margin = pointerSize + 1;
  if (FStairs)
    margin = std::max(margin, LinePen().Width());
  if (FOutLine.Visible())
    margin = std::max(margin, FOutLine.Width());
  return margin;
}

void TCustomSeries::HorizontalMargins(int& left, int& right) {
  left = right = PixelMargin(FPointer.HorizSize());
}

void TCustomSeries::VerticalMargins(int& top, int& bottom) {
  top = bottom = PixelMargin(FPointer.VertSize());
}

void TCustomSeries::PaintValues() {
  // The fast mapping rounds the extended product directly; the line tolerates the last bit.
  const TScopedValue mapper(FMapper, PointMapper(FDrawLine));
  if (FShadow.Visible() && (FShadow.HorizSize() != 0 || FShadow.VertSize() != 0))
    DrawShadowPass(FShadow, 1);
  if (FEmboss.Visible() && (FEmboss.HorizSize() != 0 || FEmboss.VertSize() != 0))
    DrawShadowPass(FEmboss, -1);
  if (FOutLine.Visible())
    DrawOutLinePass();
  DrawValuesPass(0, 0);
}

void TCustomSeries::DrawShadowPass(const TChartShadow& shadow, int sign) {
  const TScopedValue passColor(FPassColor, shadow.Color());
  DrawValuesPass(sign * shadow.HorizSize(), sign * shadow.VertSize());
}

// Under the line: the same pen, wider by the outline on both sides, in the outline colour.
void TCustomSeries::DrawOutLinePass() {
  FPassPen.Assign(LinePen());
  FPassPen.SetWidth(2 * LinePen().Width() + FOutLine.Width());
  const TScopedValue passColor(FPassColor, FOutLine.Color());
  const TScopedValue segmentPen(FSegmentPen, &FPassPen);
  DrawValuesPass(0, 0);
}

void TCustomSeries::DrawValuesPass(int offsetX, int offsetY) {
  const TScopedValue passMapper(FMapper, FMapper.Shifted(offsetX, offsetY));
  const TScopedValue segmentPen(FSegmentPen, FSegmentPen ? FSegmentPen : &LinePen());
  if (FMapper.XInverted()) {
    for (int i = FLastVisible; i >= FFirstVisible; --i)
      PaintValue(i);
  } else {
    PaintValue(FFirstVisible);
    if (!DrawColumnsFrom(FFirstVisible, FLastVisible))
      for (int i = FFirstVisible + 1; i <= FLastVisible; ++i)
        PaintValue(i);
  }
}

// With one colour, no nulls, no stairs and a plain pen, the segments from point `first` on make
// one polyline, which the column shortcut draws with the same pixels.
bool TCustomSeries::DrawColumnsFrom(int first, int last) {
  if (FStairs || !HasNoNullPoints() || !TLineShortcut::PlainPen(*FSegmentPen))
    return false;
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  PointPixel(first, x0, y0);
  PointPixel(last, x1, y1);
  const auto inLimit = [](int x) { return x >= -MaxCoordinate && x <= MaxCoordinate; };
  if (!inLimit(x0) || !inLimit(x1) ||
      !TLineShortcut::Prepare(*this, first, last, Chart().OwnerPlotSize(true)))
    return false;

  TChartCanvas3D& canvas = Canvas();
  const TColor color = FPassColor != clNone ? FPassColor : Color();
  if (canvas.PenColor() != clBlack)
    canvas.SetPenColor(clBlack);
  if (canvas.BrushColor() != color)
    canvas.SetBrushColor(color);
  canvas.SetBrushStyle(bsClear);
  canvas.AssignPen(*FSegmentPen, SegmentColor(color));
  canvas.MoveTo(x0, y0);
  TCanvasLineSink sink{canvas};
  TLineShortcut::Draw(TLineShortcut::Points(*this, FMapper), sink, first, last);
  FOldX = x1;
  FOldY = y1;
  FOldColor = color;
  return true;
}

int TCustomSeries::FirstPaintedIndex() const { return FMapper.XInverted() ? FLastVisible : FFirstVisible; }

TColor TCustomSeries::PaintColor(int index) const {
  const TColor color = PointColor(index);
  return FPassColor == clNone || color == clNone ? color : FPassColor;
}

void TCustomSeries::PointPixel(int index, int& x, int& y) const {
  x = FMapper.X(XValues()[index]);
  y = FMapper.Y(YValues()[index]);
}

int TCustomSeries::FirstNonNullAtOrAfter(int index) const {
  const int count = PointCount();
  for (int i = index; i < count; ++i)
    if (PaintColor(i) != clNone)
      return i;
  return -1;
}

void TCustomSeries::PaintValue(int index) {
  const TColor color = PaintColor(index);
  int x = 0, y = 0;
  PointPixel(index, x, y);
  const bool firstPainted = index == FirstPaintedIndex();
  if (color == clNone && TreatNulls() == tnSkip) {
    const int replacement = firstPainted ? FirstNonNullAtOrAfter(index) : -1;
    if (replacement >= 0) {
      PointPixel(replacement, x, y);
    } else if (!firstPainted) {
      x = FOldX;
      y = FOldY;
    }
  }
  if (FOldColor == clNone && TreatNulls() == tnDontPaint) {
    FOldX = x;
    FOldY = y;
  }
  TChartCanvas3D& canvas = Canvas();
  if (canvas.PenColor() != clBlack)
    canvas.SetPenColor(clBlack);
  if (canvas.BrushColor() != color)
    canvas.SetBrushColor(color);
  if (!firstPainted)
    LinkToPoint(index, FMapper.XInverted() ? index + 1 : index - 1, color, x, y);
  else if (index == FFirstVisible && index > 0)
    EnterFromLeftEdge(index, color, x, y);
  FOldX = x;
  FOldY = y;
  FOldColor = color;
}

// The line comes in from the left edge at the height of the segment from the previous point.
void TCustomSeries::EnterFromLeftEdge(int index, TColor color, int& x, int& y) {
  const TRect& plot = Chart().OwnerPlotRect();
  FOldX = FMapper.XInverted() ? plot.Right : plot.Left;
  FOldY = FStairs ? FMapper.Y(YValues()[index - 1]) : InterpolateY(index - 1, index, FMapper.XValueAt(FOldX));
  if (PaintColor(index - 1) != clNone)
    LinkToPoint(index, index - 1, color, x, y);
}

void TCustomSeries::LinkToPoint(int index, int previous, TColor color, int& x, int& y) {
  if ((x == FOldX && y == FOldY) || (color == clNone && TreatNulls() != tnIgnore))
    return;
  const TColor segmentColor = SegmentColor(color);
  LimitEndPoint(index, previous, x, y);
  TChartCanvas3D& canvas = Canvas();
  canvas.SetBrushStyle(bsClear);
  canvas.AssignPen(*FSegmentPen, segmentColor);
  DrawSegment(x, y);
}

TColor TCustomSeries::SegmentColor(TColor color) {
  if (FColorEachLine || FPassColor != clNone)
    return color;
  const TColor penColor = LinePen().Color();
  if (penColor == clBlack)
    return Color();
  if (penColor != Color()) {
    SetSeriesColor(penColor);
    return penColor;
  }
  return color;
}

// Moves an end point beyond the coordinate limit back along its segment: first to the limit,
// then to a third of it, up to five tries, until its height fits too.
void TCustomSeries::LimitEndPoint(int index, int previous, int& x, int& y) const {
  if (x >= -MaxCoordinate && x <= MaxCoordinate)
    return;
  int bound = x > 0 ? MaxCoordinate : -MaxCoordinate;
  for (int attempt = 1; attempt <= 5; ++attempt) {
    y = InterpolateY(previous, index, FMapper.XValueAt(bound));
    if (y > -MaxCoordinate && y < MaxCoordinate)
      break;
    if (attempt < 5)
      bound /= 3;
  }
  y = std::clamp(y, -MaxCoordinate, MaxCoordinate);
  x = bound;
}

void TCustomSeries::DrawSegment(int x, int y) {
  TChartCanvas3D& canvas = Canvas();
  if (!FStairs) {
    canvas.DrawLine(FOldX, FOldY, x, y);
  } else if (FInvertedStairs) {
    canvas.VertLine(FOldX, FOldY, y);
    canvas.LineTo(x, y);
  } else {
    canvas.HorizLine(FOldX, x, FOldY);
    canvas.LineTo(x, y);
  }
}

// The y pixel, on the segment from point `previous` to point `index`, at the X value `x`.
int TCustomSeries::InterpolateY(int previous, int index, double x) const {
  const double a = XValues()[previous];
  const double d = XValues()[index] - a;
  if (d == 0)
    return FMapper.Y(YValues()[previous]);
  const double y0 = YValues()[previous];
  const double y1 = YValues()[index];
  double y = 0;
  if (!GetVertAxis()->Logarithmic())
    y = y0 + (x - a) * (y1 - y0) / d;
  else if (y0 > 0 && y1 > 0)
    y = std::exp(std::log(y0) + (x - a) * (std::log(y1) - std::log(y0)) / d);
  return FMapper.Y(y);
}

} // namespace chart
