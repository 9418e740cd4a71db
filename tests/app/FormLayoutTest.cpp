#include "app/Form1.h"
#include "ui/ChartWidget.h"
#include "tests/ui/QtTestApp.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FormLayout : public ::testing::Test {
protected:
  app::TSampleStore Store;
  app::TForm1 Form{Store};
};

TEST_F(FormLayout, ControlsSitWhereTheLayoutPutsThem) {
  EXPECT_EQ(Form.size(), QSize(1108, 535));
  EXPECT_EQ(Form.pos(), QPoint(259, 107));
  EXPECT_EQ(Form.Panel1->geometry(), QRect(0, 0, 233, 535));
  EXPECT_EQ(Form.SpeedButton1->geometry(), QRect(22, 408, 89, 17));
  EXPECT_EQ(Form.BitBtn1->geometry(), QRect(160, 504, 65, 17));
  EXPECT_EQ(Form.Button1->geometry(), QRect(14, 200, 89, 17));
  EXPECT_EQ(Form.Memo1->geometry(), QRect(8, 240, 209, 49));
  EXPECT_EQ(Form.Panel2->geometry(), QRect(233, 0, 875, 535));
  EXPECT_EQ(Form.Chart1->geometry(), QRect(1, 1, 873, 296));
  EXPECT_EQ(Form.Chart2->geometry(), QRect(1, 297, 873, 237));
  EXPECT_EQ(Form.BothChartsBox->geometry(), QRect(14, 176, 205, 17));
  EXPECT_EQ(Form.ReadoutLabel->geometry(), QRect(8, 428, 209, 72));

  const std::vector<QWidget*> onPanel1 = {Form.SpeedButton1, Form.BitBtn1,       Form.Button1,     Form.Memo1,
                                          Form.NoticeLabel,  Form.BothChartsBox, Form.ReadoutLabel};
  for (QWidget* control : onPanel1) {
    EXPECT_EQ(control->parentWidget(), Form.Panel1);
    for (QWidget* other : onPanel1)
      EXPECT_TRUE(control == other || !control->geometry().intersects(other->geometry()))
          << "the control at " << control->y() << " meets the one at " << other->y();
  }
  EXPECT_EQ(Form.Chart1->parentWidget(), Form.Panel2);
  EXPECT_EQ(Form.Chart2->parentWidget(), Form.Panel2);
  EXPECT_EQ(Form.Chart1->Chart().SeriesCount(), 1);
  EXPECT_EQ(Form.Chart2->Chart().SeriesCount(), 1);
}

TEST_F(FormLayout, ResizingMovesOnlyWhatIsAligned) {
  Form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form));
  Form.resize(700, 400);
  EXPECT_EQ(Form.Panel1->geometry(), QRect(0, 0, 233, 400));
  EXPECT_EQ(Form.Panel2->geometry(), QRect(233, 0, 467, 400));
  EXPECT_EQ(Form.Chart1->geometry(), QRect(1, 1, 465, 296));
  EXPECT_EQ(Form.Chart2->geometry(), QRect(1, 297, 465, 102));
  EXPECT_EQ(Form.BitBtn1->geometry(), QRect(160, 504, 65, 17));
  EXPECT_EQ(Form.Chart2->WindowImage().Width(), 465);

  // Too small for the top chart: the lower one shrinks to nothing rather than below it.
  Form.resize(200, 250);
  EXPECT_EQ(Form.Panel2->geometry(), QRect(233, 0, 0, 250));
  EXPECT_EQ(Form.Chart1->height(), 296);
  EXPECT_EQ(Form.Chart2->height(), 0);
}

