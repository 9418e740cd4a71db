// Wave files made by the tests: RIFF/WAVE bytes with a format chunk and a data chunk, written
// into a temporary folder.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace testsupport {

inline void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(char((value >> (8 * i)) & 0xFFu));
}

// A 16-bit stereo format chunk (whatever the data really is) and the given data bytes.
inline std::string WaveBytes(const std::string& data) {
  std::string fmt;
  PutLittleEndian(fmt, 1, 2);
  PutLittleEndian(fmt, 2, 2);
  PutLittleEndian(fmt, 44100, 4);
  PutLittleEndian(fmt, 44100 * 4, 4);
  PutLittleEndian(fmt, 4, 2);
  PutLittleEndian(fmt, 16, 2);
  std::string out = "RIFF";
  PutLittleEndian(out, std::uint32_t(4 + 8 + fmt.size() + 8 + data.size()), 4);
  out += "WAVEfmt ";
  PutLittleEndian(out, std::uint32_t(fmt.size()), 4);
  out += fmt + "data";
  PutLittleEndian(out, std::uint32_t(data.size()), 4);
  return out + data;
}

// Interleaved 16-bit samples as data bytes.
inline std::string SampleBytes(const std::vector<std::int16_t>& samples) {
  std::string out;
  for (std::int16_t sample : samples)
    PutLittleEndian(out, std::uint16_t(sample), 2);
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
