#include "app/core/AsciiExport.h"

#include "platform/files/TextFile.h"

#include <charconv>

namespace app {

namespace {

// Only Windows paths have drive letters and backslash separators.
#ifdef _WIN32
constexpr const char* PathSeparators = "/\\:";
#else
constexpr const char* PathSeparators = "/";
#endif

// " -32768 -32768\r\n" with room to spare for any 32-bit value.
constexpr std::size_t MaxLineLength = 2 * 12 + 2;

} // namespace

std::string AsciiFileName(const std::string& WaveFileName) {
  const std::size_t dot = WaveFileName.rfind('.');
  const std::size_t separator = WaveFileName.find_last_of(PathSeparators);
  const bool hasExtension = dot != std::string::npos && (separator == std::string::npos || dot > separator);
  return (hasExtension ? WaveFileName.substr(0, dot) : WaveFileName) + "_out.dat";
}

void SaveAsciiFile(const TSampleStore& Store) {
  files::TTextFile file(AsciiFileName(Store.DumpSourceName()));
  for (std::int32_t frame = 0; frame < Store.SampleCount; ++frame) {
    char* const line = file.Reserve(MaxLineLength);
    char* out = line;
    *out++ = ' ';
    out = std::to_chars(out, line + MaxLineLength, Store.LeftSamples[frame]).ptr;
    *out++ = ' ';
    out = std::to_chars(out, line + MaxLineLength, Store.RightSamples[frame]).ptr;
    *out++ = '\r';
    *out++ = '\n';
    file.Commit(std::size_t(out - line));
  }
  file.Close();
}

} // namespace app
