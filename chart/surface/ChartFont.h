// The chart's font: face, size in points, style, colour and character set, with the extras the
// surface honours when measuring and drawing text (spacing, shadow, emboss, outline, gradient).
#pragma once

#include "chart/surface/ChartColors.h"
#include "chart/surface/ChartGradient.h"
#include "chart/surface/ChartPen.h"
#include "chart/surface/ChartPersistent.h"

#include <cstdint>
#include <memory>
#include <string>

namespace chart {

// Font style flags; combine with |.
using TFontStyles = std::uint8_t;
inline constexpr TFontStyles fsBold = 1;
inline constexpr TFontStyles fsItalic = 2;
inline constexpr TFontStyles fsUnderline = 4;
inline constexpr TFontStyles fsStrikeOut = 8;

inline constexpr int DEFAULT_CHARSET = 1;

// A copy of text (or a shape) drawn offset behind it. Negative sizes offset up or left; either
// way the text's extent grows by the absolute size while Visible.
class TChartShadow : public TChartPersistent {
public:
  explicit TChartShadow(TColor color = clGray) : FColor(color) {}

  bool Visible() const { return FVisible; }
  void SetVisible(bool value) { SetProperty(FVisible, value); }
  int HorizSize() const { return FHorizSize; }
  void SetHorizSize(int value) { SetProperty(FHorizSize, value); }
  int VertSize() const { return FVertSize; }
  void SetVertSize(int value) { SetProperty(FVertSize, value); }
  // Sets both offsets at once.
  void SetSize(int value);
  TColor Color() const { return FColor; }
  void SetColor(TColor value) { SetProperty(FColor, value); }

private:
  bool FVisible = false;
  int FHorizSize = 1;
  int FVertSize = 1;
  TColor FColor;
};

// The emboss is a highlight copy: the same geometry as a shadow, light by default.
class TChartEmboss : public TChartShadow {
public:
  TChartEmboss() : TChartShadow(clWhite) {}
};

class TChartFont : public TChartPersistent {
public:
  TChartFont();

  const std::string& Name() const { return FName; }
  void SetName(const std::string& value) { SetProperty(FName, value); }
  // Points; text height in pixels is -(Size * 96 / 72, rounded).
  int Size() const { return FSize; }
  void SetSize(int value) { SetProperty(FSize, value); }
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles value) { SetProperty(FStyle, value); }
  TColor Color() const { return FColor; }
  void SetColor(TColor value) { SetProperty(FColor, value); }
  int Charset() const { return FCharset; }
  // Extra pixels between characters.
  int InterCharSize() const { return FInterCharSize; }

  TChartShadow& Shadow() { return FShadow; }
  const TChartShadow& Shadow() const { return FShadow; }
  TChartEmboss& Emboss() { return FEmboss; }
  const TChartEmboss& Emboss() const { return FEmboss; }
  // Draws the glyphs' outlines when visible (hidden by default).
  TChartHiddenPen& OutLine() { return FOutLine; }
  const TChartHiddenPen& OutLine() const { return FOutLine; }
  // Created (not visible) on first access; a visible one fills the glyphs with a ramp.
  TChartGradient& Gradient();
  const TChartGradient* FindGradient() const { return FGradient.get(); }

private:
  std::string FName = "Arial";
  int FSize = 8;
  TFontStyles FStyle = 0;
  TColor FColor = clBlack;
  int FCharset = DEFAULT_CHARSET;
  int FInterCharSize = 0;
  TChartShadow FShadow;
  TChartEmboss FEmboss;
  TChartHiddenPen FOutLine;
  std::unique_ptr<TChartGradient> FGradient;
};

} // namespace chart
