// The stages of an axis plan that choose its labels: the step between labels, the room the
// labels take across the axis, and the labels with their ticks on the final mapping.
#pragma once

#include "chart/axis/AxisLabelMetrics.h"
#include "chart/axis/AxisPlan.h"
#include "chart/axis/AxisSeriesData.h"
#include "chart/axis/AxisSettings.h"

namespace chart {

// The value distance between two labels on this mapping.
double LabelStep(const TAxisSettings& settings, const TAxisMapping& mapping, const TAxisSeriesData& data,
                 TLabelMetrics& metrics);

// Room of the labels across the axis: a line of text under a horizontal axis, the widest label
// of the range beside a vertical one (none without an active series).
int LabelsExtent(const TAxisSettings& settings, const TAxisMapping& mapping, const TAxisSeriesData& data,
                 TLabelMetrics& metrics);

// The labels, their ticks and the minor ticks between them; none without an active series.
TAxisLabels PlanLabels(const TAxisSettings& settings, const TAxisMapping& mapping,
                       const TAxisSeriesData& data, TLabelMetrics& metrics);

} // namespace chart
