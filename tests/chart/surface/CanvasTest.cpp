// The drawing surface on small bitmaps: buffering, bevels, pens, clipping, gradients, text.
#include "tests/support/PixelCheck.h"

#include "chart/surface/ChartCanvas3D.h"
#include "chart/surface/GradientRamp.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace chart;
using pixeltest::PixelsMatch;

namespace {

constexpr std::uint32_t PixelBlack = 0x000000, PixelWhite = 0xFFFFFF, PixelRed = 0xFF0000,
                        PixelBlue = 0x0000FF;

void Fill(gdi::TGdiBitmap& bitmap, std::uint32_t pixel) {
  std::fill(bitmap.Pixels(), bitmap.Pixels() + bitmap.Width() * bitmap.Height(), pixel);
}

// Bounding box of the pixels that differ from background; empty when there are none.
TRect InkBox(const gdi::TGdiBitmap& bitmap, std::uint32_t background) {
  TRect box{bitmap.Width(), bitmap.Height(), 0, 0};
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (bitmap.Pixel(x, y) != background)
        box = TRect{std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                    std::max(box.Bottom, y + 1)};
  return box;
}

// A surface painting straight into a window image of the given size.
struct TDirectSurface {
  gdi::TGdiBitmap Window;
  TChartCanvas3D Canvas;
  TDirectSurface(int width, int height) : Window(width, height) {
    Canvas.SetBuffered(false);
    Canvas.BeginDraw(Window, TRect{0, 0, width, height});
  }
};

} // namespace

TEST(Canvas, MulDivRoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(8, 96, 72), 11);
  EXPECT_EQ(MulDiv(-8, 96, 72), -11);
  EXPECT_EQ(MulDiv(1, 1, 2), 1);
  EXPECT_EQ(MulDiv(-1, 1, 2), -1);
  EXPECT_EQ(MulDiv(5, 5, 0), -1);
}

TEST(Canvas, BevelFrameOfWidthOne) {
  TDirectSurface s(10, 10);
  TRect rect{0, 0, 10, 10};
  s.Canvas.DrawBevelFrame(rect, clRed, clBlue, 1);
  EXPECT_EQ(rect, (TRect{1, 1, 9, 9}));
  EXPECT_TRUE(PixelsMatch(s.Window, [](int x, int y) -> std::uint32_t {
    if (x == 9 || y == 9)
      return PixelBlue;
    if (x == 0 || y == 0)
      return PixelRed;
    return PixelBlack;
  }));

  TDirectSurface wide(10, 10);
  TRect inner{0, 0, 10, 10};
  wide.Canvas.DrawBevelFrame(inner, clRed, clBlue, 2);
  EXPECT_EQ(inner, (TRect{2, 2, 8, 8}));
  EXPECT_EQ(wide.Window.Pixel(1, 1), PixelRed);
  EXPECT_EQ(wide.Window.Pixel(8, 8), PixelBlue);
  EXPECT_EQ(wide.Window.Pixel(2, 2), PixelBlack);
}

TEST(Canvas, BufferedPaintReachesTheWindowOnlyWhenPresented) {
  gdi::TGdiBitmap window(20, 10);
  TChartCanvas3D canvas;
  EXPECT_TRUE(canvas.Buffered());
  EXPECT_TRUE(canvas.BufferDirty());
  EXPECT_FALSE(canvas.RepaintFromBuffer());

  const TRect bounds = canvas.BeginDraw(window, TRect{0, 0, 20, 10});
  EXPECT_EQ(bounds, (TRect{0, 0, 20, 10}));
  canvas.SetBrushColor(clRed);
  canvas.FillRectangle(bounds);
  EXPECT_EQ(window.Pixel(5, 5), PixelBlack);
  canvas.PresentBuffer(window, TRect{0, 0, 20, 10});
  EXPECT_FALSE(canvas.BufferDirty());
  EXPECT_EQ(window.Pixel(5, 5), PixelRed);

  // An unchanged repaint is one copy of the kept bitmap.
  Fill(window, PixelBlack);
  EXPECT_TRUE(canvas.RepaintFromBuffer());
  EXPECT_TRUE(PixelsMatch(window, [](int, int) { return PixelRed; }));

  canvas.InvalidateBuffer();
  Fill(window, PixelBlack);
  EXPECT_FALSE(canvas.RepaintFromBuffer());
  EXPECT_EQ(window.Pixel(5, 5), PixelBlack);

  // Between paints the surface draws on the window itself (the zoom rectangle).
  canvas.SetBrushColor(clBlue);
  canvas.FillRectangle(TRect{0, 0, 1, 1});
  EXPECT_EQ(window.Pixel(0, 0), PixelBlue);
}

