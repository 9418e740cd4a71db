// What the window tells the user, in plain words, about a load that did not go as it should, and
// about sound that the charts do not show as it is.
#pragma once

#include "app/reader/ReadDetails.h"
#include "app/reader/WaveInfo.h"

#include <cstdint>
#include <string>

namespace app {

// 400000000 as "400,000,000".
std::string GroupThousands(std::int64_t value);

// The sound data of FileName (bytes of it) could not be held in memory.
std::string NotEnoughMemoryMessage(std::int64_t bytes, const std::string& FileName);

// The charts draw every data chunk as 2-channel 16-bit PCM frames; says what the format chunk
// describes when it is anything else, and is empty when it is just that.
std::string FormatNotice(const reader::TFormatDetails& Format);

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
