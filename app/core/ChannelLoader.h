// Hands a loaded data chunk, cut into interleaved 16-bit stereo frames, to the sample store and
// to the two chart series, without copying it: the chunk's bytes become the store, and each
// series views one channel of them.
#pragma once

#include "app/core/SampleStore.h"
#include "app/reader/DataProgress.h"
#include "chart/values/FrameSummary.h"
#include "platform/files/MemoryStream.h"

#include <cstdint>
#include <optional>

namespace chart {
class TFastLineSeries;
class TLineSeries;
} // namespace chart

namespace app {

// Summarises the frames as the reader brings the data chunk in (as its progress), then hands
// them over.
class TChannelLoader final : public reader::TDataProgress {
public:
  // Throws std::bad_alloc when the summaries cannot be had.
  void DataRead(const std::byte* Bytes, std::int64_t Read, std::int64_t Size) override;

  // Returns the frames loaded; trailing 1 to 3 bytes are ignored and the stream's size is fixed
  // from now on. What the charts need of the frames is built before anything is handed over:
  // when memory runs out (std::bad_alloc), or the stream holds more than MaxFrames frames
  // (std::length_error), the store and both series keep the file they had.
  std::int32_t Load(files::TMemoryStream& Data, TSampleStore& Store, chart::TFastLineSeries& Series1,
                    chart::TLineSeries& Series2);

private:
  std::optional<chart::TRecordSummary> FSummary;
};

} // namespace app
