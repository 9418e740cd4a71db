#include "app/core/AsciiExport.h"

#include "chart/values/ElementTypes.h"
#include "platform/files/TextFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <type_traits>

namespace app {

namespace {

// Only Windows paths have drive letters and backslash separators.
#ifdef _WIN32
constexpr const char* PathSeparators = "/\\:";
#else
constexpr const char* PathSeparators = "/";
#endif

// The longest text of a value: the sign and every digit of an integer; for floating point the
// shortest text that reads back, never longer than its exponent form "-d.ddde-xxx".
template <class T>
constexpr std::size_t MaxValueLength() {
  using TLimits = std::numeric_limits<T>;
  if constexpr (std::is_integral_v<T>)
    return 1 + TLimits::digits10 + 1;
  else
    return 1 + TLimits::max_digits10 + 1 + 2 + (TLimits::max_exponent10 >= 100 ? 3 : 2);
}

// Every NaN reads "nan", whatever its sign or payload; the sign of zero stays.
template <class T>
char* PutValue(char* out, char* end, T value) {
  if constexpr (std::is_floating_point_v<T>) {
    if (std::isnan(value))
      return std::copy_n("nan", 3, out);
  }
  return std::to_chars(out, end, value).ptr;
}

// Frames between two reports of progress: about a millisecond of writing.
constexpr std::int32_t FramesPerReport = 1 << 16;

// One line per frame of [first, last), a space before each channel's value, each frame read
// through the layout.
template <class E>
void WriteFrames(files::TTextFile& file, const std::byte* frames, std::int32_t first, std::int32_t last,
                 const chart::TRecordLayout& layout) {
  const std::size_t lineLength = layout.LaneOffsets.size() * (1 + MaxValueLength<typename E::Value>()) + 2;
  for (std::int32_t frame = first; frame < last; ++frame) {
    const std::byte* const record = frames + std::size_t(frame) * layout.RecordBytes;
    char* const line = file.Reserve(lineLength);
    char* out = line;
    for (const std::size_t offset : layout.LaneOffsets) {
      *out++ = ' ';
      out = PutValue(out, line + lineLength, E::Read(record + offset));
    }
    *out++ = '\r';
    *out++ = '\n';
    file.Commit(std::size_t(out - line));
  }
}

} // namespace

std::string AsciiFileName(const std::string& WaveFileName) {
  const std::size_t dot = WaveFileName.rfind('.');
  const std::size_t separator = WaveFileName.find_last_of(PathSeparators);
  const bool hasExtension = dot != std::string::npos && (separator == std::string::npos || dot > separator);
  return (hasExtension ? WaveFileName.substr(0, dot) : WaveFileName) + "_out.dat";
}

void SaveAsciiFile(const TSampleStore& Store, TWorkProgress* Progress) {
  files::TTextFile file(AsciiFileName(Store.DumpSourceName()));
  const std::int32_t count = Store.SampleCount;
  // A frame of no channels has no line.
  if (!Store.Reading.Layout.LaneOffsets.empty())
    chart::VisitElement(Store.Reading.Layout.Form, [&](auto element) {
      for (std::int32_t first = 0; first < count; first += FramesPerReport) {
        const std::int32_t last = first + std::min(FramesPerReport, count - first);
        WriteFrames<decltype(element)>(file, Store.Bytes(), first, last, Store.Reading.Layout);
        if (Progress)
          Progress->Advance(last, count);
      }
    });
  file.Close();
}

} // namespace app
