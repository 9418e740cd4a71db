// The drawing surface at device scale 2: buffers follow the window's scale, and gradient bands,
// bevels and rounded gradient shapes cover whole logical pixels, as at scale 1 blown up.
#include "tests/support/PixelCheck.h"

#include "chart/surface/ChartCanvas3D.h"

#include <gtest/gtest.h>

#include <functional>

using namespace chart;
using pixeltest::SameBlocks;

namespace {

constexpr std::uint32_t PixelRed = 0xFF0000;

// Draws on a buffered surface over a window of 30 x 24 logical pixels at the given scale and
// presents the buffer.
gdi::TGdiBitmap Painted(int scale, const std::function<void(TChartCanvas3D&)>& draw) {
  gdi::TGdiBitmap window(30, 24, scale);
  pixeltest::Fill(window, 0x123456);
  TChartCanvas3D canvas;
  const TRect bounds = canvas.BeginDraw(window, TRect{0, 0, 30, 24});
  EXPECT_EQ(bounds, (TRect{0, 0, 30, 24}));
  draw(canvas);
  canvas.PresentBuffer(window, TRect{0, 0, 30, 24});
  return window;
}

::testing::AssertionResult BlownUp(const std::function<void(TChartCanvas3D&)>& draw) {
  return SameBlocks(Painted(2, draw), Painted(1, draw), 2);
}

} // namespace

TEST(CanvasScale, BufferTakesTheWindowScaleAndCopiesBackWhole) {
  gdi::TGdiBitmap window(12, 8, 2);
  TChartCanvas3D canvas;
  canvas.BeginDraw(window, TRect{0, 0, 12, 8});
  ASSERT_NE(canvas.BufferBitmap(), nullptr);
  EXPECT_EQ(canvas.BufferBitmap()->Width(), 24);
  EXPECT_EQ(canvas.BufferBitmap()->Scale(), 2);
  canvas.SetBrushColor(clRed);
  canvas.FillRectangle(TRect{0, 0, 12, 8});
  canvas.PresentBuffer(window, TRect{0, 0, 12, 8});
  EXPECT_TRUE(pixeltest::PixelsMatch(window, [](int, int) { return PixelRed; }));

  // A window that changed its scale since is not served from the old buffer.
  pixeltest::Fill(window, 0);
  EXPECT_TRUE(canvas.RepaintFromBuffer());
  EXPECT_EQ(window.Pixel(23, 15), PixelRed);
  window.SetSize(12, 8, 1);
  EXPECT_FALSE(canvas.RepaintFromBuffer());
}

TEST(CanvasScale, GradientBandsCoverWholeLogicalPixels) {
  for (const TGradientDirection direction : {gdTopBottom, gdLeftRight, gdFromCenter, gdFromTopLeft, gdRadial}) {
    EXPECT_TRUE(BlownUp([&](TChartCanvas3D& canvas) {
      TChartGradient gradient;
      gradient.SetVisible(true);
      gradient.SetDirection(direction);
      gradient.SetStartColor(clRed);
      gradient.SetEndColor(clBlue);
      canvas.FillGradient(gradient, TRect{1, 2, 29, 23});
    })) << int(direction);
  }
  // A half-transparent sub-gradient is mixed into the old pixels block by block as well.
  EXPECT_TRUE(BlownUp([](TChartCanvas3D& canvas) {
    TChartGradient gradient;
    gradient.SetVisible(true);
    gradient.SetStartColor(clWhite);
    gradient.SetEndColor(clYellow);
    gradient.SubGradient().SetVisible(true);
    gradient.SubGradient().SetStartColor(clBlack);
    gradient.SubGradient().SetEndColor(clGreen);
    gradient.Draw(canvas, TRect{0, 0, 30, 24}, 9);
  }));
}

TEST(CanvasScale, BevelsAndFramesCoverWholeLogicalPixels) {
  EXPECT_TRUE(BlownUp([](TChartCanvas3D& canvas) {
    canvas.SetBrushColor(clSilver);
    canvas.FillRectangle(TRect{0, 0, 30, 24});
    TRect rect{2, 2, 28, 22};
    canvas.DrawBevelFrame(rect, clWhite, clGray, 2);
    canvas.DrawBevelFrame(rect, clGray, clWhite, 1);
    canvas.AssignPen(TChartPen(), clBlack);
    canvas.SetBrushStyle(bsClear);
    canvas.DrawRectangle(TRect{7, 7, 23, 17});
    canvas.ClipToRect(TRect{9, 9, 20, 15});
    canvas.SetBrushStyle(bsSolid);
    canvas.SetBrushColor(clRed);
    canvas.FillRectangle(TRect{0, 0, 30, 24});
    canvas.RemoveClip();
  }));
}
