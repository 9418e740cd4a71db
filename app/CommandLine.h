// The program's command line: `waveview [OPTIONS] [FILE]`. Help, version and usage errors are
// answered before any window or display is needed; Qt's own options are left for Qt.
#pragma once

#include <array>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

struct TCommandLine {
  enum TAction { caOpenWindow, caShowHelp, caShowVersion, caUsageError };

  TAction Action = caOpenWindow;
  // The file to open once the window is up, as an absolute path; empty when none was given.
  std::string FileName;
  // What was wrong with the arguments, for caUsageError.
  std::string Error;
  // For this run only, whatever the stored choices say: the charts show the samples as the
  // format chunk describes them; both charts zoom and scroll together.
  bool AsRecorded = false;
  bool BothCharts = false;
  // The channels the upper and lower chart show (the lower one 0 for none); empty when not given.
  std::optional<std::array<int, 2>> Channels;
};

// "A,B": two channel numbers from 1 (B may be 0 for none) up to 65535, a format chunk's limit.
std::optional<std::array<int, 2>> ParseChannels(std::string_view Text);

// Arguments as the program got them, the program's name first.
TCommandLine ParseCommandLine(const std::vector<std::string>& Arguments);

// Prints what an action other than caOpenWindow asks for and returns the exit status: help and
// version go to Out with status 0, a usage error and the usage to Err with status 2.
int AnswerWithoutWindow(const TCommandLine& Command, std::ostream& Out, std::ostream& Err);

} // namespace app
