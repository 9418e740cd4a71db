#include "chart/Chart.h"

#include "chart/ChartSeries.h"
#include "chart/Palette.h"

#include <algorithm>

namespace chart {

TChart::TChart() { SetColorPaletteIndex(DefaultPaletteIndex()); }
TChart::~TChart() = default;

void TChart::SetHost(TChartHost* host) { FHost = host; }

void TChart::Invalidate() {
  if (!FRepaintAllowed || FPaintPending || !FHost)
    return;
  FPaintPending = true;
  FHost->InvalidateWindow();
}

void TChart::BeginLoading() { FRepaintAllowed = false; }

void TChart::EndLoading() {
  FRepaintAllowed = true;
  Invalidate();
}

void TChart::PaintMessage() {
  FPaintPending = false;
  if (!FHost)
    return;
  gdi::TGdiBitmap& image = FHost->WindowImage();
  std::fill(image.Pixels(), image.Pixels() + std::size_t(image.Width()) * std::size_t(image.Height()),
            0x00F0F0F0u);
}

void TChart::Resized() {
  FPaintPending = false;
  Invalidate();
}

void TChart::MouseDown(TMouseButton, TShiftState, int, int) {}
void TChart::MouseMove(TShiftState, int, int) {}
void TChart::MouseUp(TMouseButton, TShiftState, int, int) {}
void TChart::MouseWheel(int, TShiftState, int, int) {}

// The colour is chosen before the series is listed, so its own colour does not count as taken.
void TChart::AddSeries(std::unique_ptr<TChartSeries> series) {
  if (series->SeriesColor() == DefaultSeriesColor)
    AssignSeriesColor(*series, FindFreeSeriesColor(*this, true, nullptr));
  FSeries.push_back(std::move(series));
  Invalidate();
}

void TChart::SetColorPaletteIndex(int index) {
  if (index == FColorPaletteIndex)
    return;
  FColorPaletteIndex = index;
  const std::span<const TColor> table = ColorPaletteTable(index);
  FChartPalette.assign(table.begin(), table.end());
  ReassignSeriesColors(*this);
  Invalidate();
}

int TChart::Width() const { return FHost ? FHost->ClientWidth() : 400; }
int TChart::Height() const { return FHost ? FHost->ClientHeight() : 250; }

} // namespace chart
