// The window's two charts painted at their window sizes with the layout's values, checked pixel
// by pixel where a screenshot shows the frame: panel ramp, bevel, back wall, title, series clip.
#include "app/core/ChannelLoader.h"
#include "app/core/FormChartsLayout.h"

#include "chart/Chart.h"
#include "chart/axis/ChartAxis.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"
#include "chart/surface/ChartCanvas3D.h"
#include "tests/app/reader/WaveBytes.h"
#include "tests/chart/FakeChartHost.h"
#include "app/reader/ReadWaveFile.h"
#include "platform/files/MemorySource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace app {
namespace {

using chart::TRect;
using Pixel = std::uint32_t;

constexpr int WindowChartWidth = 873;
constexpr Pixel Highlight = 0xFFFFFF; // system colour 20
constexpr Pixel Shadow = 0xA0A0A0;    // system colour 16
constexpr Pixel LightGrey = 0xEAEAEA;
constexpr Pixel GridGrey = 0xA9A9A9;
constexpr Pixel SeriesPixel = 0x4466A3; // 0xA36644 as red, green, blue

Pixel Grey(int level) { return Pixel(level) * 0x010101u; }

// Band `band` of a ramp of `bands` bands from white (band 0) to light grey (the last band).
Pixel WhiteToLightGrey(int band, int bands) { return Grey(255 + band * (0xEA - 0xFF) / (bands - 1)); }

// Which band of a bottom-up ramp of `extent` rows covers the row `fromBottom` rows above its last.
int BandOfRow(int fromBottom, int extent) {
  const int bands = std::min(extent, 256);
  for (int band = 0; band < bands; ++band)
    if (extent * band / bands <= fromBottom && fromBottom < extent * (band + 1) / bands)
      return band;
  return -1;
}

// One of the window's charts, hosted at its window size with the layout applied, as it stands
// after start-up (no points) unless a test adds some.
class TWindowChart {
public:
  explicit TWindowChart(int chartNumber) : Host(WindowChartWidth, chartNumber == 1 ? 296 : 237) {
    if (chartNumber == 1)
      Series = &SetUpChart1(Chart);
    else
      Series = &SetUpChart2(Chart);
    Chart.OnBeforeDrawSeries = [this](chart::TCustomChart& c) { Plot = c.PlotRect(); };
    Chart.SetHost(&Host);
  }
  ~TWindowChart() { Chart.SetHost(nullptr); }
  TWindowChart(const TWindowChart&) = delete;
  TWindowChart& operator=(const TWindowChart&) = delete;

  void Paint() {
    Chart.Invalidate();
    Chart.PaintMessage();
  }
  int Height() const { return Host.ClientHeight(); }
  Pixel At(int x, int y) const { return Host.Pixel(x, y); }

  // The panel's ramp: flat light grey down to the middle row, then one-row bands to white.
  Pixel PanelColour(int y) const {
    const int middle = Height() / 2;
    if (y < middle)
      return LightGrey;
    const int extent = Height() - middle;
    return WhiteToLightGrey(BandOfRow(Height() - 1 - y, extent), std::min(extent, 256));
  }
  // The back wall's ramp over PlotRect's rows, its bottom line included.
  Pixel WallColour(int y) const {
    const int extent = Plot.Bottom + 1 - Plot.Top;
    return WhiteToLightGrey(BandOfRow(Plot.Bottom - y, extent), std::min(extent, 256));
  }
  int TitleLineHeight() {
    Chart.Canvas().AssignFont(Chart.Title().Font());
    const int height = Chart.Canvas().FontHeight();
    Chart.Canvas().ResetState();
    return height;
  }

