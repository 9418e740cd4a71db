// The label side of an axis: style, texts, the step between labels, the label values of the
// current range and the room the labels need.
#include "chart/axis/AxisFormat.h"
#include "chart/axis/AxisSteps.h"
#include "chart/axis/ChartAxis.h"
#include "chart/surface/ChartCanvas3D.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace chart {

namespace {

constexpr int MaxMeasuredLabels = 5000;

} // namespace

TAxisLabelStyle TChartAxis::CalcLabelStyle() const {
  if (FLabelStyle != talAuto)
    return FLabelStyle;
  // Point-label texts are never drawn as axis labels here, so a series with labels keeps values.
  return FSeriesData.HasActiveSeries ? talValue : talNone;
}

std::string TChartAxis::FormatLabel(double value) const {
  return FormatFloatPicture(FAxisValuesFormat, value, LabelSeparators());
}

int TChartAxis::WidestLine(const std::string& text) {
  int widest = 0;
  TChartCanvas3D& canvas = FChart.OwnerCanvas();
  ForEachLabelLine(text, [&](std::string_view line) { widest = std::max(widest, canvas.TextWidth(line)); });
  return widest;
}

int TChartAxis::LabelExtentOf(bool horizontal, double value) {
  if (FLabelsGridIgnoresLabelSize)
    return 1;
  const std::string text = FormatLabel(value);
  if (horizontal)
    return WidestLine(text);
  // Labels at angle 0 stack along a vertical axis by their height.
  const auto lines = std::count(text.begin(), text.end(), LabelLineSeparator) + 1;
  return FChart.OwnerCanvas().FontHeight() * int(lines);
}

double TChartAxis::LabelStep() {
  TLabelStepQuery query;
  query.WorkMinimum = WorkMinimum();
  query.WorkMaximum = WorkMaximum();
  query.AxisLength = AxisLength();
  query.LabelsSeparation = FLabelsSeparation;
  query.RoundFirstLabel = FRoundFirstLabel;
  query.LabelsAlternate = FLabelsAlternate;
  query.Increment = FIncrement;
  query.FewestXPoints = FSeriesData.FewestXPoints;
  return CalcLabelStep(query, [this](double value) { return LabelExtentOf(FHorizontal, value); });
}

void TChartAxis::CalcValueLabels() {
  FChart.OwnerCanvas().AssignFont(FLabelsFont);
  ForEachLabelValue(WorkMinimum(), WorkMaximum(), LabelStep(), FRoundFirstLabel,
                    [this](double value) { EmitLabel(value); });
}

void TChartAxis::EmitLabel(double value) {
  const int position = ValueToPixel(value);
  if (!FLabelsOnAxis && (position <= StartPixel() || position >= EndPixel()))
    return;
  if (!FTickOnLabelsOnly)
    FTickPositions.push_back(position);
  if (!FLabels)
    return;
  if (FTickOnLabelsOnly)
    FTickPositions.push_back(position);
  FItems.push_back({FormatLabel(value), value, position});
}

int TChartAxis::LabelsExtent() {
  if (FLabelsSize != 0)
    return FLabelsSize;
  FChart.OwnerCanvas().AssignFont(FLabelsFont);
  if (FHorizontal)
    return FChart.OwnerCanvas().FontHeight();
  return CalcLabelStyle() == talNone ? 0 : WidestLabel();
}

int TChartAxis::WidestLabel() {
  const double step = LabelStep();
  double first = WorkMinimum();
  double last = WorkMaximum();
  if (FRoundFirstLabel && step != 0) {
    first = std::trunc(first / step) * step;
    last = std::trunc(last / step) * step;
  }
  int widest = 0;
  if (step == 0) {
    widest = std::max(WidestLine(FormatLabel(last)), WidestLine(FormatLabel(first)));
  } else {
    for (int i = 0; i < MaxMeasuredLabels; ++i) {
      widest = std::max(widest, WidestLine(FormatLabel(last)));
      // A step lost in the rounding of a large value, or a NaN that stays one, would measure the
      // same label again and again.
      const double next = last - step;
      if (next < first || next == last || (std::isnan(next) && std::isnan(last)))
        break;
      last = next;
    }
  }
  return widest + FChart.OwnerCanvas().TextWidth(" ");
}

} // namespace chart
