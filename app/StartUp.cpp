#include "app/StartUp.h"

#include "chart/AxisFormat.h"
#include "chart/Palette.h"
#include "ui/Settings.h"

namespace app {

void ApplyUserSettings() {
  chart::SetDefaultPaletteReader(ui::ReadDefaultPalette);
  chart::LabelSeparators() = ui::ReadLocaleSeparators();
}

} // namespace app
