// The value-to-pixel mapping of one axis: its working range and pixel extent, folded once per
// refresh into a base pixel and a signed scale so that placing a point needs no test of direction.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace chart {

// Rounds to the nearest integer with halves to the even neighbour (the default rounding mode).
inline std::int64_t RoundHalfEven(double value) { return std::llrint(value); }

class TAxisMapping {
public:
  // Mapped coordinates saturate here instead of wrapping: far outside any window, and the
  // difference of two saturated coordinates still fits in 32 bits for the line drawing.
  static constexpr int MaxPixel = 1 << 30;

  // The range actually drawn and the pixel extent of the axis along its direction.
  double WorkMinimum = 0;
  double WorkMaximum = 0;
  double WorkRange = 0;
  bool RangeIsZero = true;
  int StartPixel = 0;
  int EndPixel = 0;
  int AxisLength = 0;
  int CenterPixel = 0;
  double PixelsPerUnit = 0;

  // Sets the orientation; a vertical axis grows upward, an inverted one the other way.
  void SetDirection(bool horizontal, bool inverted) {
    FHorizontal = horizontal;
    FInverted = inverted;
    Refresh();
  }

  void SetRange(double minimum, double maximum) {
    WorkMinimum = minimum;
    WorkMaximum = maximum;
    Refresh();
  }

  void SetPixels(int startPixel, int endPixel) {
    StartPixel = startPixel;
    EndPixel = endPixel;
    AxisLength = endPixel - startPixel;
    CenterPixel = (startPixel + endPixel) / 2;
    Refresh();
  }

  // The product is formed in extended precision and stored as a double before rounding.
  int ValueToPixel(double value) const {
    const double d = double((static_cast<long double>(value) - FMinimumExt) * FScale);
    return Place(std::llrint(ClampOffset(d)));
  }

  // Rounds the extended product directly; differs from ValueToPixel only in the last bit.
  int ValueToPixelFast(double value) const {
    const long double d = (static_cast<long double>(value) - FMinimumExt) * FScale;
    return Place(std::llrint(ClampOffset(d)));
  }

  double PixelToValue(int pixel) const {
    if (AxisLength < 1)
      return 0;
    const long double d = static_cast<long double>(pixel - FPixelBase) * WorkRange / AxisLength;
    return double(FValueBase + FValueSign * d);
  }

private:
  void Refresh() {
    WorkRange = WorkMaximum - WorkMinimum;
    RangeIsZero = WorkRange == 0;
    PixelsPerUnit = RangeIsZero ? 0 : AxisLength / WorkRange;
    FMinimumExt = WorkMinimum;
    // Whether the screen coordinate grows with the value: right for horizontal, up for vertical.
    const bool growsFromStart = FHorizontal != FInverted;
    FBase = RangeIsZero ? CenterPixel : growsFromStart ? StartPixel : EndPixel;
    FScale = growsFromStart ? PixelsPerUnit : -PixelsPerUnit;
    FPixelBase = FInverted ? EndPixel : StartPixel;
    FValueBase = FHorizontal ? WorkMinimum : WorkMaximum;
    FValueSign = FHorizontal != FInverted ? 1.0L : -1.0L;
  }

  template <class Real>
  static Real ClampOffset(Real d) {
    constexpr Real limit = Real(MaxPixel) * 2;
    d = d < -limit ? -limit : d;
    return d > limit ? limit : d;
  }

  int Place(std::int64_t offset) const {
    // An undefined product (NaN) rounds to an arbitrary value; the clamps keep it in range.
    offset = std::clamp<std::int64_t>(offset, -2LL * MaxPixel, 2LL * MaxPixel);
    return int(std::clamp<std::int64_t>(FBase + offset, -MaxPixel, MaxPixel));
  }

  bool FHorizontal = true;
  bool FInverted = false;
  long double FMinimumExt = 0;
  long double FScale = 0;
  int FBase = 0;
  int FPixelBase = 0;
  double FValueBase = 0;
  long double FValueSign = 1;
};

// Round(size * percent / 100), kept inside the range a mapped pixel may take.
inline int PercentOfPixels(int size, double percent) {
  const double limit = TAxisMapping::MaxPixel;
  return int(RoundHalfEven(std::clamp(size * 0.01 * percent, -limit, limit)));
}

} // namespace chart
