#include "platform/files/TextFile.h"

#include "platform/files/FileError.h"
#include "platform/files/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace files {

TTextFile::TTextFile(std::string FileName)
    : FFileName(std::move(FileName)), FBuffer(std::make_unique<char[]>(BufferSize)),
      FHandle(CreateRegularFile(FFileName, "Cannot create file")) {}

TTextFile::~TTextFile() {
  if (FHandle >= 0)
    ::close(FHandle);
}

void TTextFile::Write(std::string_view Text) {
  while (!Text.empty()) {
    if (FUsed == FCapacity)
      Flush();
    const std::size_t count = std::min(Text.size(), FCapacity - FUsed);
    std::memcpy(FBuffer.get() + FUsed, Text.data(), count);
    FUsed += count;
    Text.remove_prefix(count);
  }
}

char* TTextFile::Reserve(std::size_t Count) {
  if (FCapacity - FUsed < Count) {
    Flush();
    if (Count > FCapacity) {
      FBuffer = std::make_unique_for_overwrite<char[]>(Count);
      FCapacity = Count;
    }
  }
  return FBuffer.get() + FUsed;
}

void TTextFile::Flush() {
  std::size_t done = 0;
  while (done < FUsed) {
    const ssize_t written = ::write(FHandle, FBuffer.get() + done, FUsed - done);
    if (written < 0 && errno == EINTR)
      continue;
    if (written <= 0)
      throw EFileError("Cannot write file", FFileName, written < 0 ? errno : ENOSPC);
    done += std::size_t(written);
  }
  FUsed = 0;
}

void TTextFile::Close() {
  if (FHandle < 0)
    return;
  Flush();
  const int handle = FHandle;
  FHandle = -1;
  if (::close(handle) != 0)
    throw EFileError("Cannot close file", FFileName, errno);
}

} // namespace files
