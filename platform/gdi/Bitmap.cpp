#include "platform/gdi/Bitmap.h"

#include <algorithm>

namespace gdi {

void TGdiBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == FWidth && height == FHeight)
    return;
  FWidth = width;
  FHeight = height;
  FPixels.assign(std::size_t(width) * std::size_t(height), 0u);
}

} // namespace gdi
