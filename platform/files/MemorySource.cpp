#include "platform/files/MemorySource.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/files/FileError.h"

namespace files {

TMemorySource::TMemorySource(const void* Data, std::size_t Size)
    : FData(static_cast<const std::byte*>(Data)), FSize(static_cast<std::int64_t>(Size)) {}

void TMemorySource::Seek(std::int64_t Offset) {
  // Checked before adding, so that no offset can overflow the position.
  if (Offset < -FPosition || Offset > std::numeric_limits<std::int64_t>::max() - FPosition)
    throw EFileError("Cannot seek in " + Description() + ": position out of range");
  FPosition += Offset;
}

std::int64_t TMemorySource::Read(void* Buffer, std::int64_t Count) {
  const std::int64_t n = ReadAt(Buffer, Count, FPosition);
  FPosition += n;
  return n;
}

std::int64_t TMemorySource::ReadAt(void* Buffer, std::int64_t Count, std::int64_t Offset) const {
  if (Count <= 0 || Offset < 0 || Offset >= FSize)
    return 0;
  const std::int64_t n = std::min(Count, FSize - Offset);
  std::memcpy(Buffer, FData + Offset, static_cast<std::size_t>(n));
  return n;
}

std::string TMemorySource::Description() const { return "memory block"; }

} // namespace files
