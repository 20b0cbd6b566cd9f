#include <QProcess>

#include <gtest/gtest.h>

namespace {

QString SharedLibraries(const QString &file)
{
    QProcess ldd;
    ldd.start("ldd", {file});
    ldd.waitForFinished(20000);
    return QString::fromLocal8Bit(ldd.readAllStandardOutput());
}

} // namespace

// The browser engine (with an OpenGL context) costs as much memory as the rest of the program:
// only the web module, loaded when a web page is first shown, may bring it in.
TEST(StartupLoadTest, TheBrowserEngineComesOnlyWithTheWebModule)
{
    const struct
    {
        const char *file;
        bool engine;
    } cases[] = {
        {TOLVANE_APP_DIR "/tolvane", false},
        {TOLVANE_APP_DIR "/tolvane-cli", false},
        {TOLVANE_APP_DIR "/tolvane-cli-commands.so", false},
        {TOLVANE_APP_DIR "/tolvane-web.so", true},
    };
    for (const auto &c : cases) {
        const QString libraries = SharedLibraries(QString::fromUtf8(c.file));
        EXPECT_TRUE(libraries.contains("libc.so.6")) << c.file << ": " << libraries.toStdString();
        EXPECT_EQ(libraries.contains("libQt6WebEngine"), c.engine) << c.file;
    }
}
