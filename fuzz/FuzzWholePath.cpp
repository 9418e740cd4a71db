// libFuzzer entry point for the whole path of a file, without Qt: the bytes as a WAVE file
// through the reader, the loader into the store, both charts laid out as in the window and
// painted at two small sizes into a fake window, then a zoom and a scroll with the mouse, a key
// and a readout lookup on each.
// A small input stands for a long file: the RIFF header's size, when the input falls short of it,
// is made up by repeating the input's last bytes, up to half a million frames.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "app/core/ChannelLoader.h"
#include "app/core/FormChartsLayout.h"
#include "app/core/Readout.h"
#include "app/core/SampleStore.h"
#include "app/reader/ReadWaveFile.h"
#include "chart/Chart.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"
#include "fuzz/FuzzCheck.h"
#include "platform/files/MemorySource.h"
#include "platform/memory/PageMemory.h"
#include "tests/chart/FakeChartHost.h"

namespace {

using fuzzcheck::Check;

class TNoLog : public reader::TWaveLog {
public:
  void AppendLine(const std::string&) override {}
};

struct TSize {
  int Width;
  int Height;
};
// A chart small enough to paint fast yet wide enough for many points per column, and one so
// small that labels and margins eat the plot. There the axes measure thousands of labels per
// paint, so it is painted once, for one input in eight.
constexpr TSize Small = {160, 64};
constexpr TSize Tiny = {61, 23};

// At most this many bytes are added: 2^19 frames, which the reader brings in two blocks, which
// give the summary four levels above its leaves and the frame pass eight folds of its sums. Twice
// as many reached nothing more and halved the executions a second.
constexpr std::size_t MaxAddedBytes = std::size_t(2) << 20;

// The input, lengthened to the size its RIFF header gives (bytes 4 to 7, plus the 8 before the
// body) by repeating its last 4 to 64 bytes (how many, its last byte says). The buffer is had
// once, so no input pays for its pages or for clearing them.
struct TFile {
  const std::uint8_t* Bytes;
  std::size_t Size;
};
constexpr std::size_t MaxInputBytes = 4096;
TFile Lengthened(const std::uint8_t* data, std::size_t size) {
  static const std::unique_ptr<std::uint8_t[]> file(new std::uint8_t[MaxInputBytes + MaxAddedBytes]);
  if (size < 8 || size > MaxInputBytes)
    return {data, size};
  const std::size_t declared =
      std::size_t(data[4] | data[5] << 8 | data[6] << 16) + (std::size_t(data[7]) << 24) + 8;
  const std::size_t pattern = std::min<std::size_t>(size, 4 + data[size - 1] % 61);
  const std::size_t target = std::min(declared, size + MaxAddedBytes);
  if (target <= size)
    return {data, size};
  std::memcpy(file.get(), data, size);
  // Each copy doubles the repeated stretch, which stays a whole number of patterns long.
  const std::size_t start = size - pattern;
  for (std::size_t filled = size; filled < target;) {
    const std::size_t chunk = std::min(filled - start, target - filled);
    std::memcpy(file.get() + filled, file.get() + start, chunk);
    filled += chunk;
  }
  return {file.get(), target};
}

// The pages of one data chunk, mapped once and handed out again, cleared, for the next input's:
// fresh pages (faulted in and cleared by the kernel) would cost more than the rest of a long
// input's path. What does not fit, or comes while the region is taken, gets pages of its own.
class TReusedPages final : public pages::TPageMemory {
public:
  explicit TReusedPages(std::size_t bytes) : FBytes(bytes), FRegion(pages::SystemPageMemory().Map(bytes)) {
    pages::SystemPageMemory().Populate(FRegion, FBytes);
  }

  void* Map(std::size_t bytes) override {
    if (FTaken || bytes > FBytes)
      return pages::SystemPageMemory().Map(bytes);
    FTaken = true;
    std::memset(FRegion, 0, bytes);
    return FRegion;
  }
  void* Remap(void* address, std::size_t oldBytes, std::size_t newBytes) override {
    if (address != FRegion)
      return pages::SystemPageMemory().Remap(address, oldBytes, newBytes);
    if (newBytes > FBytes)
      throw std::bad_alloc();
    if (newBytes > oldBytes)
      std::memset(static_cast<std::uint8_t*>(FRegion) + oldBytes, 0, newBytes - oldBytes);
    return FRegion;
  }
  void Unmap(void* address, std::size_t bytes) override {
    if (address == FRegion)
      FTaken = false;
    else
      pages::SystemPageMemory().Unmap(address, bytes);
  }
  void Populate(void*, std::size_t) override {}

private:
  std::size_t FBytes;
  void* FRegion;
  bool FTaken = false;
};

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
  Check(chart.PlotWidth() >= 0 && chart.PlotHeight() >= 0, "plotting rectangle turned inside out");
}

