// A chart painted off screen for series tests: add a series, paint, read the picture back.
#pragma once

#include "chart/Chart.h"
#include "chart/axis/ChartAxis.h"
#include "chart/series/LineSeries.h"
#include "chart/series/SeriesShortcut.h"
#include "chart/surface/ChartCanvas3D.h"
#include "chart/values/FrameSummary.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

namespace chart::testing {

// `values` as decoded floating-point sound of `form` (vfFloat32 or vfFloat64) viewed as a load
// views it: the second channel of two-channel records (the first all NaN), with the load's summary.
inline TValueView FloatSoundView(TValueForm form, const std::vector<double>& values) {
  const std::size_t bytes = form == vfFloat32 ? 4 : 8;
  auto records = std::make_shared<std::vector<std::byte>>(2 * bytes * values.size());
  const auto store = [&](std::byte* at, double value) {
    const float single = float(value);
    std::memcpy(at, form == vfFloat32 ? static_cast<const void*>(&single) : &value, bytes);
  };
  for (std::size_t i = 0; i < values.size(); ++i) {
    store(records->data() + 2 * bytes * i, std::numeric_limits<double>::quiet_NaN());
    store(records->data() + 2 * bytes * i + bytes, values[i]);
  }
  const std::shared_ptr<const std::byte> first(records, records->data());
  const TRecordLayout layout{form, 2 * bytes, {0, bytes}};
  const int count = int(values.size());
  return LaneView(first, layout, 1, count, std::move(SummariseRecords(layout, first.get(), count)[1]));
}

// 0x00RRGGBB of an engine colour 0x00BBGGRR.
inline std::uint32_t PixelOf(TColor color) {
  return (color & 0xFF00u) | ((color & 0xFFu) << 16) | ((color >> 16) & 0xFFu);
}

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

  // Which of the four segments through (1, 0) .. (5, 0) show on the row of Y = 0 when the third
  // Y value is `third`, and whether the line leaves that row, drawn in red after checking that
  // the shortcut draws what per-point drawing draws. The values are viewed as decoded float
  // sound of `form`, or held in a list of the series' own for vfDouble.
  struct TLineOnRow {
    std::array<bool, 4> Segments;
    bool LeavesRow;
  };
  TLineOnRow DrawOnRow(TChartSeries& series, TValueForm form, double third) {
    const std::vector<double> x{1, 2, 3, 4, 5}, y{0, 0, third, 0, 0};
    series.SetSeriesColor(clRed);
    if (form == vfDouble) {
      series.ClearPoints();
      series.AddPoints(x, y);
    } else {
      series.ViewPoints(FloatSoundView(form, y));
    }
    FChart.BottomAxis().SetRange(1, 5);
    FChart.LeftAxis().SetRange(-1, 1);
    ExpectShortcutMatchesPlain("five points");
    const int row = FChart.LeftAxis().ValueToPixel(0);
    TLineOnRow result{};
    for (int k = 0; k < 4; ++k)
      result.Segments[std::size_t(k)] =
          PixelAt(FChart.BottomAxis().ValueToPixel(1.5 + k), row) == PixelOf(clRed);
    const TRect plot = FChart.PlotRect();
    for (int py = plot.Top; py < plot.Bottom; ++py)
      for (int px = plot.Left; px < plot.Right; ++px)
        result.LeavesRow = result.LeavesRow || (py != row && PixelAt(px, py) == PixelOf(clRed));
    return result;
  }

  // A non-finite sample of decoded float sound is a gap whatever TreatNulls says; NaN in a list
  // of its own is a point as ever.
  void ExpectFloatSoundGaps(TCustomLineSeries& series) {
    const std::array<bool, 4> gap{true, false, false, true};
    for (const TTreatNullsStyle treatNulls : {tnIgnore, tnDontPaint, tnSkip})
      for (const TValueForm form : {vfFloat32, vfFloat64})
        for (const double third : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
          series.SetTreatNulls(treatNulls);
          const TLineOnRow line = DrawOnRow(series, form, third);
          EXPECT_EQ(line.Segments, gap) << treatNulls << " " << form << " " << third;
          EXPECT_FALSE(line.LeavesRow) << treatNulls << " " << form << " " << third;
        }
    EXPECT_TRUE(DrawOnRow(series, vfDouble, std::nan("")).LeavesRow);
  }

  TChart FChart;
};

} // namespace chart::testing
