// One application object for a whole Qt test binary, made before the first test and removed
// after the last; including this header in one source file of the binary is enough.
#pragma once

#include "ui/Application.h"

#include <gtest/gtest.h>

#include <memory>

namespace testsupport {

class TQtApplicationEnvironment final : public ::testing::Environment {
public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    FApplication = std::make_unique<ui::TApplication>(FArgc, FArgv);
  }
  void TearDown() override { FApplication.reset(); }

private:
  int FArgc = 1;
  char FName[8] = "test";
  char* FArgv[2] = {FName, nullptr};
  std::unique_ptr<ui::TApplication> FApplication;
};

inline ::testing::Environment* const QtApplicationEnvironment =
    ::testing::AddGlobalTestEnvironment(new TQtApplicationEnvironment);

} // namespace testsupport
