#include "tests/support/FailingAllocation.h"
#include "tests/support/PixelCheck.h"

#include "platform/gdi/DeviceContext.h"

#include <gtest/gtest.h>

#include <climits>
#include <new>

using namespace gdi;
using pixeltest::PixelsMatch;

namespace {

constexpr TPixel White = 0xFFFFFF;
constexpr TPixel Ink = 0x000080;
constexpr TPixel Red = 0xFF0000;

struct Canvas {
  TGdiBitmap Bitmap{32, 32};
  TGdiDC DC{Bitmap};
  Canvas() { pixeltest::Fill(Bitmap, White); }
};

bool Inside(int x, int y, int l, int t, int r, int b) { return x >= l && x < r && y >= t && y < b; }

} // namespace

TEST(Shapes, RectangleExcludesRightColumnAndBottomRow) {
  for (bool swapped : {false, true}) {
    Canvas c;
    c.DC.SelectPen(TPen::Cosmetic(TPenStyle::psSolid, Ink));
    c.DC.SelectBrush(TBrush::Solid(Red));
    if (swapped)
      c.DC.Rectangle(10, 8, 2, 3);
    else
      c.DC.Rectangle(2, 3, 10, 8);
    EXPECT_TRUE(PixelsMatch(c.Bitmap, [](int x, int y) {
      if (Inside(x, y, 3, 4, 9, 7))
        return Red;
      return Inside(x, y, 2, 3, 10, 8) ? Ink : White;
    }));
  }
}

TEST(Shapes, FillsWithoutOutlineCoverTheWholeRectangle) {
  const auto expectBox = [](const TGdiBitmap& b, TPixel color) {
    EXPECT_TRUE(PixelsMatch(b, [&](int x, int y) { return Inside(x, y, 4, 5, 20, 9) ? color : White; }));
  };
  Canvas nullPen;
  nullPen.DC.SelectPen(TPen::Null());
  nullPen.DC.SelectBrush(TBrush::Solid(Red));
  nullPen.DC.Rectangle(4, 5, 20, 9);
  expectBox(nullPen.Bitmap, Red);

  Canvas fill;
  fill.DC.FillRect({4, 5, 20, 9}, TBrush::Solid(Ink));
  expectBox(fill.Bitmap, Ink);

  Canvas pat;
  pat.DC.SelectBrush(TBrush::Solid(Ink));
  pat.DC.PatBlt(4, 5, 16, 4);
  expectBox(pat.Bitmap, Ink);

  Canvas poly;
  poly.DC.SelectPen(TPen::Null());
  poly.DC.SelectBrush(TBrush::Solid(Ink));
  const TPoint corners[] = {{4, 5}, {20, 5}, {20, 9}, {4, 9}};
  poly.DC.Polygon(corners);
  expectBox(poly.Bitmap, Ink);

  Canvas far;
  far.DC.FillRect({INT_MIN, 5, INT_MAX, 9}, TBrush::Solid(Ink));
  far.DC.SelectPen(TPen::Cosmetic(TPenStyle::psSolid, Ink));
  far.DC.SelectBrush(TBrush::Clear());
  far.DC.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  EXPECT_EQ(pixeltest::CountPixels(far.Bitmap, Ink), 32 * 4);
}

TEST(Shapes, PolygonFillModes) {
  // A pentagram: its centre is covered twice, so only the winding rule fills it.
  const TPoint star[] = {{16, 1}, {25, 29}, {2, 11}, {30, 11}, {7, 29}};
  Canvas alternate, winding;
  for (Canvas* c : {&alternate, &winding}) {
    c->DC.SelectPen(TPen::Null());
    c->DC.SelectBrush(TBrush::Solid(Ink));
  }
  winding.DC.SetPolyFillMode(TPolyFillMode::Winding);
  alternate.DC.Polygon(star);
  winding.DC.Polygon(star);
  EXPECT_EQ(alternate.Bitmap.Pixel(16, 17), White);
  EXPECT_EQ(winding.Bitmap.Pixel(16, 17), Ink);
  EXPECT_EQ(alternate.Bitmap.Pixel(16, 5), Ink);
  EXPECT_EQ(winding.Bitmap.Pixel(16, 5), Ink);
}

