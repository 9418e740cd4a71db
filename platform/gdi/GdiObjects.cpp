#include "platform/gdi/GdiObjects.h"

#include <algorithm>

namespace gdi {

TPen TPen::Make(TPenStyle style, int width, TPixel color) {
  if (width >= 2)
    return MakeGeometric(style, width, color, TPenEndCap::Round, TPenJoin::Round);
  return Cosmetic(style, color);
}

TPen TPen::Cosmetic(TPenStyle style, TPixel color) {
  TPen pen;
  pen.Style = style;
  pen.Width = 1;
  pen.Color = color & 0xFFFFFF;
  return pen;
}

TPen TPen::MakeGeometric(TPenStyle style, int width, TPixel color, TPenEndCap cap, TPenJoin join) {
  TPen pen;
  // The alternate-pixel pattern only exists for cosmetic pens.
  pen.Style = style == TPenStyle::psAlternate ? TPenStyle::psDot : style;
  pen.Width = std::max(width, 1);
  pen.Color = color & 0xFFFFFF;
  pen.Geometric = true;
  pen.EndCap = cap;
  pen.Join = join;
  return pen;
}

TPen TPen::Dotted(int gap, TPixel color) {
  TPen pen = MakeGeometric(TPenStyle::psUserStyle, 1, color, TPenEndCap::Round, TPenJoin::Round);
  pen.Dashes = {0, std::max(gap, 1)};
  return pen;
}

} // namespace gdi
