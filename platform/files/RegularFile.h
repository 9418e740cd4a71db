// Opening a file by name that must be a regular file: a folder, pipe, socket or device under the
// name is refused with a clear error instead of being read from or written to.
#pragma once

#include <sys/types.h>

#include <string>

namespace files {

// Opens with Flags plus O_CLOEXEC and O_NONBLOCK, retrying when a signal interrupts, and
// refuses what is no regular file. Every error is an EFileError that starts with Action
// ("Cannot open file"). Returns the handle.
int OpenRegularFile(const std::string& FileName, int Flags, const char* Action, mode_t Mode = 0);

// Throws the error for a name that holds a file of this mode that is not a regular file.
[[noreturn]] void RefuseNonRegular(const std::string& FileName, mode_t Mode, const char* Action);

} // namespace files
