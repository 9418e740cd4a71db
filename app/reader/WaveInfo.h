// The outcome of reading one wave file: a status, three fields of the format chunk and the
// data chunk's bytes, which belong to the caller once the reader returns.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/files/MemoryStream.h"

namespace reader {

struct TWaveInfo {
  std::int16_t Status = 0;
  std::uint32_t BytesPerSec = 0;
  std::uint16_t BitsPerSample = 0;
  std::uint16_t Channels = 0;
  std::unique_ptr<files::TMemoryStream> Data;
};

} // namespace reader
