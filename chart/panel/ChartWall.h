// The walls behind and around the plotting rectangle. In 2D only the back wall is drawn: a
// rectangle over PlotRect filled with its brush (or gradient) and outlined with its pen.
#pragma once

#include "chart/surface/ChartBrush.h"
#include "chart/surface/ChartColors.h"
#include "chart/surface/ChartPen.h"
#include "chart/surface/ChartPersistent.h"

namespace chart {

class TChartWall : public TChartPersistent {
public:
  explicit TChartWall(TColor color);

  bool Visible() const { return FVisible; }
  void SetVisible(bool value) { SetProperty(FVisible, value); }
  TColor Color() const { return FColor; }
  void SetColor(TColor value) { SetProperty(FColor, value); }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value) { SetProperty(FTransparent, value); }
  // Percent of the old picture that shows through the wall.
  int Transparency() const { return FTransparency; }
  void SetTransparency(int value) { SetProperty(FTransparency, value); }
  TChartPen& Pen() { return FPen; }
  const TChartPen& Pen() const { return FPen; }
  TChartBrush& Brush() { return FBrush; }
  const TChartBrush& Brush() const { return FBrush; }
  // Percent of the wall's height where it starts and ends.
  double StartPosition() const { return FStartPosition; }
  void SetStartPosition(double value) { SetProperty(FStartPosition, value); }
  double EndPosition() const { return FEndPosition; }
  void SetEndPosition(double value) { SetProperty(FEndPosition, value); }
  // Thickness in 3D.
  int Size() const { return FSize; }
  void SetSize(int value) { SetProperty(FSize, value); }

private:
  bool FVisible = true;
  TColor FColor;
  bool FTransparent = false;
  int FTransparency = 0;
  TChartPen FPen;
  TChartBrush FBrush;
  double FStartPosition = 0;
  double FEndPosition = 100;
  int FSize = 0;
};

class TChartBackWall : public TChartWall {
public:
  TChartBackWall();
};

class TChartLeftWall : public TChartWall {
public:
  TChartLeftWall() : TChartWall(0x80FFFFu) {}
};

class TChartRightWall : public TChartWall {
public:
  TChartRightWall();
};

class TChartBottomWall : public TChartWall {
public:
  TChartBottomWall() : TChartWall(clWhite) {}
};

} // namespace chart
