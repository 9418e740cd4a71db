#include "tests/support/PixelCheck.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace pixeltest {

namespace {

void WritePpm(const std::string& path, int w, int h, const std::function<gdi::TPixel(int, int)>& pixel) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << w << ' ' << h << "\n255\n";
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const gdi::TPixel p = pixel(x, y);
      const char rgb[3] = {char(gdi::PixelRed(p)), char(gdi::PixelGreen(p)), char(gdi::PixelBlue(p))};
      out.write(rgb, 3);
    }
}

std::string TestName() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info ? std::string(info->test_suite_name()) + "_" + info->name() : "pixels";
  std::replace(name.begin(), name.end(), '/', '_');
  return name;
}

} // namespace

::testing::AssertionResult PixelsMatch(const gdi::TGdiBitmap& actual, const TExpected& expected) {
  std::ostringstream msg;
  int mismatches = 0;
  for (int y = 0; y < actual.Height(); ++y)
    for (int x = 0; x < actual.Width(); ++x)
      if (actual.Pixel(x, y) != (expected(x, y) & 0xFFFFFF) && ++mismatches <= 8)
        msg << "(" << x << "," << y << "): got " << std::hex << actual.Pixel(x, y) << " want "
            << expected(x, y) << std::dec << "\n";
  if (mismatches == 0)
    return ::testing::AssertionSuccess();
  const std::string base = ::testing::TempDir() + TestName();
  const int w = actual.Width(), h = actual.Height();
  WritePpm(base + "_actual.ppm", w, h, [&](int x, int y) { return actual.Pixel(x, y); });
  WritePpm(base + "_expected.ppm", w, h, expected);
  WritePpm(base + "_diff.ppm", w, h,
           [&](int x, int y) { return actual.Pixel(x, y) == (expected(x, y) & 0xFFFFFF) ? 0u : 0xFF0000u; });
  return ::testing::AssertionFailure() << mismatches << " pixels differ (images in " << base << "_*.ppm)\n"
                                       << msg.str();
}

::testing::AssertionResult SameBitmap(const gdi::TGdiBitmap& actual, const gdi::TGdiBitmap& expected) {
  if (actual.Width() != expected.Width() || actual.Height() != expected.Height())
    return ::testing::AssertionFailure() << "sizes differ";
  return PixelsMatch(actual, [&](int x, int y) { return expected.Pixel(x, y); });
}

int CountPixels(const gdi::TGdiBitmap& bitmap, gdi::TPixel color) {
  return int(std::count(bitmap.Pixels(), bitmap.Pixels() + bitmap.Width() * bitmap.Height(), color));
}

TBox InkBox(const gdi::TGdiBitmap& bitmap, gdi::TPixel background) {
  TBox box{bitmap.Width(), bitmap.Height(), 0, 0};
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (bitmap.Pixel(x, y) != background) {
        box.Left = std::min(box.Left, x);
        box.Top = std::min(box.Top, y);
        box.Right = std::max(box.Right, x + 1);
        box.Bottom = std::max(box.Bottom, y + 1);
      }
  if (box.Right == 0)
    return {};
  return box;
}

::testing::AssertionResult SameBlocks(const gdi::TGdiBitmap& scaled, const gdi::TGdiBitmap& logical,
                                      int scale) {
  if (scaled.Width() != logical.Width() * scale || scaled.Height() != logical.Height() * scale)
    return ::testing::AssertionFailure() << "sizes differ";
  return PixelsMatch(scaled, [&](int x, int y) { return logical.Pixel(x / scale, y / scale); });
}

void Fill(gdi::TGdiBitmap& bitmap, gdi::TPixel color) {
  std::fill(bitmap.Pixels(), bitmap.Pixels() + bitmap.Width() * bitmap.Height(), color);
}

} // namespace pixeltest
