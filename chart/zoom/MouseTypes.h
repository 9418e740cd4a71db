// Mouse buttons, shift state and the keys that move the view, as the chart's handlers receive
// them from the host.
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

// Keys a focused chart answers: scroll the frames a tenth of the view (Left, Right), scroll as one
// wheel step (Up, Down), zoom the frames in or out by two, show the whole recording (Home).
enum class TChartKey { ckLeft, ckRight, ckUp, ckDown, ckZoomIn, ckZoomOut, ckHome };

} // namespace chart
