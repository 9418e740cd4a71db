#include "app/core/AsciiExport.h"
#include "platform/files/FileError.h"
#include "tests/app/FormFixture.h"
#include "tests/platform/files/PipeRescue.h"
#include "ui/ChartWidget.h"

#include <QDir>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using testsupport::FormFixture;
using testsupport::ReadFile;

// The little-endian bytes of these values, as a file holds them.
template <class T>
std::vector<std::uint8_t> Packed(std::initializer_list<T> values) {
  std::vector<std::uint8_t> bytes(values.size() * sizeof(T));
  std::memcpy(bytes.data(), std::data(values), bytes.size());
  return bytes;
}

// Gives the store these bytes as frames of this layout, as a load would.
void Fill(app::TSampleStore& store, const std::vector<std::uint8_t>& bytes,
          const chart::TRecordLayout& layout = {}) {
  files::TMemoryStream stream;
  stream.SetSize(std::int64_t(bytes.size()));
  std::copy(bytes.begin(), bytes.end(), reinterpret_cast<std::uint8_t*>(stream.Memory()));
  store.Reading.Layout = layout;
  store.Assign(stream.Share(), std::int32_t(bytes.size() / layout.RecordBytes));
}

void Fill(app::TSampleStore& store, const std::vector<std::pair<int, int>>& frames) {
  std::vector<std::uint8_t> bytes;
  for (const auto& [left, right] : frames) {
    const auto frame = Packed<std::int16_t>({std::int16_t(left), std::int16_t(right)});
    bytes.insert(bytes.end(), frame.begin(), frame.end());
  }
  Fill(store, bytes);
}

TEST(AsciiFileName, ReplacesOnlyTheFileNamesExtension) {
  EXPECT_EQ(app::AsciiFileName("/data/rec.wav"), "/data/rec_out.dat");
  EXPECT_EQ(app::AsciiFileName("take.1.wav"), "take.1_out.dat");
  EXPECT_EQ(app::AsciiFileName("/data/v1.2/take"), "/data/v1.2/take_out.dat");
  EXPECT_EQ(app::AsciiFileName("/data/.wav"), "/data/_out.dat");
  EXPECT_EQ(app::AsciiFileName(""), "_out.dat");
#ifndef _WIN32
  // Backslashes and colons are ordinary characters in a file name here.
  EXPECT_EQ(app::AsciiFileName("dir.x\\file"), "dir_out.dat");
#endif
}

TEST_F(FormFixture, ExportWritesEachFrameAsSpaceLeftSpaceRightCrLf) {
  Store.WaveFileName = PathOf("rec.wav");
  Fill(Store, {{12, -7}, {-32768, 32767}, {0, 0}});
  QTest::mouseClick(Form.SpeedButton1, Qt::LeftButton);
  EXPECT_EQ(ReadFile(PathOf("rec_out.dat")), " 12 -7\r\n -32768 32767\r\n 0 0\r\n");
  EXPECT_TRUE(Messages.empty());
}

TEST_F(FormFixture, ExportWritesOnlyTheLastLoadsFramesAndReplacesTheOldFile) {
  Load(testsupport::SampleBytes({1, 2, 3, 4, 5, 6}), "rec.wav");
  Load(testsupport::SampleBytes({-1, -2}), "rec.wav");
  testsupport::WriteFile(PathOf("rec_out.dat"), std::string(100, 'x'));
  QTest::mouseClick(Form.SpeedButton1, Qt::LeftButton);
  EXPECT_EQ(ReadFile(PathOf("rec_out.dat")), " -1 -2\r\n");
}

TEST_F(FormFixture, ExportBeforeAnyLoadMakesAnEmptyFileInTheWorkingFolder) {
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(Folder.path()));
  QTest::mouseClick(Form.SpeedButton1, Qt::LeftButton);
  QDir::setCurrent(previous);
  EXPECT_TRUE(QFile::exists(QString::fromStdString(PathOf("_out.dat"))));
  EXPECT_EQ(ReadFile(PathOf("_out.dat")), "");
}

TEST_F(FormFixture, ExportFailureNamesTheFileInAMessageBoxAndChangesNothing) {
  testsupport::WriteFile(PathOf("plain"), "a regular file, not a folder");
  Load(testsupport::SampleBytes({5, 6}));
  Store.WaveFileName = PathOf("plain/rec.wav");
  QTest::mouseClick(Form.SpeedButton1, Qt::LeftButton);
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_NE(Messages[0].find(PathOf("plain/rec_out.dat")), std::string::npos) << Messages[0];
  EXPECT_NE(Messages[0].find("Not a directory"), std::string::npos) << Messages[0];
  EXPECT_EQ(Store.SampleCount, 1);
  EXPECT_EQ(Store.LeftSamples[0], 5);

  // The window is still usable: the next press does its work.
  Store.WaveFileName = PathOf("rec.wav");
  QTest::mouseClick(Form.SpeedButton1, Qt::LeftButton);
  EXPECT_EQ(ReadFile(PathOf("rec_out.dat")), " 5 6\r\n");
}

