#include "platform/files/MemoryStream.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>

namespace files {

namespace {

// A large stream is filled once from a file into fresh memory: on huge pages that costs one fault
// per 2 MiB instead of one per 4 KiB. Pages are given back in the same units.
constexpr std::uintptr_t HugePage = std::uintptr_t(2) << 20;
constexpr std::int64_t HugePagesFrom = std::int64_t(8) << 20;

// Advises the whole pages of `page` bytes that lie inside [memory, memory + size).
void AdviseWholePages(std::byte* memory, std::int64_t size, std::uintptr_t page, int advice) {
  const auto start = reinterpret_cast<std::uintptr_t>(memory);
  const std::uintptr_t from = (start + page - 1) / page * page;
  const std::uintptr_t to = (start + static_cast<std::uintptr_t>(size)) / page * page;
  if (to > from)
    madvise(reinterpret_cast<void*>(from), to - from, advice);
}

} // namespace

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
    if (NewSize >= HugePagesFrom)
      AdviseWholePages(FMemory, NewSize, HugePage, MADV_HUGEPAGE);
  }
  FSize = NewSize;
  FPosition = std::min(FPosition, FSize);
}

void TMemoryStream::DiscardBefore(std::int64_t Offset) {
  const std::uintptr_t page =
      FSize >= HugePagesFrom ? HugePage : static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  AdviseWholePages(FMemory, std::clamp<std::int64_t>(Offset, 0, FSize), page, MADV_DONTNEED);
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
