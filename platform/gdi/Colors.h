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

// Indexes of the system colour table (the low byte of a system TColor).
enum TSysColorIndex : int {
  COLOR_SCROLLBAR = 0,
  COLOR_BACKGROUND = 1,
  COLOR_ACTIVECAPTION = 2,
  COLOR_INACTIVECAPTION = 3,
  COLOR_MENU = 4,
  COLOR_WINDOW = 5,
  COLOR_WINDOWFRAME = 6,
  COLOR_MENUTEXT = 7,
  COLOR_WINDOWTEXT = 8,
  COLOR_CAPTIONTEXT = 9,
  COLOR_ACTIVEBORDER = 10,
  COLOR_INACTIVEBORDER = 11,
  COLOR_APPWORKSPACE = 12,
  COLOR_HIGHLIGHT = 13,
  COLOR_HIGHLIGHTTEXT = 14,
  COLOR_BTNFACE = 15,
  COLOR_BTNSHADOW = 16,
  COLOR_GRAYTEXT = 17,
  COLOR_BTNTEXT = 18,
  COLOR_INACTIVECAPTIONTEXT = 19,
  COLOR_BTNHIGHLIGHT = 20,
  COLOR_3DDKSHADOW = 21,
  COLOR_3DLIGHT = 22,
  COLOR_INFOTEXT = 23,
  COLOR_INFOBK = 24,
  COLOR_HOTLIGHT = 26,
  COLOR_GRADIENTACTIVECAPTION = 27,
  COLOR_GRADIENTINACTIVECAPTION = 28,
  COLOR_MENUHILIGHT = 29,
  COLOR_MENUBAR = 30,
  SysColorCount = 31
};

// The fixed table (the classic desktop defaults: button face (240,240,240), shadow (160,160,160),
// highlight (255,255,255), window white, window text black, ...), so drawings are the same on every
// machine. An index outside the table (or the unused 25) gives black.
TPixel GetSysColor(int index);

// Engine TColor (0x00BBGGRR, or system colour with the top bit set) to a pixel. Only the low 24
// bits of an ordinary colour are used; the special values (none, default series colour) must be
// filtered out by the caller.
TPixel ColorToPixel(std::uint32_t color);

} // namespace gdi
