#include "chart/panel/ChartPanelExtended.h"

#include "chart/surface/ChartCanvas3D.h"

namespace chart {

TCustomChartPanelExtended::TCustomChartPanelExtended() { Watch(FGradient); }

void TCustomChartPanelExtended::PanelPaint(const TRect& rect) {
  TChartCanvas3D& canvas = Canvas();
  canvas.BeginGroup("Panel");
  // A transparent chart leaves whatever is behind it.
  if (Color() != clNone)
    FillPanel(rect);
  DrawBevels(rect);
  canvas.EndGroup();
}

void TCustomChartPanelExtended::FillPanel(const TRect& rect) {
  TChartCanvas3D& canvas = Canvas();
  canvas.SetBrushColor(Color());
  canvas.SetBrushStyle(bsSolid);
  canvas.SetPenStyle(psClear);
  if (FGradient.Visible()) {
    FGradient.Draw(canvas, rect, BorderRound());
    return;
  }
  // A gradient left current by earlier drawing must not replace the flat fill.
  canvas.Gradient().SetVisible(false);
  if (BorderRound() > 0)
    canvas.DrawRoundRect(rect, BorderRound(), BorderRound());
  else
    canvas.FillRectangle(rect);
}

} // namespace chart
