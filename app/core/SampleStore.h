// The program-wide sample store: the frames of the last load, kept once, as the data chunk read
// from the file holds them (two interleaved 16-bit samples a frame), both channels as views of
// them, the frame count and the path last taken from the open dialog.
#pragma once

#include "app/core/Reading.h"
#include "app/reader/ReadDetails.h"
#include "chart/values/FrameSummary.h"
#include "platform/files/MemoryStream.h"

#include <bit>
#include <compare>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace app {

// The largest data chunk the reader takes, in whole frames.
inline constexpr std::int32_t MaxFrames = reader::MaxChunkSize / 4;

static_assert(std::endian::native == std::endian::little, "the frames are read as the file stores them");

// One channel of the frames: sample i of the channel is entry 2 * i.
class TChannelSamples {
public:
  TChannelSamples() = default;
  explicit TChannelSamples(const std::int16_t* first) : FFirst(first) {}
  std::int32_t operator[](std::size_t frame) const { return FFirst[2 * frame]; }
  const std::int16_t* First() const { return FFirst; }

private:
  const std::int16_t* FFirst = nullptr;
};

// One channel of one reading of the frames.
struct TLaneKey {
  chart::TValueForm Form;
  std::size_t RecordBytes;
  std::size_t Offset;
  auto operator<=>(const TLaneKey&) const = default;
};

class TSampleStore {
public:
  // Frame i (counted from 0) of the channels, for i below SampleCount.
  TChannelSamples LeftSamples;
  TChannelSamples RightSamples;
  // Frames of the last load, in the reading shown.
  std::int32_t SampleCount = 0;
  // How the charts and the export read the frames, and which channels the charts show.
  TReading Reading;
  // The format chunk of the file the frames came from, and the data chunk's bytes held.
  reader::TFormatDetails Format;
  std::int64_t DataBytes = 0;
  std::string WaveFileName;
  // The file whose frames the store holds, and whether a read since failed to replace them: the
  // dump is then named after that file, not after the one last taken from the dialog.
  std::string FramesFileName;
  bool LaterReadFailed = false;

  // The wave file the dump of the store is named after.
  const std::string& DumpSourceName() const {
    return LaterReadFailed && !FramesFileName.empty() ? FramesFileName : WaveFileName;
  }

  // Summaries of channels no chart shows now, kept for showing them again.
  std::map<TLaneKey, chart::TChannelSummary> SpareSummaries;

  // Takes the first `count` frames of `frames` as the store's, forgetting the summaries of the
  // frames before. Cannot fail.
  void Assign(std::shared_ptr<const files::TMemoryBlock> frames, std::int32_t count) noexcept;
  const std::shared_ptr<const files::TMemoryBlock>& Frames() const { return FFrames; }
  // The first byte of the frames; null before the first load.
  const std::byte* Bytes() const { return FFrames ? FFrames->Data() : nullptr; }

private:
  std::shared_ptr<const files::TMemoryBlock> FFrames;
};

} // namespace app
