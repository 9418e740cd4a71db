// Who is told how far a data chunk has come into memory, a block at a time, so that the bytes can
// be worked on while they are still in the processor's cache.
#pragma once

#include <cstddef>
#include <cstdint>

namespace reader {

class TDataProgress {
public:
  virtual ~TDataProgress() = default;
  // The first `Read` of the data chunk's `Size` bytes at `Bytes` are in; first called with none.
  // What it throws ends the read as any failure of it does.
  virtual void DataRead(const std::byte* Bytes, std::int64_t Read, std::int64_t Size) = 0;
};

} // namespace reader
