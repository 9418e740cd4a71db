// Pen, brush and font descriptions that a device context draws with. They are plain values:
// selecting one copies it, so building one per call (as the chart surface does) costs nothing.
#pragma once

#include "platform/gdi/Colors.h"

#include <string>
#include <vector>

namespace gdi {

enum class TPenStyle {
  psSolid,
  psDash,        // cosmetic: 18 on, 6 off; geometric: 3w on, w off
  psDot,         // cosmetic: 3 on, 3 off; geometric: w on, w off
  psDashDot,     // cosmetic: 9, 6, 3, 6; geometric: 3w, w, w, w
  psDashDotDot,  // cosmetic: 9, 3, 3, 3, 3, 3; geometric: 3w, w, w, w, w, w
  psClear,       // draws nothing
  psInsideFrame, // like solid; a wide frame of Rectangle stays inside the rectangle
  psAlternate,   // cosmetic only: every other pixel
  psUserStyle    // geometric only: the pen's Dashes
};

enum class TPenEndCap { Round, Square, Flat };
enum class TPenJoin { Round, Bevel, Mitre };

// Cosmetic pens are one pixel wide whatever Width says and walk the pixels of the line; their
// style pattern counts pixels along the line's major axis. Geometric pens stroke an outline of
// Width pixels with caps and joins; a geometric pen of width 1 with a user style draws one pixel
// per dash of length 0 (the "dots n pixels apart" pen).
struct TPen {
  TPenStyle Style = TPenStyle::psSolid;
  int Width = 1;
  TPixel Color = 0;
  bool Geometric = false;
  TPenEndCap EndCap = TPenEndCap::Round;
  TPenJoin Join = TPenJoin::Round;
  // psUserStyle: alternating dash and gap lengths in pixels, starting with a dash.
  std::vector<int> Dashes;

  // Width 0 or 1 gives a cosmetic pen, 2 or more a geometric one with round caps and joins.
  static TPen Make(TPenStyle style, int width, TPixel color);
  static TPen Cosmetic(TPenStyle style, TPixel color);
  static TPen MakeGeometric(TPenStyle style, int width, TPixel color, TPenEndCap cap, TPenJoin join);
  // One-pixel dots `gap` pixels apart (dash 0, gap `gap`, round caps).
  static TPen Dotted(int gap, TPixel color);
  static TPen Null() { return Cosmetic(TPenStyle::psClear, 0); }

  bool IsNull() const { return Style == TPenStyle::psClear; }
};

enum class TBrushStyle {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross
};

// Hatches are 8 x 8 patterns aligned to the bitmap's origin; their gaps take the background colour
// when the background mode is opaque and are left alone when it is transparent.
struct TBrush {
  TBrushStyle Style = TBrushStyle::bsSolid;
  TPixel Color = 0xFFFFFF;

  static TBrush Solid(TPixel color) { return {TBrushStyle::bsSolid, color}; }
  static TBrush Clear() { return {TBrushStyle::bsClear, 0}; }
  bool IsClear() const { return Style == TBrushStyle::bsClear; }
};

// A logical font. Height < 0: character (em) height in pixels; > 0: cell height (ascent plus
// descent); 0: a default of 16 pixels cell height.
struct TFont {
  std::string FaceName = "Arial";
  int Height = -11;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  // Rotation of the whole string, counter-clockwise, in tenths of a degree.
  int Escapement = 0;
};

// Text metrics of the selected font, unrotated, in pixels.
struct TTextMetrics {
  int Ascent = 0;
  int Descent = 0;
  int Height = 0;          // Ascent + Descent
  int InternalLeading = 0; // Height minus the em size
  int AveCharWidth = 0;    // advance of 'x'
};

} // namespace gdi
