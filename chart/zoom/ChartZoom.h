// How a chart zooms and scrolls with the mouse: the settings of the rectangle zoom and of the
// panning drag, and the drag state each keeps while its mouse button is down.
#pragma once

#include "chart/zoom/MouseTypes.h"
#include "chart/surface/ChartBrush.h"
#include "chart/surface/ChartPen.h"
#include "chart/surface/ChartPersistent.h"

#include <memory>

namespace chart {

enum TChartZoomDirection { tzdHorizontal, tzdVertical, tzdBoth };
enum TPanMouseWheel { pmwNormal, pmwInverted, pmwNone };
enum TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };

// Whether every key (and button) set in keys is also set in held.
bool ShiftIncludes(const TShiftState& held, const TShiftState& keys);

// A drag that starts at a mouse press and follows the mouse until the release.
class TZoomPanning : public TChartPersistent {
public:
  bool Dragging = false;
  int StartX = 0;
  int StartY = 0;
  int EndX = 0;
  int EndY = 0;

  void BeginDrag(int x, int y) {
    StartX = EndX = x;
    StartY = EndY = y;
    Dragging = true;
  }
};

// The fill of the zoom rectangle: white and clear unless the program says otherwise.
class TChartZoomBrush : public TChartBrush {
public:
  TChartZoomBrush() : TChartBrush(clWhite) { SetStyle(bsClear); }
};

// The outline of the zoom rectangle: one white solid pixel.
class TChartZoomPen : public TChartPen {
public:
  TChartZoomPen() : TChartPen(clWhite) {}
};

class TChartZoom : public TZoomPanning {
public:
  bool Allow() const { return FAllow; }
  void SetAllow(bool value) { SetProperty(FAllow, value); }
  // Steps the axes towards the new range with intermediate repaints.
  bool Animated() const { return FAnimated; }
  void SetAnimated(bool value) { SetProperty(FAnimated, value); }
  int AnimatedSteps() const { return FAnimatedSteps; }
  void SetAnimatedSteps(int value) { SetProperty(FAnimatedSteps, value); }
  TChartZoomDirection Direction() const { return FDirection; }
  void SetDirection(TChartZoomDirection value) { SetProperty(FDirection, value); }
  // Keeps a stack of the zoomed ranges, so a reset steps back one zoom at a time.
  bool History() const { return FHistory; }
  void SetHistory(bool value) { SetProperty(FHistory, value); }
  // The rectangle keeps the proportions of the plotting rectangle.
  bool KeepAspectRatio() const { return FKeepAspectRatio; }
  void SetKeepAspectRatio(bool value) { SetProperty(FKeepAspectRatio, value); }
  // Keys that must be held for the drag to start.
  const TShiftState& KeyShift() const { return FKeyShift; }
  void SetKeyShift(const TShiftState& value) { SetProperty(FKeyShift, value); }
  // A drag must be longer than this, in pixels, in each direction it zooms.
  int MinimumPixels() const { return FMinimumPixels; }
  void SetMinimumPixels(int value) { SetProperty(FMinimumPixels, value); }
  TMouseButton MouseButton() const { return FMouseButton; }
  void SetMouseButton(TMouseButton value) { SetProperty(FMouseButton, value); }
  // A drag towards the upper left zooms as well instead of resetting.
  bool UpLeftZooms() const { return FUpLeftZooms; }
  void SetUpLeftZooms(bool value) { SetProperty(FUpLeftZooms, value); }

  // Created on first use; FindBrush tells whether it exists yet.
  TChartZoomBrush& Brush();
  const TChartZoomBrush* FindBrush() const { return FBrush.get(); }
  TChartZoomPen& Pen();

private:
  bool FAllow = true;
  bool FAnimated = false;
  int FAnimatedSteps = 8;
  TChartZoomDirection FDirection = tzdBoth;
  bool FHistory = false;
  bool FKeepAspectRatio = false;
  TShiftState FKeyShift;
  int FMinimumPixels = 16;
  TMouseButton FMouseButton = TMouseButton::mbLeft;
  bool FUpLeftZooms = false;
  std::unique_ptr<TChartZoomBrush> FBrush;
  std::unique_ptr<TChartZoomPen> FPen;
};

class TChartPanning : public TZoomPanning {
public:
  // The scroll stops as soon as the mouse leaves PlotRect, and the mouse is not captured.
  bool InsideBounds() const { return FInsideBounds; }
  void SetInsideBounds(bool value) { SetProperty(FInsideBounds, value); }
  TPanMouseWheel MouseWheel() const { return FMouseWheel; }
  void SetMouseWheel(TPanMouseWheel value) { SetProperty(FMouseWheel, value); }

private:
  bool FInsideBounds = false;
  TPanMouseWheel FMouseWheel = pmwNormal;
};

} // namespace chart
