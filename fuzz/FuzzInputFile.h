// The fuzz input as a real file: an in-memory file reached through /proc, so the reader opens,
// seeks and reads exactly as it does on disk without the fuzzer writing to the disk for every input.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzzinput {

inline void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "broken invariant: %s\n", what);
    std::abort();
  }
}

struct TInputFile {
  int Handle;
  std::string Path;
};

inline const TInputFile& InputFile() {
  static const TInputFile file = [] {
    const int handle = ::memfd_create("wave-input", 0);
    Check(handle >= 0, "memfd_create");
    return TInputFile{handle, "/proc/self/fd/" + std::to_string(handle)};
  }();
  return file;
}

// Replaces the file's bytes with the input and returns its path.
inline const std::string& WriteInput(const std::uint8_t* data, std::size_t size) {
  const int handle = InputFile().Handle;
  Check(::ftruncate(handle, 0) == 0, "ftruncate");
  Check(::pwrite(handle, data, size, 0) == static_cast<ssize_t>(size), "pwrite");
  return InputFile().Path;
}

} // namespace fuzzinput
