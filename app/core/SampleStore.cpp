#include "app/core/SampleStore.h"

namespace app {

void TSampleStore::Assign(std::shared_ptr<const files::TMemoryBlock> frames, std::int32_t count) noexcept {
  FFrames = std::move(frames);
  SpareSummaries.clear();
  const auto* first = FFrames ? reinterpret_cast<const std::int16_t*>(FFrames->Data()) : nullptr;
  LeftSamples = TChannelSamples(first);
  RightSamples = TChannelSamples(first ? first + 1 : nullptr);
  SampleCount = count;
}

} // namespace app
