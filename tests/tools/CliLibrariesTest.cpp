// What the command line loads at start: a lookup over the network must not pay for the
// graphics stack (Qt Gui pulls in OpenGL, fonts and D-Bus).
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>

TEST(CliLibrariesTest, LoadsNeitherQtGuiNorWidgets)
{
    QProcess readelf;
    readelf.start(QStringLiteral("readelf"), {QStringLiteral("-d"), QStringLiteral(TOLVANE_CLI)});
    ASSERT_TRUE(readelf.waitForFinished(10000));
    const QString dynamic = QString::fromUtf8(readelf.readAllStandardOutput());
    QStringList needed;
    const QRegularExpression library(QStringLiteral(R"(\(NEEDED\).*\[(.*)\])"));
    for (auto it = library.globalMatch(dynamic); it.hasNext();)
        needed << it.next().captured(1);
    ASSERT_TRUE(needed.contains(QStringLiteral("libQt6Core.so.6"))) << dynamic.toStdString();
    for (const QString &name : needed)
        EXPECT_FALSE(name.startsWith(QStringLiteral("libQt6Gui")) ||
                     name.startsWith(QStringLiteral("libQt6Widgets")) ||
                     name.startsWith(QStringLiteral("libQt6DBus")) ||
                     name.startsWith(QStringLiteral("libhunspell")))
            << name.toStdString();
}
