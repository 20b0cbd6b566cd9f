#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace {
QString Tr(const char *text)
{
    return QCoreApplication::translate("CommandLine", text);
}
} // namespace

TCommandLine::TCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Tr("A rhyming dictionary with a verse editor for songwriters and poets."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 Tr("A text document to open in the verse editor."),
                                 QStringLiteral("[file]"));
    const bool parsed = parser.parse(arguments);
    // Help and version answer even beside an option meant for the toolkit, which only the
    // application object knows.
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
    if (line.Request() == TCommandLine::TRequest::Help ||
        line.Request() == TCommandLine::TRequest::Version)
        return PrintAnswer(line);
    return std::nullopt;
}

int PrintAnswer(const TCommandLine &line)
{
    const bool failed = line.Request() == TCommandLine::TRequest::Error;
    std::fputs(line.Text().toLocal8Bit().constData(), failed ? stderr : stdout);
    return failed ? 1 : 0;
}
