#include "TempDir.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLockFile>
#include <QProcess>
#include <QSet>

#include <gtest/gtest.h>

#include <memory>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace {

const QString BuildDir = QStringLiteral(TOLVANE_BUILD_DIR);
const QString SourceDir = QStringLiteral(TOLVANE_SOURCE_DIR);

struct TRun
{
    int status = -1;
    QString out, err;
};

TRun Execute(QProcess &process, const QString &program, const QStringList &args)
{
    process.start(program, args);
    TRun run;
    if (!process.waitForFinished(120000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

TRun Execute(const QString &program, const QStringList &args)
{
    QProcess process;
    return Execute(process, program, args);
}

// The files below folder, by their paths relative to it.
QSet<QString> FilesBelow(const QString &folder)
{
    QSet<QString> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.insert(QDir(folder).relativeFilePath(it.next()));
    return files;
}

void MakeReadableByAll(const QString &path)
{
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ReadGroup | QFile::ExeGroup |
                                    QFile::ReadOther | QFile::ExeOther);
}

} // namespace

// One install into a temporary prefix, shared by the tests of the installed program. The
// install writes the build's manifest, which may list a developer's real install: it is kept
// aside and put back, under a lock so that test processes running side by side take turns.
class InstallTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        prefix = std::make_unique<TempDir>();
        MakeReadableByAll(prefix->path());
        QLockFile lock(BuildDir + "/install-test.lock");
        lock.setStaleLockTime(0);
        if (!lock.lock())
            return;
        QFile manifest(BuildDir + "/install_manifest.txt");
        const bool hadManifest = manifest.open(QIODevice::ReadOnly);
        const QByteArray saved = hadManifest ? manifest.readAll() : QByteArray();
        manifest.close();
        install = Execute("cmake", {"--install", BuildDir, "--prefix", prefix->path()});
        if (manifest.open(QIODevice::ReadOnly))
            installed = manifest.readAll();
        manifest.close();
        if (!hadManifest)
            manifest.remove();
        else if (manifest.open(QIODevice::WriteOnly))
            manifest.write(saved);
    }
    static void TearDownTestSuite() { prefix.reset(); }
    void SetUp() override { ASSERT_EQ(install.status, 0) << install.err.toStdString(); }

    static QString Installed(const QString &name) { return prefix->file(name); }

    static inline std::unique_ptr<TempDir> prefix;
    static inline TRun install;
    static inline QByteArray installed; // the install's manifest
};

TEST_F(InstallTest, FilesLandWhereTheDesktopLooksForThem)
{
    QSet<QString> app = FilesBelow(QStringLiteral(TOLVANE_APP_DIR));
    app.remove("settings.ini"); // a developer's own, made by running build/app
    app.remove("spellconfig.dic");
    ASSERT_TRUE(app.contains("rdict.dat"));
    EXPECT_EQ(FilesBelow(Installed("lib/tolvane")), app) << "the application folder, whole";
    for (const char *program :
         {"bin/tolvane", "bin/tolvane-cli", "lib/tolvane/tolvane", "lib/tolvane/tolvane-cli"})
        EXPECT_TRUE(QFileInfo(Installed(program)).isExecutable()) << program;
    EXPECT_TRUE(QFileInfo::exists(Installed("share/icons/hicolor/scalable/apps/tolvane.svg")));
    for (const int size : {48, 256}) {
        const QImage icon(
            Installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/tolvane.png").arg(size)));
        EXPECT_EQ(icon.size(), QSize(size, size));
    }

    const QString desktop = Installed("share/applications/tolvane.desktop");
    const TRun validate = Execute("desktop-file-validate", {desktop});
    EXPECT_EQ(validate.status, 0) << validate.out.toStdString() << validate.err.toStdString();
    // Hints (a category more it could name) are no faults of the file.
    EXPECT_FALSE(validate.out.contains("error:") || validate.out.contains("warning:"))
        << validate.out.toStdString();
    QFile entry(desktop);
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("\nExec=\"%1\" %F\n").arg(Installed("bin/tolvane"))))
        << text.toStdString();
}

