#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include <unistd.h>

namespace {

struct TRun
{
    int status = -1;
    QString out, err;
};

TRun Execute(const QString &program, const QStringList &args,
             const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    process.waitForFinished(600000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// The .deb of this build, made once for all tests of the suite in a folder of its own.
class PackageTest : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder = std::make_unique<TempDir>();
        const TRun made = Execute(
            "cpack", {"--config", TOLVANE_BUILD_DIR "/CPackConfig.cmake", "-B", folder->path()});
        log = made.out + made.err;
        const QString arch = Execute("dpkg", {"--print-architecture"}).out.trimmed();
        deb = folder->file("tolvane_2.0_" + arch + ".deb");
        if (made.status != 0 || !QFile::exists(deb))
            deb.clear();
    }
    static void TearDownTestSuite() { folder.reset(); }
    void SetUp() override { ASSERT_FALSE(deb.isEmpty()) << log.toStdString(); }

    static QString Field(const QString &name) { return Execute("dpkg-deb", {"-f", deb, name}).out; }

    static inline std::unique_ptr<TempDir> folder;
    static inline QString deb, log;
};

} // namespace

TEST_F(PackageTest, ControlFieldsNameTheProgramAndWhatItNeeds)
{
    EXPECT_EQ(Field("Package"), "tolvane\n");
    EXPECT_EQ(Field("Version"), "2.0\n");
    EXPECT_EQ(Field("Section"), "text\n");
    EXPECT_FALSE(Field("Maintainer").trimmed().isEmpty());
    const QString description = Field("Description");
    EXPECT_TRUE(description.startsWith("rhyming dictionary with a verse editor for songwriters "
                                       "and poets\n Type a word"))
        << description.toStdString();
    for (const QString &line : description.split(u'\n'))
        EXPECT_LE(line.size(), 80) << line.toStdString();
    // From the shared libraries of the programs, and the data packages linked to.
    const QStringList depends = Field("Depends").trimmed().split(QRegularExpression(",\\s*"));
    for (const char *package :
         {"libc6", "libqt6widgets6", "libqt6webenginewidgets6", "libqt6printsupport6",
          "libhunspell-1.7-0", "libmythes-1.2-0", "hunspell-en-us", "mythes-en-us"}) {
        const bool listed = std::any_of(depends.begin(), depends.end(), [&](const QString &d) {
            return d == package || d.startsWith(QString::fromLatin1(package) + " (");
        });
        EXPECT_TRUE(listed) << package << " in " << depends.join(", ").toStdString();
    }
}

