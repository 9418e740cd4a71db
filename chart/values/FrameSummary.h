// The summaries and statistics of both channels of interleaved 16-bit stereo frames, built in one
// pass over the frames as they were loaded, so that charts viewing the channels never need a pass
// of their own.
#pragma once

#include "chart/values/ValueSummary.h"

#include <array>
#include <cstdint>

namespace chart {

struct TChannelSummary {
  TValueSummary Summary;
  TListStats Stats;
};

// Channel c of frame i is frames[2 * i + c]. Throws std::bad_alloc with nothing built.
std::array<TChannelSummary, 2> SummariseStereoFrames(const std::int16_t* frames, int count);

} // namespace chart
