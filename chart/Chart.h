// The chart control the window hosts: the whole chart, the zoom and scroll part it holds with the
// chart's mouse and key events around it, and the colour palette its series take their colours from.
#pragma once

#include "chart/ChartMouseEvents.h"
#include "chart/panel/CustomChart.h"
#include "chart/panel/Palette.h"
#include "chart/zoom/ZoomScrollPart.h"

#include <span>
#include <vector>

namespace chart {

class TChart : public TCustomChart, private TZoomScrollOwner {
public:
  // Starts on the user's preferred palette (palette 13 without a setting).
  TChart();
  ~TChart() override;

  int ColorPaletteIndex() const { return FColorPaletteIndex; }
  // Selects a palette table (none for 0 and values outside the tables: the default palette then
  // applies) and recolours every series whose colour was never set.
  void SetColorPaletteIndex(int value);
  // Empty while no table is selected.
  std::span<const TColor> ChartPalette() const { return ColorPaletteTable(FColorPaletteIndex); }

  // --- zoom and scroll -------------------------------------------------------------------------
  TChartZoom& Zoom() { return FZoomScroll.Zoom(); }
  TChartPanning& Panning() { return FZoomScroll.Panning(); }
  TPanningMode AllowPanning() const { return FZoomScroll.AllowPanning(); }
  void SetAllowPanning(TPanningMode value) { FZoomScroll.SetAllowPanning(value); }
  TMouseButton ScrollMouseButton() const { return FZoomScroll.ScrollMouseButton(); }
  void SetScrollMouseButton(TMouseButton value) { FZoomScroll.SetScrollMouseButton(value); }
  // Older layouts still carry these names; they only forward to Zoom.
  void SetAllowZoom(bool value) { Zoom().SetAllow(value); }
  void SetAnimatedZoom(bool value) { Zoom().SetAnimated(value); }
  void SetAnimatedZoomSteps(int value) { Zoom().SetAnimatedSteps(value); }
  TCursorKind Cursor() const { return FZoomScroll.Cursor(); }
  void SetCursor(TCursorKind value) { FZoomScroll.SetCursor(value); }

  const TAllAxisSavedScales& SavedScales() const { return FZoomScroll.SavedScales(); }
  bool MustSaveScales() const { return FZoomScroll.MustSaveScales(); }
  bool HasZoom() const { return FZoomScroll.HasZoom(); }
  const std::vector<TZoomSnapshot>& ZoomHistory() const { return FZoomScroll.ZoomHistory(); }
  void ZoomAxes(const TAxisRange& top, const TAxisRange& bottom, const TAxisRange& left,
                const TAxisRange& right) {
    FZoomScroll.ZoomAxes(top, bottom, left, right);
  }
  void ResetZoom() { FZoomScroll.ResetZoom(); }
  // Every axis automatic again, with nothing left to undo: how a new recording is shown.
  void ShowWhole() { FZoomScroll.ShowWhole(); }
  // Takes over another axis's range settings as a scroll step of this chart would.
  void FollowAxis(TChartAxis& axis, const TChartAxis& model) { FZoomScroll.FollowAxis(axis, model); }

  // --- mouse events ----------------------------------------------------------------------------
  TChartMouseEvent OnMouseDown;
  TChartMouseMoveEvent OnMouseMove;
  TChartMouseEvent OnMouseUp;
  // A click offered to one of these is taken unless the handler clears CancelMouse, which is
  // set just before it runs; a taken click starts no zoom or scroll.
  TChartClickAxisEvent OnClickAxis;
  TChartClickTitleEvent OnClickTitle;
  TChartMouseEvent OnClickBackground;
  bool CancelMouse = false;
  TChartNotifyEvent OnZoom;
  TChartNotifyEvent OnUndoZoom;
  TChartNotifyEvent OnScroll;
  TChartAllowScrollEvent OnAllowScroll;

  // --- host messages: the chart's own event first, then zoom and scroll --------------------------
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void MouseMove(TShiftState shift, int x, int y);
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  // delta in eighths of a degree; every 120 of them (one wheel notch) is one scroll step.
  void MouseWheel(int delta, TShiftState shift, int x, int y);
  // A key pressed while the chart has the keyboard focus.
  void KeyDown(TChartKey key) { FZoomScroll.KeyDown(key); }

  // Legend and series never answer here: the legend is not drawn and series take no clicks.
  TChartClickedPart ClickedPart(int x, int y);

  // What the axes and series ask of the chart, and the zoom and scroll part as well.
  TChartAxis& BottomAxis() const override { return TCustomChart::BottomAxis(); }
  TChartAxis& TopAxis() const override { return TCustomChart::TopAxis(); }
  TChartAxis& LeftAxis() const override { return TCustomChart::LeftAxis(); }
  TChartAxis& RightAxis() const override { return TCustomChart::RightAxis(); }
  void OwnerChanged() override { TCustomChart::OwnerChanged(); }
  void ShowWindowImage() override { TCustomChart::ShowWindowImage(); }

protected:
  // A series without a colour of its own gets the first free palette colour.
  void PrepareJoiningSeries(TChartSeries& series) override;
  void BufferRepainted() override { FZoomScroll.BufferRepainted(); }

private:
  // --- what only the zoom and scroll part asks ---------------------------------------------------
  std::span<TChartAxis* const> OwnerAxes() const override { return {Axes.begin(), Axes.end()}; }
  TChartFrame LastFrame() const override { return Frame(); }
  void RepaintNow() override;
  TChartCanvas3D& WindowCanvas() override;
  TColor ZoomBackColor() override;
  void SetMouseCapture(bool captured) override;
  void SetWindowCursor(TCursorKind cursor) override;
  bool ClickTaken(TMouseButton button, TShiftState shift, int x, int y) override;
  bool AllowScroll(TChartAxis& axis, double& newMinimum, double& newMaximum) override;
  void Zoomed() override { Fire(OnZoom); }
  void ZoomUndone() override { Fire(OnUndoZoom); }
  void Scrolled() override { Fire(OnScroll); }

  // Whether a click handler took the click.
  bool OfferClick(const TChartClickedPart& part, TMouseButton button, TShiftState shift, int x, int y);
  TChartClickedPartStyle ClickedTitle(int x, int y, TChartTitle*& title);
  void Fire(const TChartNotifyEvent& event);

  int FColorPaletteIndex = 0;
  TZoomScrollPart FZoomScroll{*this};
};

} // namespace chart
