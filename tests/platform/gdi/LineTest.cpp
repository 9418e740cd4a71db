#include "tests/support/PixelCheck.h"

#include "platform/gdi/DeviceContext.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <random>
#include <set>
#include <utility>
#include <vector>

using namespace gdi;
using pixeltest::PixelsMatch;

namespace {

constexpr TPixel White = 0xFFFFFF;
constexpr TPixel Ink = 0x102030;

// The line's pixels by the textbook rule, unclipped: minor offset i * dMinor / dMajor rounded to
// nearest with halves towards the start, end pixel excluded.
std::vector<std::pair<int, int>> ReferenceLine(int x0, int y0, int x1, int y1) {
  std::vector<std::pair<int, int>> out;
  const long long dx = x1 - x0, dy = y1 - y0;
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  const long long aMaj = xMajor ? std::llabs(dx) : std::llabs(dy);
  const long long aMin = xMajor ? std::llabs(dy) : std::llabs(dx);
  const int sMaj = (xMajor ? dx : dy) < 0 ? -1 : 1;
  const int sMin = (xMajor ? dy : dx) < 0 ? -1 : 1;
  for (long long i = 0; i < aMaj; ++i) {
    const long long off = (2 * i * aMin + aMaj - 1) / (2 * aMaj);
    const long long major = (xMajor ? x0 : y0) + sMaj * i;
    const long long minor = (xMajor ? y0 : x0) + sMin * off;
    out.emplace_back(int(xMajor ? major : minor), int(xMajor ? minor : major));
  }
  return out;
}

struct Canvas {
  TGdiBitmap Bitmap{64, 64};
  TGdiDC DC{Bitmap};
  Canvas() { pixeltest::Fill(Bitmap, White); }
};

} // namespace

TEST(Lines, EndPixelExcludedInAllEightOctants) {
  const std::pair<int, int> targets[] = {{40, 35}, {35, 40}, {29, 40}, {24, 35}, {24, 29},
                                         {29, 24}, {35, 24}, {40, 29}, {40, 32}, {32, 40},
                                         {24, 32}, {32, 24}, {40, 40}, {24, 24}};
  for (auto [tx, ty] : targets) {
    Canvas c;
    c.DC.SelectPen(TPen::Cosmetic(TPenStyle::psSolid, Ink));
    c.DC.MoveTo(32, 32);
    c.DC.LineTo(tx, ty);
    EXPECT_EQ(c.Bitmap.Pixel(32, 32), Ink) << tx << "," << ty;
    EXPECT_EQ(c.Bitmap.Pixel(tx, ty), White) << tx << "," << ty;
    EXPECT_EQ(pixeltest::CountPixels(c.Bitmap, Ink), std::max(std::abs(tx - 32), std::abs(ty - 32)));
    EXPECT_EQ(c.DC.CurrentPosition(), (TPoint{tx, ty}));
  }
}

TEST(Lines, HalfwayStepsRoundTowardsTheStart) {
  Canvas c;
  c.DC.SelectPen(TPen::Cosmetic(TPenStyle::psSolid, Ink));
  c.DC.MoveTo(0, 0);
  c.DC.LineTo(4, 2);
  const std::set<std::pair<int, int>> want{{0, 0}, {1, 0}, {2, 1}, {3, 1}};
  EXPECT_TRUE(PixelsMatch(c.Bitmap, [&](int x, int y) { return want.count({x, y}) ? Ink : White; }));
}

