// The chart control's window side: when it repaints, how the outer margins and bevels frame it,
// the plotting rectangle, and the double-buffered paint whose inside derived classes draw.
#pragma once

#include "chart/surface/ChartHost.h"
#include "chart/surface/ChartColors.h"
#include "chart/surface/ChartFrame.h"
#include "chart/surface/ChartGeometry.h"
#include "chart/surface/ChartPen.h"
#include "platform/gdi/Bitmap.h"

#include <memory>

namespace chart {

class TChartCanvas3D;
class TChartPersistent;

enum TPanelBevel { bvNone, bvLowered, bvRaised };

class TCustomChartPanel {
public:
  TCustomChartPanel();
  virtual ~TCustomChartPanel();
  TCustomChartPanel(const TCustomChartPanel&) = delete;
  TCustomChartPanel& operator=(const TCustomChartPanel&) = delete;

  void SetHost(TChartHost* host);
  TChartHost* Host() const { return FHost; }

  // Marks the buffer dirty and asks the host for one paint. Every added point may call it, so
  // while a paint is pending it is a flag test; during a paint or a load it is ignored.
  void Invalidate();
  bool RepaintAllowed() const { return FRepaintAllowed; }
  // True while the layout is being applied: setters skip their checks, nothing repaints.
  bool IsLoading() const { return FLoading; }
  void BeginLoading();
  // Allows repaint again and invalidates once.
  void EndLoading();

  // Host messages. A paint copies the buffer when it is still valid and draws the chart otherwise.
  void PaintMessage();
  // Moved or resized: always a full repaint.
  void Resized();

  // Draws the whole chart into the window image at rect (its own buffer first when buffered).
  void DrawChart(const TRect& rect);

  // The control's size: the host's client area, or the size given before a host exists.
  int Width() const;
  int Height() const;
  void SetSize(int width, int height);

  TChartCanvas3D& Canvas() { return *FCanvas; }
  const TChartCanvas3D& Canvas() const { return *FCanvas; }

  // --- published properties ---
  TColor Color() const { return FColor; }
  void SetColor(TColor value) { SetProperty(FColor, value); }
  int MarginLeft() const { return FMarginLeft; }
  void SetMarginLeft(int value) { SetProperty(FMarginLeft, value); }
  int MarginTop() const { return FMarginTop; }
  void SetMarginTop(int value) { SetProperty(FMarginTop, value); }
  int MarginRight() const { return FMarginRight; }
  void SetMarginRight(int value) { SetProperty(FMarginRight, value); }
  int MarginBottom() const { return FMarginBottom; }
  void SetMarginBottom(int value) { SetProperty(FMarginBottom, value); }
  TChartUnits MarginUnits() const { return FMarginUnits; }
  void SetMarginUnits(TChartUnits value) { SetProperty(FMarginUnits, value); }
  TPanelBevel BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TPanelBevel value) { SetProperty(FBevelOuter, value); }
  TPanelBevel BevelInner() const { return FBevelInner; }
  void SetBevelInner(TPanelBevel value) { SetProperty(FBevelInner, value); }
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int value) { SetProperty(FBevelWidth, value); }
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int value) { SetProperty(FBorderWidth, value); }
  TChartHiddenPen& Border() { return FBorder; }
  const TChartHiddenPen& Border() const { return FBorder; }
  int BorderRound() const { return FBorderRound; }
  void SetBorderRound(int value) { SetProperty(FBorderRound, value); }
  bool View3D() const { return FView3D; }
  void SetView3D(bool value) { SetProperty(FView3D, value); }
  // Black pens and text, white brushes, grey gradients: kept by the surface, which draws them.
  bool Monochrome() const;
  void SetMonochrome(bool value);

  // --- the frame of the last paint (of the current one once it is laid out) ---
  const TChartFrame& Frame() const { return FFrame; }
  const TRect& PlotRect() const { return FFrame.PlotRect; }
  int PlotWidth() const { return FFrame.PlotWidth(); }
  int PlotHeight() const { return FFrame.PlotHeight(); }

protected:
  // The chart's own drawing between BeginDraw and PresentBuffer; it lays out the frame.
  virtual void InternalDraw(const TRect& bounds) = 0;
  // The window shows the finished picture again, drawn anew or copied from the buffer: what is
  // drawn on the window outside a paint goes back on top of it.
  virtual void BufferRepainted() {}

  // The first step of a paint's layout: the plotting rectangle is bounds less the margins and
  // the frame of bevels and border.
  TChartFrame MarginFrame(const TRect& bounds) const;
  // The frame with plot as its plotting rectangle, repaired against the control's size.
  TChartFrame Reframed(const TChartFrame& frame, const TRect& plot) const;
  // The paint's frame, once laid out: what the rest of the paint and everything after it reads.
  void KeepFrame(const TChartFrame& frame) { FFrame = frame; }
  int FrameWidth() const;
  void DrawBevels(const TRect& bounds);

  // A part's property changes repaint the chart.
  void Watch(TChartPersistent& part);

  template <class T, class U>
  void SetProperty(T& field, const U& value) {
    if (field == value)
      return;
    field = value;
    Invalidate();
  }

private:
  void DrawBorder(TRect& r);
  void DrawBevel(TRect& r, TPanelBevel kind);

  TChartHost* FHost = nullptr;
  // What the surface draws into while no host shows the chart; declared first, outlives it.
  gdi::TGdiBitmap FNoWindow;
  std::unique_ptr<TChartCanvas3D> FCanvas;
  bool FRepaintAllowed = true;
  bool FLoading = false;
  bool FPaintPending = false;
  int FWidth = 400;
  int FHeight = 250;
  TChartFrame FFrame;

  TColor FColor = clBtnFace;
  int FMarginLeft = 3;
  int FMarginTop = 4;
  int FMarginRight = 3;
  int FMarginBottom = 4;
  TChartUnits FMarginUnits = muPercent;
  TPanelBevel FBevelOuter = bvRaised;
  TPanelBevel FBevelInner = bvNone;
  int FBevelWidth = 1;
  int FBorderWidth = 0;
  TChartHiddenPen FBorder;
  int FBorderRound = 0;
  bool FView3D = true;
};

} // namespace chart
