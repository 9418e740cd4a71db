#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <filesystem>
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
  EXPECT_NE(help.Out.find("--version"), std::string::npos);
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
