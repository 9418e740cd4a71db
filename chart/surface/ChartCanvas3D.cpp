#include "chart/surface/ChartCanvas3D.h"

#include "chart/surface/GradientRamp.h"
#include "chart/surface/RampPainters.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <vector>

namespace chart {

namespace {

static_assert(int(psInsideFrame) == int(gdi::TPenStyle::psInsideFrame));
static_assert(int(esFlat) == int(gdi::TPenEndCap::Flat));
static_assert(int(jsMitter) == int(gdi::TPenJoin::Mitre));

gdi::TPenStyle ToGdi(TPenStyle style) { return gdi::TPenStyle(int(style)); }

gdi::TPen BuildPen(const TChartPen& pen, gdi::TPixel pixel) {
  if (pen.SmallDots())
    return pen.SmallSpace() <= 0 ? gdi::TPen::Cosmetic(gdi::TPenStyle::psAlternate, pixel)
                                 : gdi::TPen::Dotted(pen.SmallSpace() + 1, pixel);
  if (pen.Width() < 2)
    return gdi::TPen::Make(ToGdi(pen.Style()), pen.Width(), pixel);
  return gdi::TPen::MakeGeometric(ToGdi(pen.Style()), pen.Width(), pixel,
                                  gdi::TPenEndCap(int(pen.EndStyle())), gdi::TPenJoin(int(pen.JoinStyle())));
}

// A new target takes over the drawing attributes, so a paint does not depend on which device
// context it happens to draw into.
void CopyAttributes(const gdi::TGdiDC& from, gdi::TGdiDC& to) {
  to.SelectPen(from.Pen());
  to.SelectBrush(from.Brush());
  to.SelectFont(from.Font());
  to.SetBkMode(from.BkMode());
  to.SetBkColor(from.BkColor());
  to.SetTextColor(from.TextColor());
  to.SetTextAlign(from.TextAlign());
  to.SetTextCharacterExtra(from.TextCharacterExtra());
  to.SetROP2(from.ROP2());
}

} // namespace

int MulDiv(int a, int b, int c) {
  if (c == 0)
    return -1;
  const std::int64_t product = std::int64_t(a) * b;
  const std::int64_t magnitude = (std::llabs(product) + std::llabs(c) / 2) / std::llabs(c);
  const std::int64_t result = (product < 0) != (c < 0) ? -magnitude : magnitude;
  if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min())
    return -1;
  return int(result);
}

TChartCanvas3D::TChartCanvas3D() : FNoCanvasDC(FNoBitmap), FTarget(&FNoCanvasDC), FFastDC(&FNoCanvasDC) {
  ResetState();
}

TChartCanvas3D::~TChartCanvas3D() = default;

// --- double buffering -------------------------------------------------------------------------

void TChartCanvas3D::SelectTarget(gdi::TGdiDC& dc) {
  if (FTarget == &dc)
    return;
  CopyAttributes(*FTarget, dc);
  FTarget = &dc;
}

void TChartCanvas3D::SetBuffered(bool value) {
  if (FBuffered == value)
    return;
  FBuffered = value;
  if (value || !FBitmap)
    return;
  if (FTarget == FBufferDC.get())
    SelectTarget(FWindowDC ? *FWindowDC : FNoCanvasDC);
  if (FFastDC == FBufferDC.get())
    FFastDC = &FNoCanvasDC;
  FBufferDC.reset();
  FBitmap.reset();
  FBufferDirty = true;
}

void TChartCanvas3D::SetMonochrome(bool value) {
  if (FMonochrome == value)
    return;
  FMonochrome = value;
  FBufferDirty = true;
  Changed();
}

void TChartCanvas3D::SetWindowCanvas(gdi::TGdiBitmap& windowCanvas) {
  if (FWindowDC && &FWindowDC->Bitmap() == &windowCanvas)
    return;
  auto dc = std::make_unique<gdi::TGdiDC>(windowCanvas);
  if (FTarget != FBufferDC.get()) {
    CopyAttributes(*FTarget, *dc);
    FTarget = dc.get();
  }
  if (FWindowDC && FFastDC == FWindowDC.get())
    FFastDC = &FNoCanvasDC;
  FWindowDC = std::move(dc);
}

