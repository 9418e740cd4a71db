// Band layout and colours of gradient ramps, recorded through a painter that remembers every
// band and every brush change.
#include "chart/surface/GradientRamp.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace chart;

namespace {

struct TBand {
  TRect Rect;
  TColor Color;
};

class TRecordingPainter : public TRampPainter {
public:
  int ColorChanges = 0;
  std::vector<TBand> Bands;

  void SetBandColor(TColor color) override {
    ++ColorChanges;
    FCurrent = color;
  }
  void FillBand(const TRect& band) override { Bands.push_back({band, FCurrent}); }

  // Colour of each pixel, failing the test when a pixel is filled twice.
  std::map<std::pair<int, int>, TColor> Pixels() const {
    std::map<std::pair<int, int>, TColor> pixels;
    for (const TBand& band : Bands)
      for (int y = band.Rect.Top; y < band.Rect.Bottom; ++y)
        for (int x = band.Rect.Left; x < band.Rect.Right; ++x)
          EXPECT_TRUE(pixels.emplace(std::pair{x, y}, band.Color).second)
              << "pixel filled twice: " << x << ", " << y;
    return pixels;
  }

private:
  TColor FCurrent = 0;
};

constexpr TColor Grey234 = 0xEAEAEA;

TGradientValues PanelGradient() {
  TGradientValues g;
  g.Visible = true;
  g.Direction = gdBottomTop;
  g.StartColor = Grey234;
  g.EndColor = clWhite;
  g.StoredMidColor = Grey234;
  g.HasMiddle = true;
  return g;
}

TResolvedGradientColors ColorsOf(const TGradientValues& g) {
  return {g.StartColor, g.EndColor, g.StoredMidColor};
}

} // namespace

TEST(GradientRamp, PanelRampWithMiddleEqualToStartIsFlatAboveTheMiddle) {
  const TGradientValues g = PanelGradient();
  TRecordingPainter painter;
  PaintGradient(painter, g, TRect{0, 0, 873, 296}, ColorsOf(g));

  ASSERT_EQ(painter.Bands.size(), 296u);
  for (const TBand& band : painter.Bands) {
    EXPECT_EQ(band.Rect.Left, 0);
    EXPECT_EQ(band.Rect.Right, 873);
    EXPECT_EQ(band.Rect.Height(), 1);
  }
  std::map<int, TColor> rowColor;
  for (const TBand& band : painter.Bands)
    rowColor[band.Rect.Top] = band.Color;
  ASSERT_EQ(rowColor.size(), 296u);
  for (int row = 0; row < 148; ++row)
    EXPECT_EQ(rowColor[row], Grey234) << row;
  // Lower half: band i sits at row 295 - i, each channel 255 + (i * -21) div 147.
  for (int i = 0; i < 148; ++i) {
    const int channel = 255 + (i * -21) / 147;
    EXPECT_EQ(rowColor[295 - i], RGB(channel, channel, channel)) << i;
  }
  EXPECT_EQ(rowColor[295], clWhite);
  EXPECT_EQ(rowColor[289], clWhite);
  EXPECT_EQ(rowColor[288], 0xFEFEFEu);
  EXPECT_EQ(rowColor[148], Grey234);
  // One brush for the flat half, then one per distinct grey (255 down to 234).
  EXPECT_EQ(painter.ColorChanges, 1 + 22);
}

TEST(GradientRamp, TallRampUses256BandsWith44DoubleRows) {
  TRecordingPainter painter;
  PaintRamp(painter, TRect{0, 0, 5, 300}, clBlack, clWhite, gdTopBottom, 50);
  ASSERT_EQ(painter.Bands.size(), 256u);
  int doubleRows = 0;
  for (const TBand& band : painter.Bands) {
    EXPECT_TRUE(band.Rect.Height() == 1 || band.Rect.Height() == 2);
    doubleRows += band.Rect.Height() == 2;
  }
  EXPECT_EQ(doubleRows, 44);
  const auto pixels = painter.Pixels();
  EXPECT_EQ(pixels.size(), 5u * 300u);
  // gdTopBottom: the first colour at the bottom edge, the second exactly at the top.
  EXPECT_EQ(painter.Bands.front().Rect.Bottom, 300);
  EXPECT_EQ(painter.Bands.front().Color, clBlack);
  EXPECT_EQ(painter.Bands.back().Rect.Top, 0);
  EXPECT_EQ(painter.Bands.back().Color, clWhite);
  EXPECT_EQ(painter.ColorChanges, 256);
}

TEST(GradientRamp, HorizontalRampsRunFromTheRightEdge) {
  TRecordingPainter leftRight;
  PaintRamp(leftRight, TRect{10, 0, 20, 3}, clRed, clBlue, gdLeftRight, 50);
  ASSERT_EQ(leftRight.Bands.size(), 10u);
  EXPECT_EQ(leftRight.Bands.front().Rect, (TRect{19, 0, 20, 3}));
  EXPECT_EQ(leftRight.Bands.front().Color, clRed);
  EXPECT_EQ(leftRight.Bands.back().Rect, (TRect{10, 0, 11, 3}));
  EXPECT_EQ(leftRight.Bands.back().Color, clBlue);

  // gdRightLeft swaps the colours: the first colour ends up at the left edge.
  TRecordingPainter rightLeft;
  PaintRamp(rightLeft, TRect{20, 3, 10, 0}, clRed, clBlue, gdRightLeft, 50);
  ASSERT_EQ(rightLeft.Bands.size(), 10u);
  EXPECT_EQ(rightLeft.Bands.front().Color, clBlue);
  EXPECT_EQ(rightLeft.Bands.back().Rect, (TRect{10, 0, 11, 3}));
  EXPECT_EQ(rightLeft.Bands.back().Color, clRed);
}

