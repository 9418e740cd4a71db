#include "platform/files/MemoryStream.h"

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace files {

namespace {

std::size_t WholePages(std::int64_t bytes) {
  static const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  return (static_cast<std::size_t>(bytes) + page - 1) / page * page;
}

} // namespace

TMemoryBlock::~TMemoryBlock() {
  if (FData)
    FPages.Unmap(FData, FMappedBytes);
}

void TMemoryBlock::Resize(std::int64_t NewSize) {
  const std::size_t mapped = WholePages(NewSize);
  if (mapped != FMappedBytes) {
    void* moved = nullptr;
    if (mapped == 0)
      FPages.Unmap(FData, FMappedBytes);
    else if (FData)
      moved = FPages.Remap(FData, FMappedBytes, mapped);
    else
      moved = FPages.Map(mapped);
    FData = static_cast<std::byte*>(moved);
    FMappedBytes = mapped;
  }
  FSize = NewSize;
}

void TMemoryBlock::Populate(std::int64_t Offset, std::int64_t Count) {
  const std::int64_t from = std::clamp<std::int64_t>(Offset, 0, FSize);
  const std::int64_t to = std::clamp<std::int64_t>(Offset + Count, from, FSize);
  if (to > from)
    FPages.Populate(FData + from, static_cast<std::size_t>(to - from));
}

TMemoryStream::TMemoryStream(pages::TPageMemory& Memory) : FBlock(std::make_shared<TMemoryBlock>(Memory)) {}

void TMemoryStream::SetSize(std::int64_t NewSize) {
  if (NewSize < 0)
    throw std::length_error("TMemoryStream: negative size");
  if (FShared)
    throw std::logic_error("TMemoryStream: the size of shared bytes is fixed");
  FBlock->Resize(NewSize);
  FPosition = std::min(FPosition, NewSize);
}

std::int64_t TMemoryStream::Read(void* Buffer, std::int64_t Count) {
  const std::int64_t available = Size() - FPosition;
  const std::int64_t n = std::max<std::int64_t>(0, std::min(Count, available));
  if (n > 0) {
    std::memcpy(Buffer, Memory() + FPosition, static_cast<std::size_t>(n));
    FPosition += n;
  }
  return n;
}

std::shared_ptr<const TMemoryBlock> TMemoryStream::Share() {
  FShared = true;
  return FBlock;
}

} // namespace files
