#include "DesktopServices.h"
#include "DictServers.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <unistd.h>

// As the program's own start: the embedded browser refuses to run as root with its sandbox.
int main(int argc, char **argv)
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallDesktopServices();
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    StopSharedDictd();
    return status;
}
