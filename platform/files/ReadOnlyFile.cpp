#include "platform/files/ReadOnlyFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files/FileError.h"
#include "platform/files/RegularFile.h"

namespace files {

// A directory, pipe or device opens fine read-only but is no file to read (and has no size to
// read up to); it is refused now rather than at the first read.
TReadOnlyFile::TReadOnlyFile(const std::string& FileName)
    : FFileName(FileName), FHandle(OpenRegularFile(FileName, O_RDONLY, "Cannot open file")) {}

TReadOnlyFile::~TReadOnlyFile() { ::close(FHandle); }

std::int64_t TReadOnlyFile::Size() const {
  struct stat info {};
  if (::fstat(FHandle, &info) != 0)
    throw EFileError("Cannot get the size of file", FFileName, errno);
  return info.st_size;
}

std::int64_t TReadOnlyFile::Position() const {
  const off_t position = ::lseek(FHandle, 0, SEEK_CUR);
  if (position < 0)
    throw EFileError("Cannot seek in file", FFileName, errno);
  return position;
}

void TReadOnlyFile::Seek(std::int64_t Offset) {
  if (::lseek(FHandle, static_cast<off_t>(Offset), SEEK_CUR) < 0)
    throw EFileError("Cannot seek in file", FFileName, errno);
}

std::string TReadOnlyFile::Description() const { return "file \"" + FFileName + "\""; }

std::int64_t TReadOnlyFile::Read(void* Buffer, std::int64_t Count) {
  const std::int64_t done = ReadAt(Buffer, Count, Position());
  Seek(done);
  return done;
}

std::int64_t TReadOnlyFile::ReadAt(void* Buffer, std::int64_t Count, std::int64_t Offset) const {
  auto* out = static_cast<char*>(Buffer);
  std::int64_t done = 0;
  if (Offset < 0)
    return 0;
  // One call may return less than asked (the kernel caps a read just under 2 GiB), so keep
  // going until the count is in or the file has ended.
  while (done < Count) {
    const ssize_t n = ::pread(FHandle, out + done, static_cast<std::size_t>(Count - done),
                              static_cast<off_t>(Offset + done));
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0)
      throw EFileError("Cannot read file", FFileName, errno);
    if (n == 0)
      break;
    done += n;
  }
  return done;
}

} // namespace files
