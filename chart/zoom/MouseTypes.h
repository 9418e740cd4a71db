// Mouse buttons and shift state as the chart's mouse handlers receive them from the host.
#pragma once

namespace chart {

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

struct TShiftState {
  bool Shift = false;
  bool Alt = false;
  bool Ctrl = false;
  bool Left = false;
  bool Right = false;
  bool Middle = false;
  bool operator==(const TShiftState&) const = default;
};

} // namespace chart
