#include "chart/panel/ChartWall.h"

namespace chart {

TChartWall::TChartWall(TColor color) : FColor(color) {
  ForwardChangesOf(FPen);
  ForwardChangesOf(FBrush);
}

TChartBackWall::TChartBackWall() : TChartWall(clSilver) { SetTransparent(true); }

TChartRightWall::TChartRightWall() : TChartWall(clSilver) { SetVisible(false); }

} // namespace chart
