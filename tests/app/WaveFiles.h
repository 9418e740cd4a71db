// Wave files made by the tests: RIFF/WAVE bytes with a format chunk and a data chunk, written
// into a temporary folder.
#pragma once

#include "tests/app/reader/WaveBytes.h"

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace testsupport {

// A 16-bit stereo format chunk (whatever the data really is) and the given data bytes.
inline std::string WaveBytes(const std::string& data) {
  using namespace wavebytes;
  return RiffFile(Chunk("fmt ", FormatBody(2, 44100, 16)) + Chunk("data", data));
}

// Interleaved 16-bit samples as data bytes.
inline std::string SampleBytes(const std::vector<std::int16_t>& samples) {
  std::string out;
  for (std::int16_t sample : samples)
    out += wavebytes::Le16(std::uint16_t(sample));
  return out;
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace testsupport
