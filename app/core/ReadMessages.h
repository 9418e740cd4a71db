// What the window tells the user, in plain words: what a loaded file holds and how the charts
// draw it, why a load did not go as it should, and what of the sound the charts do not show.
#pragma once

#include "app/reader/PlainNumbers.h"
#include "app/reader/ReadDetails.h"
#include "app/reader/WaveInfo.h"

#include <cstdint>
#include <string>

namespace app {

using reader::GroupThousands;

// The sound data of FileName (bytes of it) could not be held in memory.
std::string NotEnoughMemoryMessage(std::int64_t bytes, const std::string& FileName);

// The charts draw every data chunk as 2-channel 16-bit PCM frames; says what the format chunk
// describes when it is anything else, and is empty when it is just that.
std::string FormatNotice(const reader::TFormatDetails& Format);

// Where frame frameIndexFromZero lies at SamplesPerSec frames a second, which is also the length
// of that many frames: "h:mm:ss.mmm", truncated. Empty when the rate is 0.
std::string TimeText(std::int64_t frameIndexFromZero, std::uint32_t SamplesPerSec);

// What the window shows after every load; it joins the two with " · ", shortening a long name in
// the middle.
struct TInfoLine {
  std::string Name;
  // What the sound is, as the format chunk says, how long it is and how the charts draw it.
  std::string Details;
};

// AsRecorded: the charts show the samples decoded as the format chunk says, not frame pairs.
TInfoLine InfoLine(const std::string& FileName, const reader::TFormatDetails& Format, std::int64_t DataBytes,
                   bool AsRecorded);

// Why the charts cannot show the sound as recorded and draw frame pairs instead; empty when they
// can.
std::string AsRecordedNotice(const reader::TFormatDetails& Format);

// Samples decoded as NaN or infinity, which the charts leave out; empty when there are none.
std::string NonFiniteNotice(std::int64_t count);

// The file holds more frames than the charts take; they show the first `shown`.
std::string TooManyFramesNotice(std::int64_t frames, std::int64_t shown);

// What the window knows about a load beyond the reader's status and details.
struct TLoadOutcome {
  std::string FileName;
  // Its frames replaced those shown before.
  bool Loaded = false;
  // Memory ran out, in the read or while the frames were handed to the charts.
  bool OutOfMemory = false;
  // The file whose frames are shown after the load; empty when none are.
  std::string ShownFileName;
};

// Why nothing of the file was loaded and what is still shown, or why not all of it was; empty
// when the whole file loaded.
std::string LoadNotice(reader::TWaveStatus Status, const reader::TReadDetails& Details,
                       const TLoadOutcome& Outcome);

} // namespace app