TEST(Canvas, BitmapIsKeptAtTheSameSizeAndResizedOtherwise) {
  gdi::TGdiBitmap window(30, 20);
  TChartCanvas3D canvas;
  canvas.BeginDraw(window, TRect{0, 0, 30, 20});
  canvas.SetBrushColor(clRed);
  canvas.FillRectangle(TRect{2, 2, 3, 3});
  canvas.PresentBuffer(window, TRect{0, 0, 30, 20});
  const std::uint32_t* memory = canvas.BufferBitmap()->Pixels();

  canvas.BeginDraw(window, TRect{0, 0, 30, 20});
  EXPECT_EQ(canvas.BufferBitmap()->Pixels(), memory);
  EXPECT_EQ(canvas.BufferBitmap()->Pixel(2, 2), PixelRed);
  canvas.PresentBuffer(window, TRect{0, 0, 30, 20});

  const TRect bounds = canvas.BeginDraw(window, TRect{0, 0, 29, 20});
  EXPECT_EQ(bounds, (TRect{0, 0, 29, 20}));
  EXPECT_EQ(canvas.BufferBitmap()->Width(), 29);
  canvas.PresentBuffer(window, TRect{0, 0, 29, 20});

  canvas.SetBuffered(false);
  EXPECT_EQ(canvas.BufferBitmap(), nullptr);
  EXPECT_TRUE(canvas.BufferDirty());
  EXPECT_EQ(canvas.BeginDraw(window, TRect{4, 3, 30, 20}), (TRect{4, 3, 30, 20}));
}

TEST(Canvas, InvisiblePenDrawsNothingUntilTheNextAssignment) {
  TDirectSurface s(16, 4);
  TChartHiddenPen hidden;
  s.Canvas.AssignPen(hidden, clRed);
  s.Canvas.DrawLine(0, 1, 16, 1);
  s.Canvas.HorizLine(0, 16, 2, 5);
  TChartPen none;
  s.Canvas.AssignPen(none, clNone);
  s.Canvas.DrawLine(0, 3, 16, 3);
  EXPECT_EQ(InkBox(s.Window, PixelBlack), (TRect{16, 4, 0, 0}));

  TChartPen visible;
  s.Canvas.AssignPen(visible, clRed);
  s.Canvas.DrawLine(0, 1, 16, 1);
  EXPECT_EQ(InkBox(s.Window, PixelBlack), (TRect{0, 1, 16, 2}));
}

TEST(Canvas, SmallDotPens) {
  TDirectSurface s(12, 2);
  TChartPen pen;
  pen.SetSmallDots(true);
  s.Canvas.AssignPen(pen, clWhite);
  s.Canvas.DrawLine(0, 0, 12, 0);
  pen.SetSmallSpace(2);
  s.Canvas.AssignPen(pen, clWhite);
  s.Canvas.DrawLine(0, 1, 12, 1);
  EXPECT_TRUE(PixelsMatch(s.Window, [](int x, int y) -> std::uint32_t {
    const bool on = y == 0 ? x % 2 == 0 : x % 3 == 0;
    return on ? PixelWhite : PixelBlack;
  }));
}

TEST(Canvas, FastLinesDrawOnlyInsideTheBracket) {
  TDirectSurface s(10, 3);
  s.Canvas.SetPenColor(clWhite);
  s.Canvas.MoveTo(0, 1);
  s.Canvas.BeginFastDraw();
  s.Canvas.FastLineTo(5, 1);
  s.Canvas.FastLineTo(9, 1);
  s.Canvas.EndFastDraw();
  s.Canvas.FastLineTo(9, 2);
  EXPECT_EQ(InkBox(s.Window, PixelBlack), (TRect{0, 1, 9, 2}));
}

