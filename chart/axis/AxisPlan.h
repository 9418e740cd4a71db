// What one paint worked out for an axis: whether it is shown, the range written back into an
// automatic axis, the value-to-pixel mapping, where its line and labels go and the labels
// themselves. The axis keeps the last whole plan until the next paint replaces it.
#pragma once

#include "chart/axis/AxisMapping.h"
#include "chart/axis/AxisSeriesData.h"

#include <string>
#include <vector>

namespace chart {

// One automatic label.
struct TAxisItem {
  std::string Text;
  double Value = 0;
  int Position = 0; // pixel along the axis
};
using TAxisItems = std::vector<TAxisItem>;

// Minimum and Maximum after the paint: an automatic end reads back its data's end.
struct TAxisEnds {
  double Minimum = 0;
  double Maximum = 0;
};

struct TAxisLabels {
  double Step = 0;
  // From the largest value down; a tick stands at every label.
  TAxisItems Items;
  std::vector<int> TickPositions;
  // Those strictly inside the axis.
  std::vector<int> MinorPositions;
};

struct TAxisPlan {
  // The series' extremes the plan was made from; scrolling asks them whether data lies beyond.
  TAxisSeriesData Data;
  bool IsShown = false;
  TAxisEnds Range;
  TAxisMapping Mapping;
  // Coordinates across the axis: the inner edge of the labels band, and the line.
  int LabelsPos = 0;
  int AxisPos = 0;
  TAxisLabels Labels;
};

} // namespace chart
