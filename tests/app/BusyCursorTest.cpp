// The busy cursor while "ReadWF" or " SaveASCII File" works, and never under a message box.
#include "tests/app/FormFixture.h"
#include "tests/support/FailingPageMemory.h"

#include <QGuiApplication>
#include <QPlainTextEdit>

#include <algorithm>

namespace {

using testsupport::SampleBytes;

bool Busy() {
  const QCursor* cursor = QGuiApplication::overrideCursor();
  return cursor && cursor->shape() == Qt::WaitCursor;
}

class BusyCursor : public testsupport::FormFixture {
protected:
  BusyCursor() {
    // Messages are taken as they come, with the cursor the user would see over them.
    ui::SetMessageBoxFunc([this](const std::string& text, ui::TMessageKind) {
      Messages.push_back(text);
      BusyUnderMessage.push_back(Busy());
    });
    QObject::connect(Form.Memo1, &QPlainTextEdit::textChanged,
                     [this] { BusyWhileReading.push_back(Busy()); });
  }

  // Samples 0, -1, 2, -3, ... for the given number of frames.
  static std::string Frames(int count) {
    std::vector<std::int16_t> samples;
    // The right channel is no arithmetic sequence, so its list needs memory of its own.
    for (int i = 0; i < 2 * count; ++i)
      samples.push_back(std::int16_t(i % 2 ? -(i * i % 1000) : i));
    return SampleBytes(samples);
  }

  std::vector<bool> BusyWhileReading;
  std::vector<bool> BusyUnderMessage;
};

TEST_F(BusyCursor, ShowsWhileALoadRunsAndIsGoneAfterEveryOutcome) {
  Load(Frames(4));
  EXPECT_EQ(Store.SampleCount, 4);
  ASSERT_FALSE(BusyWhileReading.empty());
  EXPECT_EQ(std::count(BusyWhileReading.begin(), BusyWhileReading.end(), false), 0);
  EXPECT_FALSE(Busy()) << "after a load";

  PressReadWF(PathOf("missing.wav"));
  EXPECT_EQ(Store.SampleCount, 4);
  EXPECT_FALSE(Busy()) << "after a failed read";

  Form.OpenDialog1.SetChooser([](std::string&) { return false; });
  QTest::mouseClick(Form.Button1, Qt::LeftButton);
  EXPECT_FALSE(Busy()) << "after a cancelled dialog";
  EXPECT_TRUE(Messages.empty());
}

TEST_F(BusyCursor, IsGoneBeforeTheMessageOfAFailedLoad) {
  static pages::test::TFailingPageMemory memory;
  Form.SetLoadMemory(memory);
  memory.FailCommits = true;
  Load(Frames(3));
  Load(Frames(100));
  EXPECT_EQ(Store.SampleCount, 0);
  ASSERT_EQ(Messages.size(), 2u);
  EXPECT_EQ(BusyUnderMessage, (std::vector<bool>{false, false}));
  EXPECT_FALSE(Busy());
}

TEST_F(BusyCursor, IsGoneAfterAnExportAndBeforeItsErrorMessage) {
  Store.WaveFileName = PathOf("rec.wav");
  QTest::mouseClick(Form.SpeedButton1, Qt::LeftButton);
  EXPECT_FALSE(Busy()) << "after an export";

  testsupport::WriteFile(PathOf("plain"), "a file where a folder should be");
  Store.WaveFileName = PathOf("plain/rec.wav");
  QTest::mouseClick(Form.SpeedButton1, Qt::LeftButton);
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(BusyUnderMessage, std::vector<bool>{false});
  EXPECT_FALSE(Busy());
}

} // namespace
