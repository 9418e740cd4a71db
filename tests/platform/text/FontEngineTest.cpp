#include "platform/text/FontEngine.h"
#include "platform/text/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace text;

namespace {

TFontRequest Request(const char* family, int em, bool bold = false) {
  TFontRequest r;
  r.Family = family;
  r.EmPixels = em;
  r.Bold = bold;
  return r;
}

} // namespace

TEST(FaceLookup, FamiliesResolveThroughFallbacks) {
  EXPECT_NE(ResolveFontFile("Arial", false, false).find("LiberationSans"), std::string::npos);
  for (const char* family : {"Verdana", "MS Sans Serif", "No Such Family 123", ""})
    EXPECT_FALSE(ResolveFontFile(family, false, false).empty()) << family;
}

TEST(FontMetrics, SizesAndStyles) {
  const TFont regular = GetFont(Request("Arial", 11));
  ASSERT_TRUE(regular.HasFace());
  const TFontMetrics& m = regular.Metrics();
  EXPECT_EQ(m.Height, m.Ascent + m.Descent);
  EXPECT_EQ(m.InternalLeading, m.Height - 11);
  EXPECT_GT(m.Descent, 0);
  EXPECT_GT(m.Ascent, 2 * m.Descent);

  TFontRequest cell = Request("Arial", 0);
  cell.CellPixels = 30;
  EXPECT_NEAR(GetFont(cell).Metrics().Height, 30, 1);

  const TFont bold = GetFont(Request("Arial", 11, true));
  EXPECT_GT(bold.Measure("Hello 123", 0), regular.Measure("Hello 123", 0));
  EXPECT_EQ(regular.Measure("ab", 3), regular.Measure("a", 0) + regular.Measure("b", 0) + 6);
  // A second request is served from the cache with the same font.
  EXPECT_EQ(GetFont(Request("Arial", 11)).Measure("Hello", 0), regular.Measure("Hello", 0));
}

TEST(FontDrawing, BlendsInsideTheClipOnly) {
  const TFont font = GetFont(Request("DejaVu Sans", 16));
  std::vector<std::uint32_t> pixels(40 * 30, 0xFFFFFF);
  TPixelTarget target{pixels.data(), 40, 30, 40, 5, 5, 25, 20};
  font.Draw(target, 0, 18, "MMMMMMMMMM", 0x000000, 0);
  int inked = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      const std::uint32_t p = pixels[std::size_t(y * 40 + x)];
      const bool inClip = x >= 5 && x < 25 && y >= 5 && y < 20;
      if (!inClip) {
        ASSERT_EQ(p, 0xFFFFFFu) << x << "," << y;
      }
      inked += p != 0xFFFFFF;
      // Grey levels only: black text over white blends each channel equally.
      ASSERT_EQ(p & 0xFF, (p >> 8) & 0xFF);
    }
  EXPECT_GT(inked, 40);
  // An empty clip and far positions draw nothing and touch nothing.
  font.Draw({pixels.data(), 40, 30, 40, 10, 10, 10, 30}, 10, 20, "W", 0xFF0000, 0);
  font.Draw(target, 1e12, -1e12, "W", 0xFF0000, 0);
  EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0xFF0000u), 0);
}

TEST(Utf8, MalformedInputBecomesReplacementCharacters) {
  EXPECT_EQ(DecodeUtf8("A\xC3\xA9 \xC2\xA0"), (std::u32string{U'A', 0xE9, U' ', 0xA0}));
  EXPECT_EQ(DecodeUtf8("\xE2\x82"), (std::u32string{0xFFFD, 0xFFFD}));
  EXPECT_EQ(DecodeUtf8("\xFFx"), (std::u32string{0xFFFD, U'x'}));
  EXPECT_EQ(DecodeUtf8("\xC0\xAF"), (std::u32string{0xFFFD, 0xFFFD})); // overlong
  EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), (std::u32string{0xFFFD}));     // surrogate
  EXPECT_EQ(DecodeUtf8("\xF0\x9F\x98\x80"), (std::u32string{0x1F600}));
  const TFont font = GetFont(Request("Arial", 11));
  EXPECT_GT(font.Measure("\xFF\xFE", 0), 0);
}
