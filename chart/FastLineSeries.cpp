#include "chart/FastLineSeries.h"

namespace chart {

TFastLineSeries::TFastLineSeries() { SetTreatNulls(tnIgnore); }

void TFastLineSeries::SetLinePen(const TChartPen& pen) {
  LinePen().Assign(pen);
  SetSeriesColor(pen.Color());
}

void TFastLineSeries::NotifyPointAdded(int index) {
  if (FAutoRepaint)
    TCustomLineSeries::NotifyPointAdded(index);
  else
    DrawAddedPoint(index);
}

void TFastLineSeries::ApplySeriesColor(TColor color) { LinePen().SetColor(color); }

// Until the series draws on the chart's surface between paints, a repaint shows the new piece.
void TFastLineSeries::DrawAddedPoint(int) {
  if (Active())
    RequestRepaint();
}

} // namespace chart