  chart::testing::TFakeChartHost Host;
  chart::TChart Chart;
  chart::TChartSeries* Series = nullptr;
  TRect Plot;
};

TEST(FormChartsPaint, PanelRampAndRaisedBevelOnEveryRowOfBothCharts) {
  for (int number : {1, 2}) {
    TWindowChart w(number);
    w.Paint();
    const int h = w.Height();
    const int right = WindowChartWidth - 1;
    // Highlight on the left column and top row, shadow on the right column and bottom row; the
    // shadow, drawn second, takes the top-right and bottom-left corners.
    for (int y = 0; y < h; ++y) {
      ASSERT_EQ(w.At(0, y), y == h - 1 ? Shadow : Highlight) << number << " row " << y;
      ASSERT_EQ(w.At(right, y), Shadow) << number << " row " << y;
    }
    for (int x = 0; x < WindowChartWidth; ++x) {
      ASSERT_EQ(w.At(x, 0), x == right ? Shadow : Highlight) << number << " column " << x;
      ASSERT_EQ(w.At(x, h - 1), Shadow) << number << " column " << x;
    }
    // Inside the bevel, left of the percent margin (26 pixels), nothing but the panel ramp.
    for (int y = 1; y < h - 1; ++y)
      for (int x = 1; x < 27; ++x)
        ASSERT_EQ(w.At(x, y), w.PanelColour(y)) << number << " at " << x << ", " << y;
  }

  // The upper chart's worked rows: flat to row 147, then 255 + (i * -21) div 147 from row 295 up.
  TWindowChart upper(1);
  upper.Paint();
  EXPECT_EQ(upper.At(5, 147), LightGrey);
  EXPECT_EQ(upper.At(5, 148), LightGrey);
  EXPECT_EQ(upper.At(5, 294), Grey(255));
  EXPECT_EQ(upper.At(5, 295 - 6), Grey(255));
  EXPECT_EQ(upper.At(5, 295 - 7), Grey(254));
  EXPECT_EQ(upper.At(5, 295 - 146), Grey(255 + 146 * -21 / 147));
}

TEST(FormChartsPaint, BackWallRampInsideABlackOutlineOnPlotRect) {
  for (int number : {1, 2}) {
    TWindowChart w(number);
    w.Paint();
    const TRect p = w.Plot;
    // The axes draw their lines over the wall's left column and bottom rows; the top and right
    // lines keep the black outline, right one inclusive, and the panel starts just beyond.
    for (int x = p.Left + 1; x <= p.Right; ++x)
      ASSERT_EQ(w.At(x, p.Top), 0u) << number << " column " << x;
    for (int y = p.Top; y < p.Bottom - 1; ++y) {
      ASSERT_EQ(w.At(p.Right, y), 0u) << number << " row " << y;
      ASSERT_EQ(w.At(p.Right + 1, y), w.PanelColour(y)) << number << " row " << y;
    }
    for (int x = p.Left; x <= p.Right + 1; ++x)
      ASSERT_EQ(w.At(x, p.Top - 1), w.PanelColour(p.Top - 1)) << number << " column " << x;
    // Every inside pixel is its row's band, except the dashed grid through the empty axes' zero.
    for (int y = p.Top + 1; y < p.Bottom - 1; ++y)
      for (int x = p.Left + 1; x < p.Right; ++x) {
        const Pixel at = w.At(x, y);
        if (at == GridGrey && (x == w.Chart.Frame().PlotCenterX() || y == w.Chart.Frame().PlotCenterY()))
          continue;
        ASSERT_EQ(at, w.WallColour(y)) << number << " at " << x << ", " << y;
      }
    // The band under the top outline is one step off light grey; the bottom bands are white.
    EXPECT_EQ(w.At(p.Left + 5, p.Top + 1), w.WallColour(p.Top + 1));
    EXPECT_EQ(w.At(p.Left + 5, p.Bottom - 2), Grey(255));

    // Without axes all four lines of the outline show.
    w.Chart.SetAxisVisible(false);
    w.Paint();
    const TRect q = w.Plot;
    for (int x = q.Left; x <= q.Right; ++x) {
      ASSERT_EQ(w.At(x, q.Top), 0u) << number << " column " << x;
      ASSERT_EQ(w.At(x, q.Bottom), 0u) << number << " column " << x;
      ASSERT_EQ(w.At(x, q.Bottom + 1), w.PanelColour(q.Bottom + 1)) << number << " column " << x;
    }
    for (int y = q.Top; y <= q.Bottom; ++y) {
      ASSERT_EQ(w.At(q.Left, y), 0u) << number << " row " << y;
      ASSERT_EQ(w.At(q.Left - 1, y), w.PanelColour(y)) << number << " row " << y;
    }
  }
}

TEST(FormChartsPaint, TitleSitsAtItsWorkedPlaceAndPushesThePlotDown) {
  for (int number : {1, 2}) {
    TWindowChart w(number);
    const int lh = w.TitleLineHeight();
    ASSERT_GT(lh, 0);
    w.Paint();
    // The margin line is 12 on the upper chart and 9 + 1 on the lower; no top axis is shown.
    const int top = number == 1 ? 12 : 10;
    EXPECT_EQ(w.Chart.Title().TitleRect().Top, top) << number;
    EXPECT_EQ(w.Chart.Title().TitleRect().Bottom, top + 1 + lh + 1) << number;
    EXPECT_EQ(w.Plot.Top, top + 8 + lh) << number;

    // The same chart with an invisible title font, then "TChart" drawn by hand at (436 - half its
    // width, top + 1): both pictures must agree pixel for pixel.
    TWindowChart reference(number);
    reference.Chart.Title().Font().SetColor(chart::clNone);
    chart::TChartFont font;
    font.SetName("Verdana");
    font.SetColor(chart::clBlue);
    reference.Chart.OnAfterDraw = [&](chart::TCustomChart& c) {
      chart::TChartCanvas3D& canvas = c.Canvas();
      canvas.AssignFont(font);
      canvas.TextOut(436 - canvas.TextWidth("TChart") / 2, top + 1, "TChart");
    };
    reference.Paint();
    const auto actual = w.Host.Pixels();
    const auto expected = reference.Host.Pixels();
    ASSERT_EQ(actual.size(), expected.size());
    int blue = 0;
    for (std::size_t i = 0; i < actual.size(); ++i) {
      ASSERT_EQ(actual[i], expected[i])
          << number << " at " << i % WindowChartWidth << ", " << i / WindowChartWidth;
      const Pixel px = actual[i];
      blue += (px & 0xFF) > ((px >> 16) & 0xFF) + 40 ? 1 : 0;
    }
    EXPECT_GT(blue, 20) << number;
  }
}

TEST(FormChartsPaint, SeriesDrawLastInsideThePlotWithoutItsLeftColumnAndBottomLine) {
  TWindowChart w(2);
  // The lower chart has no axis offsets: the first and last points sit on PlotRect's left and
  // right lines, the extremes on its top and bottom lines.
  for (int i = 1; i <= 400; ++i)
    w.Series->AddPoint(i, i % 2 == 0 ? 1000 : -1000, "", chart::DefaultSeriesColor);
  w.Paint();
  const TRect p = w.Plot;
  int onTop = 0, onLeftNeighbour = 0, onRightNeighbour = 0;
  for (int y = 0; y < w.Height(); ++y)
    for (int x = 0; x < WindowChartWidth; ++x) {
      if (w.At(x, y) != SeriesPixel)
        continue;
      ASSERT_TRUE(x > p.Left && x < p.Right && y >= p.Top && y < p.Bottom) << x << ", " << y;
      onTop += y == p.Top;
      onLeftNeighbour += x == p.Left + 1;
      onRightNeighbour += x == p.Right - 1;
    }
  // The series covers the wall's top outline and the axis line's inner row: it paints last.
  EXPECT_GT(onTop, 0);
  EXPECT_GT(onLeftNeighbour, 0);
  EXPECT_GT(onRightNeighbour, 0);
}

// The largest data chunk the reader takes, 536,870,911 frames, in pages that are never written
// but at both ends (they cost address space, not memory): loaded whole, painted, zoomed into its
// last frames and scrolled on both charts, with every index and axis end right at the last frame.
TEST(FormChartsPaint, TheLargestDataChunkLoadsAndShowsItsLastFrame) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer's shadow of two gigabytes of frames does not fit";
#endif
  files::TMemoryStream data;
  data.SetSize(0x7FFFFFFF);
  auto* samples = reinterpret_cast<std::int16_t*>(data.Memory());
  const std::size_t last = 2 * std::size_t(MaxFrames - 1);
  samples[0] = -1234;
  samples[1] = 1234;
  samples[last] = 4321;
  samples[last + 1] = -4321;
  TWindowChart upper(1);
  TWindowChart lower(2);
  TSampleStore store;
  const reader::TReadDetails details;
  ASSERT_EQ(TChannelLoader(details, {})
                .Load(data, store, static_cast<chart::TFastLineSeries&>(*upper.Series),
                      static_cast<chart::TLineSeries&>(*lower.Series)),
            MaxFrames);
  EXPECT_EQ(store.LeftSamples[std::size_t(MaxFrames - 1)], 4321);
  EXPECT_EQ(store.RightSamples[std::size_t(MaxFrames - 1)], -4321);
  for (TWindowChart* w : {&upper, &lower}) {
    const bool isUpper = w == &upper;
    SCOPED_TRACE(isUpper ? "upper chart" : "lower chart");
    const chart::TChartSeries& series = *w->Series;
    EXPECT_EQ(series.YValues().ListMaximum(), isUpper ? 4321 : 1234);
    EXPECT_EQ(series.YValues().ListMinimum(), isUpper ? -1234 : -4321);
    EXPECT_EQ(series.XValues().Last(), MaxFrames);
    w->Paint();
    chart::TChartAxis& bottom = w->Chart.BottomAxis();
    EXPECT_EQ(series.FirstVisible(), 0);
    EXPECT_EQ(series.LastVisible(), MaxFrames - 1);
    // The upper chart's axes keep a few pixels free at their ends, the lower chart's none.
    EXPECT_EQ(bottom.WorkMaximum() == MaxFrames, !isUpper);
    EXPECT_GE(bottom.WorkMaximum(), MaxFrames);
    EXPECT_LE(bottom.ValueToPixel(MaxFrames), w->Plot.Right);
    EXPECT_GE(w->Chart.LeftAxis().WorkMaximum(), isUpper ? 4321 : 1234);

    // Drags over the 40 pixels up to the last frame, down to a few thousand frames.
    const chart::TRect plot = w->Plot;
    for (int zoom = 0; zoom < 6 && series.LastVisible() - series.FirstVisible() > 5000; ++zoom) {
      const int end = bottom.ValueToPixel(MaxFrames) + 1;
      w->Chart.MouseDown(chart::TMouseButton::mbLeft, {}, end - 40, plot.Top + 2);
      w->Chart.MouseMove({}, end, plot.Bottom - 2);
      w->Chart.MouseUp(chart::TMouseButton::mbLeft, {}, end, plot.Bottom - 2);
      w->Paint();
      ASSERT_EQ(series.LastVisible(), MaxFrames - 1) << "zoom " << zoom;
    }
    EXPECT_GT(series.FirstVisible(), MaxFrames - 5000);
    EXPECT_GT(bottom.WorkMinimum(), MaxFrames - 5000.0);
    EXPECT_GE(bottom.WorkMaximum(), MaxFrames);

    // Scrolled right by a tenth of the plot: the last frame moves left with the drag.
    const int middle = (plot.Left + plot.Right) / 2;
    const int shift = (plot.Right - plot.Left) / 10;
    const double atMiddle = bottom.PixelToValue(middle);
    w->Chart.MouseDown(chart::TMouseButton::mbRight, {}, middle, plot.Top + 5);
    w->Chart.MouseMove({}, middle - shift, plot.Top + 5);
    w->Chart.MouseUp(chart::TMouseButton::mbRight, {}, middle - shift, plot.Top + 5);
    w->Paint();
    EXPECT_NEAR(bottom.PixelToValue(middle - shift), atMiddle, 2);
    EXPECT_EQ(series.LastVisible(), MaxFrames - 1);
    EXPECT_GT(bottom.WorkMaximum(), double(MaxFrames));
  }
}

