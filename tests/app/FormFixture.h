// A main window with its sample store, a temporary folder for wave files, an open dialog
// answered by the test and message boxes collected instead of shown.
#pragma once

#include "app/Form1.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"
#include "ui/MessageBox.h"
#include "tests/app/WaveFiles.h"
#include "tests/ui/QtTestApp.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace testsupport {

class FormFixture : public ::testing::Test {
protected:
  FormFixture() : Form(Store) {
    PreviousMessageBox = ui::SetMessageBoxFunc(
        [this](const std::string& text, ui::TMessageKind) { Messages.push_back(text); });
  }
  ~FormFixture() override { ui::SetMessageBoxFunc(std::move(PreviousMessageBox)); }

  std::string PathOf(const std::string& name) const {
    return Folder.filePath(QString::fromStdString(name)).toStdString();
  }

  // Presses "ReadWF" with the dialog answering the given file.
  void PressReadWF(const std::string& path) {
    Form.OpenDialog1.SetChooser([path](std::string& fileName) {
      fileName = path;
      return true;
    });
    QTest::mouseClick(Form.Button1, Qt::LeftButton);
  }

  // Writes a wave file with these data bytes and loads it with "ReadWF".
  void Load(const std::string& data, const std::string& name = "in.wav") {
    WriteFile(PathOf(name), WaveBytes(data));
    PressReadWF(PathOf(name));
  }

  std::vector<std::int32_t> Left(int count) const { return Channel(Store.LeftSamples, count); }
  std::vector<std::int32_t> Right(int count) const { return Channel(Store.RightSamples, count); }
  static std::vector<std::int32_t> Channel(const app::TChannelSamples& samples, int count) {
    std::vector<std::int32_t> values;
    for (int i = 0; i < count; ++i)
      values.push_back(samples[std::size_t(i)]);
    return values;
  }
  static std::vector<double> Values(const chart::TChartValueList& list) {
    std::vector<double> values;
    for (int i = 0; i < list.ValueCount(); ++i)
      values.push_back(list.Value(i));
    return values;
  }

  QTemporaryDir Folder;
  app::TSampleStore Store;
  app::TForm1 Form;
  std::vector<std::string> Messages;
  ui::TMessageBoxFunc PreviousMessageBox;
};

} // namespace testsupport
