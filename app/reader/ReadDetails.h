// What a read learnt beyond the fields of TWaveInfo, which are fixed: what the window needs to
// tell the user in plain words why a file did not load, or not all of it.
#pragma once

#include <cstdint>

namespace reader {

struct TReadDetails {
  // The bytes of the data chunk the read set out to hold in memory.
  std::int64_t DataBytes = 0;
  // Memory for them, or for anything else the read needed, could not be had.
  bool OutOfMemory = false;
};

} // namespace reader
