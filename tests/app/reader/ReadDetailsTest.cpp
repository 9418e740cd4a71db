// What a read tells beside TWaveInfo: how far it got, what a file that is no WAVE file is, and
// how much of the data chunk the file holds.
#include "app/reader/ReadWaveFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/files/MemorySource.h"
#include "tests/app/reader/WaveBytes.h"
#include "tests/support/FailingPageMemory.h"
#include "tests/support/PositionedSource.h"

using namespace reader;
using namespace wavebytes;
using enum reader::TWaveStatus;

namespace {

struct TNullLog : TWaveLog {
  void AppendLine(const std::string&) override {}
};

struct TOutcome {
  TWaveStatus Status = wsLoaded;
  TReadStage Stage = TReadStage::Data;
  TFileKind Kind = TFileKind::Wave;
  std::string FormType{};
  std::string LargeChunkId{};
  std::uint32_t LargeChunkSize = 0;
  std::int64_t DataBytes = 0;
  std::int64_t MissingBytes = 0;
  bool Streamed = false;
  std::int64_t BytesAfterData = 0;
  bool operator==(const TOutcome&) const = default;
};

std::ostream& operator<<(std::ostream& os, const TOutcome& o) {
  return os << "status " << int(o.Status) << ", stage " << int(o.Stage) << ", kind " << int(o.Kind)
            << ", form \"" << o.FormType << "\", large \"" << o.LargeChunkId << "\" " << o.LargeChunkSize
            << ", data " << o.DataBytes << ", missing " << o.MissingBytes << ", streamed " << o.Streamed
            << ", after " << o.BytesAfterData;
}

struct TDetailsCase {
  std::string Name;
  std::string Bytes;
  TOutcome Expected;
};

void PrintTo(const TDetailsCase& c, std::ostream* os) { *os << c.Name; }

TOutcome ReadOutcome(const std::string& bytes, TReadDetails& details) {
  files::TMemorySource source(bytes.data(), bytes.size());
  TWaveInfo info;
  TNullLog log;
  ReadWaveFile(source, info, log, details);
  return {info.Status,          details.Stage,          details.Kind,      details.FormType,
          details.LargeChunkId, details.LargeChunkSize, details.DataBytes, details.MissingBytes,
          details.Streamed,     details.BytesAfterData};
}

std::string Be32(std::uint32_t value) {
  const std::string le = Le32(value);
  return std::string(le.rbegin(), le.rend());
}

const std::string Fmt16 = Chunk("fmt ", FormatBody(2, 44100, 16));
const std::string Wave64Head("riff\x2E\x91\xCF\x11\xA5\xD6\x28\xDB\x04\xC1\x00\x00", 16);

std::vector<TDetailsCase> Cases() {
  using enum TReadStage;
  using enum TFileKind;
  const auto notWave = [](TFileKind kind) {
    return TOutcome{.Status = wsNotWave, .Stage = Header, .Kind = kind};
  };
  return {
      {"Loaded",
       RiffFile(Fmt16 + Chunk("data", "abcd") + Chunk("LIST", "ab")),
       {.DataBytes = 4, .BytesAfterData = 10}},
      {"EmptyDataWithBytesAfterIt", RiffFile(Fmt16 + Chunk("data", "") + "abcdef"), {.BytesAfterData = 6}},
      {"DataCutShort",
       RiffFile(Fmt16 + ChunkHeader("data", 100) + "0123456789"),
       {.Status = wsReadError, .DataBytes = 10, .MissingBytes = 90}},
      {"StreamedShorterThanTheLargestSize",
       RiffFile(Fmt16 + ChunkHeader("data", 0xFFFFFFFF) + "abcd"),
       {.Status = wsReadError, .DataBytes = 4, .Streamed = true}},
      {"EmptyFile", "", {.Status = wsReadError, .Stage = Header}},
      {"EndsInTheFirstWalk", RiffFile(Chunk("LIST", "ab")), {.Status = wsReadError, .Stage = FirstWalk}},
      {"EndsInTheFormatChunk",
       RiffFile(ChunkHeader("fmt ", 16) + "abc"),
       {.Status = wsReadError, .Stage = Format}},
      {"EndsBeforeTheDataChunk", RiffFile(Fmt16), {.Status = wsReadError, .Stage = SecondWalk}},
      {"DataBeforeFormat",
       RiffFile(Chunk("data", "ab") + Fmt16),
       {.Status = wsDataBeforeFormat, .Stage = FirstWalk}},
      {"LargeChunkInTheFirstWalk",
       RiffFile(ChunkHeader("LIST", 0x80000000)),
       {.Status = wsChunkTooLarge, .Stage = FirstWalk, .LargeChunkId = "LIST", .LargeChunkSize = 0x80000000}},
      {"LargeChunkInTheSecondWalk",
       RiffFile(Fmt16 + ChunkHeader("bext", 0xFFFFFFFF)),
       {.Status = wsChunkTooLarge,
        .Stage = SecondWalk,
        .LargeChunkId = "bext",
        .LargeChunkSize = 0xFFFFFFFF}},
      {"Rf64", "RF64" + Le32(0xFFFFFFFF) + "WAVEds64", notWave(Rf64)},
      {"Rf64AloneIsEnough", "RF64", notWave(Rf64)},
      {"Bw64", "BW64" + Le32(0xFFFFFFFF) + "WAVE", notWave(Bw64)},
      {"BigEndianRiff", "RIFX" + Be32(4) + "WAVE", notWave(Rifx)},
      {"SonyWave64", Wave64Head + std::string(8, '\0') + "wave", notWave(Wave64)},
      {"Aiff", "FORM" + Be32(4) + "AIFFCOMM", notWave(Aiff)},
      {"Aifc", "FORM" + Be32(4) + "AIFC", notWave(Aifc)},
      {"FormOfAnotherType", "FORM" + Be32(4) + "8SVX", notWave(NotRiff)},
      {"Flac", "fLaC" + Be32(34), notWave(Flac)},
      {"Ogg", std::string("OggS\0\2", 6), notWave(Ogg)},
      {"Mp3WithId3Tag", "ID3\4", notWave(Mp3)},
      {"Mp3FrameLayer3", "\xFF\xFB\x90\x64", notWave(Mp3)},
      {"Mp2FrameLayer2", "\xFF\xFD\x90\x64", notWave(Mp3)},
      {"FrameSyncWithTheReservedLayer", "\xFF\xF9\x50\x80", notWave(NotRiff)},
      {"SyncBitsCutShort", "\xFF\xDB\x90\x64", notWave(NotRiff)},
      {"M4a", Be32(32) + "ftypM4A ", notWave(Mp4)},
      {"Caf", "caff" + std::string("\0\1\0\0", 4), notWave(Caf)},
      {"LowerCaseRiffIsNoWave64", "riff" + Le32(4) + "WAVE", notWave(NotRiff)},
      {"TextFile", "hello, world\n", notWave(NotRiff)},
      {"RiffOfAnotherFormType",
       RiffFile(Fmt16, "AVI "),
       {.Status = wsNotWave, .Stage = Header, .Kind = OtherRiff, .FormType = "AVI "}},
  };
}

class ReadDetailsTest : public ::testing::TestWithParam<TDetailsCase> {};

TEST_P(ReadDetailsTest, TellWhatTheReadFound) {
  TReadDetails details;
  EXPECT_EQ(ReadOutcome(GetParam().Bytes, details), GetParam().Expected);
  EXPECT_FALSE(details.OutOfMemory);
  EXPECT_EQ(details.OpenFailure, TOpenFailure::None);
}

INSTANTIATE_TEST_SUITE_P(Reads, ReadDetailsTest, ::testing::ValuesIn(Cases()),
                         [](const auto& row) { return row.param.Name; });

// The fields beyond the 20 bytes the log reports are read only for the details.
TEST(ReadDetails, FormatFieldsIncludeTheExtensibleSubFormat) {
  const std::string guid("\x03\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 16);
  const std::string body = FormatBody(6, 48000, 32, 0xFFFE) + Le16(22) + Le16(24) + Le32(0x3F) + guid;
  TReadDetails details;
  ReadOutcome(RiffFile(Chunk("fmt ", body + "tail") + Chunk("data", "abcd")), details);
  const TFormatDetails& format = details.Format;
  EXPECT_TRUE(format.Present);
  EXPECT_EQ(format.FormatTag, 0xFFFE);
  EXPECT_EQ(format.Channels, 6);
  EXPECT_EQ(format.SamplesPerSec, 48000u);
  EXPECT_EQ(format.BlockAlign, 24);
  EXPECT_EQ(format.BitsPerSample, 32);
  EXPECT_EQ(format.ValidBits, 24);
  EXPECT_EQ(format.BodySize, 44u);
  EXPECT_EQ(format.ExtensionSize, 22);
  ASSERT_TRUE(format.HasSubFormat);
  EXPECT_EQ(std::string(format.SubFormat.begin(), format.SubFormat.end()), guid);
  EXPECT_EQ(details.DataBytes, 4) << "the bytes after the sub-format are still skipped";

  ReadOutcome(RiffFile(Chunk("fmt ", body.substr(0, 39)) + std::string(1, '\0') + Chunk("data", "abcd")),
              details);
  EXPECT_FALSE(details.Format.HasSubFormat) << "a sub-format cut short is none";
  EXPECT_EQ(details.Format.BodySize, 39u);
  EXPECT_EQ(details.DataBytes, 4);

  ReadOutcome(RiffFile(Chunk("fmt ", body.substr(0, 16)) + Chunk("data", "abcd")), details);
  EXPECT_EQ(details.Format.ExtensionSize, 0) << "no extension size in a 16-byte chunk";

  ReadOutcome(RiffFile(Chunk("data", "ab") + Fmt16), details);
  EXPECT_FALSE(details.Format.Present);
}

// A file larger than any data chunk the reader takes: these bytes, then zeros up to Size.
class TLongSource final : public sourcetest::TPositionedSource {
public:
  TLongSource(std::string head, std::int64_t size) : FHead(std::move(head)), FSize(size) {}
  std::int64_t Size() const override { return FSize; }
  std::int64_t ReadAt(void* Buffer, std::int64_t Count, std::int64_t Offset) const override {
    const std::int64_t n = std::max<std::int64_t>(0, std::min(Count, FSize - Offset));
    auto* out = static_cast<char*>(Buffer);
    for (std::int64_t i = 0; i < n; ++i)
      out[i] = Offset + i < std::int64_t(FHead.size()) ? FHead[std::size_t(Offset + i)] : '\0';
    return n;
  }

protected:
  std::string Description() const override { return "long source"; }

private:
  std::string FHead;
  std::int64_t FSize;
};

// Memory that cannot be had stops the read before a byte is copied, yet after the reader has
// said how much it wanted: no more than the largest data chunk, though the file holds more.
TEST(ReadDetails, AStreamedDataChunkIsTakenUpToTheLargestSize) {
  const std::string head = RiffFile(Fmt16 + ChunkHeader("data", 0xFFFFFFFF));
  TLongSource source(head, std::int64_t(head.size()) + 0x90000000LL);
  pages::test::TFailingPageMemory memory;
  memory.FailCommits = true;
  TWaveInfo info;
  TReadDetails details;
  TNullLog log;
  ReadWaveFile(source, info, log, details, memory);
  EXPECT_EQ(info.Status, wsReadError);
  EXPECT_TRUE(details.OutOfMemory);
  EXPECT_TRUE(details.Streamed);
  EXPECT_EQ(details.DataBytes, 0x7FFFFFFF);
}

} // namespace
