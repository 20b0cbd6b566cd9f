#include "Application.h"
#include "DesktopServices.h"
#include "ProgramFrames.h"
#include "Startup.h"

#include <unistd.h>

int main(int argc, char **argv)
{
    // The embedded browser refuses to start as root unless its sandbox is off.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    TApplication app(argc, argv);
    InstallDesktopServices();
    InstallProgramFrames();
    return RunProgram(app);
}
