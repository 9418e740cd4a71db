// A chart host without a window: a plain image as the window canvas, and records of what the
// chart asked of it, so layout, paint, repaint and mouse rules can be checked in plain unit tests.
#pragma once

#include "chart/surface/ChartHost.h"

#include <cstdint>
#include <vector>

namespace chart::testing {

class TFakeChartHost : public TChartHost {
public:
  // width x height logical pixels at `scale` device pixels each.
  TFakeChartHost(int width, int height, int scale = 1) : FImage(width, height, scale) {}

  void InvalidateWindow() override { ++Invalidations; }
  gdi::TGdiBitmap& WindowImage() override { return FImage; }
  void ShowWindowImage() override { ++Shows; }
  void SetMouseCapture(bool captured) override { Captured = captured; }
  void SetCursor(TCursorKind cursor) override { Cursors.push_back(cursor); }
  int ClientWidth() const override { return FImage.LogicalWidth(); }
  int ClientHeight() const override { return FImage.LogicalHeight(); }
  bool HasParentWindow() const override { return true; }

  void Resize(int width, int height) { FImage.SetSize(width, height, FImage.Scale()); }
  std::uint32_t Pixel(int x, int y) const { return FImage.Pixel(x, y); }
  std::vector<std::uint32_t> Pixels() const {
    return {FImage.Pixels(), FImage.Pixels() + std::size_t(FImage.Width()) * std::size_t(FImage.Height())};
  }

  int Invalidations = 0;
  int Shows = 0;
  bool Captured = false;
  std::vector<TCursorKind> Cursors;

private:
  gdi::TGdiBitmap FImage;
};

} // namespace chart::testing
