#include "chart/LineSeries.h"

namespace chart {

void TCustomLineSeries::SetTreatNulls(TTreatNullsStyle value) {
  if (FTreatNulls == value)
    return;
  FTreatNulls = value;
  RequestRepaint();
}

// Without per-point colours every point has the series colour, so no point is null unless that
// colour is clNone; the pass then needs no colour lookup per point.
bool TCustomSeries::MayHaveNullPoints() const { return !PointColors().empty() || Color() == clNone; }

template <class Better>
double TCustomSeries::YExtreme(Better better) const {
  const TChartValueList& yValues = YValues();
  const int count = yValues.ValueCount();
  const double* values = yValues.ValueArray().Data();
  if (TreatNulls() != tnIgnore && MayHaveNullPoints()) {
    double result = 0;
    bool found = false;
    for (int i = 0; i < count; ++i) {
      if (PointColor(i) == clNone)
        continue;
      if (!found || better(values[i], result))
        result = values[i];
      found = true;
    }
    return result;
  }
  if (count == 0)
    return 0;
  double result = values[0];
  for (int i = 1; i < count; ++i)
    if (better(values[i], result))
      result = values[i];
  return result;
}

double TCustomSeries::LargestY() const {
  return YExtreme([](double v, double best) { return v > best; });
}

double TCustomSeries::SmallestY() const {
  return YExtreme([](double v, double best) { return v < best; });
}

} // namespace chart