TEST(Shapes, HatchedBrushesAndBackgroundMode) {
  Canvas transparent, opaque;
  for (Canvas* c : {&transparent, &opaque}) {
    c->DC.SetBkColor(0x00FF00);
    c->DC.SelectPen(TPen::Null());
    c->DC.SelectBrush({TBrushStyle::bsCross, Ink});
  }
  transparent.DC.SetBkMode(TBkMode::Transparent);
  opaque.DC.SetBkMode(TBkMode::Opaque);
  transparent.DC.Rectangle(0, 0, 16, 16);
  opaque.DC.Rectangle(0, 0, 16, 16);
  const auto line = [](int x, int y) { return x % 8 == 0 || y % 8 == 0; };
  EXPECT_TRUE(PixelsMatch(transparent.Bitmap,
                          [&](int x, int y) { return x < 16 && y < 16 && line(x, y) ? Ink : White; }));
  EXPECT_TRUE(PixelsMatch(opaque.Bitmap, [&](int x, int y) {
    if (x >= 16 || y >= 16)
      return White;
    return line(x, y) ? Ink : TPixel(0x00FF00);
  }));

  Canvas diagonal;
  diagonal.DC.FillRect({0, 0, 32, 32}, {TBrushStyle::bsFDiagonal, Ink});
  EXPECT_EQ(diagonal.Bitmap.Pixel(3, 3), Ink);
  EXPECT_EQ(diagonal.Bitmap.Pixel(12, 4), Ink);
  EXPECT_EQ(pixeltest::CountPixels(diagonal.Bitmap, Ink), 32 * 4);
}

TEST(Shapes, GeometricEndCaps) {
  const auto draw = [](TPenEndCap cap) {
    Canvas c;
    c.DC.SelectPen(TPen::MakeGeometric(TPenStyle::psSolid, 4, Ink, cap, TPenJoin::Round));
    c.DC.MoveTo(10, 10);
    c.DC.LineTo(20, 10);
    return c.Bitmap;
  };
  // The stroke is centred on pixel centres: rows 8..11; flat ends at the end points.
  EXPECT_TRUE(PixelsMatch(draw(TPenEndCap::Flat),
                          [](int x, int y) { return Inside(x, y, 10, 8, 20, 12) ? Ink : White; }));
  EXPECT_TRUE(PixelsMatch(draw(TPenEndCap::Square),
                          [](int x, int y) { return Inside(x, y, 8, 8, 22, 12) ? Ink : White; }));
  const TGdiBitmap round = draw(TPenEndCap::Round);
  EXPECT_EQ(round.Pixel(9, 9), Ink);   // the cap reaches out near the middle rows
  EXPECT_EQ(round.Pixel(9, 8), White); // but not at the corners
  EXPECT_EQ(round.Pixel(21, 10), Ink);
  EXPECT_EQ(round.Pixel(22, 9), White);
  EXPECT_EQ(pixeltest::InkBox(round, White).Right, 22);
}

TEST(Shapes, GeometricJoins) {
  const auto draw = [](TPenJoin join) {
    Canvas c;
    c.DC.SelectPen(TPen::MakeGeometric(TPenStyle::psSolid, 10, Ink, TPenEndCap::Flat, join));
    const TPoint path[] = {{5, 20}, {20, 20}, {20, 5}};
    c.DC.Polyline(path);
    return c.Bitmap;
  };
  const TGdiBitmap mitre = draw(TPenJoin::Mitre), bevel = draw(TPenJoin::Bevel),
                   round = draw(TPenJoin::Round);
  // Outer corner of the turn at (20.5, 20.5) + 5: the mitre fills it, the bevel cuts it off.
  EXPECT_EQ(mitre.Pixel(24, 24), Ink);
  EXPECT_EQ(bevel.Pixel(24, 24), White);
  EXPECT_EQ(round.Pixel(24, 24), White);
  EXPECT_EQ(round.Pixel(23, 23), Ink);
  const int m = pixeltest::CountPixels(mitre, Ink), b = pixeltest::CountPixels(bevel, Ink),
            r = pixeltest::CountPixels(round, Ink);
  EXPECT_LT(b, r);
  EXPECT_LT(r, m);
}

TEST(Shapes, InsideFrameStaysInsideTheRectangle) {
  Canvas c;
  c.DC.SelectPen(TPen::MakeGeometric(TPenStyle::psInsideFrame, 3, Ink, TPenEndCap::Round, TPenJoin::Mitre));
  c.DC.SelectBrush(TBrush::Solid(Red));
  c.DC.Rectangle(4, 4, 20, 16);
  EXPECT_TRUE(PixelsMatch(c.Bitmap, [](int x, int y) {
    if (Inside(x, y, 7, 7, 17, 13))
      return Red;
    return Inside(x, y, 4, 4, 20, 16) ? Ink : White;
  }));
}

TEST(Shapes, RoundRectKeepsToItsRectangle) {
  Canvas c;
  c.DC.SelectPen(TPen::Cosmetic(TPenStyle::psSolid, Ink));
  c.DC.SelectBrush(TBrush::Solid(Red));
  c.DC.RoundRect(2, 2, 30, 20, 10, 10);
  const pixeltest::TBox box = pixeltest::InkBox(c.Bitmap, White);
  EXPECT_EQ(box.Left, 2);
  EXPECT_EQ(box.Top, 2);
  EXPECT_EQ(box.Right, 30);
  EXPECT_EQ(box.Bottom, 20);
  EXPECT_EQ(c.Bitmap.Pixel(2, 2), White); // rounded corner
  EXPECT_EQ(c.Bitmap.Pixel(29, 19), White);
  EXPECT_EQ(c.Bitmap.Pixel(16, 2), Ink);
  EXPECT_EQ(c.Bitmap.Pixel(16, 10), Red);
}

