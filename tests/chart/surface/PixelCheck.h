// Pixel expectations for surface tests: compares a bitmap with an expected picture and, when
// they differ, writes expected, actual and a diff image (PPM) to the test's temporary folder.
#pragma once

#include "platform/gdi/Bitmap.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace surfacetest {

// expected(x, y) gives the pixel (0x00RRGGBB) each position should hold.
::testing::AssertionResult PixelsMatch(const gdi::TGdiBitmap& actual,
                                       const std::function<std::uint32_t(int, int)>& expected,
                                       const std::string& name);

} // namespace surfacetest
