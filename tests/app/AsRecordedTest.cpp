// The "As recorded" box: switching re-reads the loaded frames (the file may be gone), the log
// stays as it was, the charts, notice, info line and dump follow, and channels are chosen.
#include "app/core/AsciiExport.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"
#include "tests/app/FormFixture.h"
#include "ui/Settings.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>

namespace {

using testsupport::FormFixture;
using testsupport::ReadFile;
using testsupport::WriteFile;
using wavebytes::Chunk;
using wavebytes::FormatBody;
using wavebytes::RiffFile;

// Mono 24-bit samples, little-endian, three bytes each.
std::string Mono24(const std::vector<std::int32_t>& samples) {
  std::string bytes;
  for (const std::int32_t v : samples)
    for (int b = 0; b < 3; ++b)
      bytes += char((v >> (8 * b)) & 0xFF);
  return bytes;
}

class AsRecorded : public FormFixture {
protected:
  // The link keeps its choice for the next start: the next test starts from the default again.
  void TearDown() override { ui::WriteChoice(ui::TChoice::chAsRecorded, false); }

  void LoadFile(const std::string& format, const std::string& data) {
    WriteFile(PathOf("rec.wav"), RiffFile(Chunk("fmt ", format) + Chunk("data", data)));
    PressReadWF(PathOf("rec.wav"));
  }
};

TEST_F(AsRecorded, SwitchingRereadsMemoryAndEverythingFollows) {
  const std::vector<std::int32_t> samples = {-8388608, 0, 8388607, -1, 5, 6};
  LoadFile(FormatBody(1, 48000, 24), Mono24(samples));
  ASSERT_FALSE(Form.AsRecordedBox->isChecked());
  EXPECT_EQ(Store.SampleCount, 4) << "18 bytes are four frame pairs";
  EXPECT_NE(Form.NoticeLabel->text().indexOf(QStringLiteral("Show it as recorded")), -1);
  const QString log = Form.Memo1->toPlainText();
  ASSERT_TRUE(QFile::remove(QString::fromStdString(PathOf("rec.wav"))));

  // The link in the notice ticks the box.
  emit Form.NoticeLabel->linkActivated(QStringLiteral("as-recorded"));
  EXPECT_TRUE(Form.AsRecordedBox->isChecked());
  EXPECT_TRUE(ui::ReadChoice(ui::TChoice::chAsRecorded)) << "the link keeps the choice";
  EXPECT_EQ(Form.Memo1->toPlainText(), log);
  EXPECT_EQ(Store.SampleCount, 6);
  EXPECT_EQ(Values(Form.Series1->YValues()), std::vector<double>(samples.begin(), samples.end()));
  EXPECT_EQ(Form.Series2->PointCount(), 0) << "a mono file leaves the lower chart empty";
  EXPECT_EQ(Form.Series1->YValues().ListMinimum(), -8388608);
  EXPECT_EQ(Form.NoticeText(), "");
  EXPECT_EQ(Form.InfoLabel->text().toStdString(),
            "rec.wav \u00B7 1 channel \u00B7 24-bit integer \u00B7 48,000 Hz \u00B7 0:00:00.000 (6 frames)");
  app::SaveAsciiFile(Store);
  EXPECT_EQ(ReadFile(PathOf("rec_out.dat")), " -8388608\r\n 0\r\n 8388607\r\n -1\r\n 5\r\n 6\r\n");

  Form.AsRecordedBox->setChecked(false);
  EXPECT_EQ(Store.SampleCount, 4);
  EXPECT_EQ(Form.Series2->PointCount(), 4);
  EXPECT_EQ(Form.Memo1->toPlainText(), log);
  app::SaveAsciiFile(Store);
  EXPECT_EQ(ReadFile(PathOf("rec_out.dat")).substr(0, 2), " 0");
}

TEST_F(AsRecorded, ManyChannelsAreChosenPerChartAndAnUndecodableFormatSaysWhy) {
  Form.AsRecordedBox->setChecked(true);
  std::string frames;
  for (int frame = 0; frame < 3; ++frame)
    for (std::int16_t c = 1; c <= 6; ++c)
      frames += testsupport::SampleBytes({std::int16_t(100 * c + frame)});
  LoadFile(FormatBody(6, 48000, 16), frames);
  EXPECT_TRUE(Form.UpperChannelBox->isEnabled());
  Form.UpperChannelBox->setValue(3);
  Form.LowerChannelBox->setValue(5);
  EXPECT_EQ(Values(Form.Series1->YValues()), (std::vector<double>{300, 301, 302}));
  EXPECT_EQ(Values(Form.Series2->YValues()), (std::vector<double>{500, 501, 502}));

  // IMA ADPCM: drawn as frame pairs, the box stays ticked, the notice says why.
  LoadFile(FormatBody(1, 8000, 4, 0x0011), std::string(8, '\x11'));
  EXPECT_TRUE(Form.AsRecordedBox->isChecked());
  EXPECT_EQ(Store.SampleCount, 2);
  EXPECT_NE(Form.NoticeText().find("IMA ADPCM"), std::string::npos) << Form.NoticeText();
}

} // namespace
