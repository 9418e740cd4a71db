// Hands a loaded data chunk to the sample store and to the two chart series without copying it:
// the chunk's bytes become the store, and each series views the channel it shows, in the reading
// the user chose. Switching the reading or a chart's channel later re-reads the store.
#pragma once

#include "app/core/Reading.h"
#include "app/core/SampleStore.h"
#include "app/core/WorkProgress.h"
#include "app/reader/DataProgress.h"
#include "app/reader/ReadDetails.h"
#include "chart/values/FrameSummary.h"
#include "platform/files/MemoryStream.h"

#include <cstdint>
#include <optional>

namespace chart {
class TChartSeries;
} // namespace chart

namespace app {

// Summarises the shown channels as the reader brings the data chunk in (as its progress), then
// hands them over; tells Progress, if given, how far the read has come.
class TChannelLoader final : public reader::TDataProgress {
public:
  // The reader fills Details in; its format chunk is known before the data chunk's first block.
  TChannelLoader(const reader::TReadDetails& Details, TShowChoice Choice, TWorkProgress* Progress = nullptr);

  // Throws std::bad_alloc when the summaries cannot be had.
  void DataStart(const std::byte* Bytes, std::int64_t Size, int Ranges) override;
  // Allocates nothing and throws nothing: it runs on the reader's workers.
  void DataRead(int Range, std::int64_t From, std::int64_t To) noexcept override;
  void DataWaiting(std::int64_t Arrived, std::int64_t Size) noexcept override;

  // Returns the frames loaded; bytes after the last whole frame are ignored and the stream's size
  // is fixed from now on. What the charts need is built before anything is handed over: when
  // memory runs out (std::bad_alloc) the store and both series keep the file they had.
  std::int32_t Load(files::TMemoryStream& Data, TSampleStore& Store, chart::TChartSeries& Series1,
                    chart::TChartSeries& Series2);

private:
  const reader::TReadDetails& FDetails;
  TShowChoice FChoice;
  TWorkProgress* FProgress;
  TReading FReading;
  std::optional<chart::TRecordSummary> FSummary;
  const std::byte* FBytes = nullptr;
};

// Shows the store's frames in the reading `Choice` gives: all axes become automatic, the summaries
// the charts lack are built in one pass over the frames, those no chart shows are kept. Throws
// std::bad_alloc with the charts as they were.
void ShowReading(TSampleStore& Store, const TShowChoice& Choice, chart::TChartSeries& Series1,
                 chart::TChartSeries& Series2);

} // namespace app
