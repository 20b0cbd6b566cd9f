#include "DesktopServices.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <unistd.h>

// Widget and timer tests need a running application object; offscreen keeps them headless.
// As at the program's own start, the embedded browser (web tabs) is let run as root.
int main(int argc, char **argv)
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallDesktopServices();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