// A pipe or a folder where the dump goes gets a message box at once, not a window that waits
// for a reader; a link to a regular file is written through.
TEST_F(FormFixture, ExportOntoAPipeOrFolderNamesTheFileAtOnceAndTheWindowGoesOn) {
  Load(testsupport::SampleBytes({5, 6}), "rec.wav");
  const std::string target = PathOf("rec_out.dat");
  ASSERT_EQ(::mkfifo(target.c_str(), 0600), 0);
  TPipeRescue rescue(target);
  QTest::mouseClick(Form.SpeedButton1, Qt::LeftButton);
  EXPECT_FALSE(rescue.Finish()) << "the export waited for a reader of the pipe";
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], "Cannot create file \"" + target + "\": not a regular file");

  ASSERT_EQ(::unlink(target.c_str()), 0);
  ASSERT_TRUE(QDir().mkdir(QString::fromStdString(target)));
  QTest::mouseClick(Form.SpeedButton1, Qt::LeftButton);
  ASSERT_EQ(Messages.size(), 2u);
  EXPECT_EQ(Messages[1], "Cannot create file \"" + target + "\": " + std::strerror(EISDIR));
  EXPECT_TRUE(QDir(QString::fromStdString(target)).isEmpty());

  ASSERT_TRUE(QDir().rmdir(QString::fromStdString(target)));
  testsupport::WriteFile(PathOf("real.dat"), std::string(100, 'x'));
  ASSERT_EQ(::symlink(PathOf("real.dat").c_str(), target.c_str()), 0);
  QTest::mouseClick(Form.SpeedButton1, Qt::LeftButton);
  EXPECT_EQ(Messages.size(), 2u);
  EXPECT_EQ(ReadFile(PathOf("real.dat")), " 5 6\r\n");
}

TEST(SaveAsciiFile, LongExportsMatchLineByLineFormatting) {
  QTemporaryDir folder;
  app::TSampleStore store;
  std::vector<std::pair<int, int>> frames;
  std::string expected;
  for (int i = 0; i < 300000; ++i) {
    frames.emplace_back(std::int32_t(i * 7919LL % 65536 - 32768), 32767 - i % 65536);
    expected +=
        " " + std::to_string(frames.back().first) + " " + std::to_string(frames.back().second) + "\r\n";
  }
  Fill(store, frames);
  store.WaveFileName = folder.filePath("long.wav").toStdString();
  app::SaveAsciiFile(store);
  EXPECT_EQ(ReadFile(folder.filePath("long_out.dat").toStdString()), expected);
}

// Every element type read through its layout, at the ends of its range: the shortest text that
// reads back for floating point (its longest forms included), "nan" for every NaN.
TEST(SaveAsciiFile, WritesEveryChannelOfEachFrameAsRecorded) {
  using chart::TRecordLayout;
  constexpr float Nan32 = std::numeric_limits<float>::quiet_NaN();
  constexpr float Inf32 = std::numeric_limits<float>::infinity();
  constexpr double Inf64 = std::numeric_limits<double>::infinity();
  const std::uint32_t longestFloat = 0x83AA24BF, negativeNan = 0xFFC00001;
  struct TRow {
    const char* Name;
    TRecordLayout Layout;
    std::vector<std::uint8_t> Bytes;
    std::string Expected;
  };
  const TRow table[] = {
      {"mono 16-bit",
       {chart::vfInt16, 2, {0}},
       Packed<std::int16_t>({-32768, 0, 32767}),
       " -32768\r\n 0\r\n 32767\r\n"},
      {"8-bit offset", {chart::vfUInt8, 2, {0, 1}}, {0x00, 0x80, 0xFF, 0x01}, " -128 0\r\n 127 -127\r\n"},
      {"24-bit",
       {chart::vfInt24, 6, {0, 3}},
       {0x00, 0x00, 0x80, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF},
       " -8388608 0\r\n 8388607 -1\r\n"},
      {"32-bit",
       {chart::vfInt32, 8, {0, 4}},
       Packed<std::int32_t>({INT32_MIN, 0, INT32_MAX, -1}),
       " -2147483648 0\r\n 2147483647 -1\r\n"},
      {"A-law", {chart::vfALaw, 2, {0, 1}}, {0x2A, 0xD5, 0xAA, 0x00}, " -32256 8\r\n 32256 -5504\r\n"},
      {"mu-law", {chart::vfMuLaw, 2, {0, 1}}, {0x00, 0xFF, 0x80, 0x7F}, " -32124 0\r\n 32124 0\r\n"},
      {"32-bit float",
       {chart::vfFloat32, 8, {0, 4}},
       Packed<float>({0.1f, 1e-45f, -0.0f, Nan32, Inf32, -Inf32, std::bit_cast<float>(longestFloat),
                      std::bit_cast<float>(negativeNan), -FLT_MAX, FLT_MAX}),
       " 0.1 1e-45\r\n -0 nan\r\n inf -inf\r\n -1.00001385e-36 nan\r\n -3.4028235e+38 3.4028235e+38\r\n"},
      {"64-bit float",
       {chart::vfFloat64, 16, {0, 8}},
       Packed<double>({0.1, 5e-324, -0.0, -std::numeric_limits<double>::quiet_NaN(), Inf64, -Inf64, -DBL_MIN,
                       -1.8395347440392536e+199}),
       " 0.1 5e-324\r\n -0 nan\r\n inf -inf\r\n -2.2250738585072014e-308 -1.8395347440392536e+199\r\n"},
      {"6 channels of 24-bit",
       {chart::vfInt24, 18, {0, 3, 6, 9, 12, 15}},
       {1,    0,    0,    2,    0,    0,    3, 0, 0, 4,    0,    0,    5, 0, 0,    6, 0, 0,
        0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0, 0, 0, 0xFF, 0xFF, 0x7F, 0, 0, 0x80, 0, 1, 0},
       " 1 2 3 4 5 6\r\n -1 -2 0 8388607 -8388608 256\r\n"},
      {"no channels", {chart::vfInt16, 4, {}}, Packed<std::int16_t>({1, 2, 3, 4}), ""},
  };
  QTemporaryDir folder;
  for (const TRow& row : table) {
    SCOPED_TRACE(row.Name);
    app::TSampleStore store;
    store.WaveFileName = folder.filePath("rec.wav").toStdString();
    Fill(store, row.Bytes, row.Layout);
    app::SaveAsciiFile(store);
    EXPECT_EQ(ReadFile(folder.filePath("rec_out.dat").toStdString()), row.Expected);
  }
}