// The same numbers in any coding draw the same pixels as recorded.
class TNoLog final : public reader::TWaveLog {
  void AppendLine(const std::string&) override {}
};

using TPictures = std::array<std::vector<Pixel>, 2>;

TPictures PicturesOf(const std::string& format, const std::string& data, const TShowChoice& choice) {
  const std::string file =
      wavebytes::RiffFile(wavebytes::Chunk("fmt ", format) + wavebytes::Chunk("data", data));
  files::TMemorySource source(file.data(), file.size());
  reader::TWaveInfo info;
  reader::TReadDetails details;
  TNoLog log;
  TChannelLoader loader(details, choice);
  reader::ReadWaveFile(source, info, log, details, pages::SystemPageMemory(), &loader);
  TWindowChart upper(1);
  TWindowChart lower(2);
  TSampleStore store;
  loader.Load(*info.Data, store, *upper.Series, *lower.Series);
  upper.Paint();
  lower.Paint();
  return {upper.Host.Pixels(), lower.Host.Pixels()};
}

// Frame i's sample of channel c (from 0) as bytes of a coding.
std::string Frames(int channels, int frames, const std::function<std::string(std::int32_t)>& code,
                   const std::function<std::int32_t(int, int)>& sample) {
  std::string bytes;
  for (int i = 0; i < frames; ++i)
    for (int c = 0; c < channels; ++c)
      bytes += code(sample(i, c));
  return bytes;
}

