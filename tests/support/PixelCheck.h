// Pixel-by-pixel comparison of small bitmaps; on a mismatch the actual, expected and diff images
// are written as PPM files into the test's temporary folder.
#pragma once

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Colors.h"

#include <gtest/gtest.h>

#include <functional>

namespace pixeltest {

using TExpected = std::function<gdi::TPixel(int x, int y)>;

// Success when every pixel equals expected(x, y); otherwise lists the first mismatches.
::testing::AssertionResult PixelsMatch(const gdi::TGdiBitmap& actual, const TExpected& expected);

// The same against another bitmap of the same size.
::testing::AssertionResult SameBitmap(const gdi::TGdiBitmap& actual, const gdi::TGdiBitmap& expected);

// Number of pixels of `color` in the bitmap.
int CountPixels(const gdi::TGdiBitmap& bitmap, gdi::TPixel color);

// Smallest rectangle holding every pixel that differs from `background` (empty when none).
struct TBox {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool Empty() const { return Right <= Left; }
};
TBox InkBox(const gdi::TGdiBitmap& bitmap, gdi::TPixel background);

void Fill(gdi::TGdiBitmap& bitmap, gdi::TPixel color);

// Success when every scale x scale block of `scaled` is one colour, that of the matching pixel of
// `logical`: the picture at a device scale is the logical one blown up, nothing moved.
::testing::AssertionResult SameBlocks(const gdi::TGdiBitmap& scaled, const gdi::TGdiBitmap& logical,
                                      int scale);

} // namespace pixeltest
