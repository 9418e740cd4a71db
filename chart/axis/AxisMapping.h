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

  // The product is formed in extended precision and stored as a double before rounding; the
  // fast variant (roundExtended) rounds it directly, which differs only in the last bit.
  int ValueToPixel(double value, bool roundExtended = false) const { return Map(value, roundExtended); }

  bool Inverted() const { return FInverted; }

  double PixelToValue(int pixel) const {
    if (AxisLength < 1)
      return 0;
    if (RangeIsZero)
      return FValueBase;
    const double d = (double(pixel) - FPixelBase) * WorkRange / AxisLength;
    return FValueBase + FValueSign * d;
  }

private:
  void Refresh() {
    WorkRange = WorkMaximum - WorkMinimum;
    const double scale = WorkRange == 0 ? 0 : AxisLength / WorkRange;
    // A range too narrow for its scale to be finite, or too wide to be measured, has no scale to
    // place values by: it maps as a zero range does, every value at the centre. Measured from 0
    // there, no distance to a value overflows into a NaN offset.
    RangeIsZero = WorkRange == 0 || !std::isfinite(WorkRange) || !std::isfinite(scale);
    PixelsPerUnit = RangeIsZero ? 0 : scale;
    FOrigin = RangeIsZero ? 0 : WorkMinimum;
    // Whether the screen coordinate grows with the value: right for horizontal, up for vertical.
    const bool growsFromStart = FHorizontal != FInverted;
    FBase = RangeIsZero ? CenterPixel : growsFromStart ? StartPixel : EndPixel;
    FScale = growsFromStart ? PixelsPerUnit : -PixelsPerUnit;
    FPixelBase = FInverted ? EndPixel : StartPixel;
    FValueBase = FHorizontal ? WorkMinimum : WorkMaximum;
    FValueSign = FHorizontal != FInverted ? 1.0 : -1.0;
  }

  // The double product differs from the extended one by a few units in its last place, so it
  // rounds the same way unless it lies that close to a half; only then is the extended product
  // formed. This keeps the common case to plain double arithmetic.
  int Map(double value, bool roundExtended) const {
    const double d = ClampOffset((value - FOrigin) * FScale);
    const double rounded = (d + RoundingBias) - RoundingBias; // halves to even
    if (std::fabs(std::fabs(d - rounded) - 0.5) <= std::fabs(d) * NearHalf) [[unlikely]]
      return Place(ClampOffset(ExtendedRound(value, roundExtended)));
    return Place(rounded);
  }

  double ExtendedRound(double value, bool roundExtended) const {
    const long double d = (static_cast<long double>(value) - FOrigin) * static_cast<long double>(FScale);
    return roundExtended ? double(std::nearbyint(d)) : std::nearbyint(double(d));
  }

  // Far values saturate; NaN fails both tests and lands on the lower limit.
  static double ClampOffset(double d) {
    constexpr double limit = double(MaxPixel) * 2;
    d = d > -limit ? d : -limit;
    return d < limit ? d : limit;
  }

  int Place(double offset) const {
    return int(std::clamp<std::int64_t>(FBase + std::int64_t(offset), -MaxPixel, MaxPixel));
  }

  // Adding and subtracting 1.5 * 2^52 rounds any |d| < 2^51 to an integer, halves to even.
  static constexpr double RoundingBias = 6755399441055744.0;
  static constexpr double NearHalf = 1e-15;

  bool FHorizontal = true;
  bool FInverted = false;
  double FOrigin = 0;
  double FScale = 0;
  int FBase = 0;
  int FPixelBase = 0;
  double FValueBase = 0;
  double FValueSign = 1;
};

} // namespace chart
