// One face at one size, style and rotation, with its metrics and its cache of rendered glyphs.
#pragma once

#include "platform/text/FontEngine.h"

#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace text {

struct TGlyph {
  // Bitmap position relative to the pen on the baseline: Left to the right, Top upwards.
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  int Advance = 0; // whole pixels along the text direction
  std::vector<std::uint8_t> Coverage;
};

class TSizedFont {
public:
  // Never throws: without a usable face the font measures with a fixed cell and draws nothing.
  explicit TSizedFont(const TFontRequest& request);
  ~TSizedFont();
  TSizedFont(const TSizedFont&) = delete;
  TSizedFont& operator=(const TSizedFont&) = delete;

  const TFontMetrics& Metrics() const { return FMetrics; }
  bool HasFace() const { return FFace != nullptr; }
  double Angle() const { return FAngle; } // radians, counter-clockwise
  const TGlyph& Glyph(char32_t cp);

private:
  FT_Face FFace = nullptr;
  bool FSynthBold = false;
  bool FSynthItalic = false;
  double FAngle = 0;
  int FEm = 0;
  TFontMetrics FMetrics;
  std::array<std::optional<TGlyph>, 128> FAscii;
  std::unordered_map<char32_t, TGlyph> FOther;

  void OpenFace(const TFontRequest& request);
  void ComputeMetrics();
  TGlyph Render(char32_t cp) const;
};

} // namespace text
