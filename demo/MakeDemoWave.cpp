// Writes the demo recording: five seconds of 16-bit stereo PCM at 44100 Hz, a slow sine on the
// left and a decaying chirp on the right, slow enough that both shapes show at full view.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>

#include "tests/app/reader/WaveBytes.h"

using namespace wavebytes;

namespace {

constexpr std::uint32_t SampleRate = 44100;
constexpr std::uint32_t FrameCount = 5 * SampleRate;

std::uint16_t ToSample(double value) {
  return static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(value)));
}

std::string Frames() {
  std::string bytes;
  bytes.reserve(FrameCount * 4);
  const double twoPi = 2 * std::numbers::pi;
  for (std::uint32_t i = 0; i < FrameCount; ++i) {
    const double t = static_cast<double>(i) / SampleRate;
    const double left = 20000 * std::sin(twoPi * 4 * t);
    // The chirp's phase is the integral of a frequency rising linearly from 2 Hz to 60 Hz.
    const double phase = twoPi * (2 * t + (60.0 - 2.0) / (2 * 5.0) * t * t);
    const double right = 30000 * std::exp(-0.5 * t) * std::sin(phase);
    bytes += Le16(ToSample(left)) + Le16(ToSample(right));
  }
  return bytes;
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.wav\n", argv[0]);
    return 2;
  }
  // A list chunk between the format and the data shows the reader's second walk in the log.
  const std::string info = Chunk("LIST", "INFO" + Chunk("ISFT", std::string("waveview demo", 14)));
  std::ofstream out(argv[1], std::ios::binary);
  out << RiffFile(Chunk("fmt ", FormatBody(2, SampleRate, 16)) + info + Chunk("data", Frames()));
  if (!out) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
