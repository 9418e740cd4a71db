// A readable run of bytes with a position: what the wave reader walks, whether the bytes lie in
// a file or in memory.
#pragma once

#include <cstdint>
#include <string>

namespace files {

class TByteSource {
public:
  virtual ~TByteSource() = default;

  virtual std::int64_t Size() const = 0;
  virtual std::int64_t Position() const = 0;

  // Moves the position by Offset; a position past the end is allowed, a negative one throws
  // EFileError.
  virtual void Seek(std::int64_t Offset) = 0;

  // Reads until Count bytes are in or the source ends; returns the bytes read.
  virtual std::int64_t Read(void* Buffer, std::int64_t Count) = 0;

  // Reads up to Count bytes at Offset from the start, leaving the position alone; returns the bytes
  // read, fewer only where the source ends. Safe to call from several threads at once.
  virtual std::int64_t ReadAt(void* Buffer, std::int64_t Count, std::int64_t Offset) const = 0;

  // Reads exactly Count bytes or throws EFileError; a source that ends first is an error.
  void ReadExact(void* Buffer, std::int64_t Count);

protected:
  // What the source is, for error messages: file "name", or a memory block.
  virtual std::string Description() const = 0;
};

} // namespace files
