#include "app/ChannelLoader.h"

#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"
#include "chart/surface/ChartColors.h"

#include <algorithm>
#include <string_view>

namespace app {

namespace {

std::int32_t Sample16(const std::byte* bytes) {
  const auto low = unsigned(bytes[0]);
  const auto high = unsigned(bytes[1]);
  return std::int16_t(std::uint16_t(low | (high << 8)));
}

// Frames taken between two hand-backs of the stream's consumed pages: 2 MiB of stream.
constexpr std::int32_t FramesPerBlock = std::int32_t(1) << 19;

void LoadFrames(const std::byte* frame, std::int32_t from, std::int32_t to, TSampleStore& Store,
                chart::TFastLineSeries& Series1, chart::TLineSeries& Series2) {
  const std::string_view noLabel;
  for (std::int32_t index = from; index < to; ++index, frame += 4) {
    const std::int32_t left = Sample16(frame);
    const std::int32_t right = Sample16(frame + 2);
    Store.LeftSamples[index] = left;
    Store.RightSamples[index] = right;
    const double x = double(index) + 1.0;
    Series1.AddPoint(x, double(left), noLabel, chart::DefaultSeriesColor);
    Series2.AddPoint(x, double(right), noLabel, chart::DefaultSeriesColor);
  }
}

} // namespace

// The stream gives its pages back block by block as the frames leave it, so the stream and the
// arrays that take the frames never need their full memory at the same time.
TLoadResult LoadChannels(files::TMemoryStream& Data, TSampleStore& Store, chart::TFastLineSeries& Series1,
                         chart::TLineSeries& Series2) {
  Data.SetPosition(0);
  TLoadResult result;
  result.FramesInData = Data.Size() / 4;
  result.FramesLoaded = std::int32_t(std::min<std::int64_t>(result.FramesInData, Store.Capacity()));

  Series1.ClearPoints();
  Series2.ClearPoints();
  for (std::int32_t from = 0; from < result.FramesLoaded; from += FramesPerBlock) {
    const std::int32_t to = std::min(result.FramesLoaded - from, FramesPerBlock) + from;
    LoadFrames(Data.Memory() + std::int64_t(from) * 4, from, to, Store, Series1, Series2);
    Data.DiscardBefore(std::int64_t(to) * 4);
  }
  Data.SetPosition(std::int64_t(result.FramesLoaded) * 4);
  Store.SampleCount = result.FramesLoaded;
  return result;
}

} // namespace app
