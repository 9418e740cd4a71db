// The pixels of a cosmetic line (end pixel excluded), clipped analytically to a rectangle so that
// nothing outside the clip is ever visited, whatever the coordinates. At a device scale s > 1 the
// line is s device pixels thick and covers the same logical pixels' area.
#pragma once

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/Geometry.h"

#include <algorithm>
#include <cstdint>

namespace gdi::raster {

// The visible run of a line: pixels First .. First + Count - 1 of the Total pixels from the start
// point, with the stepping state at the first visible one.
struct TLineSteps {
  std::int64_t Total = 0;
  std::int64_t First = 0;
  std::int64_t Count = 0;
  int X = 0;
  int Y = 0;
  bool XMajor = true;
  int MajorStep = 1;
  int MinorStep = 1;
  // Bresenham state: the minor axis advances when Rem reaches TwoMajor after adding TwoMinor.
  std::int64_t Rem = 0;
  std::int64_t TwoMinor = 0;
  std::int64_t TwoMajor = 0;
};

// Fills `steps` for the line from `from` to `to` clipped to `clip`; Total is set even when nothing
// is visible (Count 0), so a style pattern can still advance past the hidden part.
TLineSteps ClipLine(TPoint from, TPoint to, const TRect& clip);

// One-pixel solid copy: the hot path of series drawing.
void DrawThinLine(TGdiBitmap& bitmap, const TLineSteps& steps, TPixel color);

// The device line of a logical one-pixel line at device scale `scale`: it starts in the start
// pixel's block on the side it leaves from, so a line running back over its own path covers the
// same blocks, and it stops short of the end pixel's block. Each step stands for `scale` pixels
// across the major axis (see WalkScaledLine); `clip` is in device pixels.
TLineSteps ClipScaledLine(TPoint from, TPoint to, int scale, const TRect& clip);
// Solid copy of such a line.
void DrawScaledLine(TGdiBitmap& bitmap, const TLineSteps& steps, int scale, const TRect& clip, TPixel color);

// Calls plot(x, y, index) for each visible pixel, index counting from the line's start point.
template <class F>
void WalkLine(const TLineSteps& s, F&& plot) {
  int x = s.X;
  int y = s.Y;
  std::int64_t rem = s.Rem;
  for (std::int64_t i = 0; i < s.Count; ++i) {
    plot(x, y, s.First + i);
    rem += s.TwoMinor;
    const bool stepMinor = rem >= s.TwoMajor;
    if (stepMinor)
      rem -= s.TwoMajor;
    if (s.XMajor) {
      x += s.MajorStep;
      y += stepMinor ? s.MinorStep : 0;
    } else {
      y += s.MajorStep;
      x += stepMinor ? s.MinorStep : 0;
    }
  }
}

// Calls plot(x, y, index) for each visible device pixel of a line from ClipScaledLine: each step
// covers `scale` pixels from the stepping pixel towards larger minor coordinates.
template <class F>
void WalkScaledLine(const TLineSteps& s, int scale, const TRect& clip, F&& plot) {
  const int lo = s.XMajor ? clip.Top : clip.Left;
  const int hi = s.XMajor ? clip.Bottom : clip.Right;
  WalkLine(s, [&](int x, int y, std::int64_t i) {
    const int minor = s.XMajor ? y : x;
    const int first = std::max(minor, lo);
    // The clip's edges lie within the bitmap, so the run's end fits in an int.
    const int last = int(std::min(std::int64_t(minor) + scale, std::int64_t(hi)));
    for (int m = first; m < last; ++m)
      s.XMajor ? plot(x, m, i) : plot(m, y, i);
  });
}

} // namespace gdi::raster
