// A device context bound to one TGdiBitmap: the drawing state (pen, brush, font, background,
// text alignment, current position, raster operation, one clip rectangle) and the drawing calls
// the chart uses, with the pixel rules of the classic desktop API.
//
// Pixel rules:
// - Coordinates are device pixels; a pixel (x, y) is the unit square with its centre at
//   (x + 0.5, y + 0.5). Everything is clipped to the bitmap and to the clip rectangle, if any.
// - Lines of a cosmetic pen exclude their end pixel. The pixels of a line from (x0, y0) to
//   (x1, y1) step once per pixel along the major axis (x when |dx| >= |dy|); on the minor axis
//   the offset after i steps is i * dMinor / dMajor rounded to nearest, halves towards the start
//   point. The style pattern continues across the segments of one Polyline and across successive
//   LineTo calls; MoveTo restarts it. Opaque background mode paints the pattern gaps.
// - Geometric pens (width >= 2, or a user-styled pen) stroke the path with the pen's caps and
//   joins; a pixel is covered when its centre is inside the stroke (left and top edges inclusive).
//   A lone LineTo gets caps at both ends; Polyline and Polygon get joins.
// - Rectangle, FillRect, RoundRect and PatBlt cover [Left, Right) x [Top, Bottom).
// - Polygon interiors follow the polygon fill mode (alternate by default) on pixel centres, with
//   integer vertices at pixel corners, so Polygon of the corners of a rectangle fills exactly
//   the pixels FillRect would.
// - Every pixel of one pen or brush primitive is written once, so not-xor twice restores it.
// - Text goes through the font engine; it never uses the raster operation.
// - The bitmap's device scale s maps every coordinate to s device pixels: pens, dash lengths and
//   fonts grow by s, one-pixel lines become s pixels thick, and fills cover whole logical pixels
//   (s x s blocks). Text is measured at the logical size, so layouts do not depend on s. With
//   s = 1 the rules above hold pixel for pixel.
#pragma once

#include "platform/gdi/RasterOp.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Geometry.h"
#include "platform/gdi/PolygonRaster.h"
#include "platform/gdi/StylePattern.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace gdi {

enum class TBkMode { Transparent, Opaque };
enum class TPolyFillMode { Alternate, Winding };

// Text alignment flags, added together: one horizontal and one vertical.
inline constexpr unsigned TA_LEFT = 0;
inline constexpr unsigned TA_RIGHT = 2;
inline constexpr unsigned TA_CENTER = 6;
inline constexpr unsigned TA_TOP = 0;
inline constexpr unsigned TA_BOTTOM = 8;
inline constexpr unsigned TA_BASELINE = 24;

class TGdiDC {
public:
  // The bitmap must outlive the context; its size may change between calls.
  explicit TGdiDC(TGdiBitmap& bitmap);

  TGdiBitmap& Bitmap() const { return *FBitmap; }
  int Scale() const { return FBitmap->Scale(); }
  // The device pixels of a logical rectangle, kept within reach of the int range.
  TRect ToDevice(const TRect& rect) const;

  // --- attributes -------------------------------------------------------------------------
  void SelectPen(const TPen& pen);
  const TPen& Pen() const { return FPen; }
  void SelectBrush(const TBrush& brush) { FBrush = brush; }
  const TBrush& Brush() const { return FBrush; }
  void SelectFont(const TFont& font) { FFont = font; }
  const TFont& Font() const { return FFont; }

  void SetBkMode(TBkMode mode) { FBkMode = mode; }
  TBkMode BkMode() const { return FBkMode; }
  void SetBkColor(TPixel color) { FBkColor = color & 0xFFFFFF; }
  TPixel BkColor() const { return FBkColor; }
  void SetTextColor(TPixel color) { FTextColor = color & 0xFFFFFF; }
  TPixel TextColor() const { return FTextColor; }
  void SetTextAlign(unsigned flags) { FTextAlign = flags; }
  unsigned TextAlign() const { return FTextAlign; }
  // Extra pixels added after every character by TextOut and GetTextExtent.
  void SetTextCharacterExtra(int extra) { FCharExtra = extra; }
  int TextCharacterExtra() const { return FCharExtra; }
  void SetROP2(TRop2 rop);
  TRop2 ROP2() const { return FRop; }
  void SetPolyFillMode(TPolyFillMode mode) { FFillMode = mode; }

