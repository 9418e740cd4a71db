// A chart title: lines of text at the top (Title, SubTitle) or the bottom (Foot, SubFoot) of the
// chart, with the layout rules that take its room out of the plotting rectangle.
#pragma once

#include "chart/panel/ChartPanel.h"
#include "chart/surface/ChartFont.h"
#include "chart/surface/ChartGeometry.h"
#include "chart/surface/ChartPen.h"
#include "chart/surface/ChartPersistent.h"

#include <string>
#include <vector>

namespace chart {

class TChartCanvas3D;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TChartTitle : public TChartPersistent {
public:
  TChartTitle();

  const std::vector<std::string>& Text() const { return FText; }
  void SetText(const std::vector<std::string>& value) { SetProperty(FText, value); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool value) { SetProperty(FVisible, value); }
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value) { SetProperty(FAlignment, value); }
  // Shrinks the box to the text's width; otherwise it spans the plotting rectangle.
  bool AdjustFrame() const { return FAdjustFrame; }
  void SetAdjustFrame(bool value) { SetProperty(FAdjustFrame, value); }
  // Pixels between the title's box and the plotting rectangle.
  int VertMargin() const { return FVertMargin; }
  void SetVertMargin(int value) { SetProperty(FVertMargin, value); }
  // A transparent title draws neither background nor frame.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value) { SetProperty(FTransparent, value); }
  TPanelBevel Bevel() const { return FBevel; }
  void SetBevel(TPanelBevel value) { SetProperty(FBevel, value); }
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int value) { SetProperty(FBevelWidth, value); }
  TColor Color() const { return FColor; }
  void SetColor(TColor value) { SetProperty(FColor, value); }
  TChartFont& Font() { return FFont; }
  const TChartFont& Font() const { return FFont; }
  TChartPen& Frame() { return FFrame; }
  const TChartPen& Frame() const { return FFrame; }

  // Top titles sit above the plotting rectangle, foot titles below it.
  virtual bool AtBottom() const { return false; }

  // Draws the title at its automatic place and takes its room out of plotRect. Returns whether
  // it did (a hidden or empty title takes no room).
  bool DrawTitle(TChartCanvas3D& canvas, TRect& plotRect) const;
  // The box the last DrawTitle used; empty before the first.
  const TRect& TitleRect() const { return FTitleRect; }

protected:
  explicit TChartTitle(TColor fontColor);

private:
  // The frame's width in the layout: it counts even when a transparent title never draws it.
  int FrameLayoutWidth() const;
  // Narrows the box to the widest line plus padding, keeping the side the alignment names.
  void FitBoxToText(TChartCanvas3D& canvas, TRect& box, int padding) const;
  int LineX(TChartCanvas3D& canvas, const TRect& box, const std::string& line, int wWidth) const;
  void DrawShape(TChartCanvas3D& canvas, const TRect& box) const;
  int WidestLine(TChartCanvas3D& canvas) const;

  std::vector<std::string> FText;
  bool FVisible = true;
  TAlignment FAlignment = taCenter;
  bool FAdjustFrame = true;
  int FVertMargin = 5;
  bool FTransparent = true;
  TPanelBevel FBevel = bvNone;
  int FBevelWidth = 2;
  TColor FColor = clWhite;
  TChartFont FFont;
  TChartPen FFrame;
  mutable TRect FTitleRect;
};

class TChartFootTitle : public TChartTitle {
public:
  TChartFootTitle();
  bool AtBottom() const override { return true; }
};

} // namespace chart
