// The column shortcut of the line series: decides when a stretch of a series may be drawn
// column by column from a min/max summary, keeps that summary between paints, and draws.
#pragma once

#include "chart/ColumnLineDrawer.h"
#include "chart/ValueSummary.h"

namespace chart {

class TChartAxis;
class TChartPen;
class TChartSeries;
class TChartValueList;

// Debug switch: true makes every series draw point by point (for comparisons and benchmarks).
void SetPlainSeriesDrawing(bool plain);

// The points of a series as pixels on its axes, shifted by a pass offset (shadow passes).
struct TSeriesColumnPoints {
  const double* X;
  const double* Y;
  const TChartAxis* HorizAxis;
  const TChartAxis* VertAxis;
  const TValueSummary* YSummary;
  int OffsetX = 0;
  int OffsetY = 0;

  int XPixel(int index) const;
  int YPixel(int index) const;
  void YPixelSpan(int first, int last, int& top, int& bottom) const;
};

class TLineShortcut {
public:
  // A pen whose segments join into one line without changing any pixel: solid, one pixel wide,
  // visible, copy mode.
  static bool PlainPen(const TChartPen& pen);

  // Whether points first..last of the series (X ascending on a non-inverted axis) may be drawn
  // column by column; refreshes the summaries when the values changed since the last paint.
  // A sparse stretch, where a column holds few points, is left to per-point drawing unless the
  // summary is already at hand.
  bool Prepare(const TChartSeries& series, int first, int last, int plotWidth);
  // The points for Draw; valid after a successful Prepare until the values change.
  TSeriesColumnPoints Points(const TChartSeries& series, int offsetX, int offsetY) const;

  // The pen stands at point `start`; draws through start + 1 .. last into sink.LineTo.
  template <class Sink>
  void Draw(const TSeriesColumnPoints& points, Sink& sink, int start, int last) const {
    TColumnLineDrawer<TSeriesColumnPoints, Sink>(points, sink).Draw(start, last);
  }

  // The smallest and largest Y value, from the summary (built when out of date). False when
  // there are no values or not all are finite: a pass over the values must decide then.
  bool ValueRange(const TChartValueList& yValues, double& lowest, double& highest);

  // Drops the summaries (the series was cleared).
  void Clear();

private:
  TValueSummary FXOrder;
  TValueSummary FYSummary;
};

} // namespace chart
