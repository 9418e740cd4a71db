// What the chart tells its program about the mouse: the part of the chart a press hits, and the
// events of presses, moves, clicks on parts and scroll steps.
#pragma once

#include "chart/zoom/MouseTypes.h"

#include <functional>

namespace chart {

class TChartAxis;
class TChartTitle;
class TCustomChart;

enum TChartClickedPartStyle {
  cpNone,
  cpLegend,
  cpAxis,
  cpSeries,
  cpTitle,
  cpFoot,
  cpChartRect,
  cpSubTitle,
  cpSubFoot
};

struct TChartClickedPart {
  TChartClickedPartStyle Part = cpNone;
  TChartAxis* AAxis = nullptr;
  TChartTitle* ATitle = nullptr;
};

using TChartMouseEvent =
    std::function<void(TCustomChart& sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TChartMouseMoveEvent = std::function<void(TCustomChart& sender, TShiftState shift, int x, int y)>;
using TChartClickAxisEvent = std::function<void(TCustomChart& sender, TChartAxis& axis, TMouseButton button,
                                                TShiftState shift, int x, int y)>;
using TChartClickTitleEvent = std::function<void(TCustomChart& sender, TChartTitle& title,
                                                 TMouseButton button, TShiftState shift, int x, int y)>;
// May change the new range of a scroll step, or veto it with allowScroll := false.
using TChartAllowScrollEvent =
    std::function<void(TChartAxis& sender, double& newMinimum, double& newMaximum, bool& allowScroll)>;

} // namespace chart