TEST_F(FormLayout, CaptionsLookAndFont) {
  EXPECT_EQ(Form.windowTitle(), "Form1");
  EXPECT_EQ(Form.SpeedButton1->text(), " SaveASCII File");
  EXPECT_TRUE(Form.SpeedButton1->isFlat());
  EXPECT_EQ(Form.BitBtn1->text(), "&Close");
  EXPECT_FALSE(Form.BitBtn1->icon().isNull());
  EXPECT_EQ(Form.Button1->text(), "ReadWF");
  EXPECT_EQ(Form.BothChartsBox->text(), "Zoom both charts together");
  EXPECT_FALSE(Form.BothChartsBox->isChecked());
  EXPECT_TRUE(Form.ReadoutLabel->text().isEmpty());
  EXPECT_TRUE(Form.Memo1->toPlainText().isEmpty());
  EXPECT_FALSE(Form.Memo1->isReadOnly());
  EXPECT_EQ(Form.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(Form.Panel1->frameShape(), QFrame::Panel);
  EXPECT_EQ(Form.Panel1->frameShadow(), QFrame::Raised);
  EXPECT_EQ(Form.Panel2->lineWidth(), 1);
  EXPECT_EQ(Form.font().pixelSize(), 11);
  EXPECT_EQ(Form.Memo1->font().pixelSize(), 11);
}

TEST_F(FormLayout, LogBoxShowsThreeWholeLines) {
  Form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form));
  for (const char* line : {"RIFF", "FileSize 36", "WAVE"})
    Form.Memo1->appendPlainText(QString::fromLatin1(line));
  QApplication::processEvents();
  EXPECT_EQ(Form.Memo1->verticalScrollBar()->maximum(), 0) << "three lines need no scrolling";
  Form.Memo1->appendPlainText(QStringLiteral("fmt "));
  QApplication::processEvents();
  EXPECT_EQ(Form.Memo1->verticalScrollBar()->maximum(), 1);
}

TEST_F(FormLayout, TabVisitsTheControlsThenTheCharts) {
  Form.show();
  QApplication::setActiveWindow(&Form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Form));
  EXPECT_EQ(Form.SpeedButton1->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(Form.ReadoutLabel->focusPolicy(), Qt::NoFocus);

  EXPECT_EQ(QApplication::focusWidget(), Form.BitBtn1)
      << "the first control in tab order starts with the focus";
  Form.BitBtn1->setFocus();
  std::vector<QWidget*> visited;
  for (int i = 0; i < 8; ++i) {
    visited.push_back(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  // The channel choosers are disabled until a file of more than two channels is shown as recorded.
  const std::vector<QWidget*> expected = {Form.BitBtn1,        Form.Button1, Form.Memo1,  Form.AsRecordedBox,
                                          Form.BothChartsBox, Form.Chart1,  Form.Chart2, Form.BitBtn1};
  EXPECT_EQ(visited, expected);
  // The log box passes Tab on instead of typing it.
  EXPECT_TRUE(Form.Memo1->toPlainText().isEmpty());
}

TEST_F(FormLayout, BothChartsIsKeptForTheNextRunOnlyWhenTheUserTicksIt) {
  Form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form));
  // Set by the program, as for --both-charts: this run only.
  Form.BothChartsBox->setChecked(true);
  EXPECT_FALSE(app::TForm1(Store).BothChartsBox->isChecked());
  Form.BothChartsBox->setChecked(false);

  QTest::mouseClick(Form.BothChartsBox, Qt::LeftButton);
  EXPECT_TRUE(Form.BothChartsBox->isChecked());
  EXPECT_TRUE(app::TForm1(Store).BothChartsBox->isChecked());
  QTest::mouseClick(Form.BothChartsBox, Qt::LeftButton);
  EXPECT_FALSE(app::TForm1(Store).BothChartsBox->isChecked());
}

TEST_F(FormLayout, CloseButtonAndAltCCloseTheWindow) {
  Form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form));
  QTest::mouseClick(Form.BitBtn1, Qt::LeftButton);
  EXPECT_FALSE(Form.isVisible());

  Form.show();
  QApplication::setActiveWindow(&Form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Form));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
  // A mnemonic presses the button visibly, so the click lands a moment later.
  EXPECT_TRUE(QTest::qWaitFor([&] { return !Form.isVisible(); }, 2000));
}

} // namespace
