// The raster at device scale 2: the same logical drawing calls give the scale-1 picture blown up
// where geometry is axis-aligned, stay inside clips, restore under not-xor twice, and text is
// rasterised at the device size while measuring as at scale 1.
#include "tests/support/PixelCheck.h"

#include "platform/gdi/DeviceContext.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

using namespace gdi;
using pixeltest::SameBlocks;

namespace {

constexpr TPixel White = 0xFFFFFF;
constexpr TPixel Ink = 0x102030;

struct Canvas {
  TGdiBitmap Bitmap;
  TGdiDC DC{Bitmap};
  explicit Canvas(int scale, int width = 48, int height = 40) : Bitmap(width, height, scale) {
    pixeltest::Fill(Bitmap, White);
  }
};

using TDrawing = std::function<void(TGdiDC&)>;

// The drawing at scale 2 must be the scale-1 drawing with every pixel doubled.
::testing::AssertionResult BlownUp(const TDrawing& draw) {
  Canvas one(1), two(2);
  draw(one.DC);
  draw(two.DC);
  return SameBlocks(two.Bitmap, one.Bitmap, 2);
}

} // namespace

TEST(ScaledRaster, BitmapHoldsTheLogicalSizeTimesTheScale) {
  TGdiBitmap bitmap(30, 20, 2);
  EXPECT_EQ(bitmap.Width(), 60);
  EXPECT_EQ(bitmap.Height(), 40);
  EXPECT_EQ(bitmap.LogicalWidth(), 30);
  EXPECT_EQ(bitmap.LogicalHeight(), 20);
  bitmap.SetSize(30, 20, 0);
  EXPECT_EQ(bitmap.Scale(), 1);
  EXPECT_EQ(bitmap.Width(), 30);
  // A size whose device size would overflow is cut down, never wrapped round.
  bitmap.SetSize(0, 1 << 30, 4);
  EXPECT_EQ(bitmap.Height() % 4, 0);
  EXPECT_GT(bitmap.Height(), 0);
}

TEST(ScaledRaster, AxisAlignedLinesAndStylesAreTheLogicalPixelsDoubled) {
  const TPen pens[] = {TPen::Cosmetic(TPenStyle::psSolid, Ink),     TPen::Cosmetic(TPenStyle::psDot, Ink),
                       TPen::Cosmetic(TPenStyle::psDash, Ink),      TPen::Cosmetic(TPenStyle::psDashDotDot, Ink),
                       TPen::Cosmetic(TPenStyle::psAlternate, Ink), TPen::Dotted(3, Ink)};
  for (const TPen& pen : pens) {
    // All four directions, and a polyline whose pattern runs on round a corner.
    EXPECT_TRUE(BlownUp([&](TGdiDC& dc) {
      dc.SelectPen(pen);
      dc.SetBkMode(TBkMode::Transparent);
      dc.MoveTo(3, 5);
      dc.LineTo(44, 5);
      dc.MoveTo(44, 8);
      dc.LineTo(2, 8);
      dc.MoveTo(6, 12);
      dc.LineTo(6, 38);
      dc.MoveTo(9, 37);
      dc.LineTo(9, 11);
      const TPoint path[] = {{12, 14}, {40, 14}, {40, 36}, {15, 36}};
      dc.Polyline(path);
    })) << int(pen.Style);
  }
  // Opaque gaps take the background colour block by block too.
  EXPECT_TRUE(BlownUp([](TGdiDC& dc) {
    dc.SelectPen(TPen::Cosmetic(TPenStyle::psDashDot, Ink));
    dc.SetBkMode(TBkMode::Opaque);
    dc.SetBkColor(0x00FF00);
    dc.MoveTo(1, 20);
    dc.LineTo(47, 20);
  }));
}

TEST(ScaledRaster, FillsOutlinesAndCopiesCoverWholeLogicalPixels) {
  EXPECT_TRUE(BlownUp([](TGdiDC& dc) {
    dc.SelectPen(TPen::Cosmetic(TPenStyle::psSolid, Ink));
    dc.SelectBrush(TBrush::Solid(0x00FF00));
    dc.Rectangle(2, 3, 20, 17);
    dc.Rectangle(30, 3, 32, 30); // no interior: filled with the pen colour
    dc.SelectPen(TPen::Null());
    dc.Rectangle(22, 20, 28, 25);
    dc.FillRect({3, 20, 12, 37}, TBrush{TBrushStyle::bsDiagCross, 0xFF0000});
    dc.SetPixel(40, 38, 0x0000FF);
    dc.SetPixel(48, 0, 0x0000FF); // outside
    const TPoint box[] = {{34, 20}, {46, 20}, {46, 36}, {34, 36}};
    dc.SelectBrush(TBrush::Solid(0x808080));
    dc.Polygon(box);
    dc.SelectPen(TPen::MakeGeometric(TPenStyle::psInsideFrame, 3, 0xFF00FF, TPenEndCap::Flat, TPenJoin::Mitre));
    dc.Rectangle(13, 22, 21, 34);
    dc.BitBlt(36, 2, 10, 8, dc.Bitmap(), 2, 3);
  }));
}

