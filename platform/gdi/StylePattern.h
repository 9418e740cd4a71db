// The on/off pixel pattern of a one-pixel pen, counted in pixels along the line's major axis.
#pragma once

#include "platform/gdi/GdiObjects.h"

#include <cstdint>
#include <vector>

namespace gdi::raster {

struct TStylePattern {
  // One entry per pixel of the period: 1 = pen colour, 0 = gap. Empty for a solid pen.
  std::vector<std::uint8_t> On;

  bool IsSolid() const { return On.empty(); }
  bool IsOn(std::int64_t position) const {
    const auto n = std::int64_t(On.size());
    return On[std::size_t(((position % n) + n) % n)] != 0;
  }
};

// Cosmetic styles: dash 18/6, dot 3/3, dash-dot 9/6/3/6, dash-dot-dot 9/3/3/3/3/3, alternate 1/1.
// A one-pixel user-styled pen: each dash covers its length plus one pixel for round or square caps
// (so a dash of 0 is one pixel), taken from the following gap.
TStylePattern PatternOf(const TPen& pen);

} // namespace gdi::raster
