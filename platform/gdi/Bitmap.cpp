#include "platform/gdi/Bitmap.h"

#include <algorithm>
#include <limits>

namespace gdi {

void TGdiBitmap::SetSize(int width, int height, int scale) {
  scale = std::clamp(scale, 1, MaxScale);
  // A logical size whose device size leaves the int range is cut down to what fits.
  const int limit = std::numeric_limits<int>::max() / scale;
  width = std::clamp(width, 0, limit) * scale;
  height = std::clamp(height, 0, limit) * scale;
  if (width != FWidth || height != FHeight) {
    // The pixels first: when they cannot be had, the bitmap keeps its size and pixels.
    FPixels.assign(std::size_t(width) * std::size_t(height), 0u);
    FWidth = width;
    FHeight = height;
  }
  FScale = scale;
}

} // namespace gdi