TEST(GradientRamp, EqualColoursAndDegenerateRects) {
  TRecordingPainter equal;
  PaintRamp(equal, TRect{0, 0, 4, 40}, clGreen, clGreen, gdBottomTop, 50);
  EXPECT_EQ(equal.Bands.size(), 40u);
  EXPECT_EQ(equal.ColorChanges, 1);
  for (const TBand& band : equal.Bands)
    EXPECT_EQ(band.Color, clGreen);

  for (const TRect& rect : {TRect{0, 0, 50, 1}, TRect{0, 5, 50, 5}, TRect{0, 0, 0, 0}}) {
    TRecordingPainter none;
    PaintRamp(none, rect, clBlack, clWhite, gdTopBottom, 50);
    EXPECT_TRUE(none.Bands.empty());
    EXPECT_EQ(none.ColorChanges, 0);
  }
}

TEST(GradientRamp, MiddleColourSplitsOnlyWhileSet) {
  TChartGradient gradient;
  gradient.SetDirection(gdBottomTop);
  gradient.SetStartColor(clBlack);
  gradient.SetEndColor(clWhite);
  const TRect rect{0, 0, 2, 20};
  auto rows = [&] {
    TRecordingPainter painter;
    const TGradientValues& v = gradient.Values();
    PaintGradient(painter, v, rect, TResolvedGradientColors{v.StartColor, v.EndColor, v.StoredMidColor});
    std::map<int, TColor> result;
    for (const TBand& band : painter.Bands)
      result[band.Rect.Top] = band.Color;
    return result;
  };
  gradient.SetMidColor(clRed);
  auto split = rows();
  EXPECT_EQ(split[0], clBlack);
  EXPECT_EQ(split[9], clRed);
  EXPECT_EQ(split[10], clRed);
  EXPECT_EQ(split[19], clWhite);

  gradient.SetMidColor(clNone);
  auto plain = rows();
  EXPECT_EQ(plain[0], clBlack);
  EXPECT_EQ(plain[19], clWhite);
  for (const auto& [row, color] : plain)
    EXPECT_EQ(color & 0x0000FFu, (color >> 8) & 0xFFu) << "no red in a grey ramp, row " << row;

  gradient.SetMidColor(clRed);
  EXPECT_EQ(rows(), split);
}

TEST(GradientRamp, TopBottomSplitPutsEndColourOnTop) {
  TGradientValues g;
  g.Direction = gdTopBottom;
  g.HasMiddle = true;
  const TResolvedGradientColors colors{clBlack, clWhite, clRed};
  TRecordingPainter painter;
  PaintGradient(painter, g, TRect{0, 0, 1, 10}, colors);
  std::map<int, TColor> rows;
  for (const TBand& band : painter.Bands)
    rows[band.Rect.Top] = band.Color;
  EXPECT_EQ(rows[0], clWhite);
  EXPECT_EQ(rows[4], clRed);
  EXPECT_EQ(rows[5], clRed);
  EXPECT_EQ(rows[9], clBlack);
}

TEST(GradientRamp, BentBalanceStillEndsOnTheSecondColour) {
  for (int balance : {0, 25, 75, 100}) {
    TColor previous = 0;
    for (int band = 0; band < 10; ++band) {
      const TColor color = RampBandColor(clBlack, clWhite, band, 10, balance);
      EXPECT_GE(int(color & 0xFFu), int(previous & 0xFFu)) << balance;
      previous = color;
    }
    EXPECT_EQ(previous, clWhite) << balance;
  }
}

TEST(GradientRamp, OtherShapesCoverEveryPixelOnce) {
  const TRect rect{3, 2, 40, 27};
  for (int direction = gdFromCenter; direction <= gdDiagonalDown; ++direction) {
    TGradientValues g;
    g.Direction = TGradientDirection(direction);
    g.HasMiddle = direction == gdFromCenter; // ignored by the corner shapes
    TRecordingPainter painter;
    PaintGradient(painter, g, rect, TResolvedGradientColors{clBlack, clWhite, clRed});
    const auto pixels = painter.Pixels();
    EXPECT_EQ(pixels.size(), std::size_t(rect.Width() * rect.Height())) << direction;
    for (const auto& [position, color] : pixels)
      EXPECT_NE(color, clRed) << direction;
  }
  TGradientValues rotated;
  rotated.Angle = 30;
  TRecordingPainter painter;
  PaintRotatedGradient(painter, rotated, rect, TResolvedGradientColors{clBlack, clWhite, clNone});
  EXPECT_EQ(painter.Pixels().size(), std::size_t(rect.Width() * rect.Height()));
}

TEST(GradientRamp, FromCenterHasEndColourOutside) {
  TGradientValues g;
  g.Direction = gdFromCenter;
  TRecordingPainter painter;
  PaintGradient(painter, g, TRect{0, 0, 21, 21}, TResolvedGradientColors{clBlack, clWhite, clNone});
  const auto pixels = painter.Pixels();
  EXPECT_EQ(pixels.at({0, 0}), clWhite);
  EXPECT_EQ(pixels.at({10, 10}), clBlack);
}