TEST_F(InstallTest, LaunchersFindTheDataWithoutADisplay)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(name);
    process.setProcessEnvironment(env);
    // Started through a link of its own, as a user's ~/bin might hold one.
    TempDir links;
    const QString link = links.file("my-tolvane");
    ASSERT_TRUE(QFile::link(Installed("bin/tolvane"), link));
    TRun run = Execute(process, link, {"--version"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Tolvane Dictionary of Rhyme 2.0\n");
    run = Execute(process, Installed("bin/tolvane"), {"--help"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("[file]")) << run.out.toStdString();

    run = Execute(process, Installed("bin/tolvane-cli"), {"rhymes", "love"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.split('\n').contains("dove")) << run.out.left(300).toStdString();
}

// The installed program run by a user who cannot write the prefix, as after a system-wide
// install: its settings go to the user's configuration folder, the installed files stay as they
// are, and the document named on its command line is opened (it enters the file history).
TEST_F(InstallTest, AUserWhoCannotWriteThePrefixOpensTheDocumentNamed)
{
    TempDir home, docs;
    const QString document = docs.write("my verse.txt", "love\ndove\n");
    MakeReadableByAll(docs.path());
    MakeReadableByAll(document);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.path());
    env.remove("XDG_RUNTIME_DIR");
    process.setProcessEnvironment(env);
    std::unique_ptr<QFile::Permissions> restore;
    if (geteuid() == 0) {
        // Root writes everywhere: the program runs as nobody instead.
        const passwd *nobody = getpwnam("nobody");
        ASSERT_NE(nobody, nullptr);
        const uid_t uid = nobody->pw_uid;
        const gid_t gid = nobody->pw_gid;
        ASSERT_EQ(chown(QFile::encodeName(home.path()).constData(), uid, gid), 0);
        process.setChildProcessModifier([uid, gid] {
            if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0)
                _exit(126);
        });
    } else {
        const QString folder = Installed("lib/tolvane");
        restore = std::make_unique<QFile::Permissions>(QFile::permissions(folder));
        QFile::setPermissions(folder, *restore & ~(QFile::WriteOwner | QFile::WriteUser |
                                                   QFile::WriteGroup | QFile::WriteOther));
    }
    const QSet<QString> before = FilesBelow(prefix->path());

    process.start(Installed("bin/tolvane"), {document});
    const QString settings = home.file("Tolvane Dictionary of Rhyme/settings.ini");
    QByteArray written;
    for (int i = 0; i < 600 && !written.contains(QFile::encodeName(document)); ++i) {
        if (process.waitForFinished(100))
            break;
        QFile file(settings);
        if (file.open(QIODevice::ReadOnly))
            written = file.readAll();
    }
    const bool ran = process.state() == QProcess::Running;
    process.kill();
    process.waitForFinished();
    if (restore)
        QFile::setPermissions(Installed("lib/tolvane"), *restore);
    EXPECT_TRUE(ran) << "exit code " << process.exitCode() << ": "
                     << process.readAllStandardError().toStdString();
    EXPECT_TRUE(written.contains("[FileHistory]")) << written.toStdString();
    EXPECT_TRUE(written.contains(QFile::encodeName(document))) << written.toStdString();
    EXPECT_EQ(FilesBelow(prefix->path()), before) << "the program wrote into the prefix";
}

TEST_F(InstallTest, UninstallRemovesWhatTheInstallPutAndNothingElse)
{
    const QString foreign = prefix->write("bin/someone-elses", "#!/bin/sh\n");
    TempDir scratch;
    const QString manifest = scratch.write("install_manifest.txt", installed);
    ASSERT_TRUE(installed.contains("/lib/tolvane/rdict.dat\n")) << installed.toStdString();
    const TRun run =
        Execute("cmake", {"-DMANIFEST=" + manifest, "-P", SourceDir + "/dist/Uninstall.cmake"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(FilesBelow(prefix->path()), QSet<QString>({"bin/someone-elses"}));
    EXPECT_FALSE(QFileInfo::exists(Installed("lib/tolvane"))) << "its emptied folders stay";
    EXPECT_TRUE(QFileInfo::exists(Installed("share/applications")))
        << "a shared folder was removed";
    EXPECT_TRUE(QFileInfo::exists(foreign));
}
