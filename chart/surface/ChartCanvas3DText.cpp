// Text output and measurement of the drawing surface: a raster font built per call from the
// current font, plus the bound chart font's shadow, emboss and outline.
#include "chart/surface/ChartCanvas3D.h"

#include <array>
#include <cstdlib>

namespace chart {

gdi::TFont TChartCanvas3D::BuildFont(int angle) const {
  gdi::TFont font;
  font.FaceName = FFont.Name;
  // Negative: the character height, as the layout's points mean it.
  font.Height = -MulDiv(FFont.Size, ScreenPixelsPerInch, 72);
  font.Bold = (FFont.Style & fsBold) != 0;
  font.Italic = (FFont.Style & fsItalic) != 0;
  font.Underline = (FFont.Style & fsUnderline) != 0;
  font.StrikeOut = (FFont.Style & fsStrikeOut) != 0;
  font.Escapement = angle * 10;
  return font;
}

// Copies of the text behind it: the shadow offset by its sizes, the emboss the other way, and
// an outline as a one-pixel halo in the outline pen's colour.
void TChartCanvas3D::DrawTextEffects(int x, int y, std::string_view text) {
  if (!FBoundFont)
    return;
  const gdi::TBkMode mode = FTarget->BkMode();
  FTarget->SetBkMode(gdi::TBkMode::Transparent);
  const TChartShadow& shadow = FBoundFont->Shadow();
  if (shadow.Visible()) {
    FTarget->SetTextColor(gdi::ColorToPixel(shadow.Color()));
    FTarget->TextOut(x + shadow.HorizSize(), y + shadow.VertSize(), text);
  }
  const TChartEmboss& emboss = FBoundFont->Emboss();
  if (emboss.Visible()) {
    FTarget->SetTextColor(gdi::ColorToPixel(emboss.Color()));
    FTarget->TextOut(x - emboss.HorizSize(), y - emboss.VertSize(), text);
  }
  const TChartPen& outline = FBoundFont->OutLine();
  if (outline.Visible() && outline.Color() != clNone) {
    FTarget->SetTextColor(gdi::ColorToPixel(outline.Color()));
    const int w = std::max(outline.Width(), 1);
    const std::array<TPoint, 4> offsets{{{-w, 0}, {w, 0}, {0, -w}, {0, w}}};
    for (const TPoint& offset : offsets)
      FTarget->TextOut(x + offset.X, y + offset.Y, text);
  }
  FTarget->SetBkMode(mode);
}

void TChartCanvas3D::DrawText(int x, int y, int angle, std::string_view text) {
  const gdi::TFont previous = FTarget->Font();
  FTarget->SelectFont(BuildFont(angle));
  DrawTextEffects(x, y, text);
  if (FFont.Color != clNone) {
    FTarget->SetTextColor(gdi::ColorToPixel(FFont.Color));
    FTarget->TextOut(x, y, text);
  }
  FTarget->SelectFont(previous);
}

void TChartCanvas3D::TextOut(int x, int y, std::string_view text) { DrawText(x, y, 0, text); }
void TChartCanvas3D::TextOut(int x, int y, int, std::string_view text) { DrawText(x, y, 0, text); }

void TChartCanvas3D::RotatedTextOut(int x, int y, int angle, std::string_view text) {
  while (angle > 360)
    angle -= 360;
  DrawText(x, y, angle, text);
}

gdi::TSize TChartCanvas3D::MeasureText(std::string_view text) {
  const gdi::TFont previous = FTarget->Font();
  FTarget->SelectFont(BuildFont(0));
  gdi::TSize size = FTarget->GetTextExtent(text);
  FTarget->SelectFont(previous);
  if (FBoundFont) {
    if (FBoundFont->Shadow().Visible()) {
      size.Width += std::abs(FBoundFont->Shadow().HorizSize());
      size.Height += std::abs(FBoundFont->Shadow().VertSize());
    }
    if (FBoundFont->Emboss().Visible()) {
      size.Width += std::abs(FBoundFont->Emboss().HorizSize());
      size.Height += std::abs(FBoundFont->Emboss().VertSize());
    }
  }
  return size;
}

int TChartCanvas3D::TextWidth(std::string_view text) { return MeasureText(text).Width; }
int TChartCanvas3D::TextHeight(std::string_view text) { return MeasureText(text).Height; }

} // namespace chart
