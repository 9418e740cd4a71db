#include "chart/values/FrameSummary.h"

#include "chart/values/Stereo16Pass.h"

namespace chart {

namespace {

bool IsStereo16(const TRecordLayout& layout) {
  return layout.Form == vfInt16 && layout.RecordBytes == 4 &&
         layout.LaneOffsets == std::vector<std::size_t>{0, 2};
}

} // namespace

TRecordSummary::TRecordSummary(const TRecordLayout& layout, std::int64_t records, int ranges, TSimdPath path)
    : FPass(IsStereo16(layout) ? NewStereo16Pass(records, ranges, path)
                               : NewLanePass(layout, records, ranges, path)) {}

std::vector<TChannelSummary> SummariseRecords(const TRecordLayout& layout, const std::byte* records,
                                              int count) {
  return TRecordSummary(layout, count).Finish(records, count);
}

TValueView LaneView(std::shared_ptr<const std::byte> records, const TRecordLayout& layout, std::size_t lane,
                    int count, TChannelSummary summary) {
  const std::byte* first = records ? records.get() + layout.LaneOffsets[lane] : nullptr;
  return {std::shared_ptr<const std::byte>(std::move(records), first),
          layout.Form,
          layout.RecordBytes,
          count,
          std::move(summary.Summary),
          summary.Stats};
}

} // namespace chart
