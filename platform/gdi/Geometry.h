// Integer points, sizes and rectangles in device pixels, as the device context takes them.
#pragma once

#include <algorithm>
#include <cstdint>

namespace gdi {

// A logical length or coordinate times the device scale, kept within +-2^30: far beyond any
// bitmap, so every visible pixel stays where it was and later sums cannot overflow.
inline int ScaledClamped(int value, int scale) {
  return int(std::clamp<std::int64_t>(std::int64_t(value) * scale, -(1 << 30), 1 << 30));
}

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int Width = 0;
  int Height = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

// Right and Bottom are exclusive: (0, 0, 10, 10) covers columns and rows 0..9.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  // Swaps the corners so that Left <= Right and Top <= Bottom.
  TRect Normalized() const {
    return {std::min(Left, Right), std::min(Top, Bottom), std::max(Left, Right), std::max(Top, Bottom)};
  }
  // An empty intersection keeps its position but has zero size, so it still clips everything away.
  TRect Intersected(const TRect& other) const {
    TRect r{std::max(Left, other.Left), std::max(Top, other.Top), std::min(Right, other.Right),
            std::min(Bottom, other.Bottom)};
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
    return r;
  }
  friend bool operator==(const TRect&, const TRect&) = default;
};

} // namespace gdi
