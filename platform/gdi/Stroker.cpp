#include "platform/gdi/Stroker.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gdi::raster {

namespace {

// The path as one list of points in pixel-centre space, consecutive duplicates dropped.
struct TPath {
  std::vector<TPointF> Points;
  bool Closed = false;
};

TPointF Add(TPointF a, TPointF b) { return {a.X + b.X, a.Y + b.Y}; }
TPointF Sub(TPointF a, TPointF b) { return {a.X - b.X, a.Y - b.Y}; }
TPointF Scale(TPointF a, double k) { return {a.X * k, a.Y * k}; }
double Length(TPointF a) { return std::hypot(a.X, a.Y); }
TPointF Unit(TPointF a) {
  const double l = Length(a);
  return l > 0 ? Scale(a, 1 / l) : TPointF{1, 0};
}
TPointF Normal(TPointF unit) { return {-unit.Y, unit.X}; }

class TOutlineBuilder {
public:
  TOutlineBuilder(const TPen& pen) : FPen(pen), FHalf(std::max(pen.Width, 1) / 2.0) {}

  void Piece(const std::vector<TPointF>& pts, bool closed);
  std::vector<TContour> Take() { return std::move(FContours); }

private:
  const TPen& FPen;
  double FHalf;
  std::vector<TContour> FContours;

