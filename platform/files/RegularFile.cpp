#include "platform/files/RegularFile.h"

#include "platform/files/FileError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

void RefuseNonRegular(const std::string& FileName, mode_t Mode, const char* Action) {
  if (S_ISDIR(Mode))
    throw EFileError(Action, FileName, EISDIR);
  throw EFileError(std::string(Action) + " \"" + FileName + "\": not a regular file");
}

// Without O_NONBLOCK a named pipe would hold the open until some reader or writer came; on a
// regular file the flag changes nothing.
int OpenRegularFile(const std::string& FileName, int Flags, const char* Action, mode_t Mode) {
  int handle = -1;
  do
    handle = ::open(FileName.c_str(), Flags | O_CLOEXEC | O_NONBLOCK, Mode);
  while (handle < 0 && errno == EINTR);
  if (handle < 0)
    throw EFileError(Action, FileName, errno);
  struct stat info {};
  if (::fstat(handle, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(handle);
    RefuseNonRegular(FileName, info.st_mode, Action);
  }
  return handle;
}

} // namespace files
