#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <optional>
#include <sstream>

namespace {

using app::TCommandLine;

struct TParseCase {
  std::vector<std::string> Arguments; // after the program's name
  TCommandLine::TAction Action;
  std::string FileName; // expected file, or the expected error for a usage error
};

std::string Absolute(const std::string& name) { return (std::filesystem::current_path() / name).string(); }

TEST(CommandLine, ParsesTheProgramsOptionsFileAndQtsOwnOptions) {
  const std::vector<TParseCase> cases = {
      {{}, TCommandLine::caOpenWindow, ""},
      {{"--help"}, TCommandLine::caShowHelp, ""},
      {{"-h"}, TCommandLine::caShowHelp, ""},
      {{"--version"}, TCommandLine::caShowVersion, ""},
      {{"-v"}, TCommandLine::caShowVersion, ""},
      {{"/rec/a.wav", "--version"}, TCommandLine::caShowVersion, ""},
      {{"/rec/a.wav"}, TCommandLine::caOpenWindow, "/rec/a.wav"},
      {{"take 1.wav"}, TCommandLine::caOpenWindow, Absolute("take 1.wav")},
      {{"--", "-odd.wav"}, TCommandLine::caOpenWindow, Absolute("-odd.wav")},
      // Qt's options and their values are stepped over, never taken for FILE.
      {{"-platform", "offscreen", "/rec/a.wav"}, TCommandLine::caOpenWindow, "/rec/a.wav"},
      {{"-display", ":1", "-reverse", "-style", "fusion", "/rec/a.wav"},
       TCommandLine::caOpenWindow,
       "/rec/a.wav"},
      {{"-platform=offscreen"}, TCommandLine::caOpenWindow, ""},
      // A name that is not valid UTF-8 keeps its bytes.
      {{"/rec/caf\xE9.wav"}, TCommandLine::caOpenWindow, "/rec/caf\xE9.wav"},
      {{"--no-such-option"}, TCommandLine::caUsageError, "Unknown option 'no-such-option'."},
      {{"-x"}, TCommandLine::caUsageError, "Unknown option 'x'."},
      {{"--help", "--bogus"}, TCommandLine::caUsageError, "Unknown option 'bogus'."},
      {{"-platform"}, TCommandLine::caUsageError, "Missing value after '-platform'."},
      {{"/rec/a.wav", "/rec/b.wav"}, TCommandLine::caUsageError, "Only one FILE can be opened."},
      {{""}, TCommandLine::caUsageError, "The FILE name is empty."},
  };
  for (const TParseCase& c : cases) {
    std::vector<std::string> arguments = {"waveview"};
    arguments.insert(arguments.end(), c.Arguments.begin(), c.Arguments.end());
    const TCommandLine parsed = app::ParseCommandLine(arguments);
    const std::string shown = ::testing::PrintToString(c.Arguments);
    EXPECT_EQ(parsed.Action, c.Action) << shown;
    if (c.Action == TCommandLine::caUsageError) {
      EXPECT_EQ(parsed.Error, c.FileName) << shown;
      EXPECT_EQ(parsed.FileName, "") << shown;
    } else if (c.Action == TCommandLine::caOpenWindow) {
      EXPECT_EQ(parsed.FileName, c.FileName) << shown;
    }
  }
}

TEST(CommandLine, ChoicesForOneRunAndTheChannelsOfTheCharts) {
  const std::string channelsError =
      "--channels takes two channel numbers A,B: A from 1, B from 0 (none), up to 65535.";
  const struct {
    std::vector<std::string> Arguments;
    bool AsRecorded, BothCharts;
    std::optional<std::array<int, 2>> Channels;
    std::string Error;
  } cases[] = {
      {{"--both-charts", "/rec/a.wav"}, false, true, std::nullopt, ""},
      {{"--as-recorded"}, true, false, std::nullopt, ""},
      {{"--channels", "3,1", "--as-recorded", "--both-charts"}, true, true, std::array{3, 1}, ""},
      {{"--channels=2,0"}, false, false, std::array{2, 0}, ""},
      {{"--channels", "65535,65535"}, false, false, std::array{65535, 65535}, ""},
      {{"--channels", "0,1"}, false, false, std::nullopt, channelsError},
      {{"--channels", "1"}, false, false, std::nullopt, channelsError},
      {{"--channels", "1,2,3"}, false, false, std::nullopt, channelsError},
      {{"--channels", "1, 2"}, false, false, std::nullopt, channelsError},
      {{"--channels", "a,b"}, false, false, std::nullopt, channelsError},
      {{"--channels", "1,-1"}, false, false, std::nullopt, channelsError},
      {{"--channels", "65536,1"}, false, false, std::nullopt, channelsError},
      {{"--channels", ""}, false, false, std::nullopt, channelsError},
      {{"--channels"}, false, false, std::nullopt, "Missing value after '--channels'."},
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments = {"waveview"};
    arguments.insert(arguments.end(), c.Arguments.begin(), c.Arguments.end());
    const TCommandLine parsed = app::ParseCommandLine(arguments);
    const std::string shown = ::testing::PrintToString(c.Arguments);
    EXPECT_EQ(parsed.Error, c.Error) << shown;
    EXPECT_EQ(parsed.Action, c.Error.empty() ? TCommandLine::caOpenWindow : TCommandLine::caUsageError)
        << shown;
    if (!c.Error.empty())
      continue;
    EXPECT_EQ(parsed.AsRecorded, c.AsRecorded) << shown;
    EXPECT_EQ(parsed.BothCharts, c.BothCharts) << shown;
    EXPECT_EQ(parsed.Channels, c.Channels) << shown;
  }
}

struct TAnswer {
  int Status;
  std::string Out;
  std::string Err;
};

TAnswer Answer(const std::vector<std::string>& arguments) {
  std::ostringstream out, err;
  const int status = app::AnswerWithoutWindow(app::ParseCommandLine(arguments), out, err);
  return {status, out.str(), err.str()};
}

TEST(CommandLine, HelpAndVersionGoToStandardOutputAndAUsageErrorToStandardError) {
  const TAnswer help = Answer({"waveview", "--help"});
  EXPECT_EQ(help.Status, 0);
  EXPECT_EQ(help.Out.rfind("Usage: waveview [OPTIONS] [FILE]\n", 0), 0u) << help.Out;
  for (const char* listed : {"--version", "--as-recorded", "--channels A,B", "--both-charts", "right button",
                             "Ctrl+O", "Ctrl+S", "Left and Right", "Up and Down", "+ and -", "Home"})
    EXPECT_NE(help.Out.find(listed), std::string::npos) << listed;
  EXPECT_EQ(help.Err, "");

  const TAnswer version = Answer({"waveview", "-v"});
  EXPECT_EQ(version.Status, 0);
  ASSERT_GE(version.Out.size(), 10u) << version.Out;
  const std::string number = version.Out.substr(9, version.Out.size() - 10);
  EXPECT_EQ(version.Out, "waveview " + number + "\n");
  EXPECT_TRUE(!number.empty() && number.find_first_not_of("0123456789.") == std::string::npos) << version.Out;
  EXPECT_EQ(version.Err, "");

  const TAnswer wrong = Answer({"waveview", "--bogus"});
  EXPECT_EQ(wrong.Status, 2);
  EXPECT_EQ(wrong.Out, "");
  EXPECT_EQ(wrong.Err, "waveview: Unknown option 'bogus'.\n\n" + help.Out);
}

} // namespace
