// The column shortcut of the line series: draws a stretch of a series column by column from the
// min/max summary its Y values keep, and says whether the values allow it (the line walk's rule
// decides the rest).
#pragma once

#include "chart/series/ColumnLineDrawer.h"
#include "chart/series/PointMapper.h"
#include "chart/surface/ChartCanvas3D.h"
#include "chart/values/ValueSummary.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <type_traits>

namespace chart {

class TChartSeries;
class TChartValueList;

// Debug switch: true makes every series draw point by point (for comparisons and benchmarks).
void SetPlainSeriesDrawing(bool plain);
// Debug count: the series paints that drew by the column shortcut so far (for fuzzing, which must
// know that the shortcut was put to the test).
std::uint64_t ColumnShortcutDraws();

// Where the column drawer's lines go when they are drawn on the chart's surface.
struct TCanvasLineSink {
  TChartCanvas3D& Canvas;
  void MoveTo(int x, int y) { Canvas.MoveTo(x, y); }
  void LineTo(int x, int y) { Canvas.LineTo(x, y); }
};

// The points of a series and where the current pass places them.
struct TSeriesColumnPoints {
  const TChartValues* X;
  const TValueSummary* YSummary;
  TPointMapper Mapper;
};

// The same points as pixels, read in the forms the values are stored in: X through its value
// form, Y through the summary of its form.
template <class XValues, class YSummary>
struct TFormColumnPoints {
  XValues X;
  const YSummary& Y;
  const TSeriesColumnPoints& Points;

  int XPixel(int index) const { return Points.Mapper.X(X[std::size_t(index)]); }
  int YPixel(int index) const { return Points.Mapper.Y(Y.Value(index)); }
  // The mapping is monotonic, so the extreme values give the extreme pixels, in either direction.
  void YPixelSpan(int first, int last, int& top, int& bottom) const {
    double lowest = 0;
    double highest = 0;
    Y.MinMax(first, last, lowest, highest);
    const int a = Points.Mapper.Y(lowest);
    const int b = Points.Mapper.Y(highest);
    top = std::min(a, b);
    bottom = std::max(a, b);
  }
};

class TLineShortcut {
public:
  // The points for Draw; valid after DrawsByColumns said yes until the values change.
  static TSeriesColumnPoints Points(const TChartSeries& series, const TPointMapper& mapper);

  // The pen stands at point `start` (unless it is a gap); draws through start + 1 .. last into
  // sink.LineTo, each stretch between gaps as a line of its own that sink.MoveTo starts. The
  // drawer is compiled once per pair of forms and picked here, once per call.
  template <class Sink>
  static void Draw(const TSeriesColumnPoints& points, Sink& sink, int start, int last) {
    const std::span<const int> gaps = GapsWithin(points.YSummary->Skipped(), start, last);
    points.X->Visit([&](const auto& x) {
      points.YSummary->Visit([&](const auto& y) {
        using TPoints = TFormColumnPoints<std::decay_t<decltype(x)>, std::decay_t<decltype(y)>>;
        const TPoints formPoints{x, y, points};
        TColumnLineDrawer<TPoints, Sink> drawer(formPoints, sink);
        int from = start;
        const auto drawStretch = [&](int to) {
          if (from > to)
            return;
          if (from != start)
            sink.MoveTo(formPoints.XPixel(from), formPoints.YPixel(from));
          drawer.Draw(from, to);
        };
        for (const int gap : gaps) {
          drawStretch(gap - 1);
          from = gap + 1;
        }
        drawStretch(last);
      });
    });
  }

  // The smallest and largest Y value, from the summary (built when out of date). False when
  // there are no values or not all are finite: a pass over the values must decide then.
  static bool ValueRange(const TChartValueList& yValues, double& lowest, double& highest);

  // Whether the values of points first..last allow drawing by columns. A sparse stretch, where a
  // column holds few points, is left to per-point drawing unless the summary is already at hand;
  // so are gaps the summary does not list, or more of them than columns.
  static bool ValuesFit(const TChartSeries& series, int first, int last, int plotWidth);

private:
  // The skipped indexes among first..last.
  static std::span<const int> GapsWithin(const TSkippedValues& skipped, int first, int last);
};

} // namespace chart