TRect TChartCanvas3D::BeginDraw(gdi::TGdiBitmap& windowCanvas, const TRect& rect) {
  SetWindowCanvas(windowCanvas);
  // Paints never nest, so anything left on the stack comes from a paint that was cut short.
  FClipStack.clear();
  if (!FBuffered) {
    SelectTarget(*FWindowDC);
    return rect;
  }
  const int width = std::max(rect.Right - rect.Left, 0);
  const int height = std::max(rect.Bottom - rect.Top, 0);
  // Both or neither: a buffer without its device context is never left behind.
  if (!FBitmap) {
    auto bitmap = std::make_unique<gdi::TGdiBitmap>();
    FBufferDC = std::make_unique<gdi::TGdiDC>(*bitmap);
    FBitmap = std::move(bitmap);
  }
  // Keeps the pixel memory when the chart's size is unchanged; the buffer takes the window's
  // device scale, so copying it out is a plain block copy.
  FBitmap->SetSize(width, height, windowCanvas.Scale());
  FBufferDC->RemoveClip();
  SelectTarget(*FBufferDC);
  return TRect{0, 0, width, height};
}

void TChartCanvas3D::PresentBuffer(gdi::TGdiBitmap& windowCanvas, const TRect& rect, bool hasParentWindow) {
  SetWindowCanvas(windowCanvas);
  if (FBuffered && FBitmap) {
    if (hasParentWindow)
      FWindowDC->BitBlt(rect.Left, rect.Top, FBitmap->LogicalWidth(), FBitmap->LogicalHeight(), *FBitmap, 0,
                        0);
    FPresentOrigin = TPoint{rect.Left, rect.Top};
    FBufferDirty = false;
  }
  SelectTarget(*FWindowDC);
}

bool TChartCanvas3D::RepaintFromBuffer() {
  if (FBufferDirty || !FBitmap || !FWindowDC || FBitmap->Scale() != FWindowDC->Bitmap().Scale())
    return false;
  FWindowDC->BitBlt(FPresentOrigin.X, FPresentOrigin.Y, FBitmap->LogicalWidth(), FBitmap->LogicalHeight(),
                    *FBitmap, 0, 0);
  return true;
}

// --- attributes ----------------------------------------------------------------------------------

void TChartCanvas3D::ResetState() {
  FTarget->SelectPen(gdi::TPen::Make(gdi::TPenStyle::psSolid, 1, gdi::ColorToPixel(clBlack)));
  FTarget->SetROP2(gdi::TRop2::Copy);
  FPenColor = clBlack;
  FBrushColor = clWhite;
  FBrushStyle = bsSolid;
  ApplyBrush();
  FFont = TCanvasFont{};
  FTarget->SetTextCharacterExtra(0);
  const TChartGradient defaults;
  FGradient.CopyFrom(defaults);
  FBoundFont = nullptr;
  SetBackColor(clWhite);
  SetBackMode(bmTransparent);
  SetTextAlignment(TA_LEFT | TA_TOP);
}

void TChartCanvas3D::AssignPen(const TChartPen& pen, TColor color) {
  if (FCallLog)
    Record("AssignPen",
           {pen.Visible(), int(pen.Style()), pen.Width(), pen.SmallDots(), int(pen.Mode()), int(color)});
  if (!pen.Visible()) {
    gdi::TPen current = FTarget->Pen();
    current.Style = gdi::TPenStyle::psClear;
    FTarget->SelectPen(current);
    return;
  }
  if (FMonochrome)
    color = clBlack;
  FTarget->SetROP2(pen.Mode() == pmNotXor ? gdi::TRop2::NotXor : gdi::TRop2::Copy);
  FPenColor = color;
  // clNone means "draw nothing"; it must not reach the raster as a colour.
  FTarget->SelectPen(color == clNone ? gdi::TPen::Null() : BuildPen(pen, gdi::ColorToPixel(color)));
}