// Clipping is analytic, so the clipped line must be exactly the reference line cut by the clip;
// this covers the fast path (solid) and the general walker (not-xor, patterns) alike.
TEST(Lines, ClippedLinesEqualTheReferenceCutByTheClip) {
  std::mt19937 rng(1234);
  std::uniform_int_distribution<int> coord(-40, 104), clipCoord(-5, 70);
  for (int round = 0; round < 3000; ++round) {
    Canvas c;
    const TRect clip = TRect{clipCoord(rng), clipCoord(rng), clipCoord(rng), clipCoord(rng)}.Normalized();
    const bool clipped = round % 4 != 0;
    if (clipped)
      c.DC.IntersectClipRect(clip);
    const bool notXor = round % 3 == 0;
    c.DC.SetROP2(notXor ? TRop2::NotXor : TRop2::Copy);
    c.DC.SelectPen(TPen::Cosmetic(TPenStyle::psSolid, Ink));
    const int x0 = coord(rng), y0 = coord(rng), x1 = coord(rng), y1 = coord(rng);
    c.DC.MoveTo(x0, y0);
    c.DC.LineTo(x1, y1);
    std::set<std::pair<int, int>> want;
    for (auto p : ReferenceLine(x0, y0, x1, y1))
      if (!clipped || clip.Contains(p.first, p.second))
        want.insert(p);
    const TPixel drawn = notXor ? (~(Ink ^ White) & 0xFFFFFF) : Ink;
    ASSERT_TRUE(PixelsMatch(c.Bitmap,
                            [&](int x, int y) {
                              return want.count({x, y}) ? drawn : White;
                            }))
        << x0 << "," << y0 << " -> " << x1 << "," << y1 << " clip " << clip.Left << "," << clip.Top << ","
        << clip.Right << "," << clip.Bottom;
  }
}

TEST(Lines, HugeCoordinatesAreClippedWithoutOverflow) {
  Canvas c;
  c.DC.SelectPen(TPen::Cosmetic(TPenStyle::psSolid, Ink));
  c.DC.MoveTo(-1000000000, 5);
  c.DC.LineTo(1000000000, 5);
  c.DC.MoveTo(7, 1000000000);
  c.DC.LineTo(7, -1000000000);
  c.DC.MoveTo(-1000000000, -1000000000);
  c.DC.LineTo(1000000000, 1000000000);
  EXPECT_TRUE(PixelsMatch(c.Bitmap, [](int x, int y) { return y == 5 || x == 7 || x == y ? Ink : White; }));

  Canvas extreme;
  extreme.DC.SelectPen(TPen::Cosmetic(TPenStyle::psDot, Ink));
  extreme.DC.MoveTo(INT_MIN, INT_MIN);
  extreme.DC.LineTo(INT_MAX, INT_MAX);
  extreme.DC.LineTo(INT_MIN, INT_MAX);
  extreme.DC.LineTo(INT_MAX, INT_MIN + 1);
  EXPECT_LE(pixeltest::CountPixels(extreme.Bitmap, Ink), 3 * 64);
}

TEST(Lines, CosmeticStylePatternsAndTheirContinuation) {
  const auto rowPattern = [](TPenStyle style, TBkMode mode, std::vector<int> splits) {
    Canvas c;
    c.DC.SelectPen(TPen::Cosmetic(style, Ink));
    c.DC.SetBkMode(mode);
    c.DC.SetBkColor(0x00FF00);
    c.DC.MoveTo(0, 0);
    for (int x : splits)
      c.DC.LineTo(x, 0);
    std::string s;
    for (int x = 0; x < 60; ++x)
      s += c.Bitmap.Pixel(x, 0) == Ink ? '#' : c.Bitmap.Pixel(x, 0) == 0x00FF00 ? 'o' : '.';
    return s;
  };
  EXPECT_EQ(rowPattern(TPenStyle::psDot, TBkMode::Transparent, {60}),
            "###...###...###...###...###...###...###...###...###...###...");
  // Split into segments, the pattern goes on where the previous segment stopped.
  EXPECT_EQ(rowPattern(TPenStyle::psDot, TBkMode::Transparent, {4, 11, 60}),
            "###...###...###...###...###...###...###...###...###...###...");
  EXPECT_EQ(rowPattern(TPenStyle::psDash, TBkMode::Transparent, {60}),
            "##################......##################......############");
  EXPECT_EQ(rowPattern(TPenStyle::psDashDot, TBkMode::Transparent, {60}),
            "#########......###......#########......###......#########...");
  EXPECT_EQ(rowPattern(TPenStyle::psDashDotDot, TBkMode::Transparent, {60}),
            "#########...###...###...#########...###...###...#########...");
  EXPECT_EQ(rowPattern(TPenStyle::psAlternate, TBkMode::Transparent, {60}),
            "#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.");
  EXPECT_EQ(rowPattern(TPenStyle::psDot, TBkMode::Opaque, {60}),
            "###ooo###ooo###ooo###ooo###ooo###ooo###ooo###ooo###ooo###ooo");
  EXPECT_EQ(rowPattern(TPenStyle::psClear, TBkMode::Opaque, {60}), std::string(60, '.'));
}

