#include "chart/surface/ChartGradient.h"

#include "chart/surface/ChartCanvas3D.h"

namespace chart {

void TCustomChartGradient::SetMidColor(TColor value) {
  if (value == clNone) {
    // The stored colour survives, so turning the middle back on with it is a change again.
    SetProperty(FValues.HasMiddle, false);
    return;
  }
  if (FValues.HasMiddle && FValues.StoredMidColor == value)
    return;
  FValues.StoredMidColor = value;
  FValues.HasMiddle = true;
  Changed();
}

void TCustomChartGradient::AssignValues(const TGradientValues& values) {
  if (FValues == values)
    return;
  FValues = values;
  Changed();
}

void TSubGradient::CopyFrom(const TSubGradient& source) {
  AssignValues(source.Values());
  SetTransparency(source.Transparency());
}

TSubGradient& TChartGradient::SubGradient() {
  if (!FSubGradient) {
    FSubGradient = std::make_unique<TSubGradient>();
    ForwardChangesOf(*FSubGradient);
  }
  return *FSubGradient;
}

void TChartGradient::CopyFrom(const TChartGradient& source) {
  if (&source == this)
    return;
  AssignValues(source.Values());
  if (const TSubGradient* sub = source.FindSubGradient())
    SubGradient().CopyFrom(*sub);
  else if (FSubGradient) {
    FSubGradient.reset();
    Changed();
  }
}

void TChartGradient::Draw(TChartCanvas3D& canvas, const TRect& rect, int cornerSize) const {
  if (Angle() != 0) {
    canvas.FillGradient(*this, rect, TGradientFillOptions{cornerSize, cornerSize, true, 0});
  } else {
    canvas.Gradient().CopyFrom(*this);
    if (cornerSize < 1)
      canvas.FillRectangle(rect);
    else
      canvas.FillGradient(*this, rect, TGradientFillOptions{cornerSize, cornerSize, false, 0});
  }
  if (FSubGradient && FSubGradient->Visible())
    canvas.FillGradient(*FSubGradient, rect,
                        TGradientFillOptions{cornerSize, cornerSize, FSubGradient->Angle() != 0,
                                             FSubGradient->Transparency()});
}

} // namespace chart
