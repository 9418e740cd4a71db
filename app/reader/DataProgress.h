// Who is told how far a data chunk has come into memory, a block at a time, so that the bytes can
// be worked on while they are still in the processor's cache, and how far the whole has come
// while the reader's thread waits. The chunk comes in ranges read side by side, each by a thread
// of its own.
#pragma once

#include <cstddef>
#include <cstdint>

namespace reader {

class TDataProgress {
public:
  virtual ~TDataProgress() = default;
  // Before the first byte, on the reader's thread: the data chunk's `Size` bytes will come in at
  // `Bytes` in `Ranges` ranges. What it throws ends the read as any failure of it does. Called
  // once more when a failed read undid bytes other ranges had read: nothing told before holds.
  virtual void DataStart(const std::byte* Bytes, std::int64_t Size, int Ranges) = 0;
  // Bytes [From, To) of the chunk, all of range `Range`, are in: From is where the range starts,
  // the same at each of its calls, and To grows. Called from the range's thread, other ranges'
  // calls running at the same time. What it throws ends the read there as a failing read does.
  virtual void DataRead(int Range, std::int64_t From, std::int64_t To) = 0;
  // On the reader's thread, every so often while it waits for the ranges: about Arrived of the
  // Size bytes are in (a count taken in passing, never more than Size).
  virtual void DataWaiting(std::int64_t Arrived, std::int64_t Size) noexcept = 0;
};

} // namespace reader
