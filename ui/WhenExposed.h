// Running something once a window is first on screen, so the user sees the window before a long
// piece of work blocks it.
#pragma once

#include <functional>

class QObject;
class QWidget;

namespace ui {

// Calls Action from the message loop after Window has first been exposed and painted; at once
// (still from the loop) when it already is on screen. Window must have been shown.
void CallWhenExposed(QWidget& Window, std::function<void()> Action);

// Calls Action from the message loop, once the current event is handled; not at all when
// Context is gone by then.
void CallFromLoop(QObject& Context, std::function<void()> Action);

} // namespace ui