TEST(FormChartsPaint, TheSameNumbersInAnyCodingDrawTheSamePixelsAsRecorded) {
  using wavebytes::FormatBody;
  using wavebytes::FormatFields;
  const int count = 5000;
  // Full scale at the ends and zero, then a decaying tone on the left and noise on the right.
  const auto number = [](int i, int c) -> std::int32_t {
    if (i < 3)
      return std::array<std::int32_t, 3>{-32768, 0, 32767}[std::size_t(i)];
    return c == 0 ? std::int32_t(30000 * std::sin(i / 40.0) * std::exp(-i / 3000.0))
                  : std::int32_t((i * 7919) % 65536 - 32768);
  };
  const auto pcm = [](int bytes) {
    return [bytes](std::int32_t v) {
      return std::string(reinterpret_cast<const char*>(&v), std::size_t(bytes));
    };
  };
  const auto real = [](auto zero) {
    return [](std::int32_t v) {
      const decltype(zero) f = decltype(zero)(v);
      return std::string(reinterpret_cast<const char*>(&f), sizeof f);
    };
  };
  const TShowChoice recorded{true, 1, 2};
  const TPictures reference =
      PicturesOf(FormatBody(2, 48000, 16), Frames(2, count, pcm(2), number), recorded);

  struct TRow {
    const char* Name;
    std::string Format;
    std::string Data;
    TShowChoice Choice;
  };
  // The extensible chunk: 24 bits valid, 2 channels, sub-format PCM.
  const std::string extensible = FormatFields(0xFFFE, 2, 48000, 6, 24) + wavebytes::Le16(22) +
                                 wavebytes::Le16(24) + wavebytes::Le32(3) + wavebytes::Le16(1) +
                                 std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
  const std::vector<TRow> rows = {
      {"24-bit", FormatBody(2, 48000, 24), Frames(2, count, pcm(3), number), recorded},
      {"32-bit", FormatBody(2, 48000, 32), Frames(2, count, pcm(4), number), recorded},
      {"float32", FormatBody(2, 48000, 32, 3), Frames(2, count, real(0.0f), number), recorded},
      {"float64", FormatBody(2, 48000, 64, 3), Frames(2, count, real(0.0), number), recorded},
      {"extensible 24-bit", extensible, Frames(2, count, pcm(3), number), recorded},
      {"6 channels, 3 and 5 shown",
       FormatBody(6, 48000, 16),
       Frames(6, count, pcm(2),
              [&](int i, int c) { return c == 2   ? number(i, 0)
                                         : c == 4 ? number(i, 1)
                                                  : 0; }),
       {true, 3, 5}},
  };
  for (const TRow& row : rows) {
    SCOPED_TRACE(row.Name);
    const TPictures pictures = PicturesOf(row.Format, row.Data, row.Choice);
    EXPECT_TRUE(pictures[0] == reference[0]) << "upper chart";
    EXPECT_TRUE(pictures[1] == reference[1]) << "lower chart";
  }
  const TPictures mono = PicturesOf(FormatBody(1, 48000, 16), Frames(1, count, pcm(2), number), recorded);
  EXPECT_TRUE(mono[0] == reference[0]) << "a mono file's upper chart is the stereo file's";
}

} // namespace
} // namespace app
