// An off-screen 32-bit bitmap: pixels stored as 0x00RRGGBB rows, top row first, so a window can
// show it with one image draw and no conversion. A device scale s gives s x s device pixels to
// every logical pixel, so a high-resolution screen gets sharp pictures of the same layout.
#pragma once

#include <cstdint>
#include <vector>

namespace gdi {

class TGdiBitmap {
public:
  TGdiBitmap() = default;
  TGdiBitmap(int width, int height, int scale = 1) { SetSize(width, height, scale); }

  // Logical size and device scale (clamped to 1 .. MaxScale): the bitmap holds width * scale by
  // height * scale pixels. Keeps the memory when nothing changes; new pixels start black.
  void SetSize(int width, int height, int scale = 1);

  static constexpr int MaxScale = 8;

  // Device pixels.
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int Scale() const { return FScale; }
  int LogicalWidth() const { return FWidth / FScale; }
  int LogicalHeight() const { return FHeight / FScale; }
  std::uint32_t* Pixels() { return FPixels.data(); }
  const std::uint32_t* Pixels() const { return FPixels.data(); }
  std::uint32_t Pixel(int x, int y) const {
    return FPixels[std::size_t(y) * std::size_t(FWidth) + std::size_t(x)];
  }
  std::uint32_t* Row(int y) { return FPixels.data() + std::size_t(y) * std::size_t(FWidth); }
  int BytesPerLine() const { return FWidth * 4; }

private:
  int FWidth = 0;
  int FHeight = 0;
  int FScale = 1;
  std::vector<std::uint32_t> FPixels;
};

} // namespace gdi
