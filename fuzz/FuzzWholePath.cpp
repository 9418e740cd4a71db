// libFuzzer entry point for the whole path of a file, without Qt: the bytes as a WAVE file
// through the reader, the loader into a small store, both charts laid out as in the window and
// painted at two sizes into a fake window, then a zoom and a scroll with the mouse on each.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "app/ChannelLoader.h"
#include "app/FormChartsLayout.h"
#include "app/SampleStore.h"
#include "app/reader/ReadWaveFile.h"
#include "chart/Chart.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"
#include "fuzz/FuzzCheck.h"
#include "platform/files/MemorySource.h"
#include "tests/chart/FakeChartHost.h"

namespace {

using fuzzcheck::Check;

class TNoLog : public reader::TWaveLog {
public:
  void AppendLine(const std::string&) override {}
};

// Room for every frame of the largest input the run script allows, and then some: frames
// beyond it are left out, as a too-small store does in the window.

struct TSize {
  int Width;
  int Height;
};
// The charts' size in the window, and one so small that labels and margins eat the plot.
constexpr TSize Sizes[] = {{873, 296}, {61, 23}};

// Where the mouse goes, taken from the input so that the fuzzer steers it too.
struct TMousePath {
  std::uint8_t Bytes[8] = {};

  TMousePath(const std::uint8_t* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i)
      Bytes[i % 8] = std::uint8_t(Bytes[i % 8] * 31 + data[i]);
  }
  // A point across the chart (and a little beyond its edges) by two of the bytes.
  int X(int index, const TSize& size) const { return Bytes[index] * (size.Width + 20) / 255 - 10; }
  int Y(int index, const TSize& size) const { return Bytes[index] * (size.Height + 20) / 255 - 10; }
};

void Paint(chart::TChart& chart) {
  chart.Invalidate();
  chart.PaintMessage();
  Check(chart.PlotWidth >= 0 && chart.PlotHeight >= 0, "plotting rectangle turned inside out");
}

void Drag(chart::TChart& chart, chart::TMouseButton button, int x0, int y0, int x1, int y1) {
  chart.MouseDown(button, {}, x0, y0);
  chart.MouseMove({}, (x0 + x1) / 2, (y0 + y1) / 2);
  chart.PaintMessage();
  chart.MouseMove({}, x1, y1);
  chart.MouseUp(button, {}, x1, y1);
  chart.PaintMessage();
}

// Paints the chart at each size, then zooms and scrolls it with the mouse and paints again.
void Exercise(chart::TChart& chart, const TMousePath& mouse) {
  for (const TSize& size : Sizes) {
    chart::testing::TFakeChartHost host(size.Width, size.Height);
    chart.SetHost(&host);
    Paint(chart);
    Drag(chart, chart::TMouseButton::mbLeft, mouse.X(0, size), mouse.Y(1, size), mouse.X(2, size),
         mouse.Y(3, size));
    Drag(chart, chart::TMouseButton::mbRight, mouse.X(4, size), mouse.Y(5, size), mouse.X(6, size),
         mouse.Y(7, size));
    chart.MouseWheel(mouse.Bytes[0] & 1 ? 120 : -120, {}, mouse.X(1, size), mouse.Y(2, size));
    Paint(chart);
    chart.SetHost(nullptr);
  }
}

struct TCharts {
  chart::TChart Chart1;
  chart::TChart Chart2;
  chart::TFastLineSeries* Series1;
  chart::TLineSeries* Series2;

  TCharts() : Series1(&app::SetUpChart1(Chart1)), Series2(&app::SetUpChart2(Chart2)) {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  files::TMemorySource source(data, size);
  reader::TWaveInfo info;
  reader::TReadDetails details;
  TNoLog log;
  reader::ReadWaveFile(source, info, log, details);
  if (!info.Data)
    return 0;
  // Fresh charts each time: what one input leaves in a chart must not hide what the next finds.
  app::TSampleStore store;
  TCharts charts;
  const std::int32_t loaded = app::LoadChannels(*info.Data, store, *charts.Series1, *charts.Series2);
  Check(loaded == store.SampleCount, "frames loaded and the store's count differ");
  Check(charts.Series1->PointCount() == store.SampleCount &&
            charts.Series2->PointCount() == store.SampleCount,
        "series and store hold different frame counts");
  const TMousePath mouse(data, size);
  Exercise(charts.Chart1, mouse);
  Exercise(charts.Chart2, mouse);
  return 0;
}
