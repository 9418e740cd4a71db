#include "app/core/ChannelLoader.h"

#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"

#include <stdexcept>

namespace app {

void TChannelLoader::DataRead(const std::byte* Bytes, std::int64_t Read, std::int64_t Size) {
  if (!FSummary)
    FSummary.emplace(Size / 4);
  FSummary->Arrived(reinterpret_cast<const std::int16_t*>(Bytes), Read / 4);
}

std::int32_t TChannelLoader::Load(files::TMemoryStream& Data, TSampleStore& Store,
                                  chart::TFastLineSeries& Series1, chart::TLineSeries& Series2) {
  const std::int64_t frames = Data.Size() / 4;
  if (frames > MaxFrames)
    throw std::length_error("The sound data holds more frames than the viewer can show");
  const auto count = std::int32_t(frames);
  if (!FSummary)
    DataRead(Data.Memory(), Data.Size(), Data.Size());
  std::shared_ptr<const files::TMemoryBlock> block = Data.Share();
  const auto* samples = reinterpret_cast<const std::int16_t*>(block->Data());
  auto [left, right] = FSummary->Finish(samples, count);

  // Nothing below allocates: the store and each view share the block's ownership, and the views
  // start where the store's channels do.
  Store.Assign(block, count);
  Series1.ViewPoints({std::shared_ptr<const std::int16_t>(block, Store.LeftSamples.First()), 2, count,
                      std::move(left.Summary), left.Stats});
  Series2.ViewPoints({std::shared_ptr<const std::int16_t>(block, Store.RightSamples.First()), 2, count,
                      std::move(right.Summary), right.Stats});
  return count;
}

} // namespace app
