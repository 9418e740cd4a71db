#include "platform/gdi/LineRaster.h"

#include <algorithm>

namespace gdi::raster {

namespace {

// Segment set-up works in 128 bits: with coordinates anywhere in the int range the products of
// two extents do not fit in 64.
__extension__ typedef __int128 Int128;

Int128 CeilDiv(Int128 a, Int128 b) { // b > 0
  return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

// Pixel index range [lo, hi) whose major coordinate m0 + step * i lies in [c0, c1).
void MajorRange(std::int64_t m0, int step, int c0, int c1, Int128& lo, Int128& hi) {
  if (step > 0) {
    lo = Int128(c0) - m0;
    hi = Int128(c1) - m0;
  } else {
    lo = Int128(m0) - c1 + 1;
    hi = Int128(m0) - c0 + 1;
  }
}

// Index range [lo, hi) whose minor offset round(i * aMin / aMaj) (halves down) lies in [a, b].
void MinorRange(Int128 a, Int128 b, std::int64_t aMin, std::int64_t aMaj, Int128& lo, Int128& hi) {
  if (a > b) {
    lo = hi = 0;
    return;
  }
  if (aMin == 0) {
    const bool inside = a <= 0 && 0 <= b;
    lo = 0;
    hi = inside ? Int128(aMaj) : Int128(0);
    return;
  }
  // offset(i) = floor((2 i aMin + aMaj - 1) / (2 aMaj)) is non-decreasing in i.
  lo = CeilDiv(2 * Int128(aMaj) * a - aMaj + 1, 2 * Int128(aMin));
  hi = CeilDiv(2 * Int128(aMaj) * (b + 1) - aMaj + 1, 2 * Int128(aMin));
}

bool Inside(const TRect& clip, std::int64_t x, std::int64_t y) {
  return x >= clip.Left && x < clip.Right && y >= clip.Top && y < clip.Bottom;
}

// The line from (x0, y0) to (x1, y1): 64-bit ends, so scaled logical coordinates fit.
TLineSteps ClipLine64(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, const TRect& clip) {
  TLineSteps s;
  const std::int64_t dx = x1 - x0;
  const std::int64_t dy = y1 - y0;
  s.XMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
  const std::int64_t dMaj = s.XMajor ? dx : dy;
  const std::int64_t dMin = s.XMajor ? dy : dx;
  const std::int64_t aMaj = dMaj < 0 ? -dMaj : dMaj;
  const std::int64_t aMin = dMin < 0 ? -dMin : dMin;
  s.Total = aMaj;
  if (aMaj == 0 || clip.IsEmpty())
    return s;
  s.MajorStep = dMaj < 0 ? -1 : 1;
  s.MinorStep = dMin < 0 ? -1 : 1;
  const std::int64_t m0 = s.XMajor ? x0 : y0;
  const std::int64_t n0 = s.XMajor ? y0 : x0;
  const int cMaj0 = s.XMajor ? clip.Left : clip.Top;
  const int cMaj1 = s.XMajor ? clip.Right : clip.Bottom;
  const int cMin0 = s.XMajor ? clip.Top : clip.Left;
  const int cMin1 = s.XMajor ? clip.Bottom : clip.Right;

  s.TwoMinor = 2 * aMin;
  s.TwoMajor = 2 * aMaj;
  // Both ends inside: every pixel lies between them, so the wide arithmetic can be skipped.
  if (Inside(clip, x0, y0) && Inside(clip, x1, y1)) {
    s.Count = aMaj;
    s.Rem = aMaj - 1;
    s.X = int(x0);
    s.Y = int(y0);
    return s;
  }
  Int128 lo1, hi1, lo2, hi2;
  MajorRange(m0, s.MajorStep, cMaj0, cMaj1, lo1, hi1);
  if (s.MinorStep > 0)
    MinorRange(Int128(cMin0) - n0, Int128(cMin1) - n0 - 1, aMin, aMaj, lo2, hi2);
  else
    MinorRange(Int128(n0) - cMin1 + 1, Int128(n0) - cMin0, aMin, aMaj, lo2, hi2);
  const Int128 lo = std::max({Int128(0), lo1, lo2});
  const Int128 hi = std::min({Int128(aMaj), hi1, hi2});
  if (hi <= lo)
    return s;

  s.First = std::int64_t(lo);
  s.Count = std::int64_t(hi - lo);
  const Int128 num = 2 * lo * aMin + aMaj - 1;
  const std::int64_t offset = std::int64_t(num / s.TwoMajor);
  s.Rem = std::int64_t(num % s.TwoMajor);
  const std::int64_t major = m0 + s.MajorStep * s.First;
  const std::int64_t minor = n0 + s.MinorStep * offset;
  s.X = int(s.XMajor ? major : minor);
  s.Y = int(s.XMajor ? minor : major);
  return s;
}

} // namespace

TLineSteps ClipLine(TPoint from, TPoint to, const TRect& clip) {
  return ClipLine64(from.X, from.Y, to.X, to.Y, clip);
}

TLineSteps ClipScaledLine(TPoint from, TPoint to, int scale, const TRect& clip) {
  const std::int64_t dx = std::int64_t(to.X) - from.X;
  const std::int64_t dy = std::int64_t(to.Y) - from.Y;
  const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
  const std::int64_t dMajor = xMajor ? dx : dy;
  // Leaving towards smaller coordinates starts at the block's far edge.
  const int shift = dMajor < 0 ? scale - 1 : 0;
  const int shiftX = xMajor ? shift : 0;
  const int shiftY = xMajor ? 0 : shift;
  // A stepping pixel up to scale - 1 before the clip's minor edge still reaches into it.
  TRect reach = clip;
  (xMajor ? reach.Top : reach.Left) -= scale - 1;
  if (clip.IsEmpty())
    reach = clip;
  return ClipLine64(std::int64_t(from.X) * scale + shiftX, std::int64_t(from.Y) * scale + shiftY,
                    std::int64_t(to.X) * scale + shiftX, std::int64_t(to.Y) * scale + shiftY, reach);
}

void DrawScaledLine(TGdiBitmap& bitmap, const TLineSteps& s, int scale, const TRect& clip, TPixel color) {
  WalkScaledLine(s, scale, clip, [&](int x, int y, std::int64_t) { bitmap.Row(y)[x] = color; });
}

void DrawThinLine(TGdiBitmap& bitmap, const TLineSteps& s, TPixel color) {
  const std::ptrdiff_t stride = bitmap.Width();
  std::uint32_t* p = bitmap.Pixels() + std::ptrdiff_t(s.Y) * stride + s.X;
  std::int64_t count = s.Count;
  if (s.TwoMinor == 0 && s.XMajor) {
    std::fill_n(s.MajorStep > 0 ? p : p - (count - 1), count, color);
    return;
  }
  const std::ptrdiff_t majorStep = s.XMajor ? s.MajorStep : s.MajorStep * stride;
  const std::ptrdiff_t minorStep = s.XMajor ? s.MinorStep * stride : s.MinorStep;
  if (s.TwoMinor == 0) {
    for (; count > 0; --count, p += majorStep)
      *p = color;
    return;
  }
  std::int64_t rem = s.Rem;
  const std::int64_t twoMinor = s.TwoMinor;
  const std::int64_t twoMajor = s.TwoMajor;
  for (; count > 0; --count) {
    *p = color;
    p += majorStep;
    rem += twoMinor;
    if (rem >= twoMajor) {
      rem -= twoMajor;
      p += minorStep;
    }
  }
}

} // namespace gdi::raster
