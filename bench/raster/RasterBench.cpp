// Measures the two raster operations a chart paint spends its time in: millions of one-pixel
// solid LineTo segments (the fast line series) and TextOut with a font built per call (axis
// labels). Prints one JSON object.
#include "platform/gdi/DeviceContext.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

struct TLineResult {
  double NsPerSegment;
  double NsPerPixel;
  std::int64_t Pixels;
};

// Random segments between points anywhere in the bitmap, or (short) each within `reach` pixels of
// the previous point, as a dense series draws them.
TLineResult BenchLines(gdi::TGdiDC& dc, int segments, int reach) {
  const int width = dc.Bitmap().Width(), height = dc.Bitmap().Height();
  std::mt19937 rng(42);
  std::uniform_int_distribution<int> xs(0, width - 1), ys(0, height - 1), step(-reach, reach);
  std::vector<gdi::TPoint> points(std::size_t(segments) + 1);
  std::int64_t pixels = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    points[i] = reach > 0 && i > 0 ? gdi::TPoint{std::clamp(points[i - 1].X + step(rng), 0, width - 1),
                                                 std::clamp(points[i - 1].Y + step(rng), 0, height - 1)}
                                   : gdi::TPoint{xs(rng), ys(rng)};
    if (i > 0)
      pixels += std::max(std::abs(points[i].X - points[i - 1].X), std::abs(points[i].Y - points[i - 1].Y));
  }
  dc.SelectPen(gdi::TPen::Cosmetic(gdi::TPenStyle::psSolid, 0x0000FF));
  const auto start = Clock::now();
  dc.MoveTo(points[0].X, points[0].Y);
  for (std::size_t i = 1; i < points.size(); ++i)
    dc.LineTo(points[i].X, points[i].Y);
  const double s = Seconds(start);
  return {s * 1e9 / segments, s * 1e9 / double(std::max<std::int64_t>(pixels, 1)), pixels};
}

void Label(gdi::TGdiDC& dc, int i) {
  // A new font description per call, as the chart surface builds one for every label.
  gdi::TFont font;
  font.FaceName = "Verdana";
  font.Height = -11;
  dc.SelectFont(font);
  dc.SetTextColor(0x000000);
  dc.TextOut(60 + (i % 10) * 80, 20 + (i % 25) * 10, "-1,234");
}

struct TTextResult {
  double FirstMs; // font lookup, face loading and first glyphs
  double UsPerCall;
};

TTextResult BenchText(gdi::TGdiDC& dc, int calls) {
  dc.SetBkMode(gdi::TBkMode::Transparent);
  dc.SetTextAlign(gdi::TA_RIGHT | gdi::TA_TOP);
  auto start = Clock::now();
  Label(dc, 0);
  const double firstMs = Seconds(start) * 1e3;
  start = Clock::now();
  for (int i = 0; i < calls; ++i)
    Label(dc, i);
  return {firstMs, Seconds(start) * 1e6 / calls};
}

} // namespace

int main(int argc, char** argv) {
  const int segments = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000000;
  const int textCalls = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1000;
  gdi::TGdiBitmap bitmap(873, 296);
  gdi::TGdiDC dc(bitmap);
  // The plotting rectangle of a chart of that size, as a series draws clipped to it.
  dc.IntersectClipRect({40, 10, 860, 270});
  const TLineResult lines = BenchLines(dc, segments, 0);
  const TLineResult shortLines = BenchLines(dc, segments, 3);
  const TTextResult text = BenchText(dc, textCalls);
  std::printf("{\"segments\": %d, \"pixels\": %lld, \"ns_per_segment\": %.2f, \"ns_per_pixel\": %.3f, "
              "\"short_segments_pixels\": %lld, \"short_ns_per_segment\": %.2f, "
              "\"textout_calls\": %d, \"first_textout_ms\": %.3f, \"us_per_textout\": %.3f}\n",
              segments, static_cast<long long>(lines.Pixels), lines.NsPerSegment, lines.NsPerPixel,
              static_cast<long long>(shortLines.Pixels), shortLines.NsPerSegment, textCalls, text.FirstMs,
              text.UsPerCall);
  return 0;
}