void TChartCanvas3D::AssignBrush(const TChartBrush& brush, TColor color, TColor backColor) {
  if (FMonochrome)
    color = clWhite;
  FBrushColor = color;
  FBrushStyle = color == clNone ? bsClear : brush.Style();
  ApplyBrush();
  if (backColor == clNone) {
    SetBackMode(bmTransparent);
  } else if (IsHatchStyle(brush.Style())) {
    SetBackMode(bmOpaque);
    SetBackColor(backColor);
  }
  if (const TChartGradient* gradient = brush.FindGradient())
    FGradient.CopyFrom(*gradient);
  else
    FGradient.SetVisible(false);
}

void TChartCanvas3D::AssignFont(const TChartFont& font) {
  FFont.Name = font.Name();
  FFont.Size = font.Size();
  FFont.Style = font.Style();
  FFont.Color = FMonochrome ? clBlack : font.Color();
  FFont.Charset = font.Charset();
  FTarget->SetTextCharacterExtra(font.InterCharSize());
  if (const TChartGradient* gradient = font.FindGradient())
    FGradient.CopyFrom(*gradient);
  else
    FGradient.SetVisible(false);
  FBoundFont = &font;
}

void TChartCanvas3D::SetPenColor(TColor color) {
  if (FCallLog)
    Record("SetPenColor", {int(color)});
  FPenColor = color;
  gdi::TPen pen = FTarget->Pen();
  pen.Color = gdi::ColorToPixel(color);
  FTarget->SelectPen(pen);
}

void TChartCanvas3D::SetPenStyle(TPenStyle style) {
  gdi::TPen pen = FTarget->Pen();
  pen.Style = ToGdi(style);
  FTarget->SelectPen(pen);
}

void TChartCanvas3D::SetPenWidth(int width) {
  const gdi::TPen& pen = FTarget->Pen();
  FTarget->SelectPen(gdi::TPen::Make(pen.Style, width, pen.Color));
}

void TChartCanvas3D::SetPenMode(TPenMode mode) {
  FTarget->SetROP2(mode == pmNotXor ? gdi::TRop2::NotXor : gdi::TRop2::Copy);
}

void TChartCanvas3D::SetBrushColor(TColor color) {
  if (FCallLog)
    Record("SetBrushColor", {int(color)});
  FBrushColor = color;
  ApplyBrush();
}

void TChartCanvas3D::SetBrushStyle(TBrushStyle style) {
  if (FCallLog)
    Record("SetBrushStyle", {int(style)});
  FBrushStyle = style;
  ApplyBrush();
}

void TChartCanvas3D::ApplyBrush() {
  if (FBrushStyle == bsClear || FBrushColor == clNone)
    FTarget->SelectBrush(gdi::TBrush::Clear());
  else
    FTarget->SelectBrush(gdi::TBrush{FBrushStyle, gdi::ColorToPixel(FBrushColor)});
}

void TChartCanvas3D::SetBackMode(TBackMode mode) {
  if (FCallLog)
    Record("SetBackMode", {int(mode)});
  FTarget->SetBkMode(mode == bmOpaque ? gdi::TBkMode::Opaque : gdi::TBkMode::Transparent);
}

void TChartCanvas3D::SetBackColor(TColor color) { FTarget->SetBkColor(gdi::ColorToPixel(color)); }
void TChartCanvas3D::SetTextAlignment(unsigned flags) { FTarget->SetTextAlign(flags); }
unsigned TChartCanvas3D::GetTextAlignment() const { return FTarget->TextAlign(); }

// --- lines -----------------------------------------------------------------------------------------

void TChartCanvas3D::MoveTo(int x, int y) {
  if (FCallLog)
    Record("MoveTo", {x, y});
  FTarget->MoveTo(x, y);
}

void TChartCanvas3D::LineTo(int x, int y) {
  if (FCallLog)
    Record("LineTo", {x, y});
  FTarget->LineTo(x, y);
}

void TChartCanvas3D::DrawLine(int x0, int y0, int x1, int y1) {
  if (FCallLog)
    Record("DrawLine", {x0, y0, x1, y1});
  FTarget->MoveTo(x0, y0);
  FTarget->LineTo(x1, y1);
}

