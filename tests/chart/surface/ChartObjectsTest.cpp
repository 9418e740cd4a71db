// Published properties of pens, brushes, fonts and gradients: defaults, the hidden middle-colour
// flag, copies, and a change notification only when a value really changes.
#include "chart/surface/ChartBrush.h"
#include "chart/surface/ChartFont.h"
#include "chart/surface/ChartGradient.h"
#include "chart/surface/ChartPen.h"

#include <gtest/gtest.h>

using namespace chart;

TEST(ChartObjects, SettersNotifyOnlyOnRealChanges) {
  TChartPen pen;
  int changes = 0;
  pen.SetOnChange([&changes] { ++changes; });
  pen.SetColor(clBlack);
  pen.SetWidth(1);
  pen.SetVisible(true);
  EXPECT_EQ(changes, 0);
  pen.SetColor(clRed);
  pen.SetColor(clRed);
  pen.SetWidth(3);
  pen.SetSmallDots(true);
  pen.SetMode(pmNotXor);
  EXPECT_EQ(changes, 4);

  TChartPen copy;
  int copyChanges = 0;
  copy.SetOnChange([&copyChanges] { ++copyChanges; });
  copy.Assign(pen);
  copy.Assign(pen);
  EXPECT_EQ(copyChanges, 1);
  EXPECT_EQ(copy.Color(), clRed);
  EXPECT_EQ(copy.Width(), 3);
  EXPECT_EQ(copy.Mode(), pmNotXor);
}

TEST(ChartObjects, NestedPartsReportThroughTheirOwner) {
  TChartBrush brush;
  int brushChanges = 0;
  brush.SetOnChange([&brushChanges] { ++brushChanges; });
  EXPECT_EQ(brush.FindGradient(), nullptr);
  brush.Gradient().SetVisible(true);
  brush.Gradient().SubGradient().SetTransparency(20);
  EXPECT_EQ(brushChanges, 2);

  TChartFont font;
  int fontChanges = 0;
  font.SetOnChange([&fontChanges] { ++fontChanges; });
  font.Shadow().SetHorizSize(-2);
  font.Emboss().SetVisible(true);
  font.OutLine().SetVisible(true);
  font.Gradient().SetStartColor(clRed);
  font.SetName("Verdana");
  font.SetName("Verdana");
  EXPECT_EQ(fontChanges, 5);
}

TEST(ChartObjects, Defaults) {
  EXPECT_FALSE(TChartHiddenPen().Visible());
  const TChartPen pen;
  EXPECT_TRUE(pen.Visible());
  EXPECT_EQ(pen.EndStyle(), esRound);
  EXPECT_EQ(pen.JoinStyle(), jsRound);
  const TChartFont font;
  EXPECT_EQ(font.Name(), "Arial");
  EXPECT_EQ(font.Size(), 8);
  EXPECT_FALSE(font.Shadow().Visible());
  EXPECT_FALSE(font.OutLine().Visible());
  const TChartGradient gradient;
  EXPECT_FALSE(gradient.Visible());
  EXPECT_EQ(gradient.Direction(), gdTopBottom);
  EXPECT_EQ(gradient.StartColor(), clWhite);
  EXPECT_EQ(gradient.EndColor(), clYellow);
  EXPECT_EQ(gradient.MidColor(), clNone);
  EXPECT_EQ(gradient.Balance(), 50);
  TChartGradient withSub;
  EXPECT_EQ(withSub.SubGradient().Transparency(), 50);
}

TEST(ChartObjects, MidColourKeepsItsValueWhileSwitchedOff) {
  TChartGradient gradient;
  int changes = 0;
  gradient.SetOnChange([&changes] { ++changes; });
  gradient.SetMidColor(clWhite); // equal to StartColor: still a middle colour
  EXPECT_TRUE(gradient.HasMiddle());
  EXPECT_EQ(gradient.MidColor(), clWhite);
  gradient.SetMidColor(clWhite);
  EXPECT_EQ(changes, 1);

  gradient.SetMidColor(clNone);
  EXPECT_FALSE(gradient.HasMiddle());
  EXPECT_EQ(gradient.MidColor(), clNone);
  EXPECT_EQ(gradient.Values().StoredMidColor, clWhite);
  gradient.SetMidColor(clNone);
  EXPECT_EQ(changes, 2);

  gradient.SetMidColor(clWhite);
  EXPECT_TRUE(gradient.HasMiddle());
  EXPECT_EQ(changes, 3);
}

TEST(ChartObjects, GradientCopyFromTakesEverythingIncludingTheSubGradient) {
  TChartGradient source;
  source.SetVisible(true);
  source.SetDirection(gdRightLeft);
  source.SetStartColor(clRed);
  source.SetEndColor(clBlue);
  source.SetMidColor(clGreen);
  source.SetMidColor(clNone);
  source.SetBalance(70);
  source.SetAngle(15);
  source.SetRadialX(3);
  source.SetRadialY(-4);
  source.SubGradient().SetTransparency(80);

  TChartGradient target;
  int changes = 0;
  target.SetOnChange([&changes] { ++changes; });
  target.CopyFrom(source);
  EXPECT_EQ(target.Values(), source.Values());
  EXPECT_FALSE(target.HasMiddle());
  EXPECT_EQ(target.Values().StoredMidColor, clGreen);
  ASSERT_NE(target.FindSubGradient(), nullptr);
  EXPECT_EQ(target.FindSubGradient()->Transparency(), 80);
  EXPECT_GT(changes, 0);

  const TChartGradient plain;
  target.CopyFrom(plain);
  EXPECT_EQ(target.Values(), plain.Values());
  EXPECT_EQ(target.FindSubGradient(), nullptr);
}
