#include "chart/series/LineSeries.h"

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

TSeriesOwner& TCustomLineSeries::Chart() const { return *ParentChart(); }

TChartCanvas3D& TCustomLineSeries::Canvas() const { return Chart().OwnerCanvas(); }

TCustomSeries::TCustomSeries() {
  FBrush.SetColor(DefaultSeriesColor);
  FBrush.SetBackColor(DefaultSeriesColor);
  FShadow.SetVisible(true);
  FShadow.SetSize(0);
  FEmboss.SetVisible(true);
  FEmboss.SetSize(0);
  for (TChartPersistent* part :
       {static_cast<TChartPersistent*>(&FPointer), static_cast<TChartPersistent*>(&FBrush),
        static_cast<TChartPersistent*>(&FOutLine), static_cast<TChartPersistent*>(&FShadow),
        static_cast<TChartPersistent*>(&FEmboss)})
    part->SetOnChange([this] { RequestRepaint(); });
}

TLineSeries::TLineSeries() {
  FDrawLine = true;
  FDrawBetweenPoints = true;
}

// Without null points the pass needs no colour lookup per point.
bool TCustomSeries::MayHaveNullPoints() const { return !HasNoNullPoints(); }

template <class Better>
double TCustomSeries::YExtreme(Better better) const {
  const TChartValueList& yValues = YValues();
  const int count = yValues.ValueCount();
  if (TreatNulls() != tnIgnore && MayHaveNullPoints()) {
    double result = 0;
    bool found = false;
    for (int i = 0; i < count; ++i) {
      if (PointColor(i) == clNone)
        continue;
      if (!found || better(yValues[i], result))
        result = yValues[i];
      found = true;
    }
    return result;
  }
  if (count == 0)
    return 0;
  // The axes ask at every paint: the kept summary answers without a pass over millions of values.
  double lowest = 0;
  double highest = 0;
  if (TLineShortcut::ValueRange(YValues(), lowest, highest))
    return better(highest, lowest) ? highest : lowest;
  return yValues.ValueArray().Visit([&](const auto& values) {
    double result = values[0];
    for (int i = 1; i < count; ++i)
      if (better(values[i], result))
        result = values[i];
    return result;
  });
}

double TCustomSeries::LargestY() const {
  return YExtreme([](double v, double best) { return v > best; });
}

double TCustomSeries::SmallestY() const {
  return YExtreme([](double v, double best) { return v < best; });
}

} // namespace chart
