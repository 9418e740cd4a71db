#include "ui/Application.h"
#include "ui/MessageBox.h"
#include "ui/Settings.h"
#include "tests/ui/QtTestApp.h"

#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

struct TCapturedMessages {
  std::vector<std::pair<std::string, ui::TMessageKind>> Messages;
  ui::TMessageBoxFunc Previous = ui::SetMessageBoxFunc(
      [this](const std::string& text, ui::TMessageKind kind) { Messages.emplace_back(text, kind); });
  ~TCapturedMessages() { ui::SetMessageBoxFunc(std::move(Previous)); }
};

TEST(Application, ErrorLeavingAHandlerIsShownAndTheLoopGoesOn) {
  TCapturedMessages captured;
  bool laterHandlerRan = false;
  QTimer::singleShot(0, [] { throw std::runtime_error("Cannot create file \"x\": denied"); });
  QTimer::singleShot(0, [] { throw 42; });
  QTimer::singleShot(0, [] { throw std::bad_alloc(); });
  QTimer::singleShot(0, [&] {
    laterHandlerRan = true;
    QCoreApplication::quit();
  });
  EXPECT_EQ(QCoreApplication::exec(), 0);
  EXPECT_TRUE(laterHandlerRan);
  ASSERT_EQ(captured.Messages.size(), 3u);
  EXPECT_EQ(captured.Messages[0].first, "Cannot create file \"x\": denied");
  EXPECT_EQ(captured.Messages[0].second, ui::TMessageKind::mkError);
  EXPECT_EQ(captured.Messages[1].first, "Unknown error");
  EXPECT_EQ(captured.Messages[2].first, "Not enough memory to finish what was asked.");
}

TEST(Application, MessageBoxFunctionCanBeReplacedAndRestored) {
  std::string seen;
  ui::TMessageBoxFunc original =
      ui::SetMessageBoxFunc([&](const std::string& text, ui::TMessageKind) { seen = text; });
  ui::ShowMessageBox("hello", ui::TMessageKind::mkInformation);
  EXPECT_EQ(seen, "hello");
  ui::TMessageBoxFunc mine = ui::SetMessageBoxFunc(std::move(original));
  ASSERT_TRUE(mine);
  mine("again", ui::TMessageKind::mkError);
  EXPECT_EQ(seen, "again");
}

TEST(Settings, DefaultPaletteIsReadWhenItIsAnInteger) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
  EXPECT_EQ(ui::ReadDefaultPalette(), std::nullopt);
  {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "waveview", "chart");
    settings.setValue("DefaultPalette", 7);
  }
  EXPECT_EQ(ui::ReadDefaultPalette(), 7);
  {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "waveview", "chart");
    settings.setValue("DefaultPalette", "bright");
  }
  EXPECT_EQ(ui::ReadDefaultPalette(), std::nullopt);
}

TEST(Settings, ChoicesAreKeptUnderTheirKeysExceptWhileStoredChoicesAreOff) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
  using ui::TChoice;
  EXPECT_FALSE(ui::ReadChoice(TChoice::chBothCharts));
  ui::WriteChoice(TChoice::chBothCharts, true);
  EXPECT_TRUE(ui::ReadChoice(TChoice::chBothCharts));
  EXPECT_FALSE(ui::ReadChoice(TChoice::chAsRecorded));
  {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "waveview", "waveview");
    EXPECT_EQ(settings.value("BothCharts"), true);
    settings.setValue("AsRecorded", true);
  }
  EXPECT_TRUE(ui::ReadChoice(TChoice::chAsRecorded));

  ui::SetStoredChoices(false);
  EXPECT_FALSE(ui::ReadChoice(TChoice::chAsRecorded));
  ui::WriteChoice(TChoice::chBothCharts, false);
  ui::SetStoredChoices(true);
  EXPECT_TRUE(ui::ReadChoice(TChoice::chBothCharts));
}

} // namespace

TEST(Settings, AxisLabelSeparatorsFollowTheLocale) {
  const QLocale previous;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  const chart::TLabelSeparators german = ui::ReadLocaleSeparators();
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  const chart::TLabelSeparators english = ui::ReadLocaleSeparators();
  QLocale::setDefault(previous);
  EXPECT_EQ(german.Thousands, ".");
  EXPECT_EQ(german.Decimal, ",");
  EXPECT_EQ(english.Thousands, ",");
  EXPECT_EQ(english.Decimal, ".");
}