TEST(ScaledRaster, WidePensGrowWithTheScaleAndStayWhereTheyAreAtScaleOne) {
  // Even widths sit half a pixel up and left at scale 1; straight outlines must not move.
  for (const int width : {2, 3, 4}) {
    EXPECT_TRUE(BlownUp([&](TGdiDC& dc) {
      dc.SelectPen(TPen::MakeGeometric(TPenStyle::psSolid, width, Ink, TPenEndCap::Flat, TPenJoin::Mitre));
      dc.SelectBrush(TBrush::Solid(0x00FF00));
      dc.Rectangle(6, 12, 36, 34);
      const TPoint frame[] = {{3, 3}, {44, 3}, {44, 37}, {3, 37}};
      dc.Polygon(frame);
    })) << width;
    // Across a straight line as well; its flat ends stop at the end pixels' centres, which only
    // the device pixels can show.
    Canvas one(1), two(2);
    for (Canvas* c : {&one, &two}) {
      c->DC.SelectPen(TPen::MakeGeometric(TPenStyle::psSolid, width, Ink, TPenEndCap::Flat, TPenJoin::Mitre));
      c->DC.MoveTo(5, 20);
      c->DC.LineTo(40, 20);
    }
    const pixeltest::TBox a = pixeltest::InkBox(one.Bitmap, White);
    const pixeltest::TBox b = pixeltest::InkBox(two.Bitmap, White);
    EXPECT_EQ(b.Top, 2 * a.Top) << width;
    EXPECT_EQ(b.Bottom, 2 * a.Bottom) << width;
  }
  Canvas c(2);
  c.DC.SelectPen(TPen::MakeGeometric(TPenStyle::psSolid, 3, Ink, TPenEndCap::Flat, TPenJoin::Mitre));
  c.DC.MoveTo(10, 20);
  c.DC.LineTo(30, 20);
  // Six device rows centred on logical row 20's centre, from pixel centre to pixel centre.
  const pixeltest::TBox box = pixeltest::InkBox(c.Bitmap, White);
  EXPECT_EQ(box.Left, 21);
  EXPECT_EQ(box.Right, 61);
  EXPECT_EQ(box.Top, 38);
  EXPECT_EQ(box.Bottom, 44);
  EXPECT_EQ(pixeltest::CountPixels(c.Bitmap, Ink), 40 * 6);
}

TEST(ScaledRaster, LinesStartInTheStartBlockAndStopBeforeTheEndBlockInAllOctants) {
  const int targets[][2] = {{40, 35}, {35, 39}, {29, 39}, {24, 35}, {24, 29}, {29, 24}, {35, 24},
                            {40, 29}, {40, 32}, {32, 39}, {24, 32}, {32, 24}, {39, 39}, {25, 25}};
  for (const auto& t : targets) {
    Canvas c(2);
    c.DC.SelectPen(TPen::Cosmetic(TPenStyle::psSolid, Ink));
    c.DC.MoveTo(32, 32);
    c.DC.LineTo(t[0], t[1]);
    const auto blockInk = [&](int bx, int by) {
      int n = 0;
      for (int y = 2 * by; y < 2 * by + 2; ++y)
        for (int x = 2 * bx; x < 2 * bx + 2; ++x)
          n += c.Bitmap.Pixel(x, y) == Ink;
      return n;
    };
    // Straight lines fill the start block, slanted ones all but a corner of it.
    EXPECT_GE(blockInk(32, 32), 3) << t[0] << "," << t[1];
    EXPECT_EQ(blockInk(t[0], t[1]), 0) << t[0] << "," << t[1];
    // Twice as long, twice as thick.
    const int length = std::max(std::abs(t[0] - 32), std::abs(t[1] - 32));
    EXPECT_EQ(pixeltest::CountPixels(c.Bitmap, Ink), 4 * length) << t[0] << "," << t[1];
  }
}

