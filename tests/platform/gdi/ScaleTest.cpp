// The raster at device scale 2: straight geometry is the scale-1 picture doubled, lines end and
// clip as at scale 1, and not-xor twice restores the picture.
#include "tests/support/PixelCheck.h"

#include "platform/gdi/DeviceContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <random>

using namespace gdi;

namespace {

constexpr TPixel White = 0xFFFFFF;
constexpr TPixel Ink = 0x102030;

struct Canvas {
  TGdiBitmap Bitmap;
  TGdiDC DC{Bitmap};
  explicit Canvas(int scale) : Bitmap(48, 40, scale) { pixeltest::Fill(Bitmap, White); }
};

::testing::AssertionResult BlownUp(const std::function<void(TGdiDC&)>& draw) {
  Canvas one(1), two(2);
  draw(one.DC);
  draw(two.DC);
  return pixeltest::SameBlocks(two.Bitmap, one.Bitmap, 2);
}

} // namespace

TEST(ScaledRaster, StraightLinesStylesFillsAndFramesAreTheLogicalPictureDoubled) {
  // Dash patterns, even and odd wide pens, hatches, inside frames, copies.
  const TPen pens[] = {
      TPen::Cosmetic(TPenStyle::psDot, Ink),
      TPen::Cosmetic(TPenStyle::psDashDotDot, Ink),
      TPen::Cosmetic(TPenStyle::psAlternate, Ink),
      TPen::Dotted(3, Ink),
      TPen::MakeGeometric(TPenStyle::psSolid, 2, Ink, TPenEndCap::Flat, TPenJoin::Mitre),
      TPen::MakeGeometric(TPenStyle::psSolid, 3, Ink, TPenEndCap::Flat, TPenJoin::Mitre),
      TPen::MakeGeometric(TPenStyle::psInsideFrame, 3, Ink, TPenEndCap::Flat, TPenJoin::Mitre)};
  for (const TPen& pen : pens)
    EXPECT_TRUE(BlownUp([&](TGdiDC& dc) {
      dc.SelectPen(pen);
      dc.SetBkColor(0x00FF00);
      dc.SelectBrush(TBrush{TBrushStyle::bsDiagCross, 0xFF0000});
      dc.Rectangle(6, 12, 36, 34);
      const TPoint path[] = {{3, 3}, {44, 3}, {44, 37}, {3, 37}}; // right, down, left and up
      dc.Polygon(path);
      dc.SetPixel(40, 8, 0x0000FF);
      dc.BitBlt(38, 30, 10, 8, dc.Bitmap(), 4, 10);
    })) << int(pen.Style)
        << " " << pen.Width;
}

TEST(ScaledRaster, LinesStartInTheStartBlockStopBeforeTheEndBlockAndAreTwiceAsThick) {
  const int targets[][2] = {{40, 35}, {35, 39}, {29, 39}, {24, 35}, {24, 29},
                            {29, 24}, {35, 24}, {40, 32}, {25, 25}};
  for (const auto& t : targets) {
    Canvas c(2);
    c.DC.SelectPen(TPen::Cosmetic(TPenStyle::psSolid, Ink));
    c.DC.MoveTo(32, 32);
    c.DC.LineTo(t[0], t[1]);
    const auto blockInk = [&](int bx, int by) {
      return (c.Bitmap.Pixel(2 * bx, 2 * by) == Ink) + (c.Bitmap.Pixel(2 * bx + 1, 2 * by) == Ink) +
             (c.Bitmap.Pixel(2 * bx, 2 * by + 1) == Ink) + (c.Bitmap.Pixel(2 * bx + 1, 2 * by + 1) == Ink);
    };
    EXPECT_GE(blockInk(32, 32), 3) << t[0] << "," << t[1]; // slanted lines miss one corner
    EXPECT_EQ(blockInk(t[0], t[1]), 0) << t[0] << "," << t[1];
    const int length = std::max(std::abs(t[0] - 32), std::abs(t[1] - 32));
    EXPECT_EQ(pixeltest::CountPixels(c.Bitmap, Ink), 4 * length) << t[0] << "," << t[1];
  }
}

TEST(ScaledRaster, ClippedLinesKeepTheUnclippedPixelsInsideAndNothingOutside) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> coordinate(-30, 80);
  const TRect deviceClip{18, 14, 62, 52};
  for (int i = 0; i < 300; ++i) {
    const TPoint a{coordinate(random), coordinate(random)}, b{coordinate(random), coordinate(random)};
    Canvas whole(2), clipped(2);
    clipped.DC.IntersectClipRect({9, 7, 31, 26});
    ASSERT_EQ(clipped.DC.ClipBox(), deviceClip);
    for (Canvas* c : {&whole, &clipped}) {
      c->DC.SelectPen(TPen::Cosmetic(i % 2 ? TPenStyle::psDash : TPenStyle::psSolid, Ink));
      c->DC.SetBkMode(TBkMode::Transparent);
      c->DC.MoveTo(a.X, a.Y);
      c->DC.LineTo(b.X, b.Y);
    }
    ASSERT_TRUE(pixeltest::PixelsMatch(
        clipped.Bitmap,
        [&](int x, int y) { return deviceClip.Contains(x, y) ? whole.Bitmap.Pixel(x, y) : White; }))
        << a.X << "," << a.Y << " -> " << b.X << "," << b.Y;
  }
}

TEST(ScaledRaster, NotXorTwiceRestoresThePicture) {
  Canvas c(2);
  for (int y = 0; y < c.Bitmap.Height(); ++y)
    for (int x = 0; x < c.Bitmap.Width(); ++x)
      c.Bitmap.Row(y)[x] = RGBPixel(x * 5, y * 6, (x ^ y) * 3);
  const TGdiBitmap before = c.Bitmap;
  const TPen pens[] = {TPen::Cosmetic(TPenStyle::psSolid, Ink), TPen::Cosmetic(TPenStyle::psDot, Ink),
                       TPen::Make(TPenStyle::psSolid, 2, Ink), TPen::Make(TPenStyle::psSolid, 3, Ink)};
  for (const TPen& pen : pens)
    for (int round = 0; round < 2; ++round) {
      c.DC.SelectPen(pen);
      c.DC.SelectBrush(TBrush::Solid(0x445566)); // an interior touching the outline would show
      c.DC.SetROP2(TRop2::NotXor);
      c.DC.MoveTo(3, 4);
      c.DC.LineTo(41, 29);
      c.DC.LineTo(12, 37);
      c.DC.Rectangle(5, 6, 30, 22);
      const bool restored = std::equal(c.Bitmap.Pixels(), c.Bitmap.Pixels() + 96 * 80, before.Pixels());
      EXPECT_EQ(restored, round == 1) << int(pen.Style) << " " << pen.Width;
    }
}
