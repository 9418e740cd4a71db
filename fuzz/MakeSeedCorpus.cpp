// Writes the fuzzer's seed corpus: small valid WAVE files and the odd shapes the reader has to
// survive, one file each, into the folder named on the command line.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/app/reader/WaveBytes.h"

using namespace wavebytes;

namespace {

// Enough frames for the charts to draw many points per pixel column at the small size: a sawtooth
// on the left, a square wave at full scale on the right.
std::string ManyFrames() {
  std::string bytes;
  for (int i = 0; i < 600; ++i)
    bytes += Le16(static_cast<std::uint16_t>(i * 97)) + Le16(i % 50 < 25 ? 0x7FFF : 0x8000);
  return bytes;
}

// A header that declares 4 MiB of frames followed by 64 bytes of them: the whole-path target
// repeats the last bytes up to the size the RIFF header gives.
std::string LongData(const std::string& fmt) {
  std::string pattern;
  for (int i = 0; i < 16; ++i)
    pattern += Le16(static_cast<std::uint16_t>(i * 4099)) + Le16(static_cast<std::uint16_t>(i * 61 - 500));
  const std::uint32_t frames = 1u << 20;
  const std::string body = "WAVE" + fmt + ChunkHeader("data", frames * 4) + pattern;
  return "RIFF" + Le32(static_cast<std::uint32_t>(body.size() - pattern.size() + frames * 4)) + body;
}

std::vector<std::pair<std::string, std::string>> Seeds() {
  const std::string fmt = Chunk("fmt ", FormatBody(2, 44100, 16));
  const std::string data = Chunk("data", std::string("\x01\x00\xff\xff\x00\x80\xff\x7f", 8));
  const std::string list = Chunk("LIST", "INFOISFT\x05\x00\x00\x00wave\x00");
  const std::string extensible =
      Chunk("fmt ", FormatBody(2, 48000, 24, 0xFFFE) + Le16(22) + std::string(22, '\x01'));
  return {
      {"pcm.wav", RiffFile(fmt + data)},
      {"many-frames.wav", RiffFile(fmt + Chunk("data", ManyFrames()))},
      {"long-data.wav", LongData(fmt)},
      {"list-before-fmt.wav", RiffFile(list + fmt + data)},
      {"list-after-fmt.wav", RiffFile(fmt + list + data)},
      {"odd-body.wav", RiffFile(Chunk("odd ", "abc") + fmt + Chunk("data", "xyz"))},
      {"pad-byte.wav", RiffFile(Chunk("odd ", "abc") + std::string(1, '\0') + fmt + data)},
      {"fmt-0.wav", RiffFile(Chunk("fmt ", "") + data)},
      {"fmt-18.wav", RiffFile(Chunk("fmt ", FormatBody(1, 8000, 8) + Le16(0)) + data)},
      {"fmt-20.wav", RiffFile(Chunk("fmt ", FormatBody(2, 44100, 16) + Le16(2) + "ab") + data)},
      {"fmt-40.wav", RiffFile(extensible + data)},
      {"zero-ids.wav",
       RiffFile(Chunk(std::string(4, '\0'), "") + Chunk(std::string("fmt\0", 4), "") + fmt + data)},
      {"data-first.wav", RiffFile(data + fmt)},
      {"huge-first.wav", RiffFile(ChunkHeader("LIST", 0x80000000) + fmt + data)},
      {"huge-second.wav", RiffFile(fmt + ChunkHeader("LIST", 0xFFFFFFF0) + data)},
      {"short-data.wav", RiffFile(fmt + ChunkHeader("data", 0x7FFFFFFF) + "abcd")},
      {"no-data.wav", RiffFile(fmt)},
      {"not-wave.avi", RiffFile(fmt + data, "AVI ")},
      {"rifx.wav", "RIFX" + Le32(4) + "WAVE"},
  };
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  for (const auto& [name, bytes] : Seeds()) {
    std::ofstream out(folder / name, std::ios::binary);
    out << bytes;
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", (folder / name).c_str());
      return 1;
    }
  }
  return 0;
}
