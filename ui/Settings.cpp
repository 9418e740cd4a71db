#include "ui/Settings.h"

#include <QLocale>
#include <QSettings>

namespace ui {

namespace {

bool ChoicesStored = true;

QString ChoiceKey(TChoice Choice) {
  switch (Choice) {
  case TChoice::chAsRecorded:
    return QStringLiteral("AsRecorded");
  case TChoice::chBothCharts:
    break;
  }
  return QStringLiteral("BothCharts");
}

// The program's own settings, beside the chart layer's.
constexpr auto ChoiceOrganisation = "waveview";
constexpr auto ChoiceApplication = "waveview";

} // namespace

std::optional<int> ReadDefaultPalette() {
  const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("waveview"),
                           QStringLiteral("chart"));
  const QVariant value = settings.value(QStringLiteral("DefaultPalette"));
  bool ok = false;
  const int palette = value.toInt(&ok);
  if (!value.isValid() || !ok)
    return std::nullopt;
  return palette;
}

chart::TLabelSeparators ReadLocaleSeparators() {
  const QLocale locale;
  return {locale.groupSeparator().toStdString(), locale.decimalPoint().toStdString()};
}

bool ReadChoice(TChoice Choice) {
  if (!ChoicesStored)
    return false;
  const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, ChoiceOrganisation,
                           ChoiceApplication);
  return settings.value(ChoiceKey(Choice), false).toBool();
}

void WriteChoice(TChoice Choice, bool Value) {
  if (!ChoicesStored)
    return;
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, ChoiceOrganisation, ChoiceApplication);
  settings.setValue(ChoiceKey(Choice), Value);
}

void SetStoredChoices(bool On) { ChoicesStored = On; }

} // namespace ui
