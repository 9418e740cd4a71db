// The outcome of reading one wave file: a status, three fields of the format chunk and the
// data chunk's bytes, which belong to the caller once the reader returns.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/files/MemoryStream.h"

namespace reader {

// The outcome of a read. The numbers are the ones the benchmark reports and other tools expect.
enum class TWaveStatus : std::int16_t {
  wsLoaded = 0,
  wsReadError = 1,
  wsDataBeforeFormat = 2,
  wsChunkTooLarge = 3,
  wsNotWave = 5,
};

struct TWaveInfo {
  TWaveStatus Status = TWaveStatus::wsLoaded;
  std::uint32_t BytesPerSec = 0;
  std::uint16_t BitsPerSample = 0;
  std::uint16_t Channels = 0;
  std::unique_ptr<files::TMemoryStream> Data;
};

} // namespace reader
