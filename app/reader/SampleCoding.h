// How the data chunk holds its sound, as the format chunk says: the codings the as-recorded
// reading decodes, and in plain words why a file it cannot decode is not shown that way.
#pragma once

#include <cstdint>
#include <string>

#include "app/reader/ReadDetails.h"

namespace reader {

// How the samples of a frame are coded, for the codings the viewer decodes.
enum class TSampleCoding : std::uint8_t { Unsigned8, Int16, Int24, Int32, ALaw, MuLaw, Float32, Float64 };

// How the data chunk holds its sound, as the format chunk says.
struct TRecordedLayout {
  bool Decoded = false; // the as-recorded reading can show it
  TSampleCoding Coding = TSampleCoding::Int16;
  std::uint16_t Channels = 0;
  std::uint16_t BlockAlign = 0;    // bytes a frame
  std::uint16_t BitsPerSample = 0; // as the format chunk says
  std::string Why;                 // when !Decoded: why, in plain words
};

TRecordedLayout RecordedLayout(const TFormatDetails& Format);

// Whether the format chunk says 2-channel 16-bit PCM (block align 4): the frame-pair reading is
// then the sound as recorded.
bool IsStereo16Pcm(const TFormatDetails& Format);

} // namespace reader
