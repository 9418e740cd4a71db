// The drawing surface every chart paints through: double buffering into an off-screen bitmap,
// chart pens, brushes and fonts turned into raster objects, and the drawing operations of the
// chart, each with a depth-aware twin (the charts are 2D, so depth is ignored).
#pragma once

#include "chart/surface/ChartBrush.h"
#include "chart/surface/ChartColors.h"
#include "chart/surface/ChartFont.h"
#include "chart/surface/ChartGeometry.h"
#include "chart/surface/ChartGradient.h"
#include "chart/surface/ChartPen.h"
#include "chart/surface/ChartPersistent.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DeviceContext.h"

#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace chart {

enum TBackMode { bmTransparent, bmOpaque };

// Text reference-point flags: one horizontal and one vertical value, added together.
inline constexpr unsigned TA_LEFT = gdi::TA_LEFT;
inline constexpr unsigned TA_RIGHT = gdi::TA_RIGHT;
inline constexpr unsigned TA_CENTER = gdi::TA_CENTER;
inline constexpr unsigned TA_TOP = gdi::TA_TOP;
inline constexpr unsigned TA_BOTTOM = gdi::TA_BOTTOM;
inline constexpr unsigned TA_BASELINE = gdi::TA_BASELINE;

// Layout resolution: text sizes in points become pixels at this many pixels per inch.
inline constexpr int ScreenPixelsPerInch = 96;

// Round(a * b / c) with halves away from zero, in 64 bits.
int MulDiv(int a, int b, int c);

// A colour as the raster shows it: a system colour looked up in the table, and grey when
// monochrome.
TColor ResolveColor(TColor color, bool monochrome = false);

// The font the surface builds for each text call; set by AssignFont and ResetState.
struct TCanvasFont {
  std::string Name = "Arial";
  int Size = 8; // points, already scaled by the font zoom
  TFontStyles Style = 0;
  TColor Color = clBlack;
  int Charset = DEFAULT_CHARSET;
};

// How FillGradient shapes and blends a ramp beyond the plain rectangle.
struct TGradientFillOptions {
  int CornerWidth = 0; // > 0 with CornerHeight: only the inside of the rounded rectangle
  int CornerHeight = 0;
  bool Rotated = false; // turn the ramp by the gradient's Angle
  int Transparency = 0; // percent of the old picture that shows through
};

class TChartCanvas3D : public TChartPersistent {
public:
  TChartCanvas3D();
  ~TChartCanvas3D() override;

  // --- double buffering -----------------------------------------------------------------------
  bool Buffered() const { return FBuffered; }
  // False frees the off-screen bitmap and marks the buffer dirty.
  void SetBuffered(bool value);
  bool BufferDirty() const { return FBufferDirty; }
  void InvalidateBuffer() { FBufferDirty = true; }
  // Black pens and text, white brushes, grey gradients. A change marks the buffer dirty and
  // fires the change notification (the chart repaints).
  bool Monochrome() const { return FMonochrome; }
  void SetMonochrome(bool value);

  // The chart's window image: where the surface draws between paints (the zoom rectangle) and
  // where finished paints are copied. Must outlive the surface or be replaced first.
  void SetWindowCanvas(gdi::TGdiBitmap& windowCanvas);
  // Starts a paint of rect of the window canvas and returns PanelBounds: (0, 0, width, height)
  // of the off-screen bitmap when buffered (created on the first paint, resized only when the
  // size changes), else rect itself on the window canvas.
  TRect BeginDraw(gdi::TGdiBitmap& windowCanvas, const TRect& rect);
  // Ends a paint: copies the bitmap to the window canvas at rect's top-left corner (skipped
  // when the chart has no parent window), clears BufferDirty, and targets the window again.
  void PresentBuffer(gdi::TGdiBitmap& windowCanvas, const TRect& rect, bool hasParentWindow = true);
  // A paint without changes: when the buffer is clean, copies it to the window canvas where the
  // last paint put it and returns true; otherwise copies nothing and returns false.
  bool RepaintFromBuffer();
  // The off-screen bitmap, or null before the first buffered paint.
  const gdi::TGdiBitmap* BufferBitmap() const { return FBitmap.get(); }
  // The device context operations currently draw into.
  gdi::TGdiDC& Target() { return *FTarget; }

  // --- attributes --------------------------------------------------------------------------------
  // Back to the defaults: black solid one-pixel pen, white solid brush, black 8-point "Arial",
  // invisible gradient, no bound font, white transparent background, left/top alignment.
  void ResetState();
  // A pen that is not Visible only turns the current pen clear. SmallDots, and Width >= 2
  // (geometric, with caps and joins), are honoured; colour clNone gives a clear pen.
  void AssignPen(const TChartPen& pen, TColor color);
  void AssignPen(const TChartPen& pen) { AssignPen(pen, pen.Color()); }
  // Fill colour clNone gives a clear brush. Back colour clNone makes the background transparent;
  // another back colour fills the gaps of hatches. The brush's gradient (or none) becomes the
  // current gradient.
  void AssignBrush(const TChartBrush& brush, TColor color, TColor backColor);
  void AssignBrush(const TChartBrush& brush) { AssignBrush(brush, brush.Color(), brush.BackColor()); }
  // Binds the font: its shadow and emboss widen TextWidth/TextHeight, its gradient becomes the
  // current gradient, its spacing the extra space between characters.
  void AssignFont(const TChartFont& font);
  const TCanvasFont& Font() const { return FFont; }

