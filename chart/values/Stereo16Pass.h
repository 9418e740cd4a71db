// The pass over both lanes of interleaved 16-bit stereo frames, the loaded data's usual form.
#pragma once

#include "chart/values/LanePass.h"
#include "chart/values/SimdPath.h"

#include <cstdint>
#include <memory>

namespace chart {

// Both lanes of 16-bit stereo frames, in the vector registers of `path`.
std::unique_ptr<TLanePass> NewStereo16Pass(std::int64_t frames, int ranges, TSimdPath path);

} // namespace chart
