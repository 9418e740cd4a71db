// How the charts and the export read the loaded data chunk: as 2-channel 16-bit frame pairs, the
// default, or as recorded, following the format chunk when it can be decoded. Both are views of
// the same bytes, so a switch re-reads memory and never the file.
#pragma once

#include "app/reader/ReadDetails.h"
#include "chart/values/FrameSummary.h"

#include <cstdint>

namespace app {

// What the user chose: the reading and the channel of each chart (from 1; 0 shows none).
struct TShowChoice {
  bool AsRecorded = false;
  int Upper = 1;
  int Lower = 2;
};

struct TReading {
  // The charts show decoded samples (the format is decodable and as recorded was chosen).
  bool AsRecorded = false;
  // Every channel of a frame.
  chart::TRecordLayout Layout;
  // The channels the charts show, from 1; 0 for an empty chart.
  int Upper = 1;
  int Lower = 2;
};

// The frames a data chunk of `bytes` holds in a reading: whole frames, at most as many as a value
// list holds.
std::int64_t WholeFrames(const TReading& Reading, std::int64_t bytes);
std::int32_t ShownFrames(const TReading& Reading, std::int64_t bytes);

// The reading the choice gives for a format chunk: as recorded only where it can be decoded;
// chosen channels beyond the file's fall back to the first two.
TReading ChooseReading(const reader::TFormatDetails& Format, const TShowChoice& Choice);

} // namespace app
