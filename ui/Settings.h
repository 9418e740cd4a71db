// Per-user settings the chart layer reads; the program itself stores nothing.
#pragma once

#include "chart/axis/AxisFormat.h"

#include <optional>

namespace ui {

// The user's "DefaultPalette" setting, or nothing when it is absent or not an integer.
std::optional<int> ReadDefaultPalette();

// The thousands and decimal separators of the user's locale, for the axis labels.
chart::TLabelSeparators ReadLocaleSeparators();

} // namespace ui
