#include "platform/files/TextFile.h"

#include "platform/files/FileError.h"
#include "platform/files/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

constexpr const char* CannotCreate = "Cannot create file";

// A pipe, socket, device or folder under the name is no file to put text in: a pipe without a
// reader would hold the open for good, one with a reader or a device would take the text away.
// The name is looked at first so that no device is opened at all, and the open neither truncates
// nor waits, so nothing is lost or blocked before the type is known (the name may change hands
// between the look and the open).
int OpenRegularForWriting(const std::string& FileName) {
  struct stat info {};
  if (::stat(FileName.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
    RefuseNonRegular(FileName, info.st_mode, CannotCreate);
  const int handle = OpenRegularFile(FileName, O_WRONLY | O_CREAT, CannotCreate, 0666);
  if (::ftruncate(handle, 0) != 0) {
    const int reason = errno;
    ::close(handle);
    throw EFileError(CannotCreate, FileName, reason);
  }
  return handle;
}

} // namespace

TTextFile::TTextFile(std::string FileName)
    : FFileName(std::move(FileName)), FBuffer(std::make_unique<char[]>(BufferSize)),
      FHandle(OpenRegularForWriting(FFileName)) {}

TTextFile::~TTextFile() {
  if (FHandle >= 0)
    ::close(FHandle);
}

void TTextFile::Write(std::string_view Text) {
  while (!Text.empty()) {
    if (FUsed == BufferSize)
      Flush();
    const std::size_t count = std::min(Text.size(), BufferSize - FUsed);
    std::memcpy(FBuffer.get() + FUsed, Text.data(), count);
    FUsed += count;
    Text.remove_prefix(count);
  }
}

char* TTextFile::Reserve(std::size_t Count) {
  if (BufferSize - FUsed < Count)
    Flush();
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