TEST(Lines, MoveToRestartsThePattern) {
  Canvas c;
  c.DC.SelectPen(TPen::Cosmetic(TPenStyle::psDot, Ink));
  c.DC.MoveTo(0, 0);
  c.DC.LineTo(4, 0);
  c.DC.MoveTo(10, 0);
  c.DC.LineTo(16, 0);
  std::string s;
  for (int x = 0; x < 16; ++x)
    s += c.Bitmap.Pixel(x, 0) == Ink ? '#' : '.';
  EXPECT_EQ(s, "###.......###...");
}

TEST(Lines, SmallDotsWithSpaceGiveSinglePixelsApart) {
  Canvas c;
  c.DC.SelectPen(TPen::Dotted(4, Ink));
  c.DC.SetBkMode(TBkMode::Opaque); // gaps of a geometric pen stay untouched
  c.DC.MoveTo(0, 3);
  c.DC.LineTo(30, 3);
  c.DC.MoveTo(5, 10);
  c.DC.LineTo(5, 30);
  EXPECT_TRUE(PixelsMatch(c.Bitmap, [](int x, int y) {
    const bool row = y == 3 && x < 30 && x % 4 == 0;
    const bool column = x == 5 && y >= 10 && y < 30 && (y - 10) % 4 == 0;
    return row || column ? Ink : White;
  }));
}

TEST(Lines, NotXorDrawnTwiceRestoresThePicture) {
  TGdiBitmap bitmap(64, 64);
  std::mt19937 rng(7);
  for (int i = 0; i < 64 * 64; ++i)
    bitmap.Pixels()[i] = rng() & 0xFFFFFF;
  const TGdiBitmap original = bitmap;
  TGdiDC dc(bitmap);
  dc.SetROP2(TRop2::NotXor);
  const TPoint path[] = {{3, 3}, {50, 10}, {20, 60}, {3, 3}, {60, 60}};
  const auto drawAll = [&] {
    for (TPen pen :
         {TPen::Cosmetic(TPenStyle::psSolid, 0xFF00FF), TPen::Cosmetic(TPenStyle::psDashDot, 0x00FFFF),
          TPen::MakeGeometric(TPenStyle::psSolid, 5, 0x808080, TPenEndCap::Round, TPenJoin::Mitre),
          TPen::MakeGeometric(TPenStyle::psDash, 3, 0x123456, TPenEndCap::Square, TPenJoin::Bevel)}) {
      dc.SelectPen(pen);
      dc.Polyline(path);
      dc.MoveTo(60, 2);
      dc.LineTo(1, 40);
    }
    dc.SelectPen(TPen::Cosmetic(TPenStyle::psSolid, 0));
    dc.SelectBrush(TBrush::Clear());
    dc.Rectangle(10, 12, 40, 30); // the zoom rectangle
    dc.Rectangle(5, 5, 7, 20);
  };
  drawAll();
  EXPECT_FALSE(pixeltest::SameBitmap(bitmap, original));
  drawAll();
  EXPECT_TRUE(pixeltest::SameBitmap(bitmap, original));
}
