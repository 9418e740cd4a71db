// An existing file opened for reading only, read as a byte source; every failure is an
// EFileError naming the file and the system's reason.
#pragma once

#include <cstdint>
#include <string>

#include "platform/files/ByteSource.h"

namespace files {

class TReadOnlyFile final : public TByteSource {
public:
  // Linux has no share modes: opening read-only is what stands in for denying other openers.
  explicit TReadOnlyFile(const std::string& FileName);
  ~TReadOnlyFile() override;
  TReadOnlyFile(const TReadOnlyFile&) = delete;
  TReadOnlyFile& operator=(const TReadOnlyFile&) = delete;

  const std::string& FileName() const { return FFileName; }
  std::int64_t Size() const override;
  std::int64_t Position() const override;
  void Seek(std::int64_t Offset) override;
  std::int64_t Read(void* Buffer, std::int64_t Count) override;
  std::int64_t ReadAt(void* Buffer, std::int64_t Count, std::int64_t Offset) const override;

protected:
  std::string Description() const override;

private:
  std::string FFileName;
  int FHandle = -1;
};

} // namespace files
