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

// Gives a chart its series and the layout of the upper (lower) chart, as the window starts up;
// returns the series, which the chart owns.
chart::TFastLineSeries& SetUpChart1(chart::TChart& chart);
chart::TLineSeries& SetUpChart2(chart::TChart& chart);

} // namespace app
