#include "app/reader/ReadWaveFile.h"
#include "tests/app/FormFixture.h"
#include "tests/support/FailingAllocation.h"
#include "tests/support/FailingPageMemory.h"

#include <QPlainTextEdit>
#include <QTextBlock>

#include <algorithm>

namespace {

using testsupport::FormFixture;
using testsupport::SampleBytes;
using Samples = std::vector<std::int32_t>;

TEST_F(FormFixture, ReadWFAsksTheDialogReadsTheFileAndFillsStoreAndSeries) {
  std::string offered = "unset";
  Form.OpenDialog1.FileName = "earlier.wav";
  testsupport::WriteFile(PathOf("a.wav"), testsupport::WaveBytes(SampleBytes({1, -2, 3, -4, 5, -6})));
  Form.OpenDialog1.SetChooser([&](std::string& fileName) {
    offered = fileName;
    fileName = PathOf("a.wav");
    return true;
  });
  QTest::mouseClick(Form.Button1, Qt::LeftButton);

  EXPECT_EQ(offered, "earlier.wav");
  EXPECT_EQ(Store.WaveFileName, PathOf("a.wav"));
  EXPECT_EQ(Form.Memo1->toPlainText().split('\n').first(), "RIFF");
  EXPECT_EQ(Form.LastRead().Status, reader::TWaveStatus::wsLoaded);
  EXPECT_EQ(Store.SampleCount, 3);
  EXPECT_EQ(Left(3), (Samples{1, 3, 5}));
  EXPECT_EQ(Right(3), (Samples{-2, -4, -6}));
  EXPECT_EQ(Values(Form.Series1->XValues()), (std::vector<double>{1, 2, 3}));
  EXPECT_EQ(Values(Form.Series1->YValues()), (std::vector<double>{1, 3, 5}));
  EXPECT_EQ(Values(Form.Series2->XValues()), (std::vector<double>{1, 2, 3}));
  EXPECT_EQ(Values(Form.Series2->YValues()), (std::vector<double>{-2, -4, -6}));
  EXPECT_TRUE(Messages.empty());
}

TEST_F(FormFixture, ChunkIdentifiersShowEachByteAsOneCharacter) {
  std::string bytes = testsupport::WaveBytes(SampleBytes({1, 2}));
  bytes.replace(12, 4, "f\xE9t "); // not "fmt ": the walk logs it, then fails at the file's end
  testsupport::WriteFile(PathOf("odd.wav"), bytes);
  Form.OpenDialog1.SetChooser([&](std::string& fileName) {
    fileName = PathOf("odd.wav");
    return true;
  });
  QTest::mouseClick(Form.Button1, Qt::LeftButton);
  EXPECT_EQ(Form.Memo1->toPlainText().split('\n').at(3), QString::fromUtf8("f\u00E9t "));
}

// Identifier bytes go to the log box one line per reader line: CR and LF as their visible
// symbols, every other byte from 1 to 255 as the one character it always was.
TEST_F(FormFixture, IdentifiersWithLineBreaksKeepTheReadersLineCount) {
  using namespace wavebytes;
  std::string chunks = Chunk("a\nb ", "") + Chunk("da\rt", "");
  for (int byte = 1; byte < 256; byte += 4) {
    std::string id;
    for (int i = 0; i < 4; ++i)
      id += char(std::min(byte + i, 255));
    chunks += Chunk(id, "");
  }
  testsupport::WriteFile(PathOf("breaks.wav"), RiffFile(chunks + Chunk("fmt ", FormatBody(2, 44100, 16)) +
                                                        Chunk("data", SampleBytes({1, 2}))));
  struct TRecordingLog final : reader::TWaveLog {
    std::vector<std::string> Lines;
    void AppendLine(const std::string& line) override { Lines.push_back(line); }
  } readerLog;
  reader::TWaveInfo info;
  reader::TReadDetails details;
  reader::ReadWaveFile(PathOf("breaks.wav"), info, readerLog, details);
  ASSERT_EQ(info.Status, reader::TWaveStatus::wsLoaded);

  PressReadWF(PathOf("breaks.wav"));
  ASSERT_EQ(Form.Memo1->blockCount(), int(readerLog.Lines.size()));
  for (int i = 0; i < Form.Memo1->blockCount(); ++i) {
    QString expected = QString::fromLatin1(readerLog.Lines[std::size_t(i)]);
    expected.replace(QChar(u'\r'), QChar(0x240D)).replace(QChar(u'\n'), QChar(0x240A));
    EXPECT_EQ(Form.Memo1->document()->findBlockByNumber(i).text(), expected) << "line " << i;
  }
  EXPECT_EQ(Form.Memo1->document()->findBlockByNumber(3).text(), QString::fromUtf8("a\u240Ab "));
  EXPECT_EQ(Form.Memo1->document()->findBlockByNumber(5).text(), QString::fromUtf8("da\u240Dt"));
}

TEST_F(FormFixture, FramesAreFourBytesWhateverTheLengthAndSignExtended) {
  // Ten bytes: two frames, the last two bytes ignored; FF FF is -1 and 00 80 is -32768.
  Load(std::string("\xFF\xFF\x00\x80\xFF\x7F\x01\x00\x09\x09", 10));
  EXPECT_EQ(Store.SampleCount, 2);
  EXPECT_EQ(Left(2), (Samples{-1, 32767}));
  EXPECT_EQ(Right(2), (Samples{-32768, 1}));
  EXPECT_EQ(Form.Series1->PointCount(), 2);

  for (int size = 0; size <= 3; ++size) {
    Load(std::string(std::size_t(size), '\x11'));
    EXPECT_EQ(Store.SampleCount, 0) << size << " bytes";
    EXPECT_EQ(Form.Series1->PointCount(), 0);
    EXPECT_EQ(Form.Series2->PointCount(), 0);
  }
}

// Each load replaces the frames whole; the earlier ones go once nothing views them.
TEST_F(FormFixture, AShorterLoadReplacesTheFramesAndLetsTheOldOnesGo) {
  Load(SampleBytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
  ASSERT_EQ(Store.SampleCount, 8);
  const std::weak_ptr<const files::TMemoryBlock> earlier = Store.Frames();
  Load(SampleBytes({-1, -2, -3, -4, -5, -6, -7, -8, -9, -10}));
  EXPECT_EQ(Store.SampleCount, 5);
  EXPECT_EQ(Left(5), (Samples{-1, -3, -5, -7, -9}));
  EXPECT_EQ(Right(5), (Samples{-2, -4, -6, -8, -10}));
  EXPECT_EQ(Form.Series1->PointCount(), 5);
  EXPECT_EQ(Form.Series2->PointCount(), 5);
  EXPECT_TRUE(earlier.expired());
}

TEST_F(FormFixture, CancelOnlyTakesTheDialogsName) {
  Load(SampleBytes({7, 8}));
  const QString log = Form.Memo1->toPlainText();
  Form.OpenDialog1.FileName = "kept.wav";
  Form.OpenDialog1.SetChooser([](std::string& fileName) {
    fileName = "never-taken.wav";
    return false;
  });
  QTest::mouseClick(Form.Button1, Qt::LeftButton);
  EXPECT_EQ(Store.WaveFileName, "kept.wav");
  EXPECT_EQ(Form.OpenDialog1.FileName, "kept.wav");
  EXPECT_EQ(Store.SampleCount, 1);
  EXPECT_EQ(Form.Series1->PointCount(), 1);
  EXPECT_EQ(Form.Memo1->toPlainText(), log);
}

TEST_F(FormFixture, AFailedReadChangesNeitherStoreNorCharts) {
  Load(SampleBytes({7, 8, 9, 10}));
  testsupport::WriteFile(PathOf("bad.wav"), "RIFX not a wave file");
  PressReadWF(PathOf("bad.wav"));
  EXPECT_EQ(Form.LastRead().Status, reader::TWaveStatus::wsNotWave);
  PressReadWF(PathOf("missing.wav"));
  EXPECT_EQ(Form.LastRead().Status, reader::TWaveStatus::wsReadError);
  EXPECT_EQ(Store.WaveFileName, PathOf("missing.wav"));
  EXPECT_EQ(Store.SampleCount, 2);
  EXPECT_EQ(Left(2), (Samples{7, 9}));
  EXPECT_EQ(Form.Series2->PointCount(), 2);
}

TEST_F(FormFixture, APartlyReadDataChunkLoadsTheFramesThatWereRead) {
  // The data chunk claims 16 bytes; the file ends after 10 of them.
  std::string bytes = testsupport::WaveBytes(SampleBytes({1, 2, 3, 4, 5, 6, 7, 8}));
  bytes.resize(bytes.size() - 6);
  testsupport::WriteFile(PathOf("cut.wav"), bytes);
  PressReadWF(PathOf("cut.wav"));
  EXPECT_EQ(Form.LastRead().Status, reader::TWaveStatus::wsReadError);
  EXPECT_EQ(Store.SampleCount, 2);
  EXPECT_EQ(Left(2), (Samples{1, 3}));
  EXPECT_EQ(Form.Series1->PointCount(), 2);
}

// The frames are kept once: the store is the data chunk's bytes, each series' Y values view one
// channel of them in place, X is a sequence, and what the charts read of them (summaries,
// statistics) is there when the handler returns, before any paint.
TEST_F(FormFixture, TheChartsViewTheLoadedFramesInPlace) {
  std::vector<std::int16_t> samples;
  for (int i = 0; i < 2 * 1500; ++i)
    samples.push_back(std::int16_t(i % 2 == 0 ? i / 2 : -(i / 2)));
  Load(SampleBytes(samples));
  ASSERT_EQ(Store.SampleCount, 1500);
  const auto* bytes = reinterpret_cast<const char*>(Store.Frames()->Data());
  EXPECT_EQ(Store.LeftSamples.First(), reinterpret_cast<const std::int16_t*>(bytes));
  EXPECT_EQ(Store.RightSamples.First(), reinterpret_cast<const std::int16_t*>(bytes + 2));
  for (const chart::TChartSeries* series : {static_cast<const chart::TChartSeries*>(Form.Series1),
                                            static_cast<const chart::TChartSeries*>(Form.Series2)}) {
    const chart::TChartValueList& y = series->YValues();
    EXPECT_EQ(series->PointCount(), 1500);
    EXPECT_EQ(series->XValues().Form(), chart::vfSequence);
    EXPECT_TRUE(y.ValueArray().IsView());
    EXPECT_TRUE(y.HasSummary());
    EXPECT_FALSE(y.StatsStale());
  }
  EXPECT_EQ(Form.Series1->YValues().ValueArray().Identity(), bytes);
  EXPECT_EQ(Form.Series2->YValues().ValueArray().Identity(), bytes + 2);
  EXPECT_EQ(Form.Series1->YValues().ListMaximum(), 1499);
  EXPECT_EQ(Form.Series2->YValues().ListMinimum(), -1499);
  EXPECT_EQ(Store.LeftSamples[1499], 1499);
  EXPECT_EQ(Store.RightSamples[1499], -1499);
  EXPECT_TRUE(Messages.empty());
}

// Memory that runs out anywhere in a load, for the data chunk or for what the charts build from
// its frames, is said in plain words; the file shown before stays in the store, the charts and
// the export, and the new file's pages go back.
TEST_F(FormFixture, RunningOutOfMemoryAnywhereInALoadKeepsTheShownFile) {
  Load(SampleBytes({7, 8, 9, 10}), "shown.wav");
  std::vector<std::int16_t> samples(2'000'000);
  for (std::size_t i = 0; i < samples.size(); ++i)
    samples[i] = std::int16_t(i * 31 % 65536 - 32768);
  testsupport::WriteFile(PathOf("big.wav"), testsupport::WaveBytes(SampleBytes(samples)));
  // Outlives the fixture's store, which keeps the last file's pages.
  static pages::test::TFailingPageMemory memory;
  Form.SetLoadMemory(memory);
  const auto expectShownFileKept = [&](const std::string& what) {
    ASSERT_EQ(Messages.size(), 1u) << what;
    EXPECT_EQ(Messages[0], "Not enough memory to load the 4,000,000 bytes of sound data in big.wav.") << what;
    Messages.clear();
    EXPECT_EQ(Store.SampleCount, 2) << what;
    EXPECT_EQ(Left(2), (Samples{7, 9})) << what;
    EXPECT_EQ(Values(Form.Series2->YValues()), (std::vector<double>{8, 10})) << what;
    EXPECT_EQ(memory.Reservations, memory.Releases) << what;
    EXPECT_EQ(Form.Memo1->toPlainText().split('\n').last(), "O\"k ") << what;
  };
  memory.FailCommits = true;
  PressReadWF(PathOf("big.wav"));
  expectShownFileKept("the data chunk");
  memory.FailCommits = false;
  int nth = 1;
  for (;; ++nth) {
    int large = 0;
    {
      const chart::test::TFailLargeAllocations failing(16 << 10, nth);
      PressReadWF(PathOf("big.wav"));
      large = failing.Count();
    }
    if (nth > large)
      break;
    expectShownFileKept("large allocation " + std::to_string(nth));
  }
  EXPECT_GE(nth, 5) << "both channels' smallest and largest values per block";
  EXPECT_EQ(Store.SampleCount, 1'000'000);
  EXPECT_TRUE(Messages.empty());
}

TEST(SampleStore, StartsEmpty) {
  const app::TSampleStore store;
  EXPECT_EQ(store.SampleCount, 0);
  EXPECT_EQ(store.Frames(), nullptr);
  EXPECT_TRUE(store.WaveFileName.empty());
}

} // namespace

namespace {

reader::TFormatDetails Format(std::uint16_t Tag, std::uint16_t Channels, std::uint16_t Bits) {
  reader::TFormatDetails format;
  format.Present = true;
  format.FormatTag = Tag;
  format.Channels = Channels;
  format.BitsPerSample = Bits;
  format.BlockAlign = std::uint16_t(Channels * ((Bits + 7) / 8));
  format.SamplesPerSec = 48000;
  format.BodySize = 16;
  return format;
}

// The reading a choice gives: as recorded only where the format decodes, the chosen channels
// where the file has them, and never more frames than a value list holds.
TEST(Reading, TheChoiceGivesAReadingTheFileCanHave) {
  struct TRow {
    const char* Name;
    reader::TFormatDetails Format;
    app::TShowChoice Choice;
    bool AsRecorded;
    int Upper, Lower;
    std::size_t FrameBytes;
  };
  const TRow rows[] = {
      {"frame pairs", Format(1, 6, 24), {false, 3, 5}, false, 1, 2, 4},
      {"six channels", Format(1, 6, 24), {true, 3, 5}, true, 3, 5, 18},
      {"a channel the file lacks", Format(1, 2, 16), {true, 3, 5}, true, 1, 2, 4},
      {"none below", Format(1, 6, 16), {true, 6, 0}, true, 6, 0, 12},
      {"mono", Format(1, 1, 16), {true, 1, 2}, true, 1, 0, 2},
      {"IMA ADPCM", Format(0x11, 1, 4), {true, 1, 2}, false, 1, 2, 4},
      {"A-law of 16 bits", Format(6, 1, 16), {true, 1, 2}, false, 1, 2, 4},
  };
  for (const TRow& row : rows) {
    SCOPED_TRACE(row.Name);
    const app::TReading reading = app::ChooseReading(row.Format, row.Choice);
    EXPECT_EQ(reading.AsRecorded, row.AsRecorded);
    EXPECT_EQ(reading.Upper, row.Upper);
    EXPECT_EQ(reading.Lower, row.Lower);
    EXPECT_EQ(reading.Layout.RecordBytes, row.FrameBytes);
  }
  // An 8-bit mono data chunk of 2 GiB holds more frames than a list: the first ones are shown.
  const app::TReading bytes = app::ChooseReading(Format(1, 1, 8), {true, 1, 2});
  EXPECT_EQ(app::WholeFrames(bytes, 0x7FFFFFFF), 0x7FFFFFFF);
  EXPECT_EQ(app::ShownFrames(bytes, 0x7FFFFFFF), 2'147'483'000);
}

} // namespace
