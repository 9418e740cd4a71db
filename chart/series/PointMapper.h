// Where a series' points land during one paint: the mappings of its two axes, copied once when
// the paint starts, the rounding chosen once, and the offset of the current pass (shadow passes
// draw the same points shifted).
#pragma once

#include "chart/axis/AxisMapping.h"

namespace chart {

class TPointMapper {
public:
  TPointMapper() = default;
  TPointMapper(const TAxisMapping& horizontal, const TAxisMapping& vertical, bool roundExtended)
      : FHorizontal(horizontal), FVertical(vertical), FRoundExtended(roundExtended) {}

  int X(double value) const { return FHorizontal.ValueToPixel(value, FRoundExtended) + FOffsetX; }
  int Y(double value) const { return FVertical.ValueToPixel(value, FRoundExtended) + FOffsetY; }
  // The X value drawn at pixel x of this pass.
  double XValueAt(int x) const { return FHorizontal.PixelToValue(x - FOffsetX); }
  bool XInverted() const { return FHorizontal.Inverted(); }

  // The same mapping for a pass drawn dx, dy pixels away.
  TPointMapper Shifted(int dx, int dy) const {
    TPointMapper shifted = *this;
    shifted.FOffsetX += dx;
    shifted.FOffsetY += dy;
    return shifted;
  }

private:
  TAxisMapping FHorizontal;
  TAxisMapping FVertical;
  bool FRoundExtended = false;
  int FOffsetX = 0;
  int FOffsetY = 0;
};

} // namespace chart
