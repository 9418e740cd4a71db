// An off-screen 32-bit bitmap: pixels stored as 0x00RRGGBB rows, top row first, so a window can
// show it with one image draw and no conversion.
#pragma once

#include <cstdint>
#include <vector>

namespace gdi {

class TGdiBitmap {
public:
  TGdiBitmap() = default;
  TGdiBitmap(int width, int height) { SetSize(width, height); }

  // Keeps the memory when the size does not change; new pixels start black.
  void SetSize(int width, int height);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  std::uint32_t* Pixels() { return FPixels.data(); }
  const std::uint32_t* Pixels() const { return FPixels.data(); }
  std::uint32_t Pixel(int x, int y) const { return FPixels[std::size_t(y) * std::size_t(FWidth) + std::size_t(x)]; }
  std::uint32_t* Row(int y) { return FPixels.data() + std::size_t(y) * std::size_t(FWidth); }
  int BytesPerLine() const { return FWidth * 4; }

private:
  int FWidth = 0;
  int FHeight = 0;
  std::vector<std::uint32_t> FPixels;
};

} // namespace gdi