void Drag(chart::TChart& chart, chart::TMouseButton button, int x0, int y0, int x1, int y1) {
  chart.MouseDown(button, {}, x0, y0);
  chart.MouseMove({}, (x0 + x1) / 2, (y0 + y1) / 2);
  chart.PaintMessage();
  chart.MouseMove({}, x1, y1);
  chart.MouseUp(button, {}, x1, y1);
  chart.PaintMessage();
}

// The fake windows, made once: only the charts have to start afresh with each input, and the
// windows keep nothing that a chart reads back but the pixels a paint overwrites.
chart::testing::TFakeChartHost& Host(const TSize& size) {
  static chart::testing::TFakeChartHost small(Small.Width, Small.Height);
  static chart::testing::TFakeChartHost tiny(Tiny.Width, Tiny.Height);
  chart::testing::TFakeChartHost& host = size.Width == Small.Width ? small : tiny;
  host.Cursors.clear();
  return host;
}

// Paints the chart, zooms and scrolls it with the mouse and a key, paints again and looks up the
// readout at a point; then, when the input says so, paints it once at the tiny size.
void Exercise(chart::TChart& chart, const chart::TChartSeries& series, const TMousePath& mouse) {
  const TSize& size = Small;
  chart.SetHost(&Host(size));
  Paint(chart);
  Drag(chart, chart::TMouseButton::mbLeft, mouse.X(0, size), mouse.Y(1, size), mouse.X(2, size),
       mouse.Y(3, size));
  Drag(chart, chart::TMouseButton::mbRight, mouse.X(4, size), mouse.Y(5, size), mouse.X(6, size),
       mouse.Y(7, size));
  chart.MouseWheel(mouse.Bytes[0] & 1 ? 120 : -120, {}, mouse.X(1, size), mouse.Y(2, size));
  constexpr int KeyCount = int(chart::TChartKey::ckHome) + 1;
  chart.KeyDown(static_cast<chart::TChartKey>(mouse.Bytes[3] % KeyCount));
  Paint(chart);
  const chart::TPaintContext context = chart.PaintContextOf(series);
  app::ReadoutText({&series, 1, 44100, true}, {context.PlotRect, context.PointMapper()}, mouse.X(4, size),
                   mouse.Y(5, size));
  if (mouse.Bytes[7] % 8 == 0) {
    chart.SetHost(&Host(Tiny));
    Paint(chart);
  }
  chart.SetHost(nullptr);
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
  static TReusedPages pages(MaxInputBytes + MaxAddedBytes + 4096);
  const TFile file = Lengthened(data, size);
  files::TMemorySource source(file.Bytes, file.Size);
  reader::TWaveInfo info;
  reader::TReadDetails details;
  TNoLog log;
  // The reading and the channels come from the input's last byte, so that every element type,
  // stride and summary is reached; the load then switches to the other reading.
  const std::uint8_t choice = size > 0 ? data[size - 1] : 0;
  const app::TShowChoice chosen{(choice & 1) != 0, 1 + (choice >> 1 & 7), choice >> 4 & 7};
  // As the window loads: the frames are summarised block by block as the reader brings them in.
  app::TChannelLoader loader(details, chosen);
  reader::ReadWaveFile(source, info, log, details, pages, &loader, 2);
  if (!info.Data)
    return 0;
  // Fresh charts each time: what one input leaves in a chart must not hide what the next finds.
  app::TSampleStore store;
  TCharts charts;
  const std::int32_t loaded = loader.Load(*info.Data, store, *charts.Series1, *charts.Series2);
  Check(loaded == store.SampleCount, "frames loaded and the store's count differ");
  Check(charts.Series1->PointCount() == store.SampleCount &&
            charts.Series2->PointCount() == (store.Reading.Lower > 0 ? store.SampleCount : 0),
        "series and store hold different frame counts");
  const TMousePath mouse(data, size);
  Exercise(charts.Chart1, *charts.Series1, mouse);
  Exercise(charts.Chart2, *charts.Series2, mouse);
  app::ShowReading(store, {!chosen.AsRecorded, chosen.Lower, chosen.Upper}, *charts.Series1, *charts.Series2);
  Check(charts.Series1->PointCount() == store.SampleCount, "a switched reading and the store differ");
  Exercise(charts.Chart1, *charts.Series1, mouse);
  return 0;
}
