// The settings of an axis that its plan of a paint is made from, as plain values, so that the
// plan's stages run and can be tabled without a chart.
#pragma once

namespace chart {

struct TAxisSettings {
  bool Automatic = true;
  bool AutomaticMinimum = true;
  bool AutomaticMaximum = true;
  double Minimum = 0;
  double Maximum = 0;
  // Pixels kept free between the data's ends and the axis's ends.
  int MinimumOffset = 0;
  int MaximumOffset = 0;
  bool Horizontal = true;
  bool Inverted = false;
  // The axis stands at the top or right of the plotting rectangle.
  bool OtherSide = false;
  // The axes along the chart's depth are never shown in a 2D chart.
  bool Depth = false;
  // Room of the line and the outer ticks across the axis, from the pens that are visible.
  int LineSize = 7;
};

} // namespace chart
