// Engine colours: 32-bit values laid out 0x00BBGGRR, with two markers that never reach the raster
// and system colours that index the platform's system colour table.
#pragma once

#include <cstdint>

namespace chart {

using TColor = std::uint32_t;

// The top bit marks a system colour; its low byte indexes the system colour table.
inline constexpr TColor clSystemColor = 0x80000000u;
inline constexpr TColor SystemColor(int index) { return clSystemColor | (TColor(index) & 0xFFu); }

// Draw nothing (transparent); also marks a null point.
inline constexpr TColor clNone = 0x1FFFFFFFu;
// The series' own colour; resolved by the series before anything is drawn.
inline constexpr TColor DefaultSeriesColor = 0x20000000u;
// "Whatever the owner uses": the same value, as layouts store it for brush colours.
inline constexpr TColor clDefault = DefaultSeriesColor;

inline constexpr TColor clBlack = 0x000000u;
inline constexpr TColor clGreen = 0x008000u;
inline constexpr TColor clGray = 0x808080u;
inline constexpr TColor clSilver = 0xC0C0C0u;
inline constexpr TColor clRed = 0x0000FFu;
inline constexpr TColor clYellow = 0x00FFFFu;
inline constexpr TColor clBlue = 0xFF0000u;
inline constexpr TColor clWhite = 0xFFFFFFu;

inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clBtnShadow = SystemColor(16);
inline constexpr TColor clBtnHighlight = SystemColor(20);

inline constexpr TColor RGB(int red, int green, int blue) {
  return TColor(red & 0xFF) | (TColor(green & 0xFF) << 8) | (TColor(blue & 0xFF) << 16);
}

} // namespace chart
