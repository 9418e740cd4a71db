// The stages of an axis plan that fix its range and pixels: whether the axis is shown, its
// range from the series, its place along the plotting rectangle, and the range widened by the
// margins the series (or the offsets) keep free. Each is a function of its inputs alone.
#pragma once

#include "chart/axis/AxisPlan.h"
#include "chart/axis/AxisSeriesData.h"
#include "chart/axis/AxisSettings.h"

namespace chart {

// Only while the chart shows axes at all, never along the depth, and with active series only
// when one is attached.
bool PlanIsShown(const TAxisSettings& settings, const TAxisSeriesData& data, bool chartAxisVisible);

// Minimum and Maximum, taken from the series where the axis is automatic.
TAxisEnds AdjustRange(const TAxisSettings& settings, const TAxisSeriesData& data);

// The range along [origin, origin + size] of the plotting rectangle, in the axis's direction.
TAxisMapping PlaceAxis(const TAxisSettings& settings, const TAxisEnds& range, int origin, int size);

// The placed range widened so that the margins the series ask for, or the offsets, stay free.
TAxisMapping ApplyAxisMargins(const TAxisSettings& settings, const TAxisMapping& placed,
                              const TAxisSeriesMargins& seriesMargins);

} // namespace chart