void TChartCanvas3D::HorizLine(int x0, int x1, int y) {
  if (FCallLog)
    Record("HorizLine", {x0, x1, y});
  FTarget->MoveTo(x0, y);
  FTarget->LineTo(x1, y);
}

void TChartCanvas3D::VertLine(int x, int y0, int y1) {
  if (FCallLog)
    Record("VertLine", {x, y0, y1});
  FTarget->MoveTo(x, y0);
  FTarget->LineTo(x, y1);
}

void TChartCanvas3D::DrawPolyline(std::span<const TPoint> points) { FTarget->Polyline(points); }

// In 2D the depth is ignored.
void TChartCanvas3D::MoveTo(int x, int y, int) { MoveTo(x, y); }
void TChartCanvas3D::LineTo(int x, int y, int) { LineTo(x, y); }
void TChartCanvas3D::HorizLine(int x0, int x1, int y, int) { HorizLine(x0, x1, y); }
void TChartCanvas3D::VertLine(int x, int y0, int y1, int) { VertLine(x, y0, y1); }

void TChartCanvas3D::BeginFastDraw() {
  if (FCallLog)
    Record("BeginFastDraw", {});
  FFastDC = FTarget;
}

void TChartCanvas3D::EndFastDraw() {
  if (FCallLog)
    Record("EndFastDraw", {});
  FFastDC = &FNoCanvasDC;
}

// --- clipping ----------------------------------------------------------------------------------------

void TChartCanvas3D::ClipToRect(const TRect& rect) {
  if (FCallLog)
    Record("ClipToRect", {rect.Left, rect.Top, rect.Right, rect.Bottom});
  // The surface draws without a mapping mode, so logical and device coordinates agree.
  FClipStack.push_back(FTarget->GetClipRect());
  FTarget->IntersectClipRect(rect.Normalized());
}

void TChartCanvas3D::RemoveClip() {
  if (FCallLog)
    Record("RemoveClip", {});
  if (FClipStack.empty()) {
    FTarget->RemoveClip();
    return;
  }
  FTarget->SelectClipRect(FClipStack.back());
  FClipStack.pop_back();
}

// --- misc ----------------------------------------------------------------------------------------------

TPoint TChartCanvas3D::ProjectPoint(int x, int y, int) const { return TPoint{x, y}; }

// Groups only matter to a recording; the screen surface draws straight through.
void TChartCanvas3D::BeginGroup(std::string_view name) {
  if (FCallLog)
    FCallLog->push_back("BeginGroup " + std::string(name));
}

void TChartCanvas3D::EndGroup() {
  if (FCallLog)
    Record("EndGroup", {});
}

void TChartCanvas3D::Record(std::string_view call, std::initializer_list<int> arguments) {
  std::string line(call);
  for (const int argument : arguments)
    line += ' ' + std::to_string(argument);
  FCallLog->push_back(std::move(line));
}

// Rectangles, polygons, bevels and gradient fills of the drawing surface.

TColor ResolveColor(TColor color, bool monochrome) {
  const gdi::TPixel pixel = gdi::ColorToPixel(color);
  const int red = gdi::PixelRed(pixel), green = gdi::PixelGreen(pixel), blue = gdi::PixelBlue(pixel);
  if (!monochrome)
    return RGB(red, green, blue);
  const int grey = (red + green + blue) / 3;
  return RGB(grey, grey, grey);
}

void TChartCanvas3D::DrawPolygon(std::span<const TPoint> points) { FTarget->Polygon(points); }

void TChartCanvas3D::DrawRectangle(int left, int top, int right, int bottom) {
  if (FBrushStyle == bsClear || !FGradient.Visible()) {
    FTarget->Rectangle(left, top, right, bottom);
    return;
  }
  FillGradient(FGradient, TRect{left, top, right, bottom});
  const gdi::TBrush brush = FTarget->Brush();
  FTarget->SelectBrush(gdi::TBrush::Clear());
  FTarget->Rectangle(left, top, right, bottom);
  FTarget->SelectBrush(brush);
}