TEST_F(PackageTest, TheFileListIsAnInstallUnderUsrOwnedByRoot)
{
    const TRun listing = Execute("dpkg-deb", {"--contents", deb});
    ASSERT_EQ(listing.status, 0) << listing.err.toStdString();
    QMap<QString, QString> entries; // path -> mode, with " -> target" for a link
    for (const QString &line : listing.out.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList f = line.split(u' ', Qt::SkipEmptyParts);
        ASSERT_GE(f.size(), 6) << line.toStdString();
        EXPECT_EQ(f[1], "root/root") << line.toStdString();
        const bool link = f[0].startsWith(u'l'); // a link's own mode says nothing
        EXPECT_FALSE(!link && (f[0].mid(5, 1) == "w" || f[0].mid(8, 1) == "w"))
            << line.toStdString();
        const QString path = f.mid(5).join(u' ');
        EXPECT_TRUE(path.startsWith("./usr/")) << line.toStdString();
        entries.insert(path.section(" -> ", 0, 0), f[0] + path.section(" -> ", 1).prepend(" "));
    }
    const struct
    {
        QString path, mode; // mode: the start of the listed mode, and " target" for a link
    } expected[] = {
        {"./usr/bin/tolvane", "-rwxr-xr-x"},
        {"./usr/bin/tolvane-cli", "-rwxr-xr-x"},
        {"./usr/lib/tolvane/tolvane", "-rwxr-xr-x"},
        {"./usr/lib/tolvane/tolvane-cli", "-rwxr-xr-x"},
        {"./usr/lib/tolvane/tolvane-web.so", "-rw-r--r--"},
        {"./usr/lib/tolvane/rdict.dat", "-rw-r--r--"},
        {"./usr/lib/tolvane/cz.lex", "-rw-r--r--"},
        {"./usr/lib/tolvane/Samples/", "drwxr-xr-x"},
        {"./usr/lib/tolvane/Verse Forms/", "drwxr-xr-x"},
        {"./usr/lib/tolvane/en_US.dic", "lrwxrwxrwx /usr/share/hunspell/en_US.dic"},
        {"./usr/lib/tolvane/thesaurus.dat", "lrwxrwxrwx /usr/share/mythes/th_en_US_v2.dat"},
        {"./usr/share/applications/tolvane.desktop", "-rw-r--r--"},
        {"./usr/share/icons/hicolor/48x48/apps/tolvane.png", "-rw-r--r--"},
        {"./usr/share/icons/hicolor/scalable/apps/tolvane.svg", "-rw-r--r--"},
        {"./usr/share/metainfo/org.example.tolvane.metainfo.xml", "-rw-r--r--"},
        {"./usr/share/man/man1/tolvane.1.gz", "-rw-r--r--"},
        {"./usr/share/man/man1/tolvane-cli.1.gz", "-rw-r--r--"},
        {"./usr/share/bash-completion/completions/tolvane-cli", "-rw-r--r--"},
        {"./usr/share/doc/tolvane/copyright", "-rw-r--r--"},
    };
    for (const auto &e : expected) {
        ASSERT_TRUE(entries.contains(e.path)) << e.path.toStdString();
        const QString mode = entries.value(e.path);
        EXPECT_TRUE(mode.startsWith(e.mode.section(u' ', 0, 0)) &&
                    mode.section(u' ', 1) == e.mode.section(u' ', 1))
            << e.path.toStdString() << ": " << mode.toStdString();
    }
    // What a developer's runs leave in build/app is not the program's.
    for (const QString &path : entries.keys())
        EXPECT_FALSE(path.endsWith("settings.ini") || path.endsWith(".txt~") ||
                     path.contains("spellcustom"))
            << path.toStdString();
}

// Installed into a throw-away root as dpkg installs it, and run from there.
TEST_F(PackageTest, UnpackedByDpkgTheProgramAnswersAndItsMetadataIsValid)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "dpkg --root installs as root only";
    TempDir root;
    for (const char *dir : {"var/lib/dpkg/updates", "var/lib/dpkg/info"})
        ASSERT_TRUE(QDir().mkpath(root.file(dir)));
    QFile(root.file("var/lib/dpkg/status")).open(QIODevice::WriteOnly);
    // Unpacked only: configuring would run its ldconfig call inside the empty root.
    const QStringList dpkg = {"--root", root.path(), "--log=/dev/null", "--force-depends"};
    const TRun install = Execute("dpkg", dpkg + QStringList{"--unpack", deb});
    ASSERT_EQ(install.status, 0) << (install.out + install.err).toStdString();

    QFile entry(root.file("usr/share/applications/tolvane.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    EXPECT_TRUE(entry.readAll().contains("\nExec=\"/usr/bin/tolvane\" %F\n"));
    const TRun valid = Execute("appstreamcli", {"validate", "--no-net", "--pedantic",
                                                root.file("usr/share/metainfo/"
                                                          "org.example.tolvane.metainfo.xml")});
    EXPECT_EQ(valid.status, 0) << (valid.out + valid.err).toStdString();
    for (const char *page : {"tolvane", "tolvane-cli"}) {
        const TRun man =
            Execute("man", {"--warnings", "-l", root.file("usr/share/man/man1/") + page + ".1.gz"});
        EXPECT_EQ(man.status, 0) << page;
        EXPECT_TRUE(man.err.isEmpty()) << page << ": " << man.err.toStdString();
        EXPECT_TRUE(man.out.contains("SYNOPSIS")) << page;
    }

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    EXPECT_EQ(Execute(root.file("usr/bin/tolvane"), {"--version"}, env).out,
              "Tolvane Dictionary of Rhyme 2.0\n");
    EXPECT_TRUE(Execute(root.file("usr/bin/tolvane-cli"), {"rhymes", "love"}, env)
                    .out.split(u'\n')
                    .contains("dove"));

    const TRun listed = Execute("dpkg", dpkg + QStringList{"--listfiles", "tolvane"});
    EXPECT_TRUE(listed.out.contains("/usr/lib/tolvane/rdict.dat\n")) << listed.err.toStdString();
}
