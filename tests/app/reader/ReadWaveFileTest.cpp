#include "app/reader/ReadWaveFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/files/MemorySource.h"
#include "tests/app/reader/WaveBytes.h"
#include "tests/platform/files/TempFolder.h"
#include "tests/support/FailingPageMemory.h"

using namespace reader;
using namespace wavebytes;
using enum reader::TWaveStatus;

namespace {

using TLines = std::vector<std::string>;

class TListLog : public TWaveLog {
public:
  TLines Lines;
  void AppendLine(const std::string& line) override { Lines.push_back(line); }
};

struct TFields {
  std::uint32_t BytesPerSec;
  std::uint16_t BitsPerSample;
  std::uint16_t Channels;
};
constexpr TFields NoFields{0, 0, 0};
constexpr TFields PcmFields{176400, 16, 2};

struct TReadCase {
  std::string Name;
  std::string Bytes;
  TLines Log;
  TWaveStatus Status;
  std::optional<std::string> Data; // nullopt: no stream at all
  TFields Fields;
};

void PrintTo(const TReadCase& c, std::ostream* os) { *os << c.Name; }

TLines Cat(std::initializer_list<TLines> parts) {
  TLines all;
  for (const auto& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

TLines Head(const std::string& file) {
  return {"RIFF", "FileSize " + std::to_string(file.size() - 8), "WAVE"};
}
TLines SizeLines(const std::string& id, std::uint32_t size) {
  return {id, "chankSize " + std::to_string(size)};
}
TLines FormatLines(int tag, int channels, std::uint32_t rate, int align, int bits) {
  return {"wFormatTag " + std::to_string(tag), "wChannels " + std::to_string(channels),
          "wSamplesPerSec " + std::to_string(rate), "wBlockAlign " + std::to_string(align),
          "wBitsPerSample " + std::to_string(bits)};
}

const std::string Fmt16 = Chunk("fmt ", FormatBody(2, 44100, 16));
const TLines Fmt16Lines = Cat({SizeLines("fmt ", 16), FormatLines(1, 2, 44100, 4, 16)});
const TLines Ok = {"O\"k "};
const std::string Zero4("\0\0\0\0", 4);
const std::string Pad(1, '\0');

std::vector<TReadCase> WellFormedCases() {
  std::vector<TReadCase> cases;
  auto add = [&](std::string name, std::string file, TLines middle, TWaveStatus status,
                 std::optional<std::string> data, TFields fields) {
    TLines log = Cat({Head(file), middle});
    cases.push_back({std::move(name), std::move(file), log, status, std::move(data), fields});
  };
  std::string f;
  f = RiffFile(Fmt16 + Chunk("data", "abcdefgh"));
  add("PlainPcm", f, Cat({Fmt16Lines, SizeLines("data", 8), Ok}), wsLoaded, "abcdefgh", PcmFields);
  f = RiffFile(Chunk("LIST", "INFOabcd") + Fmt16 + Chunk("data", "ab"));
  add("ListBeforeFormat", f, Cat({SizeLines("LIST", 8), Fmt16Lines, SizeLines("data", 2), Ok}), wsLoaded,
      "ab", PcmFields);
  f = RiffFile(Fmt16 + Chunk("junk", "12345") + Chunk("data", "xy"));
  add("OddJunkAfterFormat", f, Cat({Fmt16Lines, SizeLines("junk", 5), SizeLines("data", 2), Ok}), wsLoaded,
      "xy", PcmFields);
  f = RiffFile(Chunk("odd ", "xyz") + Fmt16 + Chunk("data", "q"));
  add("OddBodyBeforeFormat", f, Cat({SizeLines("odd ", 3), Fmt16Lines, SizeLines("data", 1), Ok}), wsLoaded,
      "q", PcmFields);
  f = RiffFile(Chunk("LIST", "INFOa") + Pad + Fmt16 + Chunk("data", "ab"));
  add("PadAfterOddListBeforeFormat", f, Cat({SizeLines("LIST", 5), Fmt16Lines, SizeLines("data", 2), Ok}),
      wsLoaded, "ab", PcmFields);
  f = RiffFile(Fmt16 + Chunk("bext", "abc") + Pad + Chunk("data", "wxyz"));
  add("PadAfterOddBextAfterFormat", f, Cat({Fmt16Lines, SizeLines("bext", 3), SizeLines("data", 4), Ok}),
      wsLoaded, "wxyz", PcmFields);
  // Any printable identifier after the zero byte makes it a pad, known or not.
  f = RiffFile(Chunk("odd ", "xyz") + Pad + Chunk("abcd", "") + Fmt16 + Chunk("data", "ab"));
  add("PadBeforeUnknownIdentifier", f,
      Cat({SizeLines("odd ", 3), SizeLines("abcd", 0), Fmt16Lines, SizeLines("data", 2), Ok}), wsLoaded, "ab",
      PcmFields);
  // A zero byte followed by no printable identifier starts the next header, as it always did.
  f = RiffFile(Chunk("odd ", "xyz") + ChunkHeader(Zero4, 1) + "\x01" + Fmt16 + Chunk("data", "ab"));
  add("ZeroByteBeforeUnprintableIdentifierIsNoPad", f,
      Cat({SizeLines("odd ", 3), SizeLines("", 1), Fmt16Lines, SizeLines("data", 2), Ok}), wsLoaded, "ab",
      PcmFields);
  f = RiffFile(Chunk("fmt ", FormatBody(2, 44100, 16) + "\x05") + Pad + Chunk("data", "ab"));
  add("FormatSize17WithPad", f,
      Cat({SizeLines("fmt ", 17), FormatLines(1, 2, 44100, 4, 16), SizeLines("data", 2), Ok}), wsLoaded, "ab",
      PcmFields);
  f = RiffFile(Chunk("fmt ", FormatBody(2, 44100, 16) + "\x05") + Chunk("data", "ab"));
  add("FormatSize17WithoutPad", f,
      Cat({SizeLines("fmt ", 17), FormatLines(1, 2, 44100, 4, 16), SizeLines("data", 2), Ok}), wsLoaded, "ab",
      PcmFields);
  f = RiffFile(Chunk("fmt ", FormatBody(2, 44100, 16) + Le16(0) + "\x07") + Pad + Chunk("data", "ab"));
  add("FormatSize19WithPad", f,
      Cat({SizeLines("fmt ", 19), FormatLines(1, 2, 44100, 4, 16), SizeLines("data", 2), Ok}), wsLoaded, "ab",
      PcmFields);
  f = RiffFile(Chunk("fmt ", "") + Chunk("data", "ab"));
  add("FormatSize0", f, Cat({SizeLines("fmt ", 0), FormatLines(0, 0, 0, 0, 0), SizeLines("data", 2), Ok}),
      wsLoaded, "ab", NoFields);
  f = RiffFile(Chunk("fmt ", FormatBody(2, 44100, 16) + Le16(0)) + Chunk("data", ""));
  add("FormatSize18", f,
      Cat({SizeLines("fmt ", 18), FormatLines(1, 2, 44100, 4, 16), SizeLines("data", 0), Ok}), wsLoaded, "",
      PcmFields);
  f = RiffFile(Chunk("fmt ", FormatBody(2, 44100, 16) + Le16(2) + "\x01\x02") + Chunk("data", "d"));
  add("FormatSize20", f,
      Cat({SizeLines("fmt ", 20), FormatLines(1, 2, 44100, 4, 16), {"wcbSize 2"}, SizeLines("data", 1), Ok}),
      wsLoaded, "d", PcmFields);
  f = RiffFile(Chunk("fmt ", FormatBody(2, 48000, 24, 0xFFFE) + Le16(22) + std::string(22, 'e')) +
               Chunk("data", "123456"));
  add("FormatSize40Extensible", f,
      Cat({SizeLines("fmt ", 40),
           FormatLines(-2, 2, 48000, 6, 24),
           {"wcbSize 22"},
           SizeLines("data", 6),
           Ok}),
      wsLoaded, "123456", TFields{288000, 24, 2});
  f = RiffFile(Chunk("fmt ", FormatBody(1, 8000, 8)) + Chunk("data", "\x01\x02\x03"));
  add("FormatIsReportedNotActedOn", f,
      Cat({SizeLines("fmt ", 16), FormatLines(1, 1, 8000, 1, 8), SizeLines("data", 3), Ok}), wsLoaded,
      "\x01\x02\x03", TFields{8000, 8, 1});
  f = RiffFile(Chunk(std::string("ab\0d", 4), "12") + Chunk(Zero4, "") + Chunk(std::string("fmt\0", 4), "") +
               Fmt16 + Chunk(std::string("dat\0", 4), "") + Chunk("data", "z"));
  add("IdentifiersStopAtZeroByte", f,
      Cat({SizeLines("ab", 2), SizeLines("", 0), SizeLines("fmt", 0), Fmt16Lines, SizeLines("dat", 0),
           SizeLines("data", 1), Ok}),
      wsLoaded, "z", PcmFields);
  f = RiffFile(Fmt16 + Chunk("data", ""), "WAVE", 0xFFFFFFFF);
  f.replace(20, 16, FormatBody(2, 0xFFFFFFFF, 16));
  add("NumbersPrintUnsigned", f, Cat({Fmt16Lines, SizeLines("data", 0), Ok}), wsLoaded, "",
      TFields{0xFFFFFFFC, 16, 2});
  cases.back().Log[1] = "FileSize 4294967295";
  cases.back().Log[7] = "wSamplesPerSec 4294967295";
  return cases;
}

std::vector<TReadCase> RejectedCases() {
  std::vector<TReadCase> cases;
  auto add = [&](std::string name, std::string file, TLines middle, TWaveStatus status,
                 std::optional<std::string> data = std::nullopt, TFields fields = NoFields) {
    TLines log = Cat({Head(file), middle});
    cases.push_back({std::move(name), std::move(file), log, status, std::move(data), fields});
  };
  std::string f;
  f = RiffFile(Chunk("data", "ab") + Fmt16);
  add("DataBeforeFormat", f, SizeLines("data", 2), wsDataBeforeFormat);
  f = RiffFile(Chunk("FMT ", FormatBody(2, 44100, 16)) + Chunk("data", "ab"));
  add("UpperCaseFormatIdDoesNotMatch", f, Cat({SizeLines("FMT ", 16), SizeLines("data", 2)}),
      wsDataBeforeFormat);
  f = RiffFile(ChunkHeader("LIST", 0x80000000) + Fmt16 + Chunk("data", "ab"));
  add("HugeSizeInFirstWalk", f, {"LIST"}, wsChunkTooLarge);
  f = RiffFile(Fmt16 + ChunkHeader("LIST", 0x80000000) + Chunk("data", "ab"));
  add("HugeSizeInSecondWalk", f, Cat({Fmt16Lines, {"LIST"}}), wsChunkTooLarge);
  f = RiffFile(ChunkHeader("data", 0xFFFFFFFF) + "abcd");
  add("HugeDataSizeInFirstWalk", f, {"data"}, wsChunkTooLarge);
  f = RiffFile(ChunkHeader("data", 0x80000000) + Fmt16);
  add("DataSize80000000InFirstWalk", f, {"data"}, wsChunkTooLarge);
  // A writer that could not seek back leaves such a size: the data runs to the file's end.
  f = RiffFile(Fmt16 + ChunkHeader("data", 0xFFFFFFFF) + "abcd");
  add("StreamedDataSize", f, Cat({Fmt16Lines, SizeLines("data", 0xFFFFFFFF), Ok}), wsReadError, "abcd",
      PcmFields);
  f = RiffFile(Fmt16 + Chunk("LIST", "x") + Pad + ChunkHeader("data", 0x80000000) + "abcdef");
  add("StreamedDataSize80000000", f,
      Cat({Fmt16Lines, SizeLines("LIST", 1), SizeLines("data", 0x80000000), Ok}), wsReadError, "abcdef",
      PcmFields);
  f = RiffFile(ChunkHeader("LIST", 0x7FFFFFFF) + Fmt16);
  add("SkipPastEndThenHeaderFails", f, Cat({SizeLines("LIST", 0x7FFFFFFF), Ok}), wsReadError);
  // Without a pad byte, the byte after an odd body starts the next header even where the walk
  // then fails.
  f = RiffFile(Chunk("odd ", "xyz") + std::string("\0\x01\x02\x03", 4) + Le32(9));
  add("ZeroByteWithoutIdentifierIsNoPad", f, Cat({SizeLines("odd ", 3), SizeLines("", 9), Ok}), wsReadError);
  f = RiffFile("");
  add("NoChunks", f, Ok, wsReadError);
  f = RiffFile(Fmt16);
  add("FormatWithoutData", f, Cat({Fmt16Lines, Ok}), wsReadError);
  f = RiffFile(std::string("LIST\x08\x00", 6));
  add("TruncatedHeaderInFirstWalk", f, Ok, wsReadError);
  f = RiffFile(Fmt16 + std::string("data\x08\x00", 6));
  add("TruncatedHeaderInSecondWalk", f, Cat({Fmt16Lines, {"data"}, Ok}), wsReadError);
  // Reading the sub-format on the way must not turn the skip into a failing read.
  f = RiffFile(ChunkHeader("fmt ", 40) + FormatBody(2, 48000, 24, 0xFFFE) + Le16(22) + Le16(24) + "abc");
  add("ExtensibleFormatCutShort", f,
      Cat({SizeLines("fmt ", 40), FormatLines(-2, 2, 48000, 6, 24), {"wcbSize 22"}, Ok}), wsReadError);
  f = RiffFile(ChunkHeader("fmt ", 16) + std::string(10, '\x01'));
  add("TruncatedFormatBody", f, Cat({SizeLines("fmt ", 16), Ok}), wsReadError);
  f = RiffFile(Fmt16 + ChunkHeader("data", 100) + "0123456789");
  add("TruncatedData", f, Cat({Fmt16Lines, SizeLines("data", 100), Ok}), wsReadError, "0123456789",
      PcmFields);
  // 12 + 24 + 8 + 56 = 100 bytes in all.
  f = RiffFile(Fmt16 + ChunkHeader("data", 0x7FFFFFFF) + std::string(56, 's'));
  add("HundredByteFileDeclaringTwoGigabytes", f, Cat({Fmt16Lines, SizeLines("data", 0x7FFFFFFF), Ok}),
      wsReadError, std::string(56, 's'), PcmFields);
  f = RiffFile(Fmt16 + Chunk("data", "ab"), "AVI ");
  add("RiffButNotWave", f, {}, wsNotWave);
  cases.back().Log[2] = "AVI ";
  f = RiffFile(Fmt16 + Chunk("data", "ab"), std::string("WA\0E", 4));
  add("FormTypeStopsAtZeroByte", f, {}, wsNotWave);
  cases.back().Log[2] = "WA";
  // Before "RIFF" is confirmed nothing is logged except the closing line of a failed read.
  cases.push_back({"EmptyFile", "", Ok, wsReadError, std::nullopt, NoFields});
  cases.push_back({"ShorterThanAnIdentifier", "RI", Ok, wsReadError, std::nullopt, NoFields});
  cases.push_back({"TruncatedRiffSize", "RIFF\x10", {"RIFF", "O\"k "}, wsReadError, std::nullopt, NoFields});
  cases.push_back({"BigEndianRiff", "RIFX" + Le32(4) + "WAVE", {}, wsNotWave, std::nullopt, NoFields});
  cases.push_back({"TextFile", "hello, world\n", {}, wsNotWave, std::nullopt, NoFields});
  return cases;
}

class ReadWaveFileTest : public ::testing::TestWithParam<TReadCase> {
protected:
  TTempFolder Folder;
};

void ExpectOutcome(const TReadCase& c, const TWaveInfo& info, const TLines& log) {
  EXPECT_EQ(log, c.Log);
  EXPECT_EQ(info.Status, c.Status);
  EXPECT_EQ(info.BytesPerSec, c.Fields.BytesPerSec);
  EXPECT_EQ(info.BitsPerSample, c.Fields.BitsPerSample);
  EXPECT_EQ(info.Channels, c.Fields.Channels);
  ASSERT_EQ(info.Data != nullptr, c.Data.has_value());
  if (c.Data) {
    const auto* bytes = reinterpret_cast<const char*>(info.Data->Memory());
    EXPECT_EQ(std::string(bytes, static_cast<std::size_t>(info.Data->Size())), *c.Data);
    EXPECT_EQ(info.Data->Position(), 0);
  }
}

// The same bytes must read alike from memory and from a file on disk.
TEST_P(ReadWaveFileTest, LogsAndFieldsMatch) {
  const TReadCase& c = GetParam();
  {
    SCOPED_TRACE("from memory");
    files::TMemorySource source(c.Bytes.data(), c.Bytes.size());
    TWaveInfo info;
    TReadDetails details;
    TListLog log;
    ReadWaveFile(source, info, log, details);
    ExpectOutcome(c, info, log.Lines);
  }
  {
    SCOPED_TRACE("from a file");
    TWaveInfo info;
    TReadDetails details;
    TListLog log;
    ReadWaveFile(Folder.Write("in.wav", c.Bytes), info, log, details);
    ExpectOutcome(c, info, log.Lines);
    EXPECT_FALSE(details.OutOfMemory);
  }
}

auto CaseName = [](const ::testing::TestParamInfo<TReadCase>& info) { return info.param.Name; };

INSTANTIATE_TEST_SUITE_P(WellFormed, ReadWaveFileTest, ::testing::ValuesIn(WellFormedCases()), CaseName);
INSTANTIATE_TEST_SUITE_P(Rejected, ReadWaveFileTest, ::testing::ValuesIn(RejectedCases()), CaseName);

// The details say why, in terms the window can put in plain words.
TEST(ReadWaveFile, FileThatCannotBeOpenedLogsOnlyTheClosingLine) {
  TTempFolder folder;
  const std::string locked = folder.Write("locked.wav", RiffFile(Fmt16 + Chunk("data", "ab")));
  ::chmod(locked.c_str(), 0);
  std::vector<std::pair<std::string, TOpenFailure>> cases = {
      {(folder.Path() / "missing.wav").string(), TOpenFailure::NoSuchFile},
      {(folder.Path() / "missing" / "a.wav").string(), TOpenFailure::NoSuchFile},
      {folder.Path().string(), TOpenFailure::Folder}};
  // Permissions do not keep the superuser out.
  if (::geteuid() != 0)
    cases.push_back({locked, TOpenFailure::PermissionDenied});
  for (const auto& [name, failure] : cases) {
    TWaveInfo info;
    TReadDetails details;
    TListLog log;
    ReadWaveFile(name, info, log, details);
    EXPECT_EQ(info.Status, wsReadError) << name;
    EXPECT_EQ(log.Lines, Ok) << name;
    EXPECT_EQ(info.Data, nullptr) << name;
    EXPECT_EQ(details.Stage, TReadStage::Open) << name;
    EXPECT_EQ(details.OpenFailure, failure) << name;
  }
}

// Reads the bytes as an in-memory source.
void ReadBytes(const std::string& bytes, TWaveInfo& info, TWaveLog& log) {
  files::TMemorySource source(bytes.data(), bytes.size());
  TReadDetails details;
  ReadWaveFile(source, info, log, details);
}

TEST(ReadWaveFile, ClearsTheRecordAndAppendsToTheLog) {
  TWaveInfo info{TWaveStatus::wsChunkTooLarge, 1, 2, 3, std::make_unique<files::TMemoryStream>()};
  TListLog log;
  log.Lines = {"earlier"};
  ReadBytes("not a wave", info, log);
  EXPECT_EQ(info.Status, wsNotWave);
  EXPECT_EQ(info.BytesPerSec, 0u);
  EXPECT_EQ(info.BitsPerSample, 0u);
  EXPECT_EQ(info.Channels, 0u);
  EXPECT_EQ(info.Data, nullptr);

  ReadBytes(RiffFile(Fmt16 + Chunk("data", "ab")), info, log);
  EXPECT_EQ(log.Lines.front(), "earlier");
  EXPECT_EQ(log.Lines.size(), 1 + 3 + Fmt16Lines.size() + 2 + 1);
  ReadBytes(RiffFile(""), info, log);
  EXPECT_EQ(info.Data, nullptr) << "a failed read must not leave the previous stream behind";
}

TEST(ReadWaveFile, LogThatThrowsBecomesAStatus) {
  struct TFailingLog : TWaveLog {
    int Calls = 0;
    void AppendLine(const std::string&) override {
      ++Calls;
      throw std::runtime_error("log box full");
    }
  } log;
  TWaveInfo info;
  ReadBytes(RiffFile(Fmt16 + Chunk("data", "ab")), info, log);
  EXPECT_EQ(info.Status, wsReadError);
  EXPECT_EQ(log.Calls, 2) << "the failing line, then the closing line";
}

} // namespace

// Memory for the data chunk that cannot be had is a read error that the details name, with the
// size that was wanted, and the log reads as for any read error.
TEST(ReadWaveFile, MemoryThatRunsOutIsNamedInTheDetails) {
  const std::string bytes = RiffFile(Fmt16 + Chunk("data", std::string(5000, 'x')));
  files::TMemorySource source(bytes.data(), bytes.size());
  pages::test::TFailingPageMemory memory;
  memory.FailCommits = true;
  TWaveInfo info;
  TReadDetails details;
  TListLog log;
  ReadWaveFile(source, info, log, details, memory);
  EXPECT_EQ(info.Status, wsReadError);
  EXPECT_TRUE(details.OutOfMemory);
  EXPECT_EQ(details.DataBytes, 5000);
  EXPECT_EQ(log.Lines.back(), "O\"k ");
  EXPECT_EQ(log.Lines[log.Lines.size() - 3], "data");

  memory.FailCommits = false;
  source.Seek(-source.Position());
  ReadWaveFile(source, info, log, details, memory);
  EXPECT_EQ(info.Status, wsLoaded);
  EXPECT_FALSE(details.OutOfMemory) << "the details of the last read are cleared";
}