void TChartCanvas3D::DrawRectangle(const TRect& rect, int) { DrawRectangle(rect); }

void TChartCanvas3D::FillRectangle(const TRect& rect) {
  if (FBrushStyle != bsClear && FGradient.Visible())
    FillGradient(FGradient, rect);
  else
    FTarget->FillRect(rect, FTarget->Brush());
}

void TChartCanvas3D::FillRectangle(const TRect& rect, int) { FillRectangle(rect); }

void TChartCanvas3D::DrawRoundRect(const TRect& rect, int cornerWidth, int cornerHeight) {
  if (FBrushStyle == bsClear || !FGradient.Visible()) {
    FTarget->RoundRect(rect.Left, rect.Top, rect.Right, rect.Bottom, cornerWidth, cornerHeight);
    return;
  }
  FillGradient(FGradient, rect, TGradientFillOptions{cornerWidth, cornerHeight, false, 0});
  const gdi::TBrush brush = FTarget->Brush();
  FTarget->SelectBrush(gdi::TBrush::Clear());
  FTarget->RoundRect(rect.Left, rect.Top, rect.Right, rect.Bottom, cornerWidth, cornerHeight);
  FTarget->SelectBrush(brush);
}

void TChartCanvas3D::DrawBevelFrame(TRect& rect, TColor topLeftColor, TColor bottomRightColor, int width) {
  const gdi::TPen topLeft = gdi::TPen::Cosmetic(gdi::TPenStyle::psSolid, gdi::ColorToPixel(topLeftColor));
  const gdi::TPen bottomRight =
      gdi::TPen::Cosmetic(gdi::TPenStyle::psSolid, gdi::ColorToPixel(bottomRightColor));
  // The polylines run through the last column and row, which the exclusive rect leaves out.
  --rect.Bottom;
  --rect.Right;
  for (int i = 0; i < width; ++i) {
    FTarget->SelectPen(topLeft);
    const std::array<TPoint, 3> upper{
        {{rect.Left, rect.Bottom}, {rect.Left, rect.Top}, {rect.Right, rect.Top}}};
    FTarget->Polyline(upper);
    FTarget->SelectPen(bottomRight);
    // Ends one column left of the frame so that the end-pixel rule still draws the corner.
    const std::array<TPoint, 3> lower{
        {{rect.Right, rect.Top}, {rect.Right, rect.Bottom}, {rect.Left - 1, rect.Bottom}}};
    FTarget->Polyline(lower);
    ++rect.Left;
    ++rect.Top;
    --rect.Right;
    --rect.Bottom;
  }
  ++rect.Bottom;
  ++rect.Right;
  FPenColor = width > 0 ? bottomRightColor : FPenColor;
}

void TChartCanvas3D::FillGradient(const TCustomChartGradient& gradient, const TRect& rect,
                                  const TGradientFillOptions& options) {
  const TGradientValues& values = gradient.Values();
  const TResolvedGradientColors colors{ResolveColor(values.StartColor, FMonochrome),
                                       ResolveColor(values.EndColor, FMonochrome),
                                       ResolveColor(values.StoredMidColor, FMonochrome)};
  const gdi::TBrush savedBrush = FTarget->Brush();
  TDCRampPainter solid(*FTarget);
  TBlendRampPainter blended(*FTarget, options.Transparency);
  TRampPainter& fill = options.Transparency > 0 ? static_cast<TRampPainter&>(blended) : solid;
  TRoundRectMask rounded(fill, rect, options.CornerWidth, options.CornerHeight);
  const bool hasCorners = options.CornerWidth > 0 && options.CornerHeight > 0;
  TRampPainter& painter = hasCorners ? static_cast<TRampPainter&>(rounded) : fill;
  if (options.Rotated)
    PaintRotatedGradient(painter, values, rect, colors);
  else
    PaintGradient(painter, values, rect, colors);
  FTarget->SelectBrush(savedBrush);
}

// Text output and measurement of the drawing surface: a raster font built per call from the
// current font, plus the bound chart font's shadow, emboss and outline.

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
