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

std::string Be32(std::uint32_t value) {
  const std::string le = Le32(value);
  return std::string(le.rbegin(), le.rend());
}

// An extensible format chunk with the sub-format of the given format tag.
std::string ExtensibleFormat(std::uint16_t Channels, std::uint16_t Bits, std::uint16_t ValidBits,
                             std::uint16_t SubTag) {
  const std::string guidTail("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
  return Chunk("fmt ", FormatBody(Channels, 48000, Bits, 0xFFFE) + Le16(22) + Le16(ValidBits) + Le32(3) +
                           Le16(SubTag) + guidTail);
}

// Shapes that real writers produce and that the pad byte and streamed size rules are about, and
// the first bytes of the formats mistaken for WAVE.
std::vector<std::pair<std::string, std::string>> RealWorldSeeds(const std::string& fmt,
                                                                const std::string& data) {
  const std::string pad(1, '\0');
  return {
      {"pad-list-before-fmt.wav", RiffFile(Chunk("LIST", "INFOa") + pad + fmt + data)},
      {"pad-bext-after-fmt.wav", RiffFile(fmt + Chunk("bext", "abc") + pad + data)},
      {"fmt-17-pad.wav", RiffFile(Chunk("fmt ", FormatBody(2, 44100, 16) + "x") + pad + data)},
      {"fmt-19-pad.wav", RiffFile(Chunk("fmt ", FormatBody(2, 44100, 16) + Le16(0) + "x") + pad + data)},
      {"pad-unknown-id.wav", RiffFile(Chunk("odd ", "abc") + pad + Chunk("abcd", "") + fmt + data)},
      {"zero-not-pad.wav",
       RiffFile(Chunk("odd ", "abc") + ChunkHeader(std::string(4, '\0'), 1) + "x" + fmt + data)},
      {"streamed-ffffffff.wav",
       RiffFile(fmt + ChunkHeader("data", 0xFFFFFFFF) + "abcdefgh", "WAVE", 0xFFFFFFFF)},
      {"streamed-80000000.wav", RiffFile(fmt + ChunkHeader("data", 0x80000000) + "abcdef")},
      {"huge-data-first.wav", RiffFile(ChunkHeader("data", 0xFFFFFFFF) + fmt)},
      {"empty-data-then-bytes.wav", RiffFile(fmt + Chunk("data", "") + "abcdefgh")},
      {"mono-16.wav", RiffFile(Chunk("fmt ", FormatBody(1, 44100, 16)) + data)},
      {"extensible-pcm.wav", RiffFile(ExtensibleFormat(2, 16, 16, 1) + data)},
      {"extensible-24-in-32.wav", RiffFile(ExtensibleFormat(2, 32, 24, 1) + data)},
      {"extensible-float.wav", RiffFile(ExtensibleFormat(2, 32, 32, 3) + data)},
      {"rf64.wav", "RF64" + Le32(0xFFFFFFFF) + "WAVEds64" + Le32(28)},
      {"bw64.wav", "BW64" + Le32(0xFFFFFFFF) + "WAVE"},
      {"wave64.w64", std::string("riff\x2E\x91\xCF\x11\xA5\xD6\x28\xDB\x04\xC1\x00\x00", 16) + Le32(64)},
      {"aiff.aif", "FORM" + Be32(4) + "AIFF"},
      {"aifc.aifc", "FORM" + Be32(4) + "AIFC"},
  };
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
  std::vector<std::pair<std::string, std::string>> seeds = {
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
  for (auto& seed : RealWorldSeeds(fmt, data))
    seeds.push_back(std::move(seed));
  return seeds;
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
