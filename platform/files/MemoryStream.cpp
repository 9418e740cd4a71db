#include "platform/files/MemoryStream.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>

namespace files {

TMemoryStream::~TMemoryStream() { std::free(FMemory); }

void TMemoryStream::SetPosition(std::int64_t Value) {
  if (Value < 0)
    throw std::out_of_range("TMemoryStream: negative position");
  FPosition = Value;
}

void TMemoryStream::SetSize(std::int64_t NewSize) {
  if (NewSize < 0)
    throw std::length_error("TMemoryStream: negative size");
  if (NewSize == FSize)
    return;
  if (NewSize == 0) {
    std::free(FMemory);
    FMemory = nullptr;
  } else {
    // realloc of a large block maps fresh pages (or remaps the old ones) without writing them,
    // so sizing a stream for a big load costs no time until the bytes are filled in.
    void* grown = std::realloc(FMemory, static_cast<std::size_t>(NewSize));
    if (grown == nullptr)
      throw std::bad_alloc();
    FMemory = static_cast<std::byte*>(grown);
  }
  FSize = NewSize;
  FPosition = std::min(FPosition, FSize);
}

std::int64_t TMemoryStream::Read(void* Buffer, std::int64_t Count) {
  const std::int64_t available = FSize - FPosition;
  const std::int64_t n = std::max<std::int64_t>(0, std::min(Count, available));
  if (n > 0) {
    std::memcpy(Buffer, FMemory + FPosition, static_cast<std::size_t>(n));
    FPosition += n;
  }
  return n;
}

} // namespace files
