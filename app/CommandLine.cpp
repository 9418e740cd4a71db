#include "app/CommandLine.h"

#include <QCommandLineParser>

#include <array>
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

TCommandLine UsageError(std::string error) { return {TCommandLine::caUsageError, {}, std::move(error)}; }

} // namespace

TCommandLine ParseCommandLine(const std::vector<std::string>& Arguments) {
  QCommandLineParser parser;
  // Qt's options have one dash and whole-word names, such as -platform.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
  parser.addOption(help);
  parser.addOption(version);
  AddQtOptions(parser);

  QStringList arguments;
  for (const std::string& argument : Arguments)
    arguments.append(QString::fromLocal8Bit(argument));
  if (!parser.parse(arguments))
    return UsageError(parser.errorText().toStdString());
  if (parser.isSet(help))
    return {TCommandLine::caShowHelp, {}, {}};
  if (parser.isSet(version))
    return {TCommandLine::caShowVersion, {}, {}};

  const QStringList files = parser.positionalArguments();
  if (files.size() > 1)
    return UsageError("Only one FILE can be opened.");
  if (files.isEmpty())
    return {};
  if (files.constFirst().isEmpty())
    return UsageError("The FILE name is empty.");
  // A relative name means the folder the program was started in, as the dialog's answer would.
  const std::filesystem::path file = RawArgument(Arguments, files.constFirst());
  return {TCommandLine::caOpenWindow, std::filesystem::absolute(file).string(), {}};
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