TEST(Canvas, NestedClipsRestoreTheOuterClip) {
  TDirectSurface s(20, 20);
  gdi::TGdiDC& dc = s.Canvas.Target();
  s.Canvas.ClipToRect(TRect{2, 2, 15, 15});
  s.Canvas.ClipToRect(TRect{10, 0, 20, 12});
  EXPECT_EQ(dc.GetClipRect(), (TRect{10, 2, 15, 12}));
  s.Canvas.SetBrushColor(clWhite);
  s.Canvas.FillRectangle(TRect{0, 0, 20, 20});
  EXPECT_EQ(InkBox(s.Window, PixelBlack), (TRect{10, 2, 15, 12}));
  s.Canvas.RemoveClip();
  EXPECT_EQ(dc.GetClipRect(), (TRect{2, 2, 15, 15}));
  s.Canvas.RemoveClip();
  EXPECT_FALSE(dc.GetClipRect().has_value());
  // An unpaired removal only unclips.
  s.Canvas.RemoveClip();
  EXPECT_FALSE(dc.GetClipRect().has_value());
}

TEST(Canvas, RectangleWithGradientFillsThenOutlines) {
  TDirectSurface s(6, 12);
  TChartBrush brush;
  TChartGradient& gradient = brush.Gradient();
  gradient.SetVisible(true);
  gradient.SetDirection(gdBottomTop);
  gradient.SetStartColor(clRed);
  gradient.SetEndColor(clBlue);
  s.Canvas.AssignBrush(brush);
  s.Canvas.AssignPen(TChartPen(), clWhite);
  const gdi::TBrush before = s.Canvas.Target().Brush();
  s.Canvas.DrawRectangle(0, 0, 6, 12);
  EXPECT_EQ(s.Canvas.Target().Brush().Style, before.Style);
  EXPECT_EQ(s.Canvas.Target().Brush().Color, before.Color);
  EXPECT_EQ(s.Window.Pixel(0, 5), PixelWhite);
  EXPECT_EQ(s.Window.Pixel(5, 5), PixelWhite);
  // StartColor reaches the top row, EndColor the bottom row; the outline covers both.
  for (int y = 1; y < 11; ++y)
    EXPECT_EQ(s.Window.Pixel(2, y), gdi::ColorToPixel(RampBandColor(clBlue, clRed, 11 - y, 12, 50))) << y;

  // A brush without gradient turns the current gradient off.
  s.Canvas.AssignBrush(TChartBrush(clGreen));
  EXPECT_FALSE(s.Canvas.Gradient().Visible());
}

TEST(Canvas, MonochromeGreysGradientsAndForcesBlackAndWhite) {
  TDirectSurface s(4, 16);
  int changes = 0;
  s.Canvas.SetOnChange([&changes] { ++changes; });
  s.Canvas.SetMonochrome(true);
  s.Canvas.SetMonochrome(true);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(s.Canvas.BufferDirty());

  TChartGradient panel;
  panel.SetVisible(true);
  panel.SetDirection(gdBottomTop);
  panel.SetStartColor(0x3366FF); // red 255, green 102, blue 51: grey 136
  panel.SetEndColor(clWhite);
  s.Canvas.FillGradient(panel, TRect{0, 0, 4, 16});
  EXPECT_EQ(s.Window.Pixel(0, 0), 0x888888u);
  EXPECT_EQ(s.Window.Pixel(3, 15), PixelWhite);

  s.Canvas.AssignBrush(TChartBrush(clRed));
  s.Canvas.FillRectangle(TRect{0, 0, 1, 1});
  EXPECT_EQ(s.Window.Pixel(0, 0), PixelWhite);
  s.Canvas.AssignPen(TChartPen(), clRed);
  s.Canvas.DrawLine(0, 5, 4, 5);
  EXPECT_EQ(s.Window.Pixel(1, 5), PixelBlack);
}

