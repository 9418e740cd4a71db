#include "platform/files/TextFile.h"

#include "platform/files/FileError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

// A pipe, socket, device or folder under the name is no file to put text in: a pipe without a
// reader would hold the open for good, one with a reader or a device would take the text away.
[[noreturn]] void RefuseNonRegular(const std::string& FileName, mode_t Mode) {
  if (S_ISDIR(Mode))
    throw EFileError("Cannot create file", FileName, EISDIR);
  throw EFileError("Cannot create file \"" + FileName + "\": not a regular file");
}

// Opens without truncating and without waiting (on a regular file O_NONBLOCK changes nothing),
// so nothing is lost or blocked before the file type is known; the name is looked at first so
// that no device is opened at all.
int OpenRegularForWriting(const std::string& FileName) {
  struct stat info {};
  if (::stat(FileName.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
    RefuseNonRegular(FileName, info.st_mode);
  int handle = -1;
  do
    handle = ::open(FileName.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
  while (handle < 0 && errno == EINTR);
  if (handle < 0)
    throw EFileError("Cannot create file", FileName, errno);
  // The name may have changed hands between the look and the open.
  if (::fstat(handle, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(handle);
    RefuseNonRegular(FileName, info.st_mode);
  }
  if (::ftruncate(handle, 0) != 0) {
    const int reason = errno;
    ::close(handle);
    throw EFileError("Cannot create file", FileName, reason);
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
