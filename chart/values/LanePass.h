// The pass over chosen lanes of interleaved records (one lane per channel of a frame) as they
// arrive in ranges side by side, and the pass for any layout, one leaf of all lanes at a time.
#pragma once

#include "chart/values/ElementTypes.h"
#include "chart/values/SimdPath.h"
#include "chart/values/ValueSummary.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace chart {

struct TChannelSummary {
  TValueSummary Summary;
  TListStats Stats;
};

// Lane k of record i is an entry of element type Form at Bytes + i * RecordBytes + LaneOffsets[k].
struct TRecordLayout {
  TValueForm Form = vfInt16;
  std::size_t RecordBytes = 4;
  std::vector<std::size_t> LaneOffsets = {0, 2};
};

// The pass of one layout over records that arrive in ranges side by side, each range in order a
// block at a time. The ranges' summaries are joined into exactly what one pass over all records
// gives.
class TLanePass {
public:
  virtual ~TLanePass() = default;
  // Records [first, end) of range `range` have arrived (first is the same at every call of the
  // range, end grows): the whole leaves among them are summarised now. Each range is told from
  // one thread at a time, different ranges from different threads at once; allocates nothing.
  virtual void Arrived(int range, const std::byte* records, std::int64_t first,
                       std::int64_t end) noexcept = 0;
  // The summaries of the first `count` records, all of which have arrived, one per lane; after
  // every range has ended. Leaves no range summarised are summarised here.
  virtual std::vector<TChannelSummary> Finish(const std::byte* records, int count) = 0;
};

// Where one range's summarised leaves lie: [FirstLeaf, LeavesDone) once it has begun.
struct TLeafSpan {
  std::int64_t FirstLeaf = -1;
  std::int64_t LeavesDone = 0;

  // Begins the span at the first whole leaf from record `first` on; returns the leaves to
  // summarise now, [LeavesDone, the returned end), whole ones below record `end` and `leafCount`.
  std::int64_t Extend(std::int64_t first, std::int64_t end, std::int64_t leafSize, std::int64_t leafCount) {
    if (FirstLeaf < 0)
      LeavesDone = FirstLeaf = (first + leafSize - 1) / leafSize;
    return std::max(LeavesDone, std::min(end / leafSize, leafCount));
  }
};

// The order in which ranges' summaries are joined: calls `gap(from, to)` for leaves no usable
// range covers and `join(range)` for each range whose leaves follow on and lie below `whole`,
// in leaf order, up to `whole` leaves.
template <class TGap, class TJoin>
void JoinSpans(const std::vector<TLeafSpan>& spans, std::int64_t whole, TGap&& gap, TJoin&& join) {
  std::int64_t next = 0;
  for (std::size_t r = 0; r < spans.size(); ++r) {
    const TLeafSpan& span = spans[r];
    if (span.FirstLeaf < next || span.LeavesDone <= span.FirstLeaf || span.LeavesDone > whole)
      continue;
    if (span.FirstLeaf > next)
      gap(next, span.FirstLeaf);
    join(r);
    next = span.LeavesDone;
  }
  if (whole > next)
    gap(next, whole);
}

// The pass for any layout, in the vector registers of `path`.
std::unique_ptr<TLanePass> NewLanePass(const TRecordLayout& layout, std::int64_t records, int ranges,
                                       TSimdPath path);

} // namespace chart
