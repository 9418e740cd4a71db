#include "chart/surface/ChartFont.h"

namespace chart {

void TChartShadow::SetSize(int value) {
  if (FHorizSize == value && FVertSize == value)
    return;
  FHorizSize = value;
  FVertSize = value;
  Changed();
}

TChartFont::TChartFont() {
  ForwardChangesOf(FShadow);
  ForwardChangesOf(FEmboss);
  ForwardChangesOf(FOutLine);
}

TChartGradient& TChartFont::Gradient() {
  if (!FGradient) {
    FGradient = std::make_unique<TChartGradient>();
    ForwardChangesOf(*FGradient);
  }
  return *FGradient;
}

} // namespace chart
