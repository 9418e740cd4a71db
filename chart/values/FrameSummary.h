// The summaries and statistics of both channels of interleaved 16-bit stereo frames, built in one
// pass over the frames as they were loaded, so that charts viewing the channels never need a pass
// of their own.
#pragma once

#include "chart/values/ValueSummary.h"

#include <array>
#include <cstdint>
#include <vector>

namespace chart {

struct TChannelSummary {
  TValueSummary Summary;
  TListStats Stats;
};

struct TChannelTotals {
  int Minimum = 0;
  int Maximum = 0;
  // 16-bit sums stay exact in 64 bits for any list length.
  std::int64_t Total = 0;
  std::int64_t AbsTotal = 0;
  bool Ascending = true;
};

// Channel c of frame i is frames[2 * i + c]. The summaries are built a block at a time as the
// frames arrive in their place, so that each block is read while it is still in the processor's
// cache.
class TStereoFrameSummary {
public:
  // Room for the summaries of up to `frames` frames. Throws std::bad_alloc.
  explicit TStereoFrameSummary(std::int64_t frames);
  // The first `count` frames at `frames` (the same address at every call) are in; the whole
  // blocks among them not summarised yet are summarised now.
  void Arrived(const std::int16_t* frames, std::int64_t count);
  // The summaries of the first `count` frames at `frames`, all of which have arrived.
  std::array<TChannelSummary, 2> Finish(const std::int16_t* frames, int count);

private:
  struct TLeaves {
    std::vector<std::int16_t> Min;
    std::vector<std::int16_t> Max;
  };
  std::array<TLeaves, 2> FLeaves;
  std::array<TChannelTotals, 2> FTotals;
  std::size_t FLeavesDone = 0;
};

// All frames at once. Throws std::bad_alloc with nothing built.
std::array<TChannelSummary, 2> SummariseStereoFrames(const std::int16_t* frames, int count);

} // namespace chart
