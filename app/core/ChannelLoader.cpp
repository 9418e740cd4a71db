#include "app/core/ChannelLoader.h"

#include "chart/series/ChartSeries.h"

#include <array>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace app {

namespace {

TLaneKey KeyOf(const TReading& Reading, int Channel) {
  const chart::TRecordLayout& layout = Reading.Layout;
  return {layout.Form, layout.RecordBytes, layout.LaneOffsets[std::size_t(Channel - 1)]};
}

// The lanes the charts show, each once: the upper chart's, then the lower chart's unless it
// shows none or the same.
chart::TRecordLayout ShownLanes(const TReading& Reading) {
  chart::TRecordLayout lanes{Reading.Layout.Form, Reading.Layout.RecordBytes, {}};
  for (const int channel : {Reading.Upper, Reading.Lower})
    if (channel > 0 && (lanes.LaneOffsets.empty() || channel != Reading.Upper))
      lanes.LaneOffsets.push_back(KeyOf(Reading, channel).Offset);
  return lanes;
}

using TChartSummaries = std::array<std::optional<chart::TChannelSummary>, 2>;

// The summaries of the channels the charts show, moved out of `Spare` (copied for the upper chart
// when both show the one channel); none where Spare lacks one. Throws std::bad_alloc with Spare
// as it was.
TChartSummaries TakeSummaries(std::map<TLaneKey, chart::TChannelSummary>& Spare, const TReading& Reading) {
  TChartSummaries taken;
  const std::array<int, 2> channels = {Reading.Upper, Reading.Lower};
  if (channels[0] > 0 && channels[0] == channels[1]) {
    const auto found = Spare.find(KeyOf(Reading, channels[0]));
    if (found != Spare.end())
      taken[0] = found->second;
  }
  for (std::size_t k = 0; k < 2; ++k) {
    if (channels[k] <= 0 || taken[k])
      continue;
    const auto found = Spare.find(KeyOf(Reading, channels[k]));
    if (found == Spare.end())
      continue;
    taken[k] = std::move(found->second);
    Spare.erase(found);
  }
  return taken;
}

// Each chart views its channel with its summary; a chart without either shows nothing.
void ViewChannels(const TSampleStore& Store, std::int32_t Count, TChartSummaries Summaries,
                  chart::TChartSeries& Series1, chart::TChartSeries& Series2) noexcept {
  const std::shared_ptr<const std::byte> bytes(Store.Frames(), Store.Bytes());
  const TReading& reading = Store.Reading;
  const std::array<int, 2> channels = {reading.Upper, reading.Lower};
  const std::array<chart::TChartSeries*, 2> series = {&Series1, &Series2};
  for (std::size_t k = 0; k < 2; ++k) {
    if (channels[k] > 0 && Summaries[k])
      series[k]->ViewPoints(chart::LaneView(bytes, reading.Layout, std::size_t(channels[k] - 1), Count,
                                            std::move(*Summaries[k])));
    else
      series[k]->ClearPoints();
  }
}

// Keeps what a chart's viewed channel was summarised to, for showing it again.
void KeepShown(TSampleStore& Store, chart::TChartSeries& Series, int Channel) {
  chart::TChannelSummary summary;
  if (Channel > 0 && Series.YValues().TakeBackView(summary.Summary, summary.Stats))
    Store.SpareSummaries.insert_or_assign(KeyOf(Store.Reading, Channel), std::move(summary));
}

} // namespace

TChannelLoader::TChannelLoader(const reader::TReadDetails& Details, TShowChoice Choice,
                               TWorkProgress* Progress)
    : FDetails(Details), FChoice(Choice), FProgress(Progress) {}

void TChannelLoader::DataStart(const std::byte* Bytes, std::int64_t Size, int Ranges) {
  FReading = ChooseReading(FDetails.Format, FChoice);
  FSummary.emplace(ShownLanes(FReading), ShownFrames(FReading, Size), Ranges);
  FBytes = Bytes;
}

// A record split between two ranges is whole in neither: the summary's joining takes it.
void TChannelLoader::DataRead(int Range, std::int64_t From, std::int64_t To) noexcept {
  const std::int64_t firstWhole = WholeFrames(FReading, From + std::int64_t(FReading.Layout.RecordBytes) - 1);
  FSummary->Arrived(Range, FBytes, firstWhole, WholeFrames(FReading, To));
}

void TChannelLoader::DataWaiting(std::int64_t Arrived, std::int64_t Size) noexcept {
  if (FProgress)
    FProgress->Advance(Arrived, Size);
}

std::int32_t TChannelLoader::Load(files::TMemoryStream& Data, TSampleStore& Store,
                                  chart::TChartSeries& Series1, chart::TChartSeries& Series2) {
  if (!FSummary)
    DataStart(Data.Memory(), Data.Size(), 1);
  const std::int32_t count = ShownFrames(FReading, Data.Size());
  std::shared_ptr<const files::TMemoryBlock> block = Data.Share();
  std::vector<chart::TChannelSummary> summaries = FSummary->Finish(block->Data(), count);
  const chart::TRecordLayout lanes = ShownLanes(FReading);
  std::map<TLaneKey, chart::TChannelSummary> shown;
  for (std::size_t k = 0; k < lanes.LaneOffsets.size(); ++k)
    shown.emplace(TLaneKey{lanes.Form, lanes.RecordBytes, lanes.LaneOffsets[k]}, std::move(summaries[k]));

  TChartSummaries taken = TakeSummaries(shown, FReading);

  // Nothing below allocates: the store and each view share the block's ownership.
  Store.Assign(block, count);
  Store.Reading = std::move(FReading);
  Store.Format = FDetails.Format;
  Store.DataBytes = Data.Size();
  ViewChannels(Store, count, std::move(taken), Series1, Series2);
  return count;
}

void ShowReading(TSampleStore& Store, const TShowChoice& Choice, chart::TChartSeries& Series1,
                 chart::TChartSeries& Series2) {
  TReading reading = ChooseReading(Store.Format, Choice);
  if (!Store.Frames()) {
    Store.Reading = std::move(reading);
    return;
  }
  const std::int32_t count = ShownFrames(reading, Store.DataBytes);
  KeepShown(Store, Series1, Store.Reading.Upper);
  KeepShown(Store, Series2, Store.Reading.Lower);
  TChartSummaries taken;
  try {
    chart::TRecordLayout missing{reading.Layout.Form, reading.Layout.RecordBytes, {}};
    for (const std::size_t offset : ShownLanes(reading).LaneOffsets)
      if (!Store.SpareSummaries.contains({missing.Form, missing.RecordBytes, offset}))
        missing.LaneOffsets.push_back(offset);
    if (!missing.LaneOffsets.empty()) {
      std::vector<chart::TChannelSummary> built = chart::SummariseRecords(missing, Store.Bytes(), count);
      for (std::size_t k = 0; k < built.size(); ++k)
        Store.SpareSummaries.insert_or_assign({missing.Form, missing.RecordBytes, missing.LaneOffsets[k]},
                                              std::move(built[k]));
    }
    taken = TakeSummaries(Store.SpareSummaries, reading);
  } catch (...) {
    ViewChannels(Store, Store.SampleCount, TakeSummaries(Store.SpareSummaries, Store.Reading), Series1,
                 Series2);
    throw;
  }
  Store.Reading = std::move(reading);
  Store.SampleCount = count;
  ViewChannels(Store, count, std::move(taken), Series1, Series2);
}

} // namespace app