TEST(SaveAsciiFile, ThrowsAFileErrorNamingTheFile) {
  app::TSampleStore store;
  store.WaveFileName = "/nonexistent-folder/x.wav";
  try {
    app::SaveAsciiFile(store);
    FAIL() << "no error";
  } catch (const files::EFileError& error) {
    EXPECT_NE(std::string(error.what()).find("/nonexistent-folder/x_out.dat"), std::string::npos);
  }
}

// What was loaded is the program's own: neither a change made through a series nor a file cut
// or rewritten on disk after the load reaches the dump or the charts' pixels.
TEST_F(FormFixture, TheLoadedFramesOutliveChangesToTheSeriesAndToTheFile) {
  std::vector<std::int16_t> samples;
  for (int i = 0; i < 6000; ++i)
    samples.push_back(std::int16_t(i * 7919 % 65536 - 32768));
  Load(testsupport::SampleBytes(samples), "rec.wav");
  const auto pixels = [](ui::TChartWidget* widget) {
    widget->Chart().Invalidate();
    widget->Chart().PaintMessage();
    const gdi::TGdiBitmap& image = widget->WindowImage();
    return std::vector<std::uint32_t>(image.Pixels(), image.Pixels() + image.Width() * image.Height());
  };
  const auto chart1 = pixels(Form.Chart1), chart2 = pixels(Form.Chart2);
  QTest::mouseClick(Form.SpeedButton1, Qt::LeftButton);
  const std::string dump = ReadFile(PathOf("rec_out.dat"));
  ASSERT_EQ(std::count(dump.begin(), dump.end(), '\n'), 3000);

  ASSERT_EQ(::truncate(PathOf("rec.wav").c_str(), 0), 0);
  EXPECT_EQ(pixels(Form.Chart1), chart1);
  EXPECT_EQ(pixels(Form.Chart2), chart2);
  testsupport::WriteFile(PathOf("rec.wav"), testsupport::WaveBytes(std::string(24000, '\x55')));
  EXPECT_EQ(pixels(Form.Chart1), chart1);
  QTest::mouseClick(Form.SpeedButton1, Qt::LeftButton);
  EXPECT_EQ(ReadFile(PathOf("rec_out.dat")), dump);

  // The first change through a series gives it values of its own; the store keeps the file's.
  Form.Series1->AddPoint(3001, 99, "", chart::DefaultSeriesColor);
  Form.Series2->YValues().DeleteValueAt(0);
  EXPECT_FALSE(Form.Series1->YValues().ValueArray().IsView());
  EXPECT_EQ(Form.Series2->YValues().Value(0), samples[3]);
  EXPECT_EQ(Store.LeftSamples[0], samples[0]);
  EXPECT_EQ(Store.RightSamples[0], samples[1]);
  QTest::mouseClick(Form.SpeedButton1, Qt::LeftButton);
  EXPECT_EQ(ReadFile(PathOf("rec_out.dat")), dump);
  EXPECT_TRUE(Messages.empty());
}

} // namespace
