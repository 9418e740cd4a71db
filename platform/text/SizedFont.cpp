#include "platform/text/SizedFont.h"

#include "platform/text/FaceLookup.h"

#include FT_OUTLINE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <numbers>

namespace text {

namespace {

// Initialised on first use and kept for the whole process: faces in the font cache are released
// at exit and need it alive then.
FT_Library Library() {
  static FT_Library const library = [] {
    FT_Library lib = nullptr;
    return FT_Init_FreeType(&lib) == 0 ? lib : nullptr;
  }();
  return library;
}

// Vertical extents in font units: the Windows ascent and descent when the face has them, as they
// decide the cell height of the same font elsewhere.
void DesignExtents(FT_Face face, double& ascent, double& descent) {
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
    ascent = os2->usWinAscent;
    descent = os2->usWinDescent;
  } else {
    ascent = face->ascender;
    descent = -face->descender;
  }
  if (ascent + descent <= 0) {
    ascent = face->units_per_EM * 0.9;
    descent = face->units_per_EM * 0.2;
  }
}

} // namespace

TSizedFont::TSizedFont(const TFontRequest& request) {
  FAngle = request.Escapement / 10.0 * std::numbers::pi / 180.0;
  FEm = std::max(request.EmPixels, 1);
  OpenFace(request);
  ComputeMetrics();
}

TSizedFont::~TSizedFont() {
  if (FFace)
    FT_Done_Face(FFace);
}

void TSizedFont::OpenFace(const TFontRequest& request) {
  FT_Library library = Library();
  if (!library)
    return;
  const TFaceChoice choice = FindFace(request.Family, request.Bold, request.Italic);
  if (choice.File.empty() || FT_New_Face(library, choice.File.c_str(), choice.Index, &FFace) != 0) {
    FFace = nullptr;
    return;
  }
  FSynthBold = request.Bold && !choice.IsBold;
  FSynthItalic = request.Italic && !choice.IsItalic;
  if (request.EmPixels <= 0 && request.CellPixels > 0) {
    double ascent = 0, descent = 0;
    DesignExtents(FFace, ascent, descent);
    FEm = std::max(1, int(std::lround(request.CellPixels * FFace->units_per_EM / (ascent + descent))));
  }
  if (FT_Set_Pixel_Sizes(FFace, 0, FT_UInt(FEm)) != 0) {
    FT_Done_Face(FFace);
    FFace = nullptr;
  }
}

void TSizedFont::ComputeMetrics() {
  TFontMetrics& m = FMetrics;
  if (!FFace) {
    m.Ascent = int(std::ceil(FEm * 0.905));
    m.Descent = int(std::ceil(FEm * 0.212));
    m.Height = m.Ascent + m.Descent;
    m.InternalLeading = std::max(m.Height - FEm, 0);
    m.AveCharWidth = std::max(FEm / 2, 1);
    m.UnderlinePosition = std::max(m.Descent / 2, 1);
    m.StrikeOutPosition = -m.Ascent / 3;
    m.LineThickness = std::max(FEm / 14, 1);
    return;
  }
  const double scale = double(FEm) / FFace->units_per_EM;
  double ascent = 0, descent = 0;
  DesignExtents(FFace, ascent, descent);
  m.Ascent = int(std::ceil(ascent * scale - 1e-6));
  m.Descent = int(std::ceil(descent * scale - 1e-6));
  m.Height = m.Ascent + m.Descent;
  m.InternalLeading = std::max(m.Height - FEm, 0);
  m.LineThickness = std::max(1, int(std::lround(FFace->underline_thickness * scale)));
  m.UnderlinePosition = std::max(1, int(std::lround(-FFace->underline_position * scale)));
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(FFace, FT_SFNT_OS2));
  m.StrikeOutPosition = os2 && os2->version != 0xFFFF && os2->yStrikeoutPosition > 0
                            ? -int(std::lround(os2->yStrikeoutPosition * scale))
                            : -m.Ascent / 3;
  m.AveCharWidth = std::max(Glyph(U'x').Advance, 1);
}

const TGlyph& TSizedFont::Glyph(char32_t cp) {
  if (cp < FAscii.size()) {
    std::optional<TGlyph>& slot = FAscii[cp];
    if (!slot)
      slot = Render(cp);
    return *slot;
  }
  auto it = FOther.find(cp);
  if (it == FOther.end())
    it = FOther.emplace(cp, Render(cp)).first;
  return it->second;
}

TGlyph TSizedFont::Render(char32_t cp) const {
  TGlyph glyph;
  if (!FFace) {
    glyph.Advance = FMetrics.AveCharWidth;
    return glyph;
  }
  const bool rotated = FAngle != 0;
  // Hinting snaps to the pixel grid of upright text only.
  const FT_Int32 flags = FT_LOAD_NO_BITMAP | (rotated ? FT_LOAD_NO_HINTING : FT_LOAD_TARGET_LIGHT);
  if (FT_Load_Glyph(FFace, FT_Get_Char_Index(FFace, FT_ULong(cp)), flags) != 0)
    return glyph;
  FT_GlyphSlot slot = FFace->glyph;
  if (FSynthBold)
    FT_GlyphSlot_Embolden(slot);
  if (FSynthItalic)
    FT_GlyphSlot_Oblique(slot);
  glyph.Advance = int((slot->advance.x + 32) >> 6);
  if (slot->format != FT_GLYPH_FORMAT_OUTLINE)
    return glyph;
  if (rotated) {
    const FT_Fixed c = FT_Fixed(std::lround(std::cos(FAngle) * 65536.0));
    const FT_Fixed s = FT_Fixed(std::lround(std::sin(FAngle) * 65536.0));
    FT_Matrix matrix{c, -s, s, c};
    FT_Outline_Transform(&slot->outline, &matrix);
  }
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0 || slot->bitmap.pixel_mode != FT_PIXEL_MODE_GRAY)
    return glyph;
  const FT_Bitmap& bmp = slot->bitmap;
  glyph.Left = slot->bitmap_left;
  glyph.Top = slot->bitmap_top;
  glyph.Width = int(bmp.width);
  glyph.Height = int(bmp.rows);
  glyph.Coverage.resize(std::size_t(glyph.Width) * std::size_t(glyph.Height));
  for (int row = 0; row < glyph.Height; ++row) {
    const unsigned char* src = bmp.buffer + std::ptrdiff_t(row) * bmp.pitch;
    std::copy(src, src + glyph.Width, glyph.Coverage.begin() + std::ptrdiff_t(row) * glyph.Width);
  }
  return glyph;
}

} // namespace text
