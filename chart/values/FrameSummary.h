// The summaries and statistics of chosen lanes of interleaved records (one lane per channel of a
// frame), built in one pass over the records as they are loaded, so that lists viewing the lanes
// never need a pass of their own. It knows nothing of any file format: a record is so many bytes,
// a lane an element type at a byte offset in it.
#pragma once

#include "chart/values/ChartValueList.h"
#include "chart/values/ElementTypes.h"
#include "chart/values/ValueSummary.h"

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

// The pass of one layout; records arrive in order, a block at a time.
class TLanePass {
public:
  virtual ~TLanePass() = default;
  // The whole blocks among the first `count` records not summarised yet are summarised now.
  virtual void Arrived(const std::byte* records, std::int64_t count) = 0;
  // The summaries of the first `count` records, all of which have arrived, one per lane.
  virtual std::vector<TChannelSummary> Finish(const std::byte* records, int count) = 0;
};

// Summarises records a block at a time as they arrive in their place, so that each block is read
// while it is still in the processor's cache.
class TRecordSummary {
public:
  // Room for the summaries of up to `records` records. Throws std::bad_alloc.
  TRecordSummary(const TRecordLayout& layout, std::int64_t records);
  // The first `count` records at `records` (the same address at every call) are in.
  void Arrived(const std::byte* records, std::int64_t count) { FPass->Arrived(records, count); }
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

// The pass for both lanes of 16-bit stereo frames, in vector registers.
std::unique_ptr<TLanePass> NewStereo16Pass(std::int64_t frames);
// The pass for any layout, one element at a time.
std::unique_ptr<TLanePass> NewLanePass(const TRecordLayout& layout, std::int64_t records);

} // namespace chart
