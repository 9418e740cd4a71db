// Per-user settings the chart layer reads; the program itself stores nothing.
#pragma once

#include <optional>

namespace ui {

// The user's "DefaultPalette" setting, or nothing when it is absent or not an integer.
std::optional<int> ReadDefaultPalette();

} // namespace ui
