// The general series: its value extremes without null points, the widened visible range, then one
// segment per point, each with its own pen set-up, entering from the left edge and kept within the
// coordinate limit.
#include "chart/series/CustomSeries.h"

#include "chart/surface/ChartCanvas3D.h"

#include <algorithm>

namespace chart {

TCustomSeries::TCustomSeries() {
  FBrush.SetColor(DefaultSeriesColor);
  FBrush.SetBackColor(DefaultSeriesColor);
  FShadow.SetVisible(true);
  FShadow.SetSize(0);
  FEmboss.SetVisible(true);
  FEmboss.SetSize(0);
  for (TChartPersistent* part :
       {static_cast<TChartPersistent*>(&FPointer), static_cast<TChartPersistent*>(&FBrush),
        static_cast<TChartPersistent*>(&FOutLine), static_cast<TChartPersistent*>(&FShadow),
        static_cast<TChartPersistent*>(&FEmboss)})
    part->SetOnChange([this] { RequestRepaint(); });
}

// Without null points the pass needs no colour lookup per point.
bool TCustomSeries::MayHaveNullPoints() const { return !HasNoNullPoints(); }

template <class Better>
double TCustomSeries::YExtreme(Better better) const {
  const TChartValueList& yValues = YValues();
  const int count = yValues.ValueCount();
  if (TreatNulls() != tnIgnore && MayHaveNullPoints()) {
    double result = 0;
    bool found = false;
    for (int i = 0; i < count; ++i) {
      if (PointColor(i) == clNone)
        continue;
      if (!found || better(yValues[i], result))
        result = yValues[i];
      found = true;
    }
    return result;
  }
  if (count == 0)
    return 0;
  // The axes ask at every paint: the kept summary answers without a pass over millions of values.
  double lowest = 0;
  double highest = 0;
  if (TLineShortcut::ValueRange(YValues(), lowest, highest))
    return better(highest, lowest) ? highest : lowest;
  return yValues.ValueArray().Visit([&](const auto& values) {
    double result = values[0];
    for (int i = 1; i < count; ++i)
      if (better(values[i], result))
        result = values[i];
    return result;
  });
}

double TCustomSeries::LargestY() const {
  return YExtreme([](double v, double best) { return v > best; });
}

double TCustomSeries::SmallestY() const {
  return YExtreme([](double v, double best) { return v < best; });
}

void TCustomSeries::FindVisibleIndices(const TPaintContext& context) {
  TCustomLineSeries::FindVisibleIndices(context);
  if (FFirstVisible < 0)
    return;
  const int count = PointCount();
  const TChartValueList& x = XValues();
  const TPointMapper mapper = context.PointMapper();
  while (FLastVisible < count - 1 && IsPointNearRect(mapper, context.PlotRect, FLastVisible + 1))
    ++FLastVisible;
  while (FLastVisible < count - 1 && x[FLastVisible + 1] == x[FLastVisible])
    ++FLastVisible;
  while (FFirstVisible > 0 && IsPointNearRect(mapper, context.PlotRect, FFirstVisible - 1))
    --FFirstVisible;
  while (FFirstVisible > 0 && x[FFirstVisible - 1] == x[FFirstVisible])
    --FFirstVisible;
}

bool TCustomSeries::IsPointNearRect(const TPointMapper& mapper, const TRect& plot, int index) const {
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

void TCustomSeries::PaintValues(const TPaintContext& context) {
  // The fast mapping rounds the extended product directly; the line tolerates the last bit.
  const TPointMapper mapper = context.PointMapper(FDrawLine);
  const auto shadowPass = [&](const TChartShadow& shadow, int sign) {
    DrawValuesPass({&context, mapper.Shifted(sign * shadow.HorizSize(), sign * shadow.VertSize()), &LinePen(),
                    shadow.Color()});
  };
  if (FShadow.Visible() && (FShadow.HorizSize() != 0 || FShadow.VertSize() != 0))
    shadowPass(FShadow, 1);
  if (FEmboss.Visible() && (FEmboss.HorizSize() != 0 || FEmboss.VertSize() != 0))
    shadowPass(FEmboss, -1);
  // Under the line: the same pen, wider by the outline on both sides, in the outline colour.
  if (FOutLine.Visible()) {
    TChartPen outlinePen;
    outlinePen.Assign(LinePen());
    outlinePen.SetWidth(2 * LinePen().Width() + FOutLine.Width());
    DrawValuesPass({&context, mapper, &outlinePen, FOutLine.Color()});
  }
  DrawValuesPass({&context, mapper, &LinePen(), clNone});
}

void TCustomSeries::DrawValuesPass(TPass pass) {
  pass.Gaps = YValues().SkipsNonFinite();
  if (pass.Mapper.XInverted()) {
    for (int i = FLastVisible; i >= FFirstVisible; --i)
      PaintValue(pass, i);
  } else {
    PaintValue(pass, FFirstVisible);
    if (!DrawColumnsFrom(pass, FFirstVisible, FLastVisible))
      for (int i = FFirstVisible + 1; i <= FLastVisible; ++i)
        PaintValue(pass, i);
  }
}

// With one colour, no nulls, no stairs and a plain pen, the segments from point `first` on make
// one polyline broken only at gaps, which the column shortcut draws with the same pixels.
bool TCustomSeries::DrawColumnsFrom(TPass& pass, int first, int last) {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  PointPixel(pass, first, x0, y0);
  PointPixel(pass, last, x1, y1);
  const auto inLimit = [](int x) { return x >= -MaxCoordinate && x <= MaxCoordinate; };
  const TShortcutCase shortcutCase{true, FStairs, !HasNoNullPoints(), pass.Pen, inLimit(x0) && inLimit(x1)};
  if (!TLineShortcut::Applies(*this, shortcutCase, first, last, pass.Context->PlotRect.Width()))
    return false;

  TChartCanvas3D& canvas = pass.Context->Canvas;
  const TColor color = pass.Color != clNone ? pass.Color : Color();
  if (canvas.PenColor() != clBlack)
    canvas.SetPenColor(clBlack);
  if (canvas.BrushColor() != color)
    canvas.SetBrushColor(color);
  canvas.SetBrushStyle(bsClear);
  canvas.AssignPen(*pass.Pen, SegmentColor(pass, color));
  canvas.MoveTo(x0, y0);
  TCanvasLineSink sink{canvas};
  TLineShortcut::Draw(TLineShortcut::Points(*this, pass.Mapper), sink, first, last);
  pass.OldX = x1;
  pass.OldY = y1;
  pass.OldColor = color;
  return true;
}

int TCustomSeries::FirstPaintedIndex(const TPass& pass) const {
  return pass.Mapper.XInverted() ? FLastVisible : FFirstVisible;
}

TColor TCustomSeries::PaintColor(const TPass& pass, int index) const {
  const TColor color = PointColor(index);
  return pass.Color == clNone || color == clNone ? color : pass.Color;
}

void TCustomSeries::PointPixel(const TPass& pass, int index, int& x, int& y) const {
  x = pass.Mapper.X(XValues()[index]);
  y = pass.Mapper.Y(YValues()[index]);
}

int TCustomSeries::FirstNonNullAtOrAfter(const TPass& pass, int index) const {
  const int count = PointCount();
  for (int i = index; i < count; ++i)
    if (PaintColor(pass, i) != clNone)
      return i;
  return -1;
}

void TCustomSeries::PaintValue(TPass& pass, int index) {
  const TColor color = PaintColor(pass, index);
  int x = 0, y = 0;
  PointPixel(pass, index, x, y);
  const bool firstPainted = index == FirstPaintedIndex(pass);
  if (color == clNone && TreatNulls() == tnSkip) {
    const int replacement = firstPainted ? FirstNonNullAtOrAfter(pass, index) : -1;
    if (replacement >= 0) {
      PointPixel(pass, replacement, x, y);
    } else if (!firstPainted) {
      x = pass.OldX;
      y = pass.OldY;
    }
  }
  if (pass.OldColor == clNone && TreatNulls() == tnDontPaint) {
    pass.OldX = x;
    pass.OldY = y;
  }
  TChartCanvas3D& canvas = pass.Context->Canvas;
  if (canvas.PenColor() != clBlack)
    canvas.SetPenColor(clBlack);
  if (canvas.BrushColor() != color)
    canvas.SetBrushColor(color);
  if (!firstPainted)
    LinkToPoint(pass, index, pass.Mapper.XInverted() ? index + 1 : index - 1, color, x, y);
  else if (index == FFirstVisible && index > 0)
    EnterFromLeftEdge(pass, index, color, x, y);
  pass.OldX = x;
  pass.OldY = y;
  pass.OldColor = color;
}

// The line comes in from the left edge at the height of the segment from the previous point.
void TCustomSeries::EnterFromLeftEdge(TPass& pass, int index, TColor color, int& x, int& y) {
  const TRect& plot = pass.Context->PlotRect;
  pass.OldX = pass.Mapper.XInverted() ? plot.Right : plot.Left;
  pass.OldY = FStairs ? pass.Mapper.Y(YValues()[index - 1])
                      : InterpolateY(pass, index - 1, index, pass.Mapper.XValueAt(pass.OldX));
  if (PaintColor(pass, index - 1) != clNone)
    LinkToPoint(pass, index, index - 1, color, x, y);
}

// No segment joins a gap, whatever TreatNulls says.
void TCustomSeries::LinkToPoint(TPass& pass, int index, int previous, TColor color, int& x, int& y) {
  if ((x == pass.OldX && y == pass.OldY) || (color == clNone && TreatNulls() != tnIgnore) ||
      IsGap(pass.Gaps, index) || IsGap(pass.Gaps, previous))
    return;
  const TColor segmentColor = SegmentColor(pass, color);
  LimitEndPoint(pass, index, previous, x, y);
  TChartCanvas3D& canvas = pass.Context->Canvas;
  canvas.SetBrushStyle(bsClear);
  canvas.AssignPen(*pass.Pen, segmentColor);
  DrawSegment(pass, x, y);
}

TColor TCustomSeries::SegmentColor(const TPass& pass, TColor color) {
  if (FColorEachLine || pass.Color != clNone)
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
void TCustomSeries::LimitEndPoint(const TPass& pass, int index, int previous, int& x, int& y) const {
  if (x >= -MaxCoordinate && x <= MaxCoordinate)
    return;
  int bound = x > 0 ? MaxCoordinate : -MaxCoordinate;
  for (int attempt = 1; attempt <= 5; ++attempt) {
    y = InterpolateY(pass, previous, index, pass.Mapper.XValueAt(bound));
    if (y > -MaxCoordinate && y < MaxCoordinate)
      break;
    if (attempt < 5)
      bound /= 3;
  }
  y = std::clamp(y, -MaxCoordinate, MaxCoordinate);
  x = bound;
}

void TCustomSeries::DrawSegment(const TPass& pass, int x, int y) const {
  TChartCanvas3D& canvas = pass.Context->Canvas;
  if (!FStairs) {
    canvas.DrawLine(pass.OldX, pass.OldY, x, y);
  } else if (FInvertedStairs) {
    canvas.VertLine(pass.OldX, pass.OldY, y);
    canvas.LineTo(x, y);
  } else {
    canvas.HorizLine(pass.OldX, x, pass.OldY);
    canvas.LineTo(x, y);
  }
}

// The y pixel, on the segment from point `previous` to point `index`, at the X value `x` (the
// axes map linearly).
int TCustomSeries::InterpolateY(const TPass& pass, int previous, int index, double x) const {
  const double a = XValues()[previous];
  const double d = XValues()[index] - a;
  if (d == 0)
    return pass.Mapper.Y(YValues()[previous]);
  const double y0 = YValues()[previous];
  const double y1 = YValues()[index];
  return pass.Mapper.Y(y0 + (x - a) * (y1 - y0) / d);
}

} // namespace chart