TEST(ScaledRaster, ClippedLinesKeepTheUnclippedPixelsInsideAndNothingOutside) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> coordinate(-30, 80);
  const TRect clip{9, 7, 31, 26};
  const TRect deviceClip{18, 14, 62, 52};
  const TPen pens[] = {TPen::Cosmetic(TPenStyle::psSolid, Ink), TPen::Cosmetic(TPenStyle::psDash, Ink)};
  for (int i = 0; i < 300; ++i) {
    const TPoint a{coordinate(random), coordinate(random)};
    const TPoint b{coordinate(random), coordinate(random)};
    for (const TPen& pen : pens) {
      Canvas whole(2), clipped(2);
      for (Canvas* c : {&whole, &clipped}) {
        c->DC.SelectPen(pen);
        c->DC.SetBkMode(TBkMode::Transparent);
      }
      clipped.DC.IntersectClipRect(clip);
      EXPECT_EQ(clipped.DC.ClipBox(), deviceClip);
      whole.DC.MoveTo(a.X, a.Y);
      whole.DC.LineTo(b.X, b.Y);
      clipped.DC.MoveTo(a.X, a.Y);
      clipped.DC.LineTo(b.X, b.Y);
      ASSERT_TRUE(pixeltest::PixelsMatch(clipped.Bitmap, [&](int x, int y) {
        return deviceClip.Contains(x, y) ? whole.Bitmap.Pixel(x, y) : White;
      })) << a.X << "," << a.Y << " -> " << b.X << "," << b.Y;
    }
  }
}

TEST(ScaledRaster, NotXorTwiceRestoresThePicture) {
  Canvas c(2);
  for (int y = 0; y < c.Bitmap.Height(); ++y)
    for (int x = 0; x < c.Bitmap.Width(); ++x)
      c.Bitmap.Row(y)[x] = RGBPixel(x * 5, y * 6, (x ^ y) * 3);
  const TGdiBitmap before = c.Bitmap;
  const TPen pens[] = {TPen::Cosmetic(TPenStyle::psSolid, Ink), TPen::Cosmetic(TPenStyle::psDot, Ink),
                       TPen::Make(TPenStyle::psSolid, 3, Ink), TPen::Dotted(2, Ink)};
  const auto draw = [&](const TPen& pen) {
    c.DC.SelectPen(pen);
    c.DC.SelectBrush(TBrush::Clear());
    c.DC.SetROP2(TRop2::NotXor);
    c.DC.MoveTo(3, 4);
    c.DC.LineTo(41, 29);
    c.DC.LineTo(12, 37);
    c.DC.Rectangle(5, 6, 30, 22);
    c.DC.SelectPen(TPen::Make(TPenStyle::psSolid, 2, Ink));
    c.DC.SelectBrush(TBrush::Solid(0x445566));
    c.DC.Rectangle(7, 9, 26, 20);
    c.DC.SelectPen(pen);
    c.DC.SelectBrush(TBrush::Clear());
    const TPoint path[] = {{40, 2}, {44, 30}, {20, 25}, {33, 9}};
    c.DC.Polyline(path);
  };
  for (const TPen& pen : pens) {
    draw(pen);
    EXPECT_FALSE(pixeltest::SameBitmap(c.Bitmap, before)) << int(pen.Style);
    draw(pen);
    EXPECT_TRUE(pixeltest::SameBitmap(c.Bitmap, before)) << int(pen.Style);
  }
}

TEST(ScaledRaster, TextIsDrawnAtTheDeviceSizeButMeasuresAsAtScaleOne) {
  Canvas one(1, 80, 30), two(2, 80, 30);
  for (Canvas* c : {&one, &two}) {
    c->DC.SelectFont(TFont{"Arial", -11});
    c->DC.SetBkMode(TBkMode::Transparent);
    c->DC.SetTextColor(Ink);
    c->DC.SetTextAlign(TA_LEFT | TA_TOP);
    c->DC.TextOut(5, 6, "Wave 1234");
  }
  EXPECT_EQ(two.DC.GetTextExtent("Wave 1234"), one.DC.GetTextExtent("Wave 1234"));
  EXPECT_EQ(two.DC.GetTextMetrics().Height, one.DC.GetTextMetrics().Height);
  // Same place: the device ink box is the logical one doubled, give or take a device pixel or two
  // of hinting.
  const pixeltest::TBox a = pixeltest::InkBox(one.Bitmap, White);
  const pixeltest::TBox b = pixeltest::InkBox(two.Bitmap, White);
  ASSERT_FALSE(a.Empty());
  EXPECT_NEAR(b.Left, 2 * a.Left, 2);
  EXPECT_NEAR(b.Top, 2 * a.Top, 2);
  EXPECT_NEAR(b.Right, 2 * a.Right, 3);
  EXPECT_NEAR(b.Bottom, 2 * a.Bottom, 3);
  // Sharp, not blown up: many 2 x 2 blocks hold more than one colour.
  int mixed = 0;
  for (int y = 0; y + 1 < two.Bitmap.Height(); y += 2)
    for (int x = 0; x + 1 < two.Bitmap.Width(); x += 2) {
      const TPixel p = two.Bitmap.Pixel(x, y);
      mixed += p != two.Bitmap.Pixel(x + 1, y) || p != two.Bitmap.Pixel(x, y + 1) || p != two.Bitmap.Pixel(x + 1, y + 1);
    }
  EXPECT_GT(mixed, 20);
}
