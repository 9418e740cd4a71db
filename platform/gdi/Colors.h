// Pixel colours of the raster and the conversion from engine colours, including the fixed system
// colour table.
//
// Convention: every colour the device context takes is a ready pixel, 0x00RRGGBB (the bitmap's
// layout). Engine colours (TColor, 0x00BBGGRR; top bit set = system colour whose low byte indexes
// the table below) are turned into pixels with ColorToPixel when a pen, brush or font is built.
#pragma once

#include <cstdint>

namespace gdi {

using TPixel = std::uint32_t;

constexpr TPixel RGBPixel(int r, int g, int b) {
  return (TPixel(r & 0xFF) << 16) | (TPixel(g & 0xFF) << 8) | TPixel(b & 0xFF);
}
constexpr int PixelRed(TPixel p) { return int((p >> 16) & 0xFF); }
constexpr int PixelGreen(TPixel p) { return int((p >> 8) & 0xFF); }
constexpr int PixelBlue(TPixel p) { return int(p & 0xFF); }

// The size of the system colour table (indexed by the low byte of a system TColor).
inline constexpr int SysColorCount = 31;

// The fixed table (the classic desktop defaults: button face (240,240,240), shadow (160,160,160),
// highlight (255,255,255), window white, window text black, ...), so drawings are the same on every
// machine. An index outside the table (or the unused 25) gives black.
TPixel GetSysColor(int index);

// Engine TColor (0x00BBGGRR, or system colour with the top bit set) to a pixel. Only the low 24
// bits of an ordinary colour are used; the special values (none, default series colour) must be
// filtered out by the caller.
TPixel ColorToPixel(std::uint32_t color);

} // namespace gdi
