// A growable in-memory byte stream with a size, a read position and direct access to its bytes;
// the reader loads a data chunk into one. Its bytes can then be shared: whoever views them keeps
// them alive, and from then on their size is fixed.
#pragma once

#include "platform/memory/PageMemory.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace files {

// The bytes of a stream: one mapping of the page memory, given back when the last owner goes.
class TMemoryBlock {
public:
  explicit TMemoryBlock(pages::TPageMemory& Memory) : FPages(Memory) {}
  ~TMemoryBlock();
  TMemoryBlock(const TMemoryBlock&) = delete;
  TMemoryBlock& operator=(const TMemoryBlock&) = delete;

  std::int64_t Size() const { return FSize; }
  std::byte* Data() { return FData; }
  const std::byte* Data() const { return FData; }
  // Throws std::bad_alloc with the block as it was.
  void Resize(std::int64_t NewSize);
  // Bytes [Offset, Offset + Count) are about to be written; see TPageMemory::Populate.
  void Populate(std::int64_t Offset, std::int64_t Count);

private:
  pages::TPageMemory& FPages;
  std::byte* FData = nullptr;
  std::size_t FMappedBytes = 0;
  std::int64_t FSize = 0;
};

class TMemoryStream {
public:
  explicit TMemoryStream(pages::TPageMemory& Memory = pages::SystemPageMemory());
  TMemoryStream(const TMemoryStream&) = delete;
  TMemoryStream& operator=(const TMemoryStream&) = delete;

  std::int64_t Size() const { return FBlock->Size(); }
  // Where the next read starts: reads move it on, shrinking pulls it in.
  std::int64_t Position() const { return FPosition; }

  std::byte* Memory() { return FBlock->Data(); }
  const std::byte* Memory() const { return FBlock->Data(); }

  // Bytes gained by growing are not written: they cost no memory until the caller fills them (a
  // large load must not pay for touching pages it is about to overwrite). Throws std::bad_alloc when
  // the memory cannot be had, std::length_error for a negative size and std::logic_error once
  // the bytes are shared. A position beyond the new end moves to the end.
  void SetSize(std::int64_t NewSize);

  // Bytes [Offset, Offset + Count) inside the size are about to be written: their memory may be
  // had now in one go.
  void Populate(std::int64_t Offset, std::int64_t Count) { FBlock->Populate(Offset, Count); }

  // Copies up to Count bytes from the position on and advances it; returns the bytes copied.
  std::int64_t Read(void* Buffer, std::int64_t Count);

  // The bytes, for keeping beyond the stream without a copy; the size is fixed from now on.
  std::shared_ptr<const TMemoryBlock> Share();

private:
  std::shared_ptr<TMemoryBlock> FBlock;
  std::int64_t FPosition = 0;
  bool FShared = false;
};

} // namespace files
