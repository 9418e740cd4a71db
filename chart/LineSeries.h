// The line series family: the pen and null-point handling both line kinds share, the general
// series that draws point by point, and the line series built on it.
#pragma once

#include "chart/ChartSeries.h"

namespace chart {

// How a null point (one whose colour is clNone) is drawn and counted.
enum TTreatNullsStyle { tnDontPaint, tnSkip, tnIgnore };

class TCustomLineSeries : public TChartSeries {
public:
  TTreatNullsStyle TreatNulls() const { return FTreatNulls; }
  void SetTreatNulls(TTreatNullsStyle value);
  // The pen the line is drawn with; the series' own pen.
  TChartPen& LinePen() { return Pen(); }
  const TChartPen& LinePen() const { return Pen(); }

private:
  TTreatNullsStyle FTreatNulls = tnDontPaint;
};

class TCustomSeries : public TCustomLineSeries {
public:
  // Recomputed at every call, leaving out null points unless TreatNulls is tnIgnore; 0 when no
  // value is left.
  double LargestY() const override;
  double SmallestY() const override;

private:
  template <class Better>
  double YExtreme(Better better) const;
  bool MayHaveNullPoints() const;
};

class TLineSeries : public TCustomSeries {};

} // namespace chart
