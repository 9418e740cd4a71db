// Bytes held by the caller, read as a byte source; the bytes must outlive the source.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/files/ByteSource.h"

namespace files {

class TMemorySource final : public TByteSource {
public:
  TMemorySource(const void* Data, std::size_t Size);

  std::int64_t Size() const override { return FSize; }
  std::int64_t Position() const override { return FPosition; }
  void Seek(std::int64_t Offset) override;
  std::int64_t Read(void* Buffer, std::int64_t Count) override;
  std::int64_t ReadAt(void* Buffer, std::int64_t Count, std::int64_t Offset) const override;

protected:
  std::string Description() const override;

private:
  const std::byte* FData;
  std::int64_t FSize;
  std::int64_t FPosition = 0;
};

} // namespace files
