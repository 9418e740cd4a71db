#include "platform/files/FileError.h"

#include <cstring>

namespace files {

namespace {

std::string FormatMessage(const std::string& Action, const std::string& FileName, int SystemError) {
  // strerror_r comes in two flavours; std::strerror is fine here because the program has one
  // thread.
  return Action + " \"" + FileName + "\": " + std::strerror(SystemError);
}

} // namespace

EFileError::EFileError(const std::string& Action, const std::string& FileName, int SystemError)
    : std::runtime_error(FormatMessage(Action, FileName, SystemError)), FSystemError(SystemError) {}

} // namespace files
