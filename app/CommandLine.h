// The program's command line: `waveview [OPTIONS] [FILE]`. Help, version and usage errors are
// answered before any window or display is needed; Qt's own options are left for Qt.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace app {

struct TCommandLine {
  enum TAction { caOpenWindow, caShowHelp, caShowVersion, caUsageError };

  TAction Action = caOpenWindow;
  // The file to open once the window is up, as an absolute path; empty when none was given.
  std::string FileName;
  // What was wrong with the arguments, for caUsageError.
  std::string Error;
};

// Arguments as the program got them, the program's name first.
TCommandLine ParseCommandLine(const std::vector<std::string>& Arguments);

// Prints what an action other than caOpenWindow asks for and returns the exit status: help and
// version go to Out with status 0, a usage error and the usage to Err with status 2.
int AnswerWithoutWindow(const TCommandLine& Command, std::ostream& Out, std::ostream& Err);

} // namespace app
