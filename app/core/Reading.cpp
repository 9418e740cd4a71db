#include "app/core/Reading.h"

#include "app/reader/SampleCoding.h"
#include "chart/values/ChartValueList.h"

#include <algorithm>

namespace app {

namespace {

using reader::TSampleCoding;

chart::TValueForm FormOf(TSampleCoding Coding) {
  switch (Coding) {
  case TSampleCoding::Unsigned8:
    return chart::vfUInt8;
  case TSampleCoding::Int16:
    return chart::vfInt16;
  case TSampleCoding::Int24:
    return chart::vfInt24;
  case TSampleCoding::Int32:
    return chart::vfInt32;
  case TSampleCoding::ALaw:
    return chart::vfALaw;
  case TSampleCoding::MuLaw:
    return chart::vfMuLaw;
  case TSampleCoding::Float32:
    return chart::vfFloat32;
  case TSampleCoding::Float64:
    break;
  }
  return chart::vfFloat64;
}

chart::TRecordLayout RecordedLayoutOf(const reader::TRecordedLayout& Layout) {
  chart::TRecordLayout layout{FormOf(Layout.Coding), Layout.BlockAlign, {}};
  const std::size_t sampleBytes = Layout.BlockAlign / Layout.Channels;
  for (std::size_t c = 0; c < Layout.Channels; ++c)
    layout.LaneOffsets.push_back(c * sampleBytes);
  return layout;
}

} // namespace

std::int64_t WholeFrames(const TReading& Reading, std::int64_t bytes) {
  return Reading.Layout.RecordBytes == 0 ? 0 : bytes / std::int64_t(Reading.Layout.RecordBytes);
}

std::int32_t ShownFrames(const TReading& Reading, std::int64_t bytes) {
  return std::int32_t(std::min<std::int64_t>(WholeFrames(Reading, bytes), chart::TChartValueList::MaxValueCount));
}

TReading ChooseReading(const reader::TFormatDetails& Format, const TShowChoice& Choice) {
  TReading reading;
  const reader::TRecordedLayout recorded = RecordedLayout(Format);
  if (Choice.AsRecorded && recorded.Decoded) {
    reading.AsRecorded = true;
    reading.Layout = RecordedLayoutOf(recorded);
  }
  const int channels = int(reading.Layout.LaneOffsets.size());
  const bool fits = Choice.Upper >= 1 && Choice.Upper <= channels && Choice.Lower >= 0 && Choice.Lower <= channels;
  reading.Upper = fits ? Choice.Upper : 1;
  reading.Lower = fits ? Choice.Lower : std::min(2, channels);
  if (channels == 1)
    reading.Lower = 0;
  return reading;
}

} // namespace app
