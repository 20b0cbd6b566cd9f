// A lookup over the network must not pay for the graphics stack (Qt Gui brings OpenGL, fonts
// and D-Bus with it): the command line links none of it.
#include <gtest/gtest.h>

#include <QProcess>

TEST(CliLibrariesTest, LoadsNeitherQtGuiNorWidgets)
{
    QProcess readelf;
    readelf.start(QStringLiteral("readelf"), {QStringLiteral("-d"), QStringLiteral(TOLVANE_CLI)});
    ASSERT_TRUE(readelf.waitForFinished(10000));
    const QByteArray dynamic = readelf.readAllStandardOutput();
    EXPECT_TRUE(dynamic.contains("[libQt6Core.so.6]")) << dynamic.toStdString();
    for (const char *library : {"[libQt6Gui", "[libQt6Widgets", "[libQt6DBus", "[libhunspell"})
        EXPECT_FALSE(dynamic.contains(library)) << library;
}
