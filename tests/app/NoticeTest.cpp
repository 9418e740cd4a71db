// The notice label of the main window: in the free strip between the log box and " SaveASCII
// File", shown only when there is something to say, replaced at each load, and never in the log.
#include "app/reader/ReadWaveFile.h"
#include "tests/app/FormFixture.h"
#include "ui/ChartWidget.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>

namespace {

using testsupport::FormFixture;
using testsupport::SampleBytes;

std::vector<QRect> Geometries(const app::TForm1& form) {
  const std::vector<const QWidget*> controls = {form.Panel1, form.SpeedButton1, form.BitBtn1, form.Button1,
                                                form.Memo1,  form.Panel2,       form.Chart1,  form.Chart2};
  std::vector<QRect> rects;
  for (const QWidget* control : controls)
    rects.push_back(control->geometry());
  return rects;
}

// What the reader alone logs for the file, as the log box shows it.
QString ReaderLog(const std::string& path) {
  struct TLines final : reader::TWaveLog {
    QStringList Lines;
    void AppendLine(const std::string& line) override { Lines << QString::fromLatin1(line); }
  } log;
  reader::TWaveInfo info;
  reader::TReadDetails details;
  reader::ReadWaveFile(path, info, log, details);
  return log.Lines.join('\n');
}

std::string MonoWave(const std::string& data) {
  using namespace wavebytes;
  return RiffFile(Chunk("fmt ", FormatBody(1, 44100, 16)) + Chunk("data", data));
}

TEST_F(FormFixture, NoticeSitsInTheFreeStripAndStartsHidden) {
  Form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form));
  const QRect notice = Form.NoticeLabel->geometry();
  EXPECT_EQ(Form.NoticeLabel->parentWidget(), Form.Panel1);
  EXPECT_GE(notice.top(), Form.Memo1->geometry().bottom() + 1);
  EXPECT_LE(notice.bottom(), Form.SpeedButton1->geometry().top() - 1);
  EXPECT_TRUE(Form.Panel1->contentsRect().contains(notice));
  EXPECT_TRUE(Form.NoticeLabel->wordWrap());
  EXPECT_EQ(Form.NoticeLabel->focusPolicy(), Qt::NoFocus);
  EXPECT_FALSE(Form.NoticeLabel->isVisible());
  EXPECT_TRUE(QString::fromStdString(Form.NoticeText()).isEmpty());
}

TEST_F(FormFixture, NoticeTellsTheFormatMovesNothingAndStaysOutOfTheLog) {
  Form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form));
  const std::vector<QRect> before = Geometries(Form);
  testsupport::WriteFile(PathOf("mono.wav"), MonoWave(SampleBytes({1, 2, 3, 4})));
  PressReadWF(PathOf("mono.wav"));
  EXPECT_TRUE(Form.NoticeLabel->isVisible());
  EXPECT_EQ(QString::fromStdString(Form.NoticeText()),
            "This file holds 1-channel 16-bit integer sound; it is drawn as 2-channel 16-bit frames.");
  EXPECT_TRUE(Form.LastRead().FormatNotice);
  EXPECT_EQ(Store.SampleCount, 2);
  EXPECT_EQ(Geometries(Form), before);
  EXPECT_EQ(Form.Memo1->toPlainText(), ReaderLog(PathOf("mono.wav")));
  EXPECT_TRUE(Messages.empty()) << "no message box";

  // The next load replaces the notice; a stereo 16-bit PCM file has nothing to tell.
  const QString log = Form.Memo1->toPlainText();
  Load(SampleBytes({1, 2}), "stereo.wav");
  EXPECT_FALSE(Form.NoticeLabel->isVisible());
  EXPECT_TRUE(QString::fromStdString(Form.NoticeText()).isEmpty());
  EXPECT_FALSE(Form.LastRead().FormatNotice);
  EXPECT_EQ(Form.Memo1->toPlainText(), log + '\n' + ReaderLog(PathOf("stereo.wav")));
}

