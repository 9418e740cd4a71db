#include "chart/panel/ChartPanel.h"

#include "chart/series/ScopedValue.h"
#include "chart/surface/ChartCanvas3D.h"

#include <algorithm>

namespace chart {

namespace {

void Shrink(TRect& r, int by) {
  r.Left += by;
  r.Top += by;
  r.Right -= by;
  r.Bottom -= by;
}

} // namespace

TCustomChartPanel::TCustomChartPanel() : FCanvas(std::make_unique<TChartCanvas3D>()) {
  FCanvas->SetOnChange([this] { Invalidate(); });
  Watch(FBorder);
}

TCustomChartPanel::~TCustomChartPanel() = default;

void TCustomChartPanel::SetHost(TChartHost* host) {
  FHost = host;
  FPaintPending = false;
  // Without a host the surface draws into an empty image, never into a window that is gone.
  FCanvas->SetWindowCanvas(host ? host->WindowImage() : FNoWindow);
  // The new window paints when it is shown; that paint must draw, not copy an old picture.
  FCanvas->InvalidateBuffer();
}

void TCustomChartPanel::Invalidate() {
  if (!FRepaintAllowed || FPaintPending)
    return;
  FCanvas->InvalidateBuffer();
  if (FHost) {
    FPaintPending = true;
    FHost->InvalidateWindow();
  }
}

void TCustomChartPanel::BeginLoading() {
  FLoading = true;
  FRepaintAllowed = false;
}

void TCustomChartPanel::EndLoading() {
  FLoading = false;
  FRepaintAllowed = true;
  Invalidate();
}

void TCustomChartPanel::PaintMessage() {
  FPaintPending = false;
  if (!FHost)
    return;
  if (FCanvas->RepaintFromBuffer())
    BufferRepainted();
  else
    DrawChart({0, 0, Width(), Height()});
}

void TCustomChartPanel::Resized() {
  // A move or resize must repaint even when a paint is already pending for the old geometry.
  FPaintPending = false;
  Invalidate();
}

bool TCustomChartPanel::Monochrome() const { return FCanvas->Monochrome(); }
void TCustomChartPanel::SetMonochrome(bool value) { FCanvas->SetMonochrome(value); }

int TCustomChartPanel::Width() const { return FHost ? FHost->ClientWidth() : FWidth; }
int TCustomChartPanel::Height() const { return FHost ? FHost->ClientHeight() : FHeight; }

void TCustomChartPanel::SetSize(int width, int height) {
  if (width == FWidth && height == FHeight)
    return;
  FWidth = width;
  FHeight = height;
  Resized();
}

void TCustomChartPanel::DrawChart(const TRect& rect) {
  // Put back however the paint ends, so an error in one paint cannot leave the chart deaf to every
  // later Invalidate.
  const TScopedValue noRepaint(FRepaintAllowed, false);
  gdi::TGdiBitmap& window = FHost ? FHost->WindowImage() : FNoWindow;
  InternalDraw(FCanvas->BeginDraw(window, rect));
  FCanvas->PresentBuffer(window, rect, FHost && FHost->HasParentWindow());
  BufferRepainted();
}

int TCustomChartPanel::FrameWidth() const {
  return FBorderWidth + (FBevelInner != bvNone ? FBevelWidth : 0) +
         (FBevelOuter != bvNone ? FBevelWidth : 0) + (FBorder.Visible() ? FBorder.Width() : 0);
}

TChartFrame TCustomChartPanel::MarginFrame(const TRect& bounds) const {
  const int w = bounds.Width();
  const int h = bounds.Height();
  const int frame = FrameWidth();
  const bool pixels = FMarginUnits == muPixels;
  const int left = pixels ? FMarginLeft : FMarginLeft * w / 100;
  const int right = pixels ? FMarginRight : FMarginRight * w / 100;
  const int top = pixels ? FMarginTop : FMarginTop * h / 100;
  const int bottom = pixels ? FMarginBottom : FMarginBottom * h / 100;
  return Reframed({bounds, {}}, {bounds.Left + left + frame, bounds.Top + top + frame,
                                 bounds.Right - frame - right, bounds.Bottom - frame - bottom});
}

TChartFrame TCustomChartPanel::Reframed(const TChartFrame& frame, const TRect& plot) const {
  return frame.WithPlotRect(plot, Width(), Height());
}

void TCustomChartPanel::Watch(TChartPersistent& part) {
  part.SetOnChange([this] { Invalidate(); });
}

void TCustomChartPanel::DrawBevels(const TRect& bounds) {
  TRect r = bounds;
  FCanvas->SetBrushStyle(bsClear);
  if (FBorder.Visible())
    DrawBorder(r);
  FCanvas->SetPenStyle(psSolid);
  FCanvas->SetPenWidth(1);
  FCanvas->SetPenMode(pmCopy);
  DrawBevel(r, FBevelOuter);
  if (FBorderWidth > 0)
    FCanvas->DrawBevelFrame(r, FColor, FColor, FBorderWidth);
  DrawBevel(r, FBevelInner);
}

void TCustomChartPanel::DrawBorder(TRect& r) {
  const int p = FBorder.Width();
  int inset = 0;
  if (p >= 2) {
    const int half = (p - 1) / 2;
    const int odd = (p - 1) % 2;
    r.Left += half + odd;
    r.Top += half + odd;
    r.Right -= half;
    r.Bottom -= half;
    inset = half;
  }
  if (FBorder.SmallDots())
    inset = 1;
  FCanvas->AssignPen(FBorder);
  if (FBorderRound <= 0) {
    FCanvas->DrawRectangle(r);
    if (!FBorder.SmallDots())
      ++inset;
  } else {
    --r.Right;
    --r.Bottom;
    FCanvas->DrawRoundRect(r, FBorderRound, FBorderRound);
  }
  Shrink(r, inset);
}

void TCustomChartPanel::DrawBevel(TRect& r, TPanelBevel kind) {
  if (kind == bvNone)
    return;
  const int b = std::min({FBevelWidth, r.Height() / 2, r.Width() / 2});
  const TColor topLeft = kind == bvLowered ? clBtnShadow : clBtnHighlight;
  const TColor bottomRight = kind == bvRaised ? clBtnShadow : clBtnHighlight;
  if (FBorderRound <= 0) {
    FCanvas->DrawBevelFrame(r, topLeft, bottomRight, b);
    return;
  }
  FCanvas->SetPenColor(topLeft);
  Shrink(r, 1);
  FCanvas->DrawRoundRect(r, FBorderRound, FBorderRound);
  Shrink(r, b);
}

} // namespace chart
