// The base of both line series: how null points are treated, and the line pen, which is the
// series' own pen.
#pragma once

#include "chart/series/ChartSeries.h"

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

  // Copies the line-series settings (null treatment and pen) of another line series.
  virtual void CopyFrom(const TCustomLineSeries& source);

protected:
  // Every point has the series colour, and it is not clNone: no stored colours.
  bool HasNoNullPoints() const;

private:
  TTreatNullsStyle FTreatNulls = tnDontPaint;
};

} // namespace chart
