// The drawing surface at device scale 2: the buffer follows the window's scale, and gradient
// bands, blended sub-gradients and bevels cover whole logical pixels.
#include "tests/support/PixelCheck.h"

#include "chart/surface/ChartCanvas3D.h"

#include <gtest/gtest.h>

using namespace chart;

namespace {

// A buffered paint over a window of 30 x 24 logical pixels at the given scale.
gdi::TGdiBitmap Painted(int scale, TGradientDirection direction) {
  gdi::TGdiBitmap window(30, 24, scale);
  TChartCanvas3D canvas;
  canvas.BeginDraw(window, TRect{0, 0, 30, 24});
  TChartGradient gradient;
  gradient.SetVisible(true);
  gradient.SetDirection(direction);
  gradient.SetStartColor(clRed);
  gradient.SetEndColor(clBlue);
  gradient.SubGradient().SetVisible(true);
  gradient.SubGradient().SetEndColor(clGreen);
  gradient.Draw(canvas, TRect{0, 0, 30, 24}, 9);
  TRect rect{2, 2, 28, 22};
  canvas.DrawBevelFrame(rect, clWhite, clGray, 2);
  canvas.PresentBuffer(window, TRect{0, 0, 30, 24});
  return window;
}

} // namespace

TEST(CanvasScale, GradientsAndBevelsCoverWholeLogicalPixels) {
  for (const TGradientDirection direction : {gdTopBottom, gdLeftRight, gdFromCenter, gdFromTopLeft, gdRadial})
    EXPECT_TRUE(pixeltest::SameBlocks(Painted(2, direction), Painted(1, direction), 2)) << int(direction);
}

TEST(CanvasScale, TheBufferTakesTheWindowScaleAndIsNotCopiedToAWindowOfAnother) {
  gdi::TGdiBitmap window(12, 8, 2);
  TChartCanvas3D canvas;
  canvas.BeginDraw(window, TRect{0, 0, 12, 8});
  canvas.SetBrushColor(clRed);
  canvas.FillRectangle(TRect{0, 0, 12, 8});
  canvas.PresentBuffer(window, TRect{0, 0, 12, 8});
  EXPECT_TRUE(pixeltest::PixelsMatch(window, [](int, int) { return 0xFF0000u; }));
  window.SetSize(12, 8, 1);
  EXPECT_FALSE(canvas.RepaintFromBuffer());
}
