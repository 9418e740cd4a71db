// The program's string resources, looked up by number as the window's controls need them.
#pragma once

#include <string>

namespace app {

inline constexpr int SCloseButton = 65362;

// The text of a string table entry; empty for a number the table does not hold.
std::string LoadStr(int Ident);

} // namespace app
