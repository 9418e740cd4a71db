// A chart painted off screen for series tests: add a series, paint, read the picture back.
#pragma once

#include "chart/Chart.h"
#include "chart/axis/ChartAxis.h"
#include "chart/series/SeriesShortcut.h"
#include "chart/surface/ChartCanvas3D.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace chart::testing {

class TSeriesPaintFixture : public ::testing::Test {
protected:
  static constexpr int Width = 300;
  static constexpr int Height = 200;

  TSeriesPaintFixture() { FChart.SetSize(Width, Height); }
  ~TSeriesPaintFixture() override { SetPlainSeriesDrawing(false); }

  template <class Series>
  Series& Add() {
    auto series = std::make_unique<Series>();
    Series& result = *series;
    FChart.AddSeries(std::move(series));
    return result;
  }

  void Paint() { FChart.DrawChart(TRect{0, 0, Width, Height}); }

  std::vector<std::uint32_t> Picture() const {
    const gdi::TGdiBitmap& bitmap = *FChart.Canvas().BufferBitmap();
    return {bitmap.Pixels(), bitmap.Pixels() + std::size_t(bitmap.Width()) * std::size_t(bitmap.Height())};
  }

  std::uint32_t PixelAt(int x, int y) const { return FChart.Canvas().BufferBitmap()->Pixel(x, y); }

  // The pictures of the straightforward and the shortcut drawing.
  void ExpectShortcutMatchesPlain(const char* what) {
    SetPlainSeriesDrawing(true);
    Paint();
    const std::vector<std::uint32_t> plain = Picture();
    SetPlainSeriesDrawing(false);
    Paint();
    const std::vector<std::uint32_t> quick = Picture();
    std::size_t differing = 0;
    for (std::size_t i = 0; i < plain.size(); ++i)
      differing += plain[i] != quick[i];
    EXPECT_EQ(differing, 0u) << what;
  }

  TChart FChart;
};

// 0x00RRGGBB of an engine colour 0x00BBGGRR.
inline std::uint32_t PixelOf(TColor color) {
  return (color & 0xFF00u) | ((color & 0xFFu) << 16) | ((color >> 16) & 0xFFu);
}

} // namespace chart::testing
