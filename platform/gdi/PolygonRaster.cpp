#include "platform/gdi/PolygonRaster.h"

#include <algorithm>
#include <cmath>

namespace gdi::raster {

namespace {

struct TEdge {
  double YTop;
  double YBottom;
  double XAtTop;
  double Slope; // dx per dy
  int Winding;
};

struct TCrossing {
  double X;
  int Winding;
};

std::vector<TEdge> BuildEdges(const std::vector<TContour>& contours) {
  std::vector<TEdge> edges;
  for (const TContour& contour : contours) {
    for (std::size_t i = 0; i < contour.size(); ++i) {
      TPointF a = contour[i];
      TPointF b = contour[(i + 1) % contour.size()];
      if (a.Y == b.Y)
        continue;
      int winding = 1;
      if (a.Y > b.Y) {
        std::swap(a, b);
        winding = -1;
      }
      edges.push_back({a.Y, b.Y, a.X, (b.X - a.X) / (b.Y - a.Y), winding});
    }
  }
  std::sort(edges.begin(), edges.end(), [](const TEdge& l, const TEdge& r) { return l.YTop < r.YTop; });
  return edges;
}

// First pixel index whose centre is at or right of / below `v`, clamped to [lo, hi].
int PixelFrom(double v, int lo, int hi) {
  const double p = std::ceil(v - 0.5);
  if (!(p > lo))
    return lo;
  return p < hi ? int(p) : hi;
}

void EmitRow(int y, std::vector<TCrossing>& crossings, bool nonZero, const TRect& clip,
             const std::function<void(int, int, int)>& span) {
  std::sort(crossings.begin(), crossings.end(),
            [](const TCrossing& l, const TCrossing& r) { return l.X < r.X; });
  int winding = 0;
  double start = 0;
  for (const TCrossing& c : crossings) {
    const bool wasInside = nonZero ? winding != 0 : (winding & 1) != 0;
    winding += c.Winding;
    const bool isInside = nonZero ? winding != 0 : (winding & 1) != 0;
    if (!wasInside && isInside) {
      start = c.X;
    } else if (wasInside && !isInside) {
      const int x0 = PixelFrom(start, clip.Left, clip.Right);
      const int x1 = PixelFrom(c.X, clip.Left, clip.Right);
      if (x1 > x0)
        span(y, x0, x1);
    }
  }
}

} // namespace

void FillContours(const std::vector<TContour>& contours, bool nonZero, const TRect& clip,
                  const std::function<void(int, int, int)>& span) {
  if (clip.IsEmpty())
    return;
  const std::vector<TEdge> edges = BuildEdges(contours);
  if (edges.empty())
    return;
  double yMax = edges.front().YBottom;
  for (const TEdge& e : edges)
    yMax = std::max(yMax, e.YBottom);
  const int rowFirst = PixelFrom(edges.front().YTop, clip.Top, clip.Bottom);
  const int rowEnd = PixelFrom(yMax, clip.Top, clip.Bottom);

  std::vector<const TEdge*> active;
  std::vector<TCrossing> crossings;
  std::size_t next = 0;
  for (int y = rowFirst; y < rowEnd; ++y) {
    const double sy = y + 0.5;
    while (next < edges.size() && edges[next].YTop <= sy)
      active.push_back(&edges[next++]);
    std::erase_if(active, [sy](const TEdge* e) { return e->YBottom <= sy; });
    crossings.clear();
    for (const TEdge* e : active)
      crossings.push_back({e->XAtTop + (sy - e->YTop) * e->Slope, e->Winding});
    EmitRow(y, crossings, nonZero, clip, span);
  }
}

} // namespace gdi::raster
