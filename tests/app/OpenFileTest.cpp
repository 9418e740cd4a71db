// Opening a file without the dialog: named at start-up, or dropped on the window.
#include "ui/ChartWidget.h"
#include "ui/FileDrop.h"
#include "ui/WhenExposed.h"
#include "tests/app/FormFixture.h"

#include <QDropEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>
#include <QWindow>

namespace {

using testsupport::SampleBytes;
using testsupport::WaveBytes;
using testsupport::WriteFile;

QUrl Local(const std::string& path) { return QUrl::fromLocalFile(QString::fromStdString(path)); }

class OpenFile : public testsupport::FormFixture {
protected:
  OpenFile() {
    Form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Form));
    WriteFile(PathOf("a.wav"), WaveBytes(SampleBytes({1, -2, 3, -4, 5, -6})));
    WriteFile(PathOf("b.wav"), WaveBytes(SampleBytes({7, 8})));
  }

  // Drags the URLs over the window to the centre of Target and drops them there, through the
  // window as the window system delivers a drag, then lets the message loop run. Returns
  // whether the drag was accepted on entering and the drop's action.
  std::pair<bool, Qt::DropAction> Drop(QWidget* Target, const QList<QUrl>& Urls,
                                       Qt::DropActions Actions = Qt::CopyAction | Qt::MoveAction) {
    QMimeData data;
    data.setUrls(Urls);
    const QPoint at = Target->mapTo(&Form, Target->rect().center());
    QWindow* window = Form.windowHandle();
    QDragEnterEvent enter(at, Actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    if (!enter.isAccepted()) {
      QDragLeaveEvent leave;
      QCoreApplication::sendEvent(window, &leave);
      QCoreApplication::processEvents();
      return {false, Qt::IgnoreAction};
    }
    QDropEvent drop(at, Actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &drop);
    QCoreApplication::processEvents();
    return {drop.isAccepted(), drop.dropAction()};
  }
};

TEST_F(OpenFile, OpenWaveFileLoadsLikeReadWFAndTheDialogStartsThereNextTime) {
  PressReadWF(PathOf("a.wav"));
  const QString logOfReadWF = Form.Memo1->toPlainText();
  Form.OpenDialog1.FileName.clear();
  Store.SampleCount = 0;

  Form.OpenWaveFile(PathOf("a.wav"));
  EXPECT_EQ(Form.Memo1->toPlainText(), logOfReadWF + '\n' + logOfReadWF);
  EXPECT_EQ(Store.SampleCount, 3);
  EXPECT_EQ(Store.WaveFileName, PathOf("a.wav"));
  EXPECT_EQ(Values(Form.Series2->YValues()), (std::vector<double>{-2, -4, -6}));

  std::string offered;
  Form.OpenDialog1.SetChooser([&](std::string& fileName) {
    offered = fileName;
    return false;
  });
  QTest::mouseClick(Form.Button1, Qt::LeftButton);
  EXPECT_EQ(offered, PathOf("a.wav"));
}

TEST_F(OpenFile, AFileNamedAtStartUpLoadsOnceTheWindowIsOnScreen) {
  testsupport::FormFixture::Store.SampleCount = 0;
  app::TSampleStore store;
  app::TForm1 form(store);
  bool exposedWhenRead = false;
  QObject::connect(form.Memo1, &QPlainTextEdit::textChanged,
                   [&] { exposedWhenRead = form.windowHandle()->isExposed(); });
  form.show();
  ui::CallWhenExposed(form, [&form, this] { form.OpenWaveFile(PathOf("a.wav")); });
  EXPECT_EQ(store.SampleCount, 0) << "loaded before the window was up";
  EXPECT_TRUE(QTest::qWaitFor([&] { return store.SampleCount == 3; }));
  EXPECT_TRUE(exposedWhenRead);
  EXPECT_EQ(store.WaveFileName, PathOf("a.wav"));

  // A window that is already on screen gets the call from the message loop too.
  bool called = false;
  ui::CallWhenExposed(form, [&] { called = true; });
  EXPECT_FALSE(called);
  EXPECT_TRUE(QTest::qWaitFor([&] { return called; }));
}

TEST_F(OpenFile, ADroppedLocalFileLoadsWhereverItIsDroppedAsACopy) {
  for (QWidget* target : std::vector<QWidget*>{Form.Chart1, Form.Memo1, Form.Button1, Form.Panel1}) {
    Store.SampleCount = 0;
    const auto [accepted, action] = Drop(target, {Local(PathOf("a.wav"))});
    EXPECT_TRUE(accepted) << target->metaObject()->className();
    // Never a move: the file manager would delete the recording after the drop.
    EXPECT_EQ(action, Qt::CopyAction);
    EXPECT_EQ(Store.SampleCount, 3) << target->metaObject()->className();
  }
  EXPECT_EQ(Store.WaveFileName, PathOf("a.wav"));
  EXPECT_FALSE(Form.Memo1->toPlainText().contains("file://")) << "the address was typed in";
}

TEST_F(OpenFile, OfSeveralDroppedFilesTheFirstIsLoaded) {
  const auto [accepted, action] = Drop(Form.Chart2, {Local(PathOf("b.wav")), Local(PathOf("a.wav"))});
  EXPECT_TRUE(accepted);
  EXPECT_EQ(Store.SampleCount, 1);
  EXPECT_EQ(Store.WaveFileName, PathOf("b.wav"));
}

TEST_F(OpenFile, WhatIsNotALocalFileIsRefusedAndChangesNothing) {
  Load(SampleBytes({9, 9}));
  const QString log = Form.Memo1->toPlainText();
  const std::vector<QList<QUrl>> refused = {
      {QUrl(QStringLiteral("https://example.org/a.wav"))},
      {QUrl(QStringLiteral("https://example.org/a.wav")), Local(PathOf("a.wav"))},
      {Local(Folder.path().toStdString())},
      {},
  };
  for (const QList<QUrl>& urls : refused) {
    EXPECT_FALSE(Drop(Form.Chart1, urls).first) << urls.size() << " URLs";
    EXPECT_FALSE(Drop(Form.Memo1, urls).first) << urls.size() << " URLs";
  }
  // A source that only offers to move the file is refused too.
  EXPECT_FALSE(Drop(Form.Chart1, {Local(PathOf("a.wav"))}, Qt::MoveAction).first);
  EXPECT_EQ(Store.SampleCount, 1);
  EXPECT_EQ(Store.WaveFileName, PathOf("in.wav"));
  EXPECT_EQ(Form.Memo1->toPlainText(), log);
}

TEST_F(OpenFile, CtrlOReadsAndCtrlSSavesFromAnywhereInTheWindow) {
  QApplication::setActiveWindow(&Form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Form));
  Form.OpenDialog1.SetChooser([this](std::string& fileName) {
    fileName = PathOf("a.wav");
    return true;
  });
  Form.Memo1->setFocus();
  QTest::keyClick(Form.Memo1, Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(Store.SampleCount, 3);
  EXPECT_TRUE(Form.Memo1->toPlainText().startsWith("RIFF"));

  Form.Chart2->setFocus();
  QTest::keyClick(Form.Chart2, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(testsupport::ReadFile(PathOf("a_out.dat")), " 1 -2\r\n 3 -4\r\n 5 -6\r\n");
}

} // namespace
