#include "app/StartUp.h"

#include "chart/axis/AxisFormat.h"
#include "chart/panel/Palette.h"
#include "ui/Settings.h"

namespace app {

void ApplyUserSettings() {
  chart::SetDefaultPaletteReader(ui::ReadDefaultPalette);
  chart::LabelSeparators() = ui::ReadLocaleSeparators();
}

} // namespace app
