#include "Application.h"
#include "CommandLine.h"
#include "DesktopServices.h"
#include "ProgramFrames.h"
#include "Startup.h"

#include <cstdio>

#include <unistd.h>

int main(int argc, char **argv)
{
    // Answered before the application object, which would need a display.
    if (const std::optional<int> status = AnswerWithoutWindow(argc, argv))
        return *status;
    // The embedded browser refuses to start as root unless its sandbox is off.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    TApplication app(argc, argv);
    NameApplication();
    // Read again: the application object has taken out the window system's own options.
    const TCommandLine line(QCoreApplication::arguments());
    if (line.Request() != TCommandLine::TRequest::Run)
        return PrintAnswer(line);
    for (const QString &file : line.Ignored())
        std::fprintf(stderr, "Not opened, one document is open at a time: %s\n",
                     file.toLocal8Bit().constData());
    InstallDesktopServices();
    InstallProgramFrames();
    return RunProgram(app, line.Document());
}
