#include "platform/text/FontEngine.h"

#include "platform/text/SizedFont.h"
#include "platform/text/Utf8.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_map>

namespace text {

namespace {

void BlendGlyph(const TPixelTarget& t, const TGlyph& g, int left, int top, std::uint32_t color) {
  const int x0 = std::max(left, t.ClipLeft);
  const int y0 = std::max(top, t.ClipTop);
  const int x1 = std::min(left + g.Width, t.ClipRight);
  const int y1 = std::min(top + g.Height, t.ClipBottom);
  const int r = int((color >> 16) & 0xFF), gr = int((color >> 8) & 0xFF), b = int(color & 0xFF);
  for (int y = y0; y < y1; ++y) {
    const std::uint8_t* cov = g.Coverage.data() + std::ptrdiff_t(y - top) * g.Width - left;
    std::uint32_t* row = t.Pixels + std::ptrdiff_t(y) * t.Stride;
    for (int x = x0; x < x1; ++x) {
      const int a = cov[x];
      if (a == 0)
        continue;
      if (a == 255) {
        row[x] = color;
        continue;
      }
      const std::uint32_t d = row[x];
      const auto mix = [a](int dst, int src) { return dst + ((src - dst) * a + 127) / 255; };
      row[x] = std::uint32_t(mix(int((d >> 16) & 0xFF), r) << 16) |
               std::uint32_t(mix(int((d >> 8) & 0xFF), gr) << 8) | std::uint32_t(mix(int(d & 0xFF), b));
    }
  }
}

std::string CacheKey(const TFontRequest& r) {
  std::string key = r.Family;
  key += '\0';
  key += std::to_string(r.EmPixels) + ',' + std::to_string(r.CellPixels) + ',' + (r.Bold ? 'b' : '-') +
         (r.Italic ? 'i' : '-') + std::to_string(r.Escapement);
  return key;
}

} // namespace

const TFontMetrics& TFont::Metrics() const { return FImpl->Metrics(); }

bool TFont::HasFace() const { return FImpl->HasFace(); }

int TFont::Measure(std::string_view utf8, int extra) const {
  int width = 0;
  for (char32_t cp : DecodeUtf8(utf8))
    width += FImpl->Glyph(cp).Advance + extra;
  return width;
}

void TFont::Draw(const TPixelTarget& target, double x, double y, std::string_view utf8, std::uint32_t color,
                 int extra) const {
  if (!FImpl->HasFace() || target.ClipRight <= target.ClipLeft || target.ClipBottom <= target.ClipTop)
    return;
  // Screen y grows downwards, so a counter-clockwise angle moves the pen up.
  const double dx = std::cos(FImpl->Angle());
  const double dy = -std::sin(FImpl->Angle());
  double pen = 0;
  for (char32_t cp : DecodeUtf8(utf8)) {
    const TGlyph& g = FImpl->Glyph(cp);
    // Far-off positions are clamped where no glyph can reach the target, keeping int math safe.
    const int px = int(std::clamp(std::lround(x + pen * dx), -(1L << 29), 1L << 29));
    const int py = int(std::clamp(std::lround(y + pen * dy), -(1L << 29), 1L << 29));
    if (g.Width > 0)
      BlendGlyph(target, g, px + g.Left, py - g.Top, color & 0xFFFFFF);
    pen += g.Advance + extra;
  }
}

TFont GetFont(const TFontRequest& request) {
  static std::unordered_map<std::string, std::shared_ptr<TSizedFont>> cache;
  std::string key = CacheKey(request);
  auto it = cache.find(key);
  if (it == cache.end())
    it = cache.emplace(std::move(key), std::make_shared<TSizedFont>(request)).first;
  return TFont(it->second);
}

} // namespace text
