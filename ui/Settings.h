// Per-user settings: the one the chart layer reads, and the choices the window keeps for the next
// start.
#pragma once

#include "chart/axis/AxisFormat.h"

#include <optional>

namespace ui {

// The user's "DefaultPalette" setting, or nothing when it is absent or not an integer.
std::optional<int> ReadDefaultPalette();

// The thousands and decimal separators of the user's locale, for the axis labels.
chart::TLabelSeparators ReadLocaleSeparators();

// Choices made in the window that last from one run to the next, each stored under its own key.
enum class TChoice { chAsRecorded, chBothCharts };

// The stored choice; false when none is stored or while stored choices are off.
bool ReadChoice(TChoice Choice);
// Keeps the choice for the next run; does nothing while stored choices are off.
void WriteChoice(TChoice Choice, bool Value);
// Off, every choice starts from its default and nothing is written: for a run that must leave
// the user's settings alone, such as the benchmark's. On by default.
void SetStoredChoices(bool On);

} // namespace ui