  // Direct attribute changes the chart makes between assignments.
  void SetPenColor(TColor color);
  TColor PenColor() const { return FPenColor; }
  void SetPenStyle(TPenStyle style);
  void SetPenWidth(int width);
  void SetPenMode(TPenMode mode);
  void SetBrushColor(TColor color);
  TColor BrushColor() const { return FBrushColor; }
  void SetBrushStyle(TBrushStyle style);

  void SetBackMode(TBackMode mode);
  void SetBackColor(TColor color);
  void SetTextAlignment(unsigned flags);
  unsigned GetTextAlignment() const;

  // The current gradient: a visible one turns rectangle fills into gradient fills.
  TChartGradient& Gradient() { return FGradient; }

  // --- lines ---------------------------------------------------------------------------------------
  void MoveTo(int x, int y);
  // The end pixel is not drawn; (x, y) becomes the current position.
  void LineTo(int x, int y);
  void DrawLine(int x0, int y0, int x1, int y1);
  void HorizLine(int x0, int x1, int y);
  void VertLine(int x, int y0, int y1);
  void DrawPolyline(std::span<const TPoint> points);
  void MoveTo(int x, int y, int z);
  void LineTo(int x, int y, int z);
  void HorizLine(int x0, int x1, int y, int z);
  void VertLine(int x, int y0, int y1, int z);

  // Many one-pixel segments with one raster call each: between BeginFastDraw and EndFastDraw,
  // FastLineTo goes straight to the target's line drawing. Outside that bracket it draws nothing.
  void BeginFastDraw();
  void FastLineTo(int x, int y) {
    if (FCallLog)
      Record("FastLineTo", {x, y});
    FFastDC->LineTo(x, y);
  }
  void EndFastDraw();

  // --- shapes --------------------------------------------------------------------------------------
  void DrawPolygon(std::span<const TPoint> points);
  // Outline with the pen, interior with the brush or, when visible, the current gradient.
  void DrawRectangle(int left, int top, int right, int bottom);
  void DrawRectangle(const TRect& rect) { DrawRectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
  void DrawRectangle(const TRect& rect, int z);
  // Interior only: the current gradient when visible (and the brush not clear), else the brush.
  void FillRectangle(const TRect& rect);
  void FillRectangle(const TRect& rect, int z);
  void DrawRoundRect(const TRect& rect, int cornerWidth, int cornerHeight);
  // Width nested one-pixel frames: top-left colour on the left and top lines, bottom-right colour
  // on the right and bottom lines. rect shrinks by width on every side.
  void DrawBevelFrame(TRect& rect, TColor topLeftColor, TColor bottomRightColor, int width);
  // The ramp of gradient over rect, in at most 256 bands; the brush is restored afterwards.
  void FillGradient(const TCustomChartGradient& gradient, const TRect& rect,
                    const TGradientFillOptions& options = {});

  // --- text ----------------------------------------------------------------------------------------
  // Honours the alignment flags and the background mode; the font is built for this call only.
  void TextOut(int x, int y, std::string_view text);
  void TextOut(int x, int y, int z, std::string_view text);
  // Angle in degrees, counter-clockwise; 0 is plain TextOut.
  void RotatedTextOut(int x, int y, int angle, std::string_view text);
  int TextWidth(std::string_view text);
  int TextHeight(std::string_view text);
  int FontHeight() { return TextHeight("W"); }

  // --- clipping ------------------------------------------------------------------------------------
  // Intersects the target's clip with rect; pairs with RemoveClip, which restores the previous
  // clip or removes clipping. The saved clips are this surface's and go with its next paint.
  void ClipToRect(const TRect& rect);
  void RemoveClip();

  // --- misc ----------------------------------------------------------------------------------------
  TPoint ProjectPoint(int x, int y, int z) const;
  // Brackets named groups of calls ("Panel", "Axes", "Series", ...); no effect on the screen.
  void BeginGroup(std::string_view name);
  void EndGroup();
  // While set, the line, pen, brush, clip and group calls are written to `log` as text, one call
  // a line, so a test can compare what a paint asked of the surface; null stops it.
  void RecordCalls(std::vector<std::string>* log) { FCallLog = log; }

private:
  bool FBuffered = true;
  bool FBufferDirty = true;
  bool FMonochrome = false;

  std::unique_ptr<gdi::TGdiBitmap> FBitmap;
  std::unique_ptr<gdi::TGdiDC> FBufferDC;
  std::unique_ptr<gdi::TGdiDC> FWindowDC;
  // Stands in for a missing canvas: a zero-sized bitmap, so every drawing call is clipped away.
  gdi::TGdiBitmap FNoBitmap;
  gdi::TGdiDC FNoCanvasDC;
  gdi::TGdiDC* FTarget;
  gdi::TGdiDC* FFastDC;
  TPoint FPresentOrigin;
  // The clips ClipToRect replaced, innermost last; an entry without a value was "unclipped".
  std::vector<std::optional<TRect>> FClipStack;

  TColor FPenColor = clBlack;
  TColor FBrushColor = clWhite;
  TBrushStyle FBrushStyle = bsSolid;
  TCanvasFont FFont;
  TChartGradient FGradient;
  const TChartFont* FBoundFont = nullptr;
  std::vector<std::string>* FCallLog = nullptr;

  void Record(std::string_view call, std::initializer_list<int> arguments);
  void SelectTarget(gdi::TGdiDC& dc);
  void ApplyBrush();
  gdi::TFont BuildFont(int angle) const;
  void DrawTextEffects(int x, int y, std::string_view text);
  void DrawText(int x, int y, int angle, std::string_view text);
  gdi::TSize MeasureText(std::string_view text);
};

} // namespace chart
