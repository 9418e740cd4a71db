#include "app/core/ChannelLoader.h"

#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"

#include <stdexcept>

namespace app {

void TChannelLoader::DataRead(const std::byte* Bytes, std::int64_t Read, std::int64_t Size) {
  if (!FSummary)
    FSummary.emplace(chart::TRecordLayout{}, Size / 4);
  FSummary->Arrived(Bytes, Read / 4);
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
  auto summaries = FSummary->Finish(block->Data(), count);
  const std::shared_ptr<const std::byte> bytes(block, block->Data());

  // Nothing below allocates: the store and each view share the block's ownership.
  Store.Assign(block, count);
  Series1.ViewPoints(chart::LaneView(bytes, {}, 0, count, std::move(summaries[0])));
  Series2.ViewPoints(chart::LaneView(bytes, {}, 1, count, std::move(summaries[1])));
  return count;
}

} // namespace app
