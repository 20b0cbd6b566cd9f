#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>

namespace {
QString Tr(const char *text)
{
    return QCoreApplication::translate("CommandLine", text);
}

// The options the application object and its window-system plugin take out of the command line
// (one dash or two). They are known before the application object exists, so that ours can be
// answered without a display.
struct TToolkitOption
{
    const char *name;
    bool takesValue;
    bool valueAfterEquals; // also "-name=value"
};

constexpr TToolkitOption ToolkitOptions[] = {
    {"platform", true, false},      {"platformpluginpath", true, false},
    {"platformtheme", true, false}, {"plugin", true, false},
    {"qmljsdebugger", true, true},  {"qwindowgeometry", true, false},
    {"qwindowicon", true, false},   {"qwindowtitle", true, false},
    {"reverse", false, false},      {"session", true, false},
    {"style", true, true},          {"stylesheet", true, true},
    {"widgetcount", false, false},  {"testability", false, false},
    {"display", true, false},       {"geometry", true, false},
    {"title", true, false},         {"icon", true, false},
    {"name", true, false},          {"visual", true, false},
    {"nograb", false, false},       {"dograb", false, false},
    {"sync", false, false},
};

// How many arguments from index the toolkit option there takes: 0 when it is none.
int ToolkitOptionLength(const QStringList &arguments, qsizetype index)
{
    QStringView arg = arguments.at(index);
    if (!arg.startsWith(u'-') || arg == u"-" || arg == u"--")
        return 0;
    arg = arg.mid(arg.startsWith(u"--") ? 2 : 1);
    for (const TToolkitOption &option : ToolkitOptions) {
        const QLatin1String name(option.name);
        if (arg == name) {
            const bool valueFollows = option.takesValue && index + 1 < arguments.size();
            return valueFollows ? 2 : option.takesValue ? 0 : 1;
        }
        if (option.valueAfterEquals && arg.startsWith(name) &&
            arg.mid(name.size()).startsWith(u'='))
            return 1;
    }
    return 0;
}
} // namespace

QStringList TCommandLine::WithoutToolkitOptions(const QStringList &arguments)
{
    QStringList rest = arguments.mid(0, 1);
    for (qsizetype i = 1; i < arguments.size();) {
        if (arguments.at(i) == u"--") {
            rest += arguments.mid(i);
            break;
        }
        const int length = ToolkitOptionLength(arguments, i);
        if (length == 0)
            rest << arguments.at(i);
        i += std::max(length, 1);
    }
    return rest;
}

TCommandLine::TCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // "-reverse" is one option, not -r -e -v...; "-help" is --help.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        Tr("A rhyming dictionary with a verse editor for songwriters and poets."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 Tr("A text document to open in the verse editor."),
                                 QStringLiteral("[file]"));
    const bool parsed = parser.parse(WithoutToolkitOptions(arguments));
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        request_ = TRequest::Help;
        text_ = parser.helpText();
    } else if (parser.isSet(version)) {
        request_ = TRequest::Version;
        text_ = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                              QCoreApplication::applicationVersion());
    } else if (!parsed) {
        request_ = TRequest::Error;
        text_ = parser.errorText() + QLatin1Char('\n');
    } else if (const QStringList files = parser.positionalArguments(); !files.isEmpty()) {
        document_ = QFileInfo(files.constFirst()).absoluteFilePath();
        ignored_ = files.mid(1);
    }
}

void NameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tolvane Dictionary of Rhyme"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVANE_VERSION));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("tolvane"));
}

std::optional<int> AnswerWithoutWindow(int &argc, char **argv)
{
    const QCoreApplication core(argc, argv);
    NameApplication();
    const TCommandLine line(QCoreApplication::arguments());
    if (line.Request() != TCommandLine::TRequest::Run)
        return PrintAnswer(line);
    return std::nullopt;
}

int PrintAnswer(const TCommandLine &line)
{
    const bool failed = line.Request() == TCommandLine::TRequest::Error;
    std::fputs(line.Text().toLocal8Bit().constData(), failed ? stderr : stdout);
    return failed ? 1 : 0;
}
