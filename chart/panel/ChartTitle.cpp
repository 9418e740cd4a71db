#include "chart/panel/ChartTitle.h"

#include "chart/surface/ChartCanvas3D.h"

#include <algorithm>

namespace chart {

namespace {

// What one title layout measures once: frame width, line height and the width of "W", which
// pads the text inside its box.
struct TTitleMetrics {
  int FrameWidth = 0;
  int LineHeight = 0;
  int WWidth = 0;
};

} // namespace

TChartTitle::TChartTitle() : TChartTitle(clBlue) {}

TChartTitle::TChartTitle(TColor fontColor) {
  FFont.SetColor(fontColor);
  ForwardChangesOf(FFont);
  ForwardChangesOf(FFrame);
}

TChartFootTitle::TChartFootTitle() : TChartTitle(clRed) {}

int TChartTitle::FrameLayoutWidth() const {
  if (FBevel != bvNone)
    return FBevelWidth;
  return FFrame.Visible() && FFrame.Color() != DefaultSeriesColor ? FFrame.Width() : 0;
}

int TChartTitle::WidestLine(TChartCanvas3D& canvas) const {
  int widest = 0;
  for (const std::string& line : FText)
    widest = std::max(widest, canvas.TextWidth(line));
  return widest;
}

bool TChartTitle::DrawTitle(TChartCanvas3D& canvas, TRect& plotRect) const {
  if (!FVisible || FText.empty())
    return false;
  canvas.AssignFont(FFont);
  canvas.SetTextAlignment(TA_LEFT + TA_TOP);
  TTitleMetrics m;
  m.FrameWidth = FrameLayoutWidth();
  m.LineHeight = canvas.FontHeight();
  m.WWidth = canvas.TextWidth("W");
  const int lines = int(FText.size());

  TRect box = plotRect;
  if (AtBottom()) {
    box.Top = box.Bottom - lines * m.LineHeight;
  } else {
    box.Top += m.FrameWidth;
    box.Bottom = box.Top + lines * m.LineHeight;
  }
  box = {box.Left - m.FrameWidth, box.Top - m.FrameWidth, box.Right + m.FrameWidth,
         box.Bottom + m.FrameWidth};
  if (FAdjustFrame)
    FitBoxToText(canvas, box, m.FrameWidth + m.WWidth);
  FTitleRect = box;

  if (!FTransparent)
    DrawShape(canvas, box);
  canvas.SetBackMode(bmTransparent);
  for (int i = 0; i < lines; ++i) {
    const std::string& line = FText[std::size_t(i)];
    const int y = AtBottom() ? box.Bottom - m.LineHeight - ((lines - i - 1) * m.LineHeight + m.FrameWidth)
                             : box.Top + i * m.LineHeight + m.FrameWidth;
    canvas.TextOut(LineX(canvas, box, line, m.WWidth), y, line);
  }

  const int gap = FVertMargin + m.FrameWidth;
  if (AtBottom())
    plotRect.Bottom = box.Bottom - gap - lines * m.LineHeight;
  else
    plotRect.Top = box.Bottom + gap;
  return true;
}

void TChartTitle::FitBoxToText(TChartCanvas3D& canvas, TRect& box, int padding) const {
  const int a = padding + WidestLine(canvas);
  switch (FAlignment) {
  case taLeftJustify:
    box.Right = box.Left + a;
    break;
  case taRightJustify:
    box.Left = box.Right - a;
    break;
  case taCenter: {
    const int middle = (box.Left + box.Right) / 2;
    box.Left = middle - a / 2;
    box.Right = middle + a / 2;
    break;
  }
  }
}

int TChartTitle::LineX(TChartCanvas3D& canvas, const TRect& box, const std::string& line, int wWidth) const {
  switch (FAlignment) {
  case taLeftJustify:
    return box.Left + wWidth / 2;
  case taRightJustify:
    return box.Right - canvas.TextWidth(line) - wWidth / 2;
  case taCenter:
    break;
  }
  return (box.Left + box.Right) / 2 - canvas.TextWidth(line) / 2;
}

void TChartTitle::DrawShape(TChartCanvas3D& canvas, const TRect& box) const {
  // The title's own background, never a gradient its font may have left current.
  canvas.Gradient().SetVisible(false);
  canvas.SetBrushColor(FColor);
  canvas.SetBrushStyle(bsSolid);
  if (FBevel != bvNone) {
    canvas.SetPenStyle(psClear);
    canvas.DrawRectangle(box);
    TRect frame = box;
    const TColor light = FBevel == bvLowered ? clBtnShadow : clBtnHighlight;
    const TColor dark = FBevel == bvRaised ? clBtnShadow : clBtnHighlight;
    canvas.DrawBevelFrame(frame, light, dark, FBevelWidth);
    return;
  }
  canvas.AssignPen(FFrame);
  canvas.DrawRectangle(box);
}

} // namespace chart
