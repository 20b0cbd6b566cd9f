// A lookup over the network must not pay for the graphics stack (Qt Gui brings OpenGL, fonts
// and D-Bus with it): the command line links none of it. Its front, which runs lex, links no Qt
// at all; the module with the other commands brings QtCore.
#include <gtest/gtest.h>

#include <QProcess>

namespace {

QByteArray DynamicSection(const char *file)
{
    QProcess readelf;
    readelf.start(QStringLiteral("readelf"), {QStringLiteral("-d"), QString::fromUtf8(file)});
    EXPECT_TRUE(readelf.waitForFinished(10000));
    return readelf.readAllStandardOutput();
}

} // namespace

TEST(CliLibrariesTest, LoadsNeitherQtGuiNorWidgets)
{
    const QByteArray dynamic = DynamicSection(TOLVANE_CLI_COMMANDS);
    EXPECT_TRUE(dynamic.contains("[libQt6Core.so.6]")) << dynamic.toStdString();
    for (const char *library : {"[libQt6Gui", "[libQt6Widgets", "[libQt6DBus", "[libhunspell"})
        EXPECT_FALSE(dynamic.contains(library)) << library;
}

TEST(CliLibrariesTest, TheFrontLoadsNoQt)
{
    const QByteArray dynamic = DynamicSection(TOLVANE_CLI);
    EXPECT_TRUE(dynamic.contains("(NEEDED)")) << dynamic.toStdString();
    for (const char *library : {"[libQt6", "[libicu", "[libhunspell", "[libz"})
        EXPECT_FALSE(dynamic.contains(library)) << library << '\n' << dynamic.toStdString();
}
