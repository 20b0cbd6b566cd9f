#include "TempDir.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>

#include <gtest/gtest.h>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace {

QString Execute(QProcess &process, const QString &program, const QStringList &args)
{
    process.start(program, args);
    process.waitForFinished(120000);
    return QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
}

QSet<QString> FilesBelow(const QString &folder)
{
    QSet<QString> files;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files.insert(QDir(folder).relativeFilePath(it.next()));
    return files;
}

// The names sorted, one per line, so that a failure shows which file differs.
std::string Listed(const QSet<QString> &files)
{
    QStringList names(files.begin(), files.end());
    names.sort();
    return names.join(u'\n').toStdString();
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void OpenToAll(const QString &path)
{
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ReadOther | QFile::ExeOther);
}

} // namespace

// Installs this build into a temporary prefix (the build's manifest, which may list a
// developer's own install, is put back), then runs the installed program as users do.
TEST(InstallTest, TheInstalledProgramRunsFromItsPrefixForAUserWhoCannotWriteIt)
{
    const QString build = QStringLiteral(TOLVANE_BUILD_DIR),
                  manifest = build + "/install_manifest.txt";
    const QByteArray saved = ReadFile(manifest);
    TempDir prefix, home, docs;
    OpenToAll(prefix.path());
    QProcess process;
    const QString installLog =
        Execute(process, "cmake", {"--install", build, "--prefix", prefix.path()});
    QFile::remove(manifest);
    if (QFile file(manifest); !saved.isEmpty() && file.open(QIODevice::WriteOnly))
        file.write(saved);
    ASSERT_EQ(process.exitCode(), 0) << installLog.toStdString();

    QSet<QString> app = FilesBelow(TOLVANE_SOURCE_DIR "/data"); // Samples, Verse Forms
    app += {"tolvane",        "tolvane-cli",   "tolvane-cli-commands.so",
            "tolvane-web.so", "rdict.dat",     "sdxdict.dat",
            "rpoetry.dat",    "cz.lex",        "en_US.aff",
            "en_US.dic",      "syllables.dat", "thesaurus.dat",
            "thesaurus.idx", "near.dat"};
    EXPECT_EQ(Listed(FilesBelow(prefix.file("lib/tolvane"))), Listed(app));
    EXPECT_EQ(QImage(prefix.file("share/icons/hicolor/48x48/apps/tolvane.png")).size(),
              QSize(48, 48));
    EXPECT_EQ(QImage(prefix.file("share/icons/hicolor/256x256/apps/tolvane.png")).width(), 256);
    EXPECT_TRUE(QFile::exists(prefix.file("share/icons/hicolor/scalable/apps/tolvane.svg")));
    const QString validation = Execute(process, "desktop-file-validate",
                                       {prefix.file("share/applications/tolvane.desktop")});
    EXPECT_EQ(process.exitCode(), 0) << validation.toStdString();
    EXPECT_FALSE(validation.contains("error:") || validation.contains("warning:"))
        << validation.toStdString();

    // Without a display, through a link of the user's own to the launcher.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.remove("DISPLAY");
    process.setProcessEnvironment(env);
    ASSERT_TRUE(QFile::link(prefix.file("bin/tolvane"), home.file("tv")));
    EXPECT_EQ(Execute(process, home.file("tv"), {"--version"}),
              "Tolvane Dictionary of Rhyme 2.0\n");
    EXPECT_TRUE(Execute(process, prefix.file("bin/tolvane-cli"), {"rhymes", "love"})
                    .split('\n')
                    .contains("dove"));
    EXPECT_EQ(
        Execute(process, prefix.file("bin/tolvane-cli"), {"lex", "love", "--rel", "antonyms"}),
        "hate\n");

    if (geteuid() != 0)
        GTEST_SKIP() << "only root can start the program as another user";
    const passwd *nobody = getpwnam("nobody");
    ASSERT_TRUE(nobody);
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    ASSERT_EQ(chown(QFile::encodeName(home.path()).constData(), uid, gid), 0);
    process.setChildProcessModifier([uid, gid] {
        if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0)
            _exit(126);
    });
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", home.path());
    process.setProcessEnvironment(env);
    const QString document = docs.write("my verse.txt", "love\ndove\n");
    OpenToAll(docs.path());
    OpenToAll(document);
    const QSet<QString> installed = FilesBelow(prefix.path());
    process.start(prefix.file("bin/tolvane"), {document});
    // The document opened enters the file history of the user's own settings.
    QByteArray settings;
    for (int i = 0; i < 600 && !settings.contains(QFile::encodeName(document)); ++i)
        if (!process.waitForFinished(100))
            settings = ReadFile(home.file("Tolvane Dictionary of Rhyme/settings.ini"));
    const bool ran = process.state() == QProcess::Running;
    process.kill();
    process.waitForFinished();
    EXPECT_TRUE(ran) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(settings.contains("[FileHistory]\n" + QFile::encodeName(document)))
        << settings.toStdString();
    EXPECT_EQ(FilesBelow(prefix.path()), installed) << "the program wrote into the prefix";
}
