// One application object for a whole Qt test binary, made before the first test and removed
// after the last; including this header in one source file of the binary is enough. Per-user
// settings go to a temporary folder, never to the user's own.
#pragma once

#include "ui/Application.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace testsupport {

class TQtApplicationEnvironment final : public ::testing::Environment {
public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    FSettingsFolder = std::make_unique<QTemporaryDir>();
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
      QSettings::setPath(format, QSettings::UserScope, FSettingsFolder->path());
    FApplication = std::make_unique<ui::TApplication>(FArgc, FArgv);
  }
  void TearDown() override {
    FApplication.reset();
    FSettingsFolder.reset();
  }

private:
  int FArgc = 1;
  char FName[8] = "test";
  char* FArgv[2] = {FName, nullptr};
  std::unique_ptr<QTemporaryDir> FSettingsFolder;
  std::unique_ptr<ui::TApplication> FApplication;
};

inline ::testing::Environment* const QtApplicationEnvironment =
    ::testing::AddGlobalTestEnvironment(new TQtApplicationEnvironment);

} // namespace testsupport
