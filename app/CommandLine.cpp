#include "app/CommandLine.h"

#include <QCommandLineParser>

#include <array>
#include <charconv>
#include <filesystem>
#include <ostream>

namespace app {

namespace {

constexpr int ExitUsage = 2;

constexpr const char* UsageText =
    "Usage: waveview [OPTIONS] [FILE]\n"
    "Shows the two channels of a 16-bit stereo WAVE recording in two charts.\n"
    "With FILE, the window opens and loads FILE at once, as if it had been chosen\n"
    "after pressing \"ReadWF\".\n"
    "\n"
    "Options:\n"
    "  -h, --help       print this help and exit\n"
    "  -v, --version    print the version and exit\n"
    "  --as-recorded    show the samples as the format chunk describes them (this run)\n"
    "  --channels A,B   show channel A in the upper chart and B in the lower one\n"
    "                   (channels count from 1; B 0 leaves the lower chart empty)\n"
    "  --both-charts    zoom and scroll both charts together (this run)\n"
    "\n"
    "Mouse on a chart: drag a rectangle towards the lower right to zoom, towards the\n"
    "upper left to undo; drag with the right button to scroll; turn the wheel to\n"
    "scroll vertically. Below the buttons, the frame, time and value under the mouse.\n"
    "\n"
    "Keys: Ctrl+O opens a file (\"ReadWF\"), Ctrl+S saves the ASCII file. On a chart\n"
    "(click it or Tab to it): Left and Right scroll a tenth of the view, Up and Down\n"
    "scroll as the wheel does, + and - zoom in and out, Home shows the whole recording.\n"
    "\n"
    "Qt's own options, such as -platform NAME, -display DISPLAY and -style STYLE,\n"
    "are passed on to Qt.\n";

// What QGuiApplication, QApplication and the X11 platform take off the command line themselves;
// the parser only has to know them to step over them and their values.
constexpr std::array QtValueOptions = {"platform",
                                       "platformpluginpath",
                                       "platformtheme",
                                       "plugin",
                                       "qwindowgeometry",
                                       "geometry",
                                       "qwindowicon",
                                       "icon",
                                       "qwindowtitle",
                                       "title",
                                       "session",
                                       "display",
                                       "name",
                                       "visual",
                                       "style",
                                       "stylesheet"};
constexpr std::array QtFlagOptions = {"reverse", "widgetcount", "nograb", "dograb", "testability"};

void AddQtOptions(QCommandLineParser& parser) {
  for (const char* name : QtValueOptions)
    parser.addOption(QCommandLineOption(QString::fromLatin1(name), {}, QStringLiteral("value")));
  for (const char* name : QtFlagOptions)
    parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
}

// The argument's own bytes: a file name need not be valid in the locale's encoding, and the
// decoded text would then name another file.
std::string RawArgument(const std::vector<std::string>& arguments, const QString& decoded) {
  for (auto it = arguments.rbegin(); it != arguments.rend(); ++it)
    if (QString::fromLocal8Bit(*it) == decoded)
      return *it;
  return decoded.toStdString();
}

TCommandLine Answer(TCommandLine::TAction action, std::string error = {}) {
  TCommandLine command;
  command.Action = action;
  command.Error = std::move(error);
  return command;
}

TCommandLine UsageError(std::string error) { return Answer(TCommandLine::caUsageError, std::move(error)); }

// Reads a whole number from the front of text, at least minimum and at most 65535.
bool TakeChannel(std::string_view& text, int minimum, int& channel) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), channel);
  if (error != std::errc() || channel < minimum || channel > 65535)
    return false;
  text.remove_prefix(std::size_t(end - text.data()));
  return true;
}

} // namespace

std::optional<std::array<int, 2>> ParseChannels(std::string_view Text) {
  std::array<int, 2> channels{};
  if (!TakeChannel(Text, 1, channels[0]) || Text.empty() || Text.front() != ',')
    return std::nullopt;
  Text.remove_prefix(1);
  if (!TakeChannel(Text, 0, channels[1]) || !Text.empty())
    return std::nullopt;
  return channels;
}

TCommandLine ParseCommandLine(const std::vector<std::string>& Arguments) {
  QCommandLineParser parser;
  // Qt's options have one dash and whole-word names, such as -platform.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
  const QCommandLineOption asRecorded(QStringLiteral("as-recorded"));
  const QCommandLineOption bothCharts(QStringLiteral("both-charts"));
  const QCommandLineOption channels(QStringLiteral("channels"), {}, QStringLiteral("A,B"));
  for (const QCommandLineOption& option : {help, version, asRecorded, bothCharts, channels})
    parser.addOption(option);
  AddQtOptions(parser);

  QStringList arguments;
  for (const std::string& argument : Arguments)
    arguments.append(QString::fromLocal8Bit(argument));
  if (!parser.parse(arguments))
    return UsageError(parser.errorText().toStdString());
  if (parser.isSet(help))
    return Answer(TCommandLine::caShowHelp);
  if (parser.isSet(version))
    return Answer(TCommandLine::caShowVersion);

  TCommandLine command;
  command.AsRecorded = parser.isSet(asRecorded);
  command.BothCharts = parser.isSet(bothCharts);
  if (parser.isSet(channels)) {
    command.Channels = ParseChannels(parser.value(channels).toStdString());
    if (!command.Channels)
      return UsageError("--channels takes two channel numbers A,B: A from 1, B from 0 (none), up to 65535.");
  }
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1)
    return UsageError("Only one FILE can be opened.");
  if (files.isEmpty())
    return command;
  if (files.constFirst().isEmpty())
    return UsageError("The FILE name is empty.");
  // A relative name means the folder the program was started in, as the dialog's answer would.
  const std::filesystem::path file = RawArgument(Arguments, files.constFirst());
  command.FileName = std::filesystem::absolute(file).string();
  return command;
}

int AnswerWithoutWindow(const TCommandLine& Command, std::ostream& Out, std::ostream& Err) {
  switch (Command.Action) {
  case TCommandLine::caShowHelp:
    Out << UsageText;
    return 0;
  case TCommandLine::caShowVersion:
    Out << "waveview " WAVEVIEW_VERSION "\n";
    return 0;
  case TCommandLine::caUsageError:
  case TCommandLine::caOpenWindow:
    break;
  }
  Err << "waveview: " << Command.Error << "\n\n" << UsageText;
  return ExitUsage;
}

} // namespace app
