// An existing file opened for reading only, with relative seeks and exact reads; every failure
// is an EFileError naming the file and the system's reason.
#pragma once

#include <cstdint>
#include <string>

namespace files {

class TReadOnlyFile {
public:
  // Linux has no share modes: opening read-only is what stands in for denying other openers.
  explicit TReadOnlyFile(const std::string& FileName);
  ~TReadOnlyFile();
  TReadOnlyFile(const TReadOnlyFile&) = delete;
  TReadOnlyFile& operator=(const TReadOnlyFile&) = delete;

  const std::string& FileName() const { return FFileName; }
  std::int64_t Size() const;
  std::int64_t Position() const;

  // Moves the position by Offset; a position past the end is allowed, a negative one is not.
  void Seek(std::int64_t Offset);

  // Reads exactly Count bytes or throws; a file that ends first is an error.
  void ReadExact(void* Buffer, std::int64_t Count);

  // Reads until Count bytes are in or the file ends; returns the bytes read.
  std::int64_t Read(void* Buffer, std::int64_t Count);

private:
  std::string FFileName;
  int FHandle = -1;
};

} // namespace files
