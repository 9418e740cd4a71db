#include "platform/gdi/Colors.h"

#include <array>

namespace gdi {

namespace {

constexpr std::array<TPixel, SysColorCount> SysColors = {
    RGBPixel(200, 200, 200), // scroll bar
    RGBPixel(0, 0, 0),       // desktop
    RGBPixel(153, 180, 209), // active caption
    RGBPixel(191, 205, 219), // inactive caption
    RGBPixel(240, 240, 240), // menu
    RGBPixel(255, 255, 255), // window
    RGBPixel(100, 100, 100), // window frame
    RGBPixel(0, 0, 0),       // menu text
    RGBPixel(0, 0, 0),       // window text
    RGBPixel(0, 0, 0),       // caption text
    RGBPixel(180, 180, 180), // active border
    RGBPixel(244, 247, 252), // inactive border
    RGBPixel(171, 171, 171), // application workspace
    RGBPixel(51, 153, 255),  // highlight
    RGBPixel(255, 255, 255), // highlight text
    RGBPixel(240, 240, 240), // button face
    RGBPixel(160, 160, 160), // button shadow
    RGBPixel(109, 109, 109), // grey text
    RGBPixel(0, 0, 0),       // button text
    RGBPixel(67, 78, 84),    // inactive caption text
    RGBPixel(255, 255, 255), // button highlight
    RGBPixel(105, 105, 105), // 3D dark shadow
    RGBPixel(227, 227, 227), // 3D light
    RGBPixel(0, 0, 0),       // tooltip text
    RGBPixel(255, 255, 225), // tooltip background
    RGBPixel(0, 0, 0),       // unused index 25
    RGBPixel(0, 102, 204),   // hot-tracked item
    RGBPixel(185, 209, 234), // active caption gradient
    RGBPixel(215, 228, 242), // inactive caption gradient
    RGBPixel(51, 153, 255),  // menu highlight
    RGBPixel(240, 240, 240), // menu bar
};

} // namespace

TPixel GetSysColor(int index) {
  if (index < 0 || index >= SysColorCount)
    return 0;
  return SysColors[std::size_t(index)];
}

TPixel ColorToPixel(std::uint32_t color) {
  if (color & 0x80000000u)
    return GetSysColor(int(color & 0xFFu));
  return RGBPixel(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

} // namespace gdi
