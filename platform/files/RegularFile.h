// Opening a file by name that must be a regular file: a folder, pipe, socket or device under the
// name is refused with a clear error instead of being read from or written to.
#pragma once

#include <string>

namespace files {

// Opens with Flags plus O_CLOEXEC and O_NONBLOCK, retrying when a signal interrupts, and
// refuses what is no regular file. Every error is an EFileError that starts with Action
// ("Cannot open file"). Returns the handle.
int OpenRegularFile(const std::string& FileName, int Flags, const char* Action);

// Opens the regular file at the name, or behind a link there, for writing and empties it in
// place, or creates it (mode 0666 less the umask) when the name is free. Anything else at the
// name, a link to nothing included, is refused without being opened for reading or writing.
// Every error is an EFileError that starts with Action. Returns the handle.
int CreateRegularFile(const std::string& FileName, const char* Action);

} // namespace files
