// The program's message box. Every message goes through one replaceable function, so tests and
// the benchmark can take the messages instead of blocking on a modal box.
#pragma once

#include <functional>
#include <string>

namespace ui {

enum class TMessageKind { mkError, mkInformation };

using TMessageBoxFunc = std::function<void(const std::string& text, TMessageKind kind)>;

void ShowMessageBox(const std::string& text, TMessageKind kind);
// Installs another message box; returns the one it replaces. An empty function restores the
// real, modal one.
TMessageBoxFunc SetMessageBoxFunc(TMessageBoxFunc func);

} // namespace ui
