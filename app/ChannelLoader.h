// Splits a loaded data chunk into interleaved 16-bit stereo frames, stores both channels and
// hands every frame to the two chart series.
#pragma once

#include "app/SampleStore.h"
#include "platform/files/MemoryStream.h"

#include <cstdint>

namespace chart {
class TFastLineSeries;
class TLineSeries;
} // namespace chart

namespace app {

struct TLoadResult {
  std::int64_t FramesInData = 0;
  std::int32_t FramesLoaded = 0;
};

// Frames beyond the store's capacity are left out; trailing 1 to 3 bytes are ignored. The
// stream is consumed: the bytes of the loaded frames read as zero afterwards.
// SampleCount is written only once every frame is in: an error raised by a series keeps the
// previous count.
TLoadResult LoadChannels(files::TMemoryStream& Data, TSampleStore& Store, chart::TFastLineSeries& Series1,
                         chart::TLineSeries& Series2);

} // namespace app
