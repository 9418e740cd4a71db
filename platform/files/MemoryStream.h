// A growable in-memory byte stream with a size, a read position and direct access to its bytes;
// the reader loads a data chunk into one and the loader takes the frames out of it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace files {

class TMemoryStream {
public:
  TMemoryStream() = default;
  ~TMemoryStream();
  TMemoryStream(const TMemoryStream&) = delete;
  TMemoryStream& operator=(const TMemoryStream&) = delete;

  std::int64_t Size() const { return FSize; }
  std::int64_t Position() const { return FPosition; }
  // Any non-negative position is allowed; reads beyond the end simply return nothing.
  void SetPosition(std::int64_t Value);

  std::byte* Memory() { return FMemory; }
  const std::byte* Memory() const { return FMemory; }

  // Bytes gained by growing are not initialised (a large load must not pay for touching pages
  // it is about to overwrite). Throws std::bad_alloc when the memory cannot be had, and
  // std::length_error for a negative size. A position beyond the new end moves to the end.
  void SetSize(std::int64_t NewSize);

  // Gives the whole pages among the first Offset bytes back to the system, keeping the size: a
  // consumer that is done with them lets them go before it fills memory of its own. Those bytes
  // read as zero afterwards.
  void DiscardBefore(std::int64_t Offset);

  // Copies up to Count bytes from the position on and advances it; returns the bytes copied.
  std::int64_t Read(void* Buffer, std::int64_t Count);

private:
  std::byte* FMemory = nullptr;
  std::int64_t FSize = 0;
  std::int64_t FPosition = 0;
};

} // namespace files
