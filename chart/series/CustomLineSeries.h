// The base of both line series: how null points are treated, and the line pen, which is the
// series' own pen.
#pragma once

#include "chart/series/ChartSeries.h"

#include <cmath>

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
  // Whether point `index` is a gap in the line: a non-finite Y value where the values skip them
  // (`gaps`: YValues().SkipsNonFinite(), asked once per paint).
  bool IsGap(bool gaps, int index) const { return gaps && !std::isfinite(YValues()[index]); }

private:
  TTreatNullsStyle FTreatNulls = tnDontPaint;
};

} // namespace chart
