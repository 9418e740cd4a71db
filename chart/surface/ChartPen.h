// The chart's pen: colour, width and style plus the end cap, join and small-dot options the
// surface turns into a cosmetic or geometric platform pen.
#pragma once

#include "chart/surface/ChartColors.h"
#include "chart/surface/ChartPersistent.h"

namespace chart {

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenEndStyle { esRound, esSquare, esFlat };
enum TPenJoinStyle { jsRound, jsBevel, jsMitter };
// How the pen combines with what is drawn: not-xor drawn twice restores the picture (zoom box).
enum TPenMode { pmCopy, pmNotXor };

class TChartPen : public TChartPersistent {
public:
  TChartPen() = default;
  explicit TChartPen(TColor color) : FColor(color) {}

  TColor Color() const { return FColor; }
  void SetColor(TColor value) { SetProperty(FColor, value); }
  int Width() const { return FWidth; }
  void SetWidth(int value) { SetProperty(FWidth, value); }
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle value) { SetProperty(FStyle, value); }
  // A pen that is not visible draws nothing.
  bool Visible() const { return FVisible; }
  void SetVisible(bool value) { SetProperty(FVisible, value); }
  TPenEndStyle EndStyle() const { return FEndStyle; }
  void SetEndStyle(TPenEndStyle value) { SetProperty(FEndStyle, value); }
  TPenJoinStyle JoinStyle() const { return FJoinStyle; }
  void SetJoinStyle(TPenJoinStyle value) { SetProperty(FJoinStyle, value); }
  // One-pixel dots: every other pixel when SmallSpace <= 0, else SmallSpace + 1 pixels apart.
  bool SmallDots() const { return FSmallDots; }
  void SetSmallDots(bool value) { SetProperty(FSmallDots, value); }
  int SmallSpace() const { return FSmallSpace; }
  void SetSmallSpace(int value) { SetProperty(FSmallSpace, value); }
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode value) { SetProperty(FMode, value); }

  // Copies every property; notifies once when anything differed.
  void Assign(const TChartPen& source);

protected:
  explicit TChartPen(bool visible) : FVisible(visible) {}

private:
  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = psSolid;
  bool FVisible = true;
  TPenEndStyle FEndStyle = esRound;
  TPenJoinStyle FJoinStyle = jsRound;
  bool FSmallDots = false;
  int FSmallSpace = 0;
  TPenMode FMode = pmCopy;
};

// A chart pen that starts invisible (borders, outlines).
class TChartHiddenPen : public TChartPen {
public:
  TChartHiddenPen() : TChartPen(false) {}
};

} // namespace chart
