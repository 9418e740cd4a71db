// Text output and measurement of the device context, through the font engine.
#include "platform/gdi/DeviceContext.h"

#include "platform/gdi/PolygonRaster.h"
#include "platform/text/FontEngine.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gdi {

namespace {

// The font at `scale` device pixels per logical pixel.
text::TFontRequest RequestOf(const TFont& font, int scale) {
  text::TFontRequest r;
  r.Family = font.FaceName;
  if (font.Height < 0)
    r.EmPixels = ScaledClamped(font.Height, -scale); // a negative height is the em size
  else
    r.CellPixels = ScaledClamped(font.Height > 0 ? font.Height : 16, scale);
  r.Bold = font.Bold;
  r.Italic = font.Italic;
  // Only the rotation itself matters; whole turns would otherwise make new cache entries.
  r.Escapement = ((font.Escapement % 3600) + 3600) % 3600;
  return r;
}

TTextMetrics ToMetrics(const text::TFontMetrics& m) {
  return {m.Ascent, m.Descent, m.Height, m.InternalLeading, m.AveCharWidth};
}

// A box along the text direction: `along` pixels from the origin, `from`..`to` across it (positive
// = below the baseline), as a polygon in pixel-corner space.
raster::TContour TextBand(double ox, double oy, double dx, double dy, double along, double from, double to) {
  // Perpendicular pointing below the text (screen y grows downwards).
  const double px = -dy;
  const double py = dx;
  return {{ox + from * px, oy + from * py},
          {ox + along * dx + from * px, oy + along * dy + from * py},
          {ox + along * dx + to * px, oy + along * dy + to * py},
          {ox + to * px, oy + to * py}};
}

} // namespace

// Measured at the logical size, so text takes the same room at every device scale.
TSize TGdiDC::GetTextExtent(std::string_view text) const {
  text::TFontRequest r = RequestOf(FFont, 1);
  r.Escapement = 0;
  const text::TFont font = text::GetFont(r);
  return {font.Measure(text, FCharExtra), font.Metrics().Height};
}

TTextMetrics TGdiDC::GetTextMetrics() const {
  text::TFontRequest r = RequestOf(FFont, 1);
  r.Escapement = 0;
  return ToMetrics(text::GetFont(r).Metrics());
}

// Drawn in device pixels with the font at the device size, so the glyphs are rasterised sharp.
void TGdiDC::TextOut(int x, int y, std::string_view str) {
  const int scale = Scale();
  const text::TFont font = text::GetFont(RequestOf(FFont, scale));
  const text::TFontMetrics& m = font.Metrics();
  const int charExtra = FCharExtra * scale;
  const int width = font.Measure(str, charExtra);
  const double angle = FFont.Escapement / 10.0 * std::numbers::pi / 180.0;
  const double dx = std::cos(angle);
  const double dy = -std::sin(angle);

  const unsigned horizontal = FTextAlign & TA_CENTER;
  const unsigned vertical = FTextAlign & TA_BASELINE;
  const double shiftAlong = horizontal == TA_CENTER ? -(width / 2) : horizontal == TA_RIGHT ? -width : 0;
  const double shiftDown = vertical == TA_BASELINE ? 0 : vertical == TA_BOTTOM ? -m.Descent : m.Ascent;
  // Baseline origin of the first character.
  const double ox = double(x) * scale + shiftAlong * dx - shiftDown * dy;
  const double oy = double(y) * scale + shiftAlong * dy + shiftDown * dx;

  const TRect clip = ClipBox();
  const auto fill = [&](const raster::TContour& band, TPixel color) {
    FillDevice({band}, false, TBrush::Solid(color), TRop2::Copy);
  };
  if (FBkMode == TBkMode::Opaque)
    fill(TextBand(ox, oy, dx, dy, width, -m.Ascent, m.Descent), FBkColor);

  const text::TPixelTarget target{FBitmap->Pixels(), FBitmap->Width(), FBitmap->Height(), FBitmap->Width(),
                                  clip.Left,         clip.Top,         clip.Right,        clip.Bottom};
  font.Draw(target, ox, oy, str, FTextColor, charExtra);

  const double thick = m.LineThickness;
  if (FFont.Underline)
    fill(TextBand(ox, oy, dx, dy, width, m.UnderlinePosition, m.UnderlinePosition + thick), FTextColor);
  if (FFont.StrikeOut)
    fill(TextBand(ox, oy, dx, dy, width, m.StrikeOutPosition, m.StrikeOutPosition + thick), FTextColor);
}

} // namespace gdi
