// A chart host without a window: a plain image as the window canvas, and counters for what the
// chart asked of it, so layout, paint and repaint rules can be checked in plain unit tests.
#pragma once

#include "chart/ChartHost.h"

namespace chart::testing {

class TFakeChartHost : public TChartHost {
public:
  TFakeChartHost(int width, int height) : FImage(width, height) {}

  void InvalidateWindow() override { ++Invalidations; }
  gdi::TGdiBitmap& WindowImage() override { return FImage; }
  void ShowWindowImage() override {}
  void SetMouseCapture(bool) override {}
  void SetCursor(TCursorKind) override {}
  int ClientWidth() const override { return FImage.Width(); }
  int ClientHeight() const override { return FImage.Height(); }
  bool HasParentWindow() const override { return true; }

  void Resize(int width, int height) { FImage.SetSize(width, height); }
  std::uint32_t Pixel(int x, int y) const { return FImage.Pixel(x, y); }

  int Invalidations = 0;

private:
  gdi::TGdiBitmap FImage;
};

} // namespace chart::testing
