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

// Draws each segment on its own: the surface pen and brush follow every point, and a segment
// sets up its pen and draws with a move-to and a line-to, kept within the coordinate limit.
struct TCustomSeries::TSegmentSink {
  TCustomSeries& Series;
  TChartCanvas3D& Canvas;
  const TPointMapper& Mapper;
  const TLinePolicy& Policy;

  void Point(TColor color) {
    if (Canvas.PenColor() != clBlack)
      Canvas.SetPenColor(clBlack);
    if (Canvas.BrushColor() != color)
      Canvas.SetBrushColor(color);
  }
  void Restart(int, int) {}
  void Segment(TLineSegment& segment) {
    const TColor color = Series.SegmentColor(Policy.PassColor, segment.Color);
    Series.LimitEndPoint(Mapper, segment);
    Canvas.SetBrushStyle(bsClear);
    Canvas.AssignPen(*Policy.Pen, color);
    if (!Policy.Stairs) {
      Canvas.DrawLine(segment.FromX, segment.FromY, segment.X, segment.Y);
    } else if (Policy.InvertedStairs) {
      Canvas.VertLine(segment.FromX, segment.FromY, segment.Y);
      Canvas.LineTo(segment.X, segment.Y);
    } else {
      Canvas.HorizLine(segment.FromX, segment.X, segment.FromY);
      Canvas.LineTo(segment.X, segment.Y);
    }
  }
  // The segments from the point at (x, y) on make one line of one colour: one pen set-up.
  TCanvasLineSink Columns(int x, int y, TColor color) {
    Point(color);
    Canvas.SetBrushStyle(bsClear);
    Canvas.AssignPen(*Policy.Pen, Series.SegmentColor(Policy.PassColor, color));
    Canvas.MoveTo(x, y);
    return {Canvas};
  }
};

void TCustomSeries::PaintValues(const TPaintContext& context) {
  TChartCanvas3D& canvas = context.Canvas;
  // The fast mapping rounds the extended product directly; the line tolerates the last bit.
  const TPointMapper mapper = context.PointMapper(FDrawLine);
  const TRect plot = context.PlotRect;
  const int plotWidth = plot.Width();
  const auto shadowPass = [&](const TChartShadow& shadow, int sign) {
    DrawValuesPass(canvas, mapper.Shifted(sign * shadow.HorizSize(), sign * shadow.VertSize()), plot,
                   plotWidth, LinePen(), shadow.Color());
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
    DrawValuesPass(canvas, mapper, plot, plotWidth, outlinePen, FOutLine.Color());
  }
  DrawValuesPass(canvas, mapper, plot, plotWidth, LinePen(), clNone);
}

// Paints FirstVisible..LastVisible, backwards on an inverted horizontal axis.
void TCustomSeries::DrawValuesPass(TChartCanvas3D& canvas, const TPointMapper& mapper, const TRect& plot,
                                   int plotWidth, const TChartPen& pen, TColor color) {
  const TLinePolicy policy{.TreatNulls = TreatNulls(),
                           .FirstVisible = FFirstVisible,
                           .LastVisible = FLastVisible,
                           .PointColors = MayHaveNullPoints(),
                           .SegmentColors = true,
                           .PassColor = color,
                           .Gaps = YValues().SkipsNonFinite(),
                           .Stairs = FStairs,
                           .InvertedStairs = FInvertedStairs,
                           .CoordinateLimit = MaxCoordinate,
                           .Pen = &pen};
  TSegmentSink sink{*this, canvas, mapper, policy};
  TWalk walk(policy, *this, mapper, sink);
  const bool inverted = mapper.XInverted();
  const int first = inverted ? FLastVisible : FFirstVisible;
  StartLine(walk, sink, mapper, plot, first);
  walk.DrawOn(first, inverted ? FFirstVisible : FLastVisible, plotWidth);
}

// A skipped null cannot start the line: it starts at the first point at or after it that is not
// null. With points before the first visible one, the line comes in from the left edge (the
// right one on an inverted axis) at the height of the segment from the point before.
void TCustomSeries::StartLine(TWalk& walk, TSegmentSink& sink, const TPointMapper& mapper, const TRect& plot,
                              int first) const {
  const TColor color = walk.Color(first);
  if (color == clNone && TreatNulls() == tnSkip) {
    sink.Point(color);
    const int start = FirstNonNullAtOrAfter(walk, first);
    const int at = start >= 0 ? start : first;
    walk.MoveTo(walk.X(at), walk.Y(at), true);
    return;
  }
  if (first == FFirstVisible && first > 0) {
    const int x = mapper.XInverted() ? plot.Right : plot.Left;
    walk.MoveTo(x, FStairs ? walk.Y(first - 1) : InterpolateY(mapper, first - 1, first, mapper.XValueAt(x)),
                false);
    if (walk.Color(first - 1) == clNone || walk.Gap(first - 1))
      walk.Break();
  }
  walk.Step(first, first - 1);
}

int TCustomSeries::FirstNonNullAtOrAfter(const TWalk& walk, int index) const {
  const int count = PointCount();
  for (int i = index; i < count; ++i)
    if (walk.Color(i) != clNone)
      return i;
  return -1;
}

TColor TCustomSeries::SegmentColor(TColor passColor, TColor color) {
  if (FColorEachLine || passColor != clNone)
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
void TCustomSeries::LimitEndPoint(const TPointMapper& mapper, TLineSegment& segment) const {
  if (segment.X >= -MaxCoordinate && segment.X <= MaxCoordinate)
    return;
  int bound = segment.X > 0 ? MaxCoordinate : -MaxCoordinate;
  int y = segment.Y;
  for (int attempt = 1; attempt <= 5; ++attempt) {
    y = InterpolateY(mapper, segment.Previous, segment.Index, mapper.XValueAt(bound));
    if (y > -MaxCoordinate && y < MaxCoordinate)
      break;
    if (attempt < 5)
      bound /= 3;
  }
  segment.Y = std::clamp(y, -MaxCoordinate, MaxCoordinate);
  segment.X = bound;
}

// The y pixel, on the segment from point `previous` to point `index`, at the X value `x` (the
// axes map linearly).
int TCustomSeries::InterpolateY(const TPointMapper& mapper, int previous, int index, double x) const {
  const double a = XValues()[previous];
  const double d = XValues()[index] - a;
  if (d == 0)
    return mapper.Y(YValues()[previous]);
  const double y0 = YValues()[previous];
  const double y1 = YValues()[index];
  return mapper.Y(y0 + (x - a) * (y1 - y0) / d);
}

} // namespace chart
