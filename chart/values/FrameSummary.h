// The summaries and statistics of chosen lanes of interleaved records, built in one pass over the
// records as they are loaded, so that lists viewing the lanes never need a pass of their own. It
// knows nothing of any file format: a record is so many bytes, a lane an element type at a byte
// offset in it.
#pragma once

#include "chart/values/ChartValueList.h"
#include "chart/values/LanePass.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace chart {

// Summarises records a block at a time as they arrive in their place, so that each block is read
// while it is still in the processor's cache.
class TRecordSummary {
public:
  // Room for the summaries of up to `records` records arriving in `ranges` ranges, summarised in
  // the vector registers of `path`. Throws std::bad_alloc.
  TRecordSummary(const TRecordLayout& layout, std::int64_t records, int ranges = 1,
                 TSimdPath path = SimdPath());
  void Arrived(int range, const std::byte* records, std::int64_t first, std::int64_t end) noexcept {
    FPass->Arrived(range, records, first, end);
  }
  // The summaries of the first `count` records at `records`, one per lane.
  std::vector<TChannelSummary> Finish(const std::byte* records, int count) {
    return FPass->Finish(records, count);
  }

private:
  std::unique_ptr<TLanePass> FPass;
};

// All records at once. Throws std::bad_alloc with nothing built.
std::vector<TChannelSummary> SummariseRecords(const TRecordLayout& layout, const std::byte* records,
                                              int count);

// Lane `lane` of the first `count` records as a list views it, with that lane's summary.
TValueView LaneView(std::shared_ptr<const std::byte> records, const TRecordLayout& layout, std::size_t lane,
                    int count, TChannelSummary summary);

} // namespace chart
