#include "tests/support/PixelCheck.h"

#include "platform/gdi/DeviceContext.h"

#include <gtest/gtest.h>

using namespace gdi;

namespace {

constexpr TPixel White = 0xFFFFFF;
constexpr TPixel TextInk = 0x0000C0;

struct Canvas {
  TGdiBitmap Bitmap{64, 64};
  TGdiDC DC{Bitmap};
  Canvas() {
    pixeltest::Fill(Bitmap, White);
    DC.SetBkMode(TBkMode::Transparent);
    DC.SetTextColor(TextInk);
    TFont font;
    font.Height = -11;
    DC.SelectFont(font);
  }
};

} // namespace

TEST(Text, ExtentsGrowWithTheStringAndTheCharacterExtra) {
  Canvas c;
  const TSize w = c.DC.GetTextExtent("W");
  const TSize ww = c.DC.GetTextExtent("WWW");
  const TTextMetrics m = c.DC.GetTextMetrics();
  EXPECT_GT(w.Width, 4);
  EXPECT_EQ(ww.Width, 3 * w.Width);
  EXPECT_EQ(w.Height, m.Height);
  EXPECT_EQ(m.Height, m.Ascent + m.Descent);
  EXPECT_GE(m.Height, 11);
  EXPECT_LE(m.Height, 15);
  EXPECT_EQ(c.DC.GetTextExtent("").Width, 0);
  EXPECT_LT(c.DC.GetTextExtent("1.5").Width, c.DC.GetTextExtent("1.50").Width);
  c.DC.SetTextCharacterExtra(2);
  EXPECT_EQ(c.DC.GetTextExtent("WWW").Width, ww.Width + 6);

  TFont big = c.DC.Font();
  big.Height = -22;
  c.DC.SelectFont(big);
  EXPECT_GT(c.DC.GetTextMetrics().Height, m.Height + 8);
  big.Height = 20; // cell height
  c.DC.SelectFont(big);
  EXPECT_NEAR(c.DC.GetTextMetrics().Height, 20, 1);
}

TEST(Text, AlignmentFlagsPlaceTheBox) {
  Canvas probe;
  const TSize size = probe.DC.GetTextExtent("HH");
  const TTextMetrics m = probe.DC.GetTextMetrics();
  struct Case {
    unsigned Align;
    int Left, Top; // where the cell box should start for the reference point (32, 32)
  };
  const Case cases[] = {
      {TA_LEFT | TA_TOP, 32, 32},
      {TA_RIGHT | TA_TOP, 32 - size.Width, 32},
      {TA_CENTER | TA_TOP, 32 - size.Width / 2, 32},
      {TA_LEFT | TA_BOTTOM, 32, 32 - m.Height},
      {TA_LEFT | TA_BASELINE, 32, 32 - m.Ascent},
      {TA_CENTER | TA_BASELINE, 32 - size.Width / 2, 32 - m.Ascent},
  };
  for (const Case& k : cases) {
    Canvas c;
    c.DC.SetTextAlign(k.Align);
    c.DC.TextOut(32, 32, "HH");
    const pixeltest::TBox ink = pixeltest::InkBox(c.Bitmap, White);
    ASSERT_FALSE(ink.Empty()) << k.Align;
    EXPECT_GE(ink.Left, k.Left) << k.Align;
    EXPECT_LE(ink.Left, k.Left + 3) << k.Align;
    EXPECT_LE(ink.Right, k.Left + size.Width) << k.Align;
    EXPECT_GE(ink.Top, k.Top) << k.Align;
    // "H" stands on the baseline.
    EXPECT_EQ(ink.Bottom, k.Top + m.Ascent) << k.Align;
  }
}

TEST(Text, ColourAndOpaqueBackground) {
  Canvas c;
  c.DC.SetBkMode(TBkMode::Opaque);
  c.DC.SetBkColor(0x00FF00);
  c.DC.TextOut(5, 7, "Hl1");
  const TSize size = c.DC.GetTextExtent("Hl1");
  int textPixels = 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const TPixel p = c.Bitmap.Pixel(x, y);
      const bool inBox = x >= 5 && x < 5 + size.Width && y >= 7 && y < 7 + size.Height;
      if (!inBox) {
        ASSERT_EQ(p, White) << x << "," << y;
      }
      // Mostly ink: the green of the background nearly gone.
      textPixels += inBox && gdi::PixelGreen(p) < 0x40;
      // Antialiasing mixes only the text colour into the background: no red, green never above bk.
      if (inBox) {
        ASSERT_EQ(gdi::PixelRed(p), 0) << x << "," << y;
      }
    }
  EXPECT_GT(textPixels, 5);
  EXPECT_EQ(c.Bitmap.Pixel(5, 7), 0x00FF00u);
}

TEST(Text, ClippedAndFarAwayTextStaysInside) {
  Canvas c;
  c.DC.IntersectClipRect({10, 10, 20, 14});
  c.DC.SetBkMode(TBkMode::Opaque);
  c.DC.SetBkColor(0x00FF00);
  c.DC.TextOut(8, 8, "WWWWWW");
  c.DC.TextOut(2000000000, -2000000000, "far");
  c.DC.TextOut(-2147483647, 2147483647, "far");
  const pixeltest::TBox ink = pixeltest::InkBox(c.Bitmap, White);
  EXPECT_EQ(ink.Left, 10);
  EXPECT_EQ(ink.Top, 10);
  EXPECT_EQ(ink.Right, 20);
  EXPECT_EQ(ink.Bottom, 14);
}

TEST(Text, RotatedTextRunsUpwards) {
  Canvas c;
  TFont font = c.DC.Font();
  font.Escapement = 900;
  c.DC.SelectFont(font);
  c.DC.TextOut(30, 60, "HHHHH");
  const pixeltest::TBox ink = pixeltest::InkBox(c.Bitmap, White);
  ASSERT_FALSE(ink.Empty());
  const TSize size = c.DC.GetTextExtent("HHHHH");
  EXPECT_GT(ink.Bottom - ink.Top, ink.Right - ink.Left);
  EXPECT_NEAR(ink.Bottom - ink.Top, size.Width, 3);
  // Top-aligned text rotated a quarter turn lies to the right of the reference point.
  EXPECT_GE(ink.Left, 30);
  EXPECT_LE(ink.Bottom, 60);
}

TEST(Text, UnderlineAndStrikeOutSpanTheText) {
  Canvas c;
  TFont font = c.DC.Font();
  font.Underline = true;
  c.DC.SelectFont(font);
  c.DC.TextOut(4, 4, "i i");
  const TSize size = c.DC.GetTextExtent("i i");
  const int underlineRow = 4 + c.DC.GetTextMetrics().Ascent + 1;
  int covered = 0;
  for (int y = underlineRow - 1; y <= underlineRow + 1; ++y)
    for (int x = 4; x < 4 + size.Width; ++x)
      covered += c.Bitmap.Pixel(x, y) == TextInk;
  EXPECT_GE(covered, size.Width);
}
