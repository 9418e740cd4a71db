// How the format chunk's fields read as the layout of the sound, each format chunk read from WAVE
// bytes: the codings decoded, and the plain words for every one that is not.
#include "app/reader/SampleCoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/reader/ReadWaveFile.h"
#include "platform/files/MemorySource.h"
#include "tests/app/reader/WaveBytes.h"

using namespace reader;
using namespace wavebytes;
using enum reader::TSampleCoding;

namespace {

struct TNullLog : TWaveLog {
  void AppendLine(const std::string&) override {}
};

struct TLayoutCase {
  std::string Name;
  std::string FormatChunkBody;
  bool Decoded;
  TSampleCoding Coding; // when decoded
  std::string Why;
  bool Stereo16 = false;
};

void PrintTo(const TLayoutCase& c, std::ostream* os) { *os << c.Name; }

std::string Fields(std::uint16_t tag, std::uint16_t channels, std::uint16_t align, std::uint16_t bits) {
  return FormatFields(tag, channels, 44100, align, bits);
}

std::string Pcm(std::uint16_t channels, std::uint16_t bits) {
  return Fields(1, channels, std::uint16_t(channels * ((bits + 7) / 8)), bits);
}

// An extensible body: the fields, cbSize, valid bits, channel mask and the sub-format GUID.
std::string Extensible(const std::string& guid, std::uint16_t channels, std::uint16_t bits,
                       std::uint16_t validBits, std::uint16_t cbSize = 22) {
  return Fields(0xFFFE, channels, std::uint16_t(channels * (bits / 8)), bits) + Le16(cbSize) +
         Le16(validBits) + Le32(0) + guid;
}

std::string StandardGuid(std::uint16_t tag) {
  return Le16(tag) + std::string("\0\0\0\0\x10\0\x80\0\0\xAA\0\x38\x9B\x71", 14);
}

std::string NotDecoded(const std::string& what) {
  return "the format chunk says " + what + ", which this viewer does not decode";
}

std::string DoNotFit(const std::string& what) {
  return "the format chunk says " + what + ", which do not fit";
}

const std::string TooShortExtensible =
    "the format chunk is of the extensible kind but too short to name its sub-format";

std::vector<TLayoutCase> Cases() {
  // Ambisonic B-format PCM: a sub-format of its own, not a format tag in the standard GUID.
  const std::string ambisonic("\x01\0\0\0\x21\x07\xD3\x11\x86\x44\xC8\xC1\xCA\0\0\0", 16);
  return {
      {"Pcm1Bit", Pcm(1, 1), true, Unsigned8, ""},
      {"Pcm5BitInOneByte", Pcm(1, 5), true, Unsigned8, ""},
      {"Pcm8Stereo", Pcm(2, 8), true, Unsigned8, ""},
      {"Pcm12BitInTwoBytes", Pcm(1, 12), true, Int16, ""},
      {"Pcm16Mono", Pcm(1, 16), true, Int16, ""},
      {"Pcm16Stereo", Pcm(2, 16), true, Int16, "", true},
      {"Pcm16StereoWithExtensionSize", Pcm(2, 16) + Le16(0), true, Int16, "", true},
      {"Pcm17BitInThreeBytes", Pcm(1, 17), true, Int24, ""},
      {"Pcm24SixChannels", Pcm(6, 24), true, Int24, ""},
      {"Pcm25BitInFourBytes", Pcm(2, 25), true, Int32, ""},
      {"Pcm32", Pcm(2, 32), true, Int32, ""},
      {"Pcm8With65535Channels", Fields(1, 65535, 65535, 8), true, Unsigned8, ""},
      {"Float32SixChannels", Fields(3, 6, 24, 32), true, Float32, ""},
      {"Float64", Fields(3, 1, 8, 64), true, Float64, ""},
      {"ALaw", Fields(6, 2, 2, 8), true, ALaw, ""},
      {"MuLaw", Fields(7, 1, 1, 8), true, MuLaw, ""},
      {"ExtensiblePcm16Stereo", Extensible(StandardGuid(1), 2, 16, 16), true, Int16, "", true},
      {"ExtensiblePcm24In32", Extensible(StandardGuid(1), 2, 32, 24), true, Int32, ""},
      {"ExtensibleFloat", Extensible(StandardGuid(3), 6, 32, 32), true, Float32, ""},
      {"ImaAdpcm", Fields(0x11, 1, 256, 4), false, Int16, NotDecoded("4-bit IMA ADPCM")},
      {"MicrosoftAdpcm", Fields(0x02, 2, 1024, 4), false, Int16, NotDecoded("4-bit Microsoft ADPCM")},
      {"GsmWithoutBits", Fields(0x31, 1, 65, 0), false, Int16, NotDecoded("GSM 6.10")},
      {"Mp3", Fields(0x55, 2, 1, 0), false, Int16, NotDecoded("MPEG Layer 3")},
      {"UnknownTag", Fields(0x1234, 2, 4, 16), false, Int16, NotDecoded("format tag 0x1234")},
      {"ExtensibleAdpcm", Extensible(StandardGuid(0x11), 1, 4, 4), false, Int16,
       NotDecoded("4-bit IMA ADPCM")},
      {"Pcm0Bits", Fields(1, 2, 4, 0), false, Int16, NotDecoded("0-bit integer samples")},
      {"Pcm33Bits", Fields(1, 1, 5, 33), false, Int16, NotDecoded("33-bit integer samples")},
      {"Pcm64Bits", Fields(1, 1, 8, 64), false, Int16, NotDecoded("64-bit integer samples")},
      {"Float16", Fields(3, 1, 2, 16), false, Int16, NotDecoded("16-bit floating-point samples")},
      {"ALaw16", Fields(6, 1, 2, 16), false, Int16, NotDecoded("16-bit A-law samples")},
      {"NoChannels", Fields(1, 0, 0, 16), false, Int16, "the format chunk says 0 channels"},
      {"Pcm16With65535Channels", Fields(1, 65535, 65535, 16), false, Int16,
       DoNotFit("65,535 channels of 16-bit samples in frames of 65,535 bytes")},
      {"BlockAlign0", Fields(1, 2, 0, 16), false, Int16,
       DoNotFit("2 channels of 16-bit samples in frames of 0 bytes")},
      {"BlockAlignTooSmall", Fields(1, 2, 5, 24), false, Int16,
       DoNotFit("2 channels of 24-bit samples in frames of 5 bytes")},
      {"BlockAlignTooLarge", Fields(1, 1, 3, 16), false, Int16,
       DoNotFit("1 channel of 16-bit samples in frames of 3 bytes")},
      {"BlockAlign65535", Fields(1, 2, 65535, 16), false, Int16,
       DoNotFit("2 channels of 16-bit samples in frames of 65,535 bytes")},
      {"BlockAlignOneByte", Fields(1, 2, 1, 8), false, Int16,
       DoNotFit("2 channels of 8-bit samples in frames of 1 byte")},
      {"FormatChunk14Bytes", Pcm(2, 16).substr(0, 14), false, Int16,
       "the format chunk holds only 14 bytes, too few to say how the sound is coded"},
      {"FormatChunkEmpty", "", false, Int16,
       "the format chunk holds only 0 bytes, too few to say how the sound is coded"},
      {"ExtensibleWithoutExtension", Fields(0xFFFE, 2, 6, 24), false, Int16, TooShortExtensible},
      {"ExtensibleCutBeforeTheSubFormat", Extensible(StandardGuid(1), 2, 24, 24).substr(0, 38), false, Int16,
       TooShortExtensible},
      {"ExtensibleSizeTooSmall", Extensible(StandardGuid(1), 2, 24, 24, 10), false, Int16,
       TooShortExtensible},
      {"ExtensibleForeignSubFormat", Extensible(ambisonic, 4, 16, 16), false, Int16,
       "the format chunk names the sub-format {00000001-0721-11D3-8644-C8C1CA000000}, which this viewer does "
       "not "
       "know"},
  };
}

class RecordedLayoutTest : public ::testing::TestWithParam<TLayoutCase> {};

TEST_P(RecordedLayoutTest, ReadsTheFormatChunk) {
  const TLayoutCase& c = GetParam();
  const std::string bytes = RiffFile(Chunk("fmt ", c.FormatChunkBody) + Chunk("data", "abcd"));
  files::TMemorySource source(bytes.data(), bytes.size());
  TWaveInfo info;
  TNullLog log;
  TReadDetails details;
  ReadWaveFile(source, info, log, details);
  ASSERT_EQ(info.Status, TWaveStatus::wsLoaded);
  const TFormatDetails& format = details.Format;
  const TRecordedLayout layout = RecordedLayout(format);
  EXPECT_EQ(layout.Decoded, c.Decoded);
  EXPECT_EQ(layout.Why, c.Why);
  if (c.Decoded) {
    EXPECT_EQ(layout.Coding, c.Coding);
  }
  EXPECT_EQ(IsStereo16Pcm(format), c.Stereo16);
  EXPECT_EQ(layout.Channels, format.Channels);
  EXPECT_EQ(layout.BlockAlign, format.BlockAlign);
  EXPECT_EQ(layout.BitsPerSample, format.BitsPerSample);
}

INSTANTIATE_TEST_SUITE_P(Formats, RecordedLayoutTest, ::testing::ValuesIn(Cases()),
                         [](const auto& row) { return row.param.Name; });

TEST(RecordedLayout, NeedsAFormatChunk) {
  const TRecordedLayout layout = RecordedLayout(TFormatDetails{});
  EXPECT_FALSE(layout.Decoded);
  EXPECT_EQ(layout.Why, "the file has no format chunk");
}

} // namespace
