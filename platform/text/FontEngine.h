// The font engine behind device-context text: finds faces through fontconfig, rasterises glyphs
// with FreeType (grayscale antialiased) and blends them onto 0x00RRGGBB pixel buffers. Faces,
// sized fonts and glyph bitmaps are cached for the life of the process, so building a font for
// every text call costs a hash lookup after the first time.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace text {

// What to look up. EmPixels is the character (em) height, CellPixels the ascent-plus-descent
// height; exactly one of them is positive, the other 0.
struct TFontRequest {
  std::string Family;
  int EmPixels = 0;
  int CellPixels = 0;
  bool Bold = false;
  bool Italic = false;
  // Counter-clockwise rotation in tenths of a degree.
  int Escapement = 0;
  friend bool operator==(const TFontRequest&, const TFontRequest&) = default;
};

struct TFontMetrics {
  int Ascent = 0;
  int Descent = 0;
  int Height = 0;
  int InternalLeading = 0;
  int AveCharWidth = 0;
  // Offsets from the baseline (positive = below) and thickness of the decoration lines.
  int UnderlinePosition = 0;
  int StrikeOutPosition = 0;
  int LineThickness = 1;
};

// A pixel buffer to draw into, with a clip rectangle inside it (right and bottom exclusive).
struct TPixelTarget {
  std::uint32_t* Pixels = nullptr;
  int Width = 0;
  int Height = 0;
  int Stride = 0; // in pixels
  int ClipLeft = 0;
  int ClipTop = 0;
  int ClipRight = 0;
  int ClipBottom = 0;
};

class TSizedFont;

// A font ready to measure and draw; shared, immutable from the caller's side.
class TFont {
public:
  explicit TFont(std::shared_ptr<TSizedFont> impl) : FImpl(std::move(impl)) {}
  const TFontMetrics& Metrics() const;
  // Sum of the advances of the UTF-8 text plus `extra` per character, in pixels.
  int Measure(std::string_view utf8, int extra) const;
  // Draws with the baseline origin at (x, y); the font's escapement rotates about that point.
  void Draw(const TPixelTarget& target, double x, double y, std::string_view utf8, std::uint32_t color,
            int extra) const;
  // False when no face could be loaded at all: then Measure uses a fixed cell and Draw draws nothing.
  bool HasFace() const;

private:
  std::shared_ptr<TSizedFont> FImpl;
};

// Returns the cached font for a request; never throws and never fails (a fallback without a face
// still measures). Not thread-safe: the program draws on one thread.
TFont GetFont(const TFontRequest& request);

// The file fontconfig picked for a family and style (empty when none); for diagnostics and tests.
std::string ResolveFontFile(std::string_view family, bool bold, bool italic);

} // namespace text