  // --- clipping (logical pixels; one rectangle) -------------------------------------------
  // No value: unclipped (the whole bitmap).
  std::optional<TRect> GetClipRect() const { return FClip; }
  // Replaces the clip; no value removes it.
  void SelectClipRect(const std::optional<TRect>& clip) { FClip = clip; }
  // Intersects with the current clip (or with the unclipped plane when there is none).
  void IntersectClipRect(const TRect& rect);
  void RemoveClip() { FClip.reset(); }
  // Where drawing can land now, in device pixels: the clip intersected with the bitmap.
  TRect ClipBox() const;

  // --- lines --------------------------------------------------------------------------------
  void MoveTo(int x, int y);
  TPoint CurrentPosition() const { return FPos; }
  void LineTo(int x, int y);
  void Polyline(std::span<const TPoint> points);

  // --- shapes ---------------------------------------------------------------------------------
  // Outline with the pen, interior with the brush.
  void Rectangle(int left, int top, int right, int bottom);
  void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
  void Polygon(std::span<const TPoint> points);
  // Interior only, with the given brush (the raster operation does not apply).
  void FillRect(const TRect& rect, const TBrush& brush);
  // Solid fill with the selected brush (pattern copy; the raster operation does not apply).
  void PatBlt(int left, int top, int width, int height);
  void SetPixel(int x, int y, TPixel color);

  // --- block copy ---------------------------------------------------------------------------
  // Source copy of a width x height block of `source` at (srcX, srcY) to (x, y), clipped to both
  // bitmaps and the clip. `source` may be this context's own bitmap; it is taken to have this
  // context's device scale.
  void BitBlt(int x, int y, int width, int height, const TGdiBitmap& source, int srcX, int srcY);

  // --- text -----------------------------------------------------------------------------------
  // UTF-8 text at the reference point (x, y) placed by the alignment flags, in the text colour;
  // opaque background mode first fills the text's cell box with the background colour.
  void TextOut(int x, int y, std::string_view text);
  // Width (advances plus character extra) and height (cell height) of unrotated text.
  TSize GetTextExtent(std::string_view text) const;
  TTextMetrics GetTextMetrics() const;

private:
  TGdiBitmap* FBitmap;
  TPen FPen;
  TBrush FBrush;
  TFont FFont;
  TBkMode FBkMode = TBkMode::Opaque;
  TPixel FBkColor = 0xFFFFFF;
  TPixel FTextColor = 0;
  unsigned FTextAlign = 0;
  int FCharExtra = 0;
  TRop2 FRop = TRop2::Copy;
  TPolyFillMode FFillMode = TPolyFillMode::Alternate;
  std::optional<TRect> FClip;
  TPoint FPos;
  raster::TStylePattern FPattern;
  // Position in the one-pixel pen's pattern, carried from one LineTo to the next.
  std::int64_t FStylePos = 0;
  // True when LineTo may take the one-pixel solid copy path.
  bool FFastLine = true;

  bool IsWidePen() const { return FPen.Geometric && FPen.Width >= 2; }
  void UpdateFastLine();
  void DrawSegment(TPoint from, TPoint to);
  void DrawThinPath(std::span<const TPoint> points, bool closed);
  void StrokeWide(std::span<const TPoint> points, bool closed);
  void FillDevice(const std::vector<raster::TContour>& contours, bool nonZero, const TBrush& brush,
                  TRop2 rop);
  void FillBox(const TRect& rect, const TBrush& brush, TRop2 rop);
  void FillDeviceBox(const TRect& rect, const TBrush& brush, TRop2 rop);
  TRect WideInterior(const TRect& rect) const;
  void OutlineRect(const TRect& rect);
};

} // namespace gdi