  void Push(TContour contour);
  void Disc(TPointF centre);
  void Cap(TPointF end, TPointF outward);
  void Segment(TPointF a, TPointF b, bool extendA, bool extendB);
  void Join(TPointF prev, TPointF at, TPointF next);
};

void TOutlineBuilder::Push(TContour contour) {
  double area = 0;
  for (std::size_t i = 0; i < contour.size(); ++i) {
    const TPointF& a = contour[i];
    const TPointF& b = contour[(i + 1) % contour.size()];
    area += a.X * b.Y - b.X * a.Y;
  }
  // One orientation for all pieces, so overlapping pieces add up under the non-zero rule.
  if (area < 0)
    std::reverse(contour.begin(), contour.end());
  if (area != 0)
    FContours.push_back(std::move(contour));
}

void TOutlineBuilder::Disc(TPointF centre) {
  const int n = std::clamp(int(FHalf * 4) + 8, 8, 256);
  TContour c;
  for (int i = 0; i < n; ++i) {
    const double a = 2 * std::numbers::pi * i / n;
    c.push_back({centre.X + FHalf * std::cos(a), centre.Y + FHalf * std::sin(a)});
  }
  Push(std::move(c));
}

void TOutlineBuilder::Cap(TPointF end, TPointF outward) {
  if (FPen.EndCap == TPenEndCap::Round) {
    Disc(end);
  } else if (FPen.EndCap == TPenEndCap::Square) {
    const TPointF n = Scale(Normal(outward), FHalf);
    const TPointF o = Scale(outward, FHalf);
    Push({Add(end, n), Add(Add(end, n), o), Sub(Add(end, o), n), Sub(end, n)});
  }
}

void TOutlineBuilder::Segment(TPointF a, TPointF b, bool capA, bool capB) {
  const TPointF dir = Unit(Sub(b, a));
  const TPointF n = Scale(Normal(dir), FHalf);
  Push({Add(a, n), Add(b, n), Sub(b, n), Sub(a, n)});
  if (capA)
    Cap(a, Scale(dir, -1));
  if (capB)
    Cap(b, dir);
}

void TOutlineBuilder::Join(TPointF prev, TPointF at, TPointF next) {
  const TPointF d0 = Unit(Sub(at, prev));
  const TPointF d1 = Unit(Sub(next, at));
  const double cross = d0.X * d1.Y - d0.Y * d1.X;
  if (std::abs(cross) < 1e-12 && d0.X * d1.X + d0.Y * d1.Y > 0)
    return;
  if (FPen.Join == TPenJoin::Round) {
    Disc(at);
    return;
  }
  const double side = cross > 0 ? -1 : 1;
  const TPointF n0 = Normal(d0);
  const TPointF n1 = Normal(d1);
  const TPointF a = Add(at, Scale(n0, FHalf * side));
  const TPointF b = Add(at, Scale(n1, FHalf * side));
  const double dot = n0.X * n1.X + n0.Y * n1.Y;
  // Mitres longer than ten half-widths become bevels, as sharp corners would spike far out.
  const bool mitre = FPen.Join == TPenJoin::Mitre && 1 + dot > 2.0 / 100.0;
  if (mitre) {
    const TPointF m = Add(at, Scale(Add(n0, n1), FHalf * side / (1 + dot)));
    Push({at, a, m, b});
  } else {
    Push({at, a, b});
  }
}

void TOutlineBuilder::Piece(const std::vector<TPointF>& pts, bool closed) {
  const std::size_t n = pts.size();
  const std::size_t segments = closed ? n : n - 1;
  for (std::size_t i = 0; i < segments; ++i)
    Segment(pts[i], pts[(i + 1) % n], !closed && i == 0, !closed && i + 1 == segments);
  for (std::size_t i = closed ? 0 : 1; i < (closed ? n : n - 1); ++i)
    Join(pts[(i + n - 1) % n], pts[i], pts[(i + 1) % n]);
}

TPath MakePath(std::span<const TPoint> points, bool closed, int scale, double centre) {
  TPath path;
  path.Closed = closed;
  for (const TPoint& p : points) {
    const TPointF f{(p.X + centre) * scale, (p.Y + centre) * scale};
    if (path.Points.empty() || path.Points.back().X != f.X || path.Points.back().Y != f.Y)
      path.Points.push_back(f);
  }
  if (closed && path.Points.size() > 1 && path.Points.front().X == path.Points.back().X &&
      path.Points.front().Y == path.Points.back().Y)
    path.Points.pop_back();
  return path;
}

std::vector<double> DashLengths(const TPen& pen) {
  const double w = std::max(pen.Width, 1);
  switch (pen.Style) {
  case TPenStyle::psDash:
    return {3 * w, w};
  case TPenStyle::psDot:
    return {w, w};
  case TPenStyle::psDashDot:
    return {3 * w, w, w, w};
  case TPenStyle::psDashDotDot:
    return {3 * w, w, w, w, w, w};
  case TPenStyle::psUserStyle: {
    std::vector<double> d;
    for (int v : pen.Dashes)
      d.push_back(std::max(v, 0));
    return d;
  }
  default:
    return {};
  }
}

// Cuts the path into its dashes; each dash is an open piece (a single point for a dash of 0).
void StrokeDashed(const TPath& path, const std::vector<double>& dashes, TOutlineBuilder& out) {
  std::vector<TPointF> pts = path.Points;
  if (path.Closed)
    pts.push_back(pts.front());
  std::size_t dashIndex = 0;
  double left = dashes[0];
  std::vector<TPointF> piece{pts[0]};
  for (std::size_t i = 0; i + 1 < pts.size(); ++i) {
    TPointF a = pts[i];
    const TPointF b = pts[i + 1];
    double segLeft = Length(Sub(b, a));
    const TPointF dir = Unit(Sub(b, a));
    while (left <= segLeft) {
      a = Add(a, Scale(dir, left));
      segLeft -= left;
      const bool inDash = dashIndex % 2 == 0;
      if (inDash) {
        piece.push_back(a);
        out.Piece(piece, false);
      }
      piece.assign(1, a);
      dashIndex = (dashIndex + 1) % dashes.size();
      left = dashes[dashIndex];
    }
    left -= segLeft;
    if (dashIndex % 2 == 0)
      piece.push_back(b);
  }
  if (dashIndex % 2 == 0 && piece.size() > 1)
    out.Piece(piece, false);
}

} // namespace

double StrokeCentre(const TPen& pen, int scale) { return scale > 1 && pen.Width % 2 == 0 ? 0.0 : 0.5; }

std::vector<TContour> StrokePath(std::span<const TPoint> points, bool closed, const TPen& logicalPen,
                                 int scale) {
  TPen pen = logicalPen;
  pen.Width = ScaledClamped(pen.Width, scale);
  for (int& dash : pen.Dashes)
    dash = ScaledClamped(dash, scale);
  const TPath path = MakePath(points, closed, scale, StrokeCentre(logicalPen, scale));
  TOutlineBuilder out(pen);
  if (path.Points.size() < 2)
    return {};
  std::vector<double> dashes = DashLengths(pen);
  double period = 0;
  for (double d : dashes)
    period += d;
  if (dashes.size() < 2 || period <= 0)
    out.Piece(path.Points, path.Closed && path.Points.size() > 2);
  else
    StrokeDashed(path, dashes, out);
  return out.Take();
}

} // namespace gdi::raster
