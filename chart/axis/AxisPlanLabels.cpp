#include "chart/axis/AxisPlanLabels.h"

#include "chart/axis/AxisFormat.h"
#include "chart/axis/AxisSteps.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace chart {

namespace {

constexpr int MaxMeasuredLabels = 5000;
constexpr int MinorTickCount = 3;

int WidestLine(const std::string& text, TLabelMetrics& metrics) {
  int widest = 0;
  ForEachLabelLine(text, [&](std::string_view line) { widest = std::max(widest, metrics.TextWidth(line)); });
  return widest;
}

// Room of one label along the axis.
int LabelExtentOf(bool horizontal, double value, TLabelMetrics& metrics) {
  const std::string text = metrics.Text(value);
  if (horizontal)
    return WidestLine(text, metrics);
  // Labels at angle 0 stack along a vertical axis by their height.
  const auto lines = std::count(text.begin(), text.end(), LabelLineSeparator) + 1;
  return metrics.FontHeight() * int(lines);
}

int WidestLabel(const TAxisSettings& settings, const TAxisMapping& mapping, const TAxisSeriesData& data,
                TLabelMetrics& metrics) {
  const double step = LabelStep(settings, mapping, data, metrics);
  double first = mapping.WorkMinimum;
  double last = mapping.WorkMaximum;
  if (step != 0) {
    first = std::trunc(first / step) * step;
    last = std::trunc(last / step) * step;
  }
  int widest = 0;
  if (step == 0) {
    widest = std::max(WidestLine(metrics.Text(last), metrics), WidestLine(metrics.Text(first), metrics));
  } else {
    for (int i = 0; i < MaxMeasuredLabels; ++i) {
      widest = std::max(widest, WidestLine(metrics.Text(last), metrics));
      // A step lost in the rounding of a large value, or a NaN that stays one, would measure the
      // same label again and again.
      const double next = last - step;
      if (next < first || next == last || (std::isnan(next) && std::isnan(last)))
        break;
      last = next;
    }
  }
  return widest + metrics.TextWidth(" ");
}

// Minor positions continue the spacing of the first two labels beyond the first and the last one,
// then split every gap between neighbouring labels; only those strictly inside the axis count.
std::vector<int> MinorTickPositions(const std::vector<int>& t, const TAxisMapping& mapping) {
  std::vector<int> minor;
  const std::size_t k = t.size();
  if (k < 2)
    return minor;
  auto add = [&](std::int64_t m) {
    if (mapping.StartPixel < m && m < mapping.EndPixel)
      minor.push_back(int(m));
  };
  const double fraction = 1.0 / (MinorTickCount + 1);
  const double outer = (double(t[1]) - t[0]) * fraction;
  for (int j = 1; j <= MinorTickCount; ++j) {
    const std::int64_t f = RoundHalfEven(j * outer);
    add(t[0] - f);
    add(t[k - 1] + f);
  }
  for (std::size_t i = 1; i < k; ++i) {
    const double d = (double(t[i]) - t[i - 1]) * fraction;
    for (int j = 1; j <= MinorTickCount; ++j)
      add(t[i] - RoundHalfEven(d * j));
  }
  return minor;
}

} // namespace

double LabelStep(const TAxisSettings& settings, const TAxisMapping& mapping, const TAxisSeriesData& data,
                 TLabelMetrics& metrics) {
  TLabelStepQuery query;
  query.WorkMinimum = mapping.WorkMinimum;
  query.WorkMaximum = mapping.WorkMaximum;
  query.AxisLength = mapping.AxisLength;
  query.FewestXPoints = data.FewestXPoints;
  return CalcLabelStep(query,
                       [&](double value) { return LabelExtentOf(settings.Horizontal, value, metrics); });
}

int LabelsExtent(const TAxisSettings& settings, const TAxisMapping& mapping, const TAxisSeriesData& data,
                 TLabelMetrics& metrics) {
  if (settings.Horizontal)
    return metrics.FontHeight();
  return data.HasActiveSeries ? WidestLabel(settings, mapping, data, metrics) : 0;
}

TAxisLabels PlanLabels(const TAxisSettings& settings, const TAxisMapping& mapping,
                       const TAxisSeriesData& data, TLabelMetrics& metrics) {
  TAxisLabels labels;
  if (!data.HasActiveSeries)
    return labels;
  labels.Step = LabelStep(settings, mapping, data, metrics);
  ForEachLabelValue(mapping.WorkMinimum, mapping.WorkMaximum, labels.Step, true, [&](double value) {
    const int position = mapping.ValueToPixel(value);
    labels.TickPositions.push_back(position);
    labels.Items.push_back({metrics.Text(value), value, position});
  });
  labels.MinorPositions = MinorTickPositions(labels.TickPositions, mapping);
  return labels;
}

} // namespace chart
