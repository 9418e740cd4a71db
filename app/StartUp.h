// What start-up takes from the user's environment before the window is built.
#pragma once

namespace app {

// Hands the chart layer the user's "DefaultPalette" setting and the locale's number separators.
void ApplyUserSettings();

} // namespace app
