#include "PixelCheck.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace surfacetest {

namespace {

void WritePpm(const std::filesystem::path& path, int width, int height,
              const std::function<std::uint32_t(int, int)>& pixel) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << width << ' ' << height << "\n255\n";
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = pixel(x, y);
      const char rgb[3] = {char((p >> 16) & 0xFF), char((p >> 8) & 0xFF), char(p & 0xFF)};
      out.write(rgb, 3);
    }
}

} // namespace

::testing::AssertionResult PixelsMatch(const gdi::TGdiBitmap& actual,
                                       const std::function<std::uint32_t(int, int)>& expected,
                                       const std::string& name) {
  int wrong = 0;
  std::ostringstream first;
  for (int y = 0; y < actual.Height(); ++y)
    for (int x = 0; x < actual.Width(); ++x)
      if (actual.Pixel(x, y) != expected(x, y)) {
        if (wrong++ == 0)
          first << std::hex << "first at (" << std::dec << x << ", " << y << "): 0x" << std::hex
                << actual.Pixel(x, y) << " instead of 0x" << expected(x, y);
      }
  if (wrong == 0)
    return ::testing::AssertionSuccess();
  const std::filesystem::path dir = std::filesystem::path(::testing::TempDir()) / "surface-diffs";
  std::filesystem::create_directories(dir);
  const int w = actual.Width(), h = actual.Height();
  WritePpm(dir / (name + "-actual.ppm"), w, h, [&](int x, int y) { return actual.Pixel(x, y); });
  WritePpm(dir / (name + "-expected.ppm"), w, h, expected);
  WritePpm(dir / (name + "-diff.ppm"), w, h,
           [&](int x, int y) { return actual.Pixel(x, y) == expected(x, y) ? 0x000000u : 0xFF0000u; });
  return ::testing::AssertionFailure() << wrong << " pixels differ, " << first.str() << "; images in "
                                       << dir.string();
}

} // namespace surfacetest