// A bitmap whose new pixels cannot be had keeps its size, scale and pixels, so painting into it
// afterwards stays inside its memory.
TEST(Bitmap, AFailedResizeKeepsTheBitmapAsItWas) {
  Canvas c;
  c.DC.FillRect({2, 2, 10, 10}, TBrush::Solid(Ink));
  const TGdiBitmap before = c.Bitmap;
  {
    const chart::test::TFailLargeAllocations outOfMemory(16 * 1024);
    EXPECT_THROW(c.Bitmap.SetSize(300, 200, 2), std::bad_alloc);
  }
  EXPECT_EQ(c.Bitmap.Width(), 32);
  EXPECT_EQ(c.Bitmap.Scale(), 1);
  EXPECT_TRUE(pixeltest::SameBitmap(c.Bitmap, before));
  c.DC.FillRect({0, 0, 32, 32}, TBrush::Solid(Red));
  EXPECT_EQ(c.Bitmap.Pixel(31, 31), Red);
}

TEST(Clipping, NestedClipsRestore) {
  Canvas c;
  EXPECT_FALSE(c.DC.GetClipRect());
  c.DC.IntersectClipRect({2, 2, 20, 20});
  const auto outer = c.DC.GetClipRect();
  c.DC.IntersectClipRect({10, 10, 30, 30});
  EXPECT_EQ(c.DC.GetClipRect(), (TRect{10, 10, 20, 20}));
  c.DC.FillRect({0, 0, 32, 32}, TBrush::Solid(Red));
  c.DC.SelectClipRect(outer);
  c.DC.SelectPen(TPen::Cosmetic(TPenStyle::psSolid, Ink));
  c.DC.MoveTo(0, 5);
  c.DC.LineTo(32, 5);
  // Disjoint clips leave nothing drawable, which is not the same as no clip.
  c.DC.IntersectClipRect({25, 25, 30, 30});
  EXPECT_TRUE(c.DC.ClipBox().IsEmpty());
  c.DC.FillRect({0, 0, 32, 32}, TBrush::Solid(Red));
  c.DC.RemoveClip();
  c.DC.SetPixel(31, 31, Ink);
  EXPECT_TRUE(PixelsMatch(c.Bitmap, [](int x, int y) {
    if (x == 31 && y == 31)
      return Ink;
    if (y == 5 && x >= 2 && x < 20)
      return Ink;
    return Inside(x, y, 10, 10, 20, 20) ? Red : White;
  }));
}

TEST(BlockCopy, CopiesClippedToBothBitmapsAndTheClip) {
  TGdiBitmap source(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      source.Row(y)[x] = TPixel(y * 16 + x);
  Canvas c;
  c.DC.IntersectClipRect({0, 0, 30, 12});
  c.DC.BitBlt(25, 6, 100, 100, source, 2, 1);
  c.DC.BitBlt(-3, -3, 8, 8, source, 0, 0);
  EXPECT_TRUE(PixelsMatch(c.Bitmap, [](int x, int y) {
    if (Inside(x, y, 25, 6, 30, 12) && x - 25 + 2 < 8 && y - 6 + 1 < 8)
      return TPixel((y - 6 + 1) * 16 + (x - 25 + 2));
    if (x < 5 && y < 5)
      return TPixel((y + 3) * 16 + (x + 3));
    return White;
  }));
}

TEST(BlockCopy, OverlappingCopyWithinOneBitmap) {
  Canvas c;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      c.Bitmap.Row(y)[x] = TPixel(y * 256 + x);
  const TGdiBitmap before = c.Bitmap;
  c.DC.BitBlt(3, 2, 20, 20, c.Bitmap, 0, 0);
  c.DC.BitBlt(0, 0, 10, 10, c.Bitmap, 1, 1);
  TGdiBitmap want = before;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x)
      want.Row(y + 2)[x + 3] = before.Pixel(x, y);
  const TGdiBitmap mid = want;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x)
      want.Row(y)[x] = mid.Pixel(x + 1, y + 1);
  EXPECT_TRUE(pixeltest::SameBitmap(c.Bitmap, want));
}

TEST(Colors, EngineAndSystemColours) {
  EXPECT_EQ(ColorToPixel(0x000000FF), 0xFF0000u); // engine red is 0x00BBGGRR
  EXPECT_EQ(ColorToPixel(0x00EAEAEA), 0xEAEAEAu);
  EXPECT_EQ(ColorToPixel(0x8000000F), RGBPixel(240, 240, 240));
  EXPECT_EQ(ColorToPixel(0xFF000010), RGBPixel(160, 160, 160));
  EXPECT_EQ(ColorToPixel(0x80000014), RGBPixel(255, 255, 255));
  EXPECT_EQ(ColorToPixel(0x80000008), 0u);
  EXPECT_EQ(GetSysColor(-1), 0u);
  EXPECT_EQ(GetSysColor(999), 0u);
}
