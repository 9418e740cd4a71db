// Draws a polyline through many points per pixel column with exactly the pixels of one LineTo per
// point, but with at most four line calls per column, found through a min/max summary.
#pragma once

#include <cstdint>
#include <cstdlib>

namespace chart {

// Why the pixels are the same (solid one-pixel pen, one colour, copy mode): a LineTo's pixels
// depend only on its two end points, and it draws its start pixel but not its end pixel.
// Per-point drawing, inside one column, draws vertical pieces that together cover every pixel
// between the column's smallest and largest y, except perhaps the last point's pixel; the next
// segment, which leaves the column from that last point, always draws it. So a column can be
// drawn as: line to its first point (the very same segment per-point drawing makes), then to
// one extreme, to the other, and to its last point. The segment that leaves the column starts
// from the same pixel as before, so the segments between columns are the same calls too.
// The last column of the stretch has no segment after it, so there the trailing points on the
// last pixel are set apart and the final piece is drawn as per-point drawing draws it.
//
// `Points` gives XPixel(i), YPixel(i) and YPixelSpan(first, last, top, bottom), the smallest
// and largest y pixel of a stretch of points. XPixel must be monotonic in i. `Sink` takes
// LineTo(x, y).
template <class Points, class Sink>
class TColumnLineDrawer {
public:
  // Runs shorter than this are drawn point by point: cheaper than a summary query.
  static constexpr int ShortRun = 8;

  TColumnLineDrawer(const Points& points, Sink& sink) : FPoints(points), FSink(sink) {}

  // The pen stands at point `start`; draws the line on through the points start + 1 .. last.
  void Draw(int start, int last) {
    FPenX = FPoints.XPixel(start);
    FPenY = FPoints.YPixel(start);
    int i = start + 1;
    while (i <= last) {
      const int column = FPoints.XPixel(i);
      const int end = RunEnd(i, column, last);
      if (end - i < ShortRun)
        DrawPointByPoint(i, end, column);
      else if (end == last)
        DrawLastColumn(i, end, column);
      else
        DrawColumn(i, end, column);
      i = end + 1;
    }
  }

private:
  void LineTo(int x, int y) {
    if (x == FPenX && y == FPenY)
      return;
    FSink.LineTo(x, y);
    FPenX = x;
    FPenY = y;
  }

  // The last index of the run of points from `first` that share the pixel column.
  int RunEnd(int first, int column, int last) const {
    int inside = first;
    for (int probe = 0; probe < ShortRun; ++probe) {
      if (inside == last || FPoints.XPixel(inside + 1) != column)
        return inside;
      ++inside;
    }
    // Gallop to a point outside the column, then halve the gap.
    std::int64_t step = ShortRun;
    std::int64_t outside;
    for (;;) {
      const std::int64_t candidate = inside + step;
      if (candidate >= last) {
        if (FPoints.XPixel(last) == column)
          return last;
        outside = last;
        break;
      }
      if (FPoints.XPixel(int(candidate)) != column) {
        outside = candidate;
        break;
      }
      inside = int(candidate);
      step *= 2;
    }
    while (outside - inside > 1) {
      const int middle = int(inside + (outside - inside) / 2);
      if (FPoints.XPixel(middle) == column)
        inside = middle;
      else
        outside = middle;
    }
    return inside;
  }

  void DrawPointByPoint(int first, int last, int column) {
    for (int i = first; i <= last; ++i)
      LineTo(column, FPoints.YPixel(i));
  }

  static std::int64_t Distance(int a, int b) { return std::llabs(std::int64_t(a) - std::int64_t(b)); }

  // A column that another segment leaves from its last point.
  void DrawColumn(int first, int last, int column) {
    LineTo(column, FPoints.YPixel(first));
    int top = 0;
    int bottom = 0;
    FPoints.YPixelSpan(first, last, top, bottom);
    const int lastY = FPoints.YPixel(last);
    // Either order covers the span; take the shorter way. Pixels of far-out values reach ±2^30,
    // so the distances are summed in 64 bits.
    if (Distance(FPenY, top) + Distance(bottom, lastY) <= Distance(FPenY, bottom) + Distance(top, lastY)) {
      LineTo(column, top);
      LineTo(column, bottom);
    } else {
      LineTo(column, bottom);
      LineTo(column, top);
    }
    LineTo(column, lastY);
  }

  // The final column: its last pixel is drawn only if an earlier piece crosses it.
  void DrawLastColumn(int first, int last, int column) {
    const int lastY = FPoints.YPixel(last);
    int before = last - 1;
    while (before >= first && FPoints.YPixel(before) == lastY)
      --before;
    if (before >= first)
      DrawColumn(first, before, column);
    LineTo(column, lastY);
  }

  const Points& FPoints;
  Sink& FSink;
  int FPenX = 0;
  int FPenY = 0;
};

} // namespace chart
