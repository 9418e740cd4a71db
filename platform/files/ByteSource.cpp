#include "platform/files/ByteSource.h"

#include "platform/files/FileError.h"

namespace files {

void TByteSource::ReadExact(void* Buffer, std::int64_t Count) {
  if (Read(Buffer, Count) != Count)
    throw EFileError("Read beyond end of " + Description());
}

} // namespace files