TEST(Canvas, ResetStateRestoresTheDefaults) {
  TDirectSurface s(4, 4);
  TChartFont font;
  font.SetColor(clRed);
  font.Gradient().SetVisible(true);
  s.Canvas.AssignFont(font);
  EXPECT_TRUE(s.Canvas.Gradient().Visible());
  s.Canvas.SetTextAlignment(TA_RIGHT | TA_BASELINE);
  s.Canvas.SetBackMode(bmOpaque);
  s.Canvas.SetBrushStyle(bsClear);
  s.Canvas.ResetState();
  EXPECT_FALSE(s.Canvas.Gradient().Visible());
  EXPECT_EQ(s.Canvas.GetTextAlignment(), TA_LEFT | TA_TOP);
  EXPECT_EQ(s.Canvas.Font().Color, clBlack);
  EXPECT_EQ(s.Canvas.Font().Size, 8);
}

TEST(Canvas, ShadowAndEmbossWidenTheTextExtent) {
  TDirectSurface s(8, 8);
  TChartFont font;
  s.Canvas.AssignFont(font);
  const int plainWidth = s.Canvas.TextWidth("Chart");
  const int plainHeight = s.Canvas.TextHeight("Chart");
  ASSERT_GT(plainWidth, 0);
  font.Shadow().SetHorizSize(-2);
  font.Shadow().SetVertSize(3);
  font.Shadow().SetVisible(true);
  EXPECT_EQ(s.Canvas.TextWidth("Chart"), plainWidth + 2);
  EXPECT_EQ(s.Canvas.TextHeight("Chart"), plainHeight + 3);
  font.Emboss().SetSize(1);
  font.Emboss().SetVisible(true);
  EXPECT_EQ(s.Canvas.TextWidth("Chart"), plainWidth + 3);
  EXPECT_EQ(s.Canvas.FontHeight(), s.Canvas.TextHeight("W"));

  font.SetSize(16);
  s.Canvas.AssignFont(font);
  EXPECT_GT(s.Canvas.TextWidth("Chart"), plainWidth + 3);
}

TEST(Canvas, TextAlignmentPlacesTheTextAroundItsReferencePoint) {
  TDirectSurface s(60, 40);
  TChartFont font;
  font.SetColor(clWhite);
  s.Canvas.AssignFont(font);
  s.Canvas.SetTextAlignment(TA_RIGHT | TA_BOTTOM);
  EXPECT_EQ(s.Canvas.GetTextAlignment(), 10u);
  s.Canvas.TextOut(30, 20, "Wave");
  const TRect box = InkBox(s.Window, PixelBlack);
  ASSERT_FALSE(box.IsEmpty());
  EXPECT_LE(box.Right, 30);
  EXPECT_LE(box.Bottom, 20);

  Fill(s.Window, PixelBlack);
  s.Canvas.SetTextAlignment(TA_LEFT | TA_TOP);
  s.Canvas.TextOut(30, 20, "Wave");
  const TRect leftTop = InkBox(s.Window, PixelBlack);
  ASSERT_FALSE(leftTop.IsEmpty());
  EXPECT_GE(leftTop.Left, 30);
  EXPECT_GE(leftTop.Top, 20);
}

TEST(Canvas, GradientDrawWithRoundCornersAndBlendedSubGradient) {
  TDirectSurface s(20, 20);
  TChartGradient gradient;
  gradient.SetVisible(true);
  gradient.SetStartColor(clWhite);
  gradient.SetEndColor(clWhite);
  gradient.Draw(s.Canvas, TRect{0, 0, 20, 20}, 10);
  EXPECT_EQ(s.Window.Pixel(0, 0), PixelBlack); // outside the rounded corner
  EXPECT_EQ(s.Window.Pixel(10, 0), PixelWhite);
  EXPECT_EQ(s.Window.Pixel(0, 10), PixelWhite);
  EXPECT_TRUE(s.Canvas.Gradient().Visible());

  // Half of a black sub-gradient over white leaves mid grey.
  TDirectSurface blended(8, 8);
  gradient.SubGradient().SetVisible(true);
  gradient.SubGradient().SetStartColor(clBlack);
  gradient.SubGradient().SetEndColor(clBlack);
  gradient.Draw(blended.Canvas, TRect{0, 0, 8, 8});
  EXPECT_TRUE(PixelsMatch(blended.Window, [](int, int) { return 0x7F7F7Fu; }));
}
