#include "DesktopServices.h"

#include <QApplication>
#include <gtest/gtest.h>

// Widget and timer tests need a running application object; offscreen keeps them headless.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallDesktopServices();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
