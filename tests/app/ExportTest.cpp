#include "app/core/AsciiExport.h"
#include "platform/files/FileError.h"
#include "tests/app/FormFixture.h"
#include "tests/platform/files/PipeRescue.h"
#include "ui/ChartWidget.h"

#include <QDir>

#include <algorithm>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using testsupport::FormFixture;
using testsupport::ReadFile;

// Gives the store these frames, as a load would.
void Fill(app::TSampleStore& store, const std::vector<std::pair<int, int>>& frames) {
  files::TMemoryStream stream;
  stream.SetSize(std::int64_t(frames.size()) * 4);
  auto* samples = reinterpret_cast<std::int16_t*>(stream.Memory());
  for (std::size_t i = 0; i < frames.size(); ++i) {
    samples[2 * i] = std::int16_t(frames[i].first);
    samples[2 * i + 1] = std::int16_t(frames[i].second);
  }
  store.Assign(stream.Share(), std::int32_t(frames.size()));
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
