// The property values the window's layout gives its two charts and their series, applied as a
// loaded layout would: no repaint until the end.
#pragma once

namespace chart {
class TChart;
class TFastLineSeries;
class TLineSeries;
} // namespace chart

namespace app {

// The upper chart: the shared values plus one-pixel offsets at both ends of its two data axes.
void ApplyChart1Layout(chart::TChart& chart, chart::TFastLineSeries& series);
// The lower chart: the shared values only.
void ApplyChart2Layout(chart::TChart& chart, chart::TLineSeries& series);

} // namespace app
