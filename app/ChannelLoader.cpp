#include "app/ChannelLoader.h"

#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"

#include <algorithm>
#include <array>
#include <span>

namespace app {

namespace {

std::int32_t Sample16(const std::byte* bytes) {
  const auto low = unsigned(bytes[0]);
  const auto high = unsigned(bytes[1]);
  return std::int16_t(std::uint16_t(low | (high << 8)));
}

// Frames handed to the series at a time: small enough to stay in the cache on the way.
constexpr std::int32_t FramesPerRun = 2048;

// Frames taken between two hand-backs of the stream's consumed pages: 2 MiB of stream.
constexpr std::int32_t FramesPerBlock = std::int32_t(1) << 19;
static_assert(FramesPerBlock % FramesPerRun == 0, "a block ends where a run ends");

// Every frame is a point (index + 1, sample) of each series, added in order.
void LoadRun(const std::byte* frame, std::int32_t from, std::int32_t to, TSampleStore& Store,
             chart::TFastLineSeries& Series1, chart::TLineSeries& Series2) {
  std::array<double, FramesPerRun> x;
  std::array<double, FramesPerRun> left;
  std::array<double, FramesPerRun> right;
  const std::size_t count = std::size_t(to - from);
  for (std::size_t i = 0; i < count; ++i, frame += 4) {
    const std::int32_t index = from + std::int32_t(i);
    const std::int32_t leftSample = Sample16(frame);
    const std::int32_t rightSample = Sample16(frame + 2);
    Store.LeftSamples[index] = leftSample;
    Store.RightSamples[index] = rightSample;
    x[i] = double(index) + 1.0;
    left[i] = leftSample;
    right[i] = rightSample;
  }
  Series1.AddPoints(std::span(x).first(count), std::span(left).first(count));
  Series2.AddPoints(std::span(x).first(count), std::span(right).first(count));
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
  for (std::int32_t from = 0; from < result.FramesLoaded; from += FramesPerRun) {
    const std::int32_t to = std::min(result.FramesLoaded - from, FramesPerRun) + from;
    LoadRun(Data.Memory() + std::int64_t(from) * 4, from, to, Store, Series1, Series2);
    if (to % FramesPerBlock == 0 || to == result.FramesLoaded)
      Data.DiscardBefore(std::int64_t(to) * 4);
  }
  Data.SetPosition(std::int64_t(result.FramesLoaded) * 4);
  Store.SampleCount = result.FramesLoaded;
  return result;
}

} // namespace app