TEST_F(FormFixture, NoticeSaysWhyNothingLoadedAndWhichFileIsStillShown) {
  Form.show();
  testsupport::WriteFile(PathOf("text.wav"), "hello, world\n");
  PressReadWF(PathOf("text.wav"));
  EXPECT_EQ(QString::fromStdString(Form.NoticeText()),
            "Nothing was loaded from text.wav: it is not a RIFF/WAVE file. No file is shown.");
  EXPECT_TRUE(Form.Memo1->toPlainText().isEmpty())
      << "the reader logs nothing for it, and nor does the window";

  Load(SampleBytes({7, 8}), "a.wav");
  testsupport::WriteFile(PathOf("b.wav"), "RF64" + wavebytes::Le32(0xFFFFFFFF) + "WAVEds64");
  PressReadWF(PathOf("b.wav"));
  EXPECT_TRUE(Form.NoticeLabel->isVisible());
  EXPECT_EQ(QString::fromStdString(Form.NoticeText()),
            "Nothing was loaded from b.wav: it is an RF64 file (WAVE for more than 4 "
            "GB), which this viewer does not read. a.wav is still shown.");
  EXPECT_FALSE(Form.LastRead().FormatNotice);
  PressReadWF(PathOf("missing.wav"));
  EXPECT_EQ(QString::fromStdString(Form.NoticeText()),
            "Nothing was loaded from missing.wav: there is no such file. a.wav is still shown.");

  // A cancelled dialog loads nothing and so changes no notice.
  Form.OpenDialog1.SetChooser([](std::string&) { return false; });
  QTest::mouseClick(Form.Button1, Qt::LeftButton);
  EXPECT_EQ(QString::fromStdString(Form.NoticeText()),
            "Nothing was loaded from missing.wav: there is no such file. a.wav is still shown.");
}

TEST_F(FormFixture, ThePartsOfACutFileAreShownWithWhatIsMissing) {
  std::string bytes = MonoWave(SampleBytes({1, 2, 3, 4, 5, 6, 7, 8}));
  bytes.resize(bytes.size() - 6);
  testsupport::WriteFile(PathOf("cut.wav"), bytes);
  PressReadWF(PathOf("cut.wav"));
  EXPECT_EQ(Store.SampleCount, 2);
  EXPECT_EQ(
      Form.NoticeText(),
      "This file ends 6 bytes before its data chunk does; the frames it holds are shown. This file holds "
      "1-channel 16-bit integer sound; it is drawn as 2-channel 16-bit frames.");
}

// The dump holds the frames still shown after a failed read, so it bears their file's name.
TEST_F(FormFixture, TheDumpIsNamedAfterTheFileWhoseFramesItHolds) {
  PressReadWF(PathOf("missing.wav"));
  QTest::mouseClick(Form.SpeedButton1, Qt::LeftButton);
  EXPECT_EQ(testsupport::ReadFile(PathOf("missing_out.dat")), "") << "nothing loaded yet: as before";

  Load(SampleBytes({5, 6}), "a.wav");
  testsupport::WriteFile(PathOf("b.wav"), "not a wave file");
  PressReadWF(PathOf("b.wav"));
  EXPECT_EQ(Store.WaveFileName, PathOf("b.wav"));
  QTest::mouseClick(Form.SpeedButton1, Qt::LeftButton);
  EXPECT_EQ(testsupport::ReadFile(PathOf("a_out.dat")), " 5 6\r\n");
  EXPECT_FALSE(QFile::exists(QString::fromStdString(PathOf("b_out.dat"))));

  Load(SampleBytes({1, 2}), "c.wav");
  QTest::mouseClick(Form.SpeedButton1, Qt::LeftButton);
  EXPECT_EQ(testsupport::ReadFile(PathOf("c_out.dat")), " 1 2\r\n");
  EXPECT_TRUE(Messages.empty());
}

} // namespace
