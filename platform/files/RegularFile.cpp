#include "platform/files/RegularFile.h"

#include "platform/files/FileError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

[[noreturn]] void RefuseNonRegular(const std::string& FileName, mode_t Mode, const char* Action) {
  if (S_ISDIR(Mode))
    throw EFileError(Action, FileName, EISDIR);
  throw EFileError(std::string(Action) + " \"" + FileName + "\": not a regular file");
}

int OpenRetrying(const char* Path, int Flags, mode_t Mode = 0) {
  int handle = -1;
  do
    handle = ::open(Path, Flags, Mode);
  while (handle < 0 && errno == EINTR);
  return handle;
}

// Truncated, not replaced, so the file's owner, mode and other hard links stay.
int Emptied(int Handle, const std::string& FileName, const char* Action) {
  if (::ftruncate(Handle, 0) == 0)
    return Handle;
  const int reason = errno;
  ::close(Handle);
  throw EFileError(Action, FileName, reason);
}

// Opening a pipe or device for writing is what does the harm (a waiting reader gets an end of
// file, a terminal may become the controlling one), so the name is first taken as a mere
// reference that opens nothing. The type is judged on that reference, and the write goes to the
// very file judged, reopened through the process's own descriptor table. Returns -1 when the
// name leads to no file (it vanished, or is a link to nothing).
int OpenExistingForWriting(const std::string& FileName, const char* Action) {
  const int reference = OpenRetrying(FileName.c_str(), O_PATH | O_CLOEXEC);
  if (reference < 0 && errno == ENOENT)
    return -1;
  if (reference < 0)
    throw EFileError(Action, FileName, errno);
  struct stat info {};
  const bool regular = ::fstat(reference, &info) == 0 && S_ISREG(info.st_mode);
  const int handle = regular ? OpenRetrying(("/proc/self/fd/" + std::to_string(reference)).c_str(),
                                            O_WRONLY | O_NOCTTY | O_CLOEXEC)
                             : -1;
  const int reason = errno;
  ::close(reference);
  if (!regular)
    RefuseNonRegular(FileName, info.st_mode, Action);
  if (handle < 0)
    throw EFileError(Action, FileName, reason);
  return Emptied(handle, FileName, Action);
}

} // namespace

// Without O_NONBLOCK a named pipe would hold the open until some reader or writer came; on a
// regular file the flag changes nothing.
int OpenRegularFile(const std::string& FileName, int Flags, const char* Action) {
  const int handle = OpenRetrying(FileName.c_str(), Flags | O_CLOEXEC | O_NONBLOCK);
  if (handle < 0)
    throw EFileError(Action, FileName, errno);
  struct stat info {};
  if (::fstat(handle, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(handle);
    RefuseNonRegular(FileName, info.st_mode, Action);
  }
  return handle;
}

// Creating never follows a link, so a new file only ever appears under the name itself. The name
// may be taken or freed by someone else between the two tries, hence the few rounds; a link to
// nothing fails both every time and ends up refused.
int CreateRegularFile(const std::string& FileName, const char* Action) {
  constexpr int Rounds = 4;
  for (int round = 0; round < Rounds; ++round) {
    const int created =
        OpenRetrying(FileName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
    if (created >= 0)
      return created;
    if (errno != EEXIST)
      throw EFileError(Action, FileName, errno);
    const int opened = OpenExistingForWriting(FileName, Action);
    if (opened >= 0)
      return opened;
  }
  throw EFileError(Action, FileName, ENOENT);
}

} // namespace files
