#include "chart/series/CustomLineSeries.h"

namespace chart {

void TCustomLineSeries::SetTreatNulls(TTreatNullsStyle value) {
  if (FTreatNulls == value)
    return;
  FTreatNulls = value;
  RequestRepaint();
}

void TCustomLineSeries::CopyFrom(const TCustomLineSeries& source) {
  SetTreatNulls(source.TreatNulls());
  LinePen().Assign(source.LinePen());
}

// Without per-point colours every point has the series colour.
bool TCustomLineSeries::HasNoNullPoints() const { return PointColors().empty() && Color() != clNone; }

} // namespace chart
