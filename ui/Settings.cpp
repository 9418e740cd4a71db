#include "ui/Settings.h"

#include <QLocale>
#include <QSettings>

namespace ui {

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

} // namespace ui
