#include "DocumentFile.h"
#include "ChildProcess.h"
#include "FileBytes.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <cstring>
#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {
using TEncoding = TDocumentFormat::TEncoding;

QByteArray RoundTrip(const QByteArray &bytes, TDocumentFormat &format)
{
    const QString text = TDocumentFile::Decode(bytes, format);
    TDocumentFormat copy = format;
    return TDocumentFile::Encode(text, copy);
}
} // namespace

TEST(DocumentFileTest, Utf8WithLfReadsAndWritesBack)
{
    const QByteArray bytes = "Caf\xC3\xA9 line\nsecond \xE2\x80\x94 line\n";
    TDocumentFormat format;
    EXPECT_EQ(TDocumentFile::Decode(bytes, format), QString::fromUtf8(bytes));
    EXPECT_EQ(format.Encoding, TEncoding::Utf8);
    EXPECT_EQ(format.LineEnd, TDocumentFormat::TLineEnd::Lf);
    EXPECT_EQ(RoundTrip(bytes, format), bytes);
}

TEST(DocumentFileTest, CrLfBecomesLfInMemoryAndCrLfOnDisk)
{
    const QByteArray bytes = "one\r\ntwo\r\n\r\nthree";
    TDocumentFormat format;
    EXPECT_EQ(TDocumentFile::Decode(bytes, format), QStringLiteral("one\ntwo\n\nthree"));
    EXPECT_EQ(format.LineEnd, TDocumentFormat::TLineEnd::CrLf);
    EXPECT_EQ(RoundTrip(bytes, format), bytes);
}

TEST(DocumentFileTest, ByteOrderMarkIsKeptButNotShown)
{
    const QByteArray bytes = "\xEF\xBB\xBFverse";
    TDocumentFormat format;
    EXPECT_EQ(TDocumentFile::Decode(bytes, format), QStringLiteral("verse"));
    EXPECT_TRUE(format.Bom);
    EXPECT_EQ(RoundTrip(bytes, format), bytes);
}

TEST(DocumentFileTest, OnlyTheLeadingByteOrderMarkIsTakenOff)
{
    // A second mark (a file saved twice by a careless tool) is text: dropping it loses bytes.
    const QByteArray twice = "\xEF\xBB\xBF\xEF\xBB\xBFverse";
    TDocumentFormat format;
    EXPECT_EQ(TDocumentFile::Decode(twice, format), QChar(0xFEFF) + QStringLiteral("verse"));
    EXPECT_EQ(RoundTrip(twice, format), twice);
    const QByteArray markless = "verse\xEF\xBB\xBF";
    EXPECT_EQ(RoundTrip(markless, format), markless);
    EXPECT_FALSE(format.Bom);
}

TEST(DocumentFileTest, EveryEightBitByteSurvivesWhenTheFileIsNotUtf8)
{
    QByteArray bytes = "Caf\xE9\r\n";
    for (int b = 0x80; b <= 0xFF; ++b)
        bytes += char(b);
    TDocumentFormat format;
    const QString text = TDocumentFile::Decode(bytes, format);
    EXPECT_NE(format.Encoding, TEncoding::Utf8);
    EXPECT_TRUE(text.startsWith(QString::fromUtf8("Caf\xC3\xA9\n")));
    EXPECT_EQ(RoundTrip(bytes, format), bytes);
}

TEST(DocumentFileTest, Windows1252PunctuationReadsAsItsCharacters)
{
    const QByteArray bytes = "\x93quoted\x94 \x80";
    TDocumentFormat format;
    const QString text = TDocumentFile::Decode(bytes, format);
    if (format.Encoding == TEncoding::Windows1252)
        EXPECT_EQ(text, QString::fromUtf8("\xE2\x80\x9Cquoted\xE2\x80\x9D \xE2\x82\xAC"));
    else
        EXPECT_EQ(format.Encoding, TEncoding::Latin1);
    EXPECT_EQ(RoundTrip(bytes, format), bytes);
}

TEST(DocumentFileTest, TextTheEightBitFileCannotHoldIsSavedAsUtf8)
{
    TDocumentFormat format;
    format.Encoding = TEncoding::Latin1;
    format.LineEnd = TDocumentFormat::TLineEnd::CrLf;
    const QString text = QString::fromUtf8("arrow \xE2\x86\x92\nend");
    EXPECT_EQ(TDocumentFile::Encode(text, format), QByteArray("arrow \xE2\x86\x92\r\nend"));
    EXPECT_EQ(format.Encoding, TEncoding::Utf8);
}

TEST(DocumentFileTest, WriteReplacesTheFileAndLeavesNoTemporaryBehind)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("poem.txt"));
    Put(path, "old");
    TDocumentFile::WriteBytes(path, "new text");
    EXPECT_EQ(Get(path), QByteArray("new text"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("poem.txt")});
}

TEST(DocumentFileTest, WriteUnderARegularFileFailsWithTheName)
{
    TempDir dir;
    const QString blocker = dir.file(QStringLiteral("plain"));
    Put(blocker, "x");
    const QString path = blocker + QStringLiteral("/poem.txt");
    try {
        TDocumentFile::WriteBytes(path, "text");
        FAIL() << "no exception";
    } catch (const std::runtime_error &error) {
        EXPECT_TRUE(QString::fromStdString(error.what()).contains(path));
    }
    EXPECT_EQ(Get(blocker), QByteArray("x"));
}

TEST(DocumentFileTest, WriteCutShortKeepsTheOldFile)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("poem.txt"));
    Put(path, "old verse");
    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tiny = saved;
    tiny.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    bool threw = false;
    try {
        TDocumentFile::WriteBytes(path, QByteArray(4096, 'a'));
    } catch (const std::runtime_error &) {
        threw = true;
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_TRUE(threw);
    EXPECT_EQ(Get(path), QByteArray("old verse"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("poem.txt")});
}

TEST(DocumentFileTest, ReadingAMissingFileThrowsWithTheName)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("missing.txt"));
    try {
        TDocumentFile::ReadBytes(path);
        FAIL() << "no exception";
    } catch (const std::runtime_error &error) {
        EXPECT_TRUE(QString::fromStdString(error.what()).contains(path));
    }
}

TEST(DocumentFileTest, FilesTheEditorCannotGiveBackAreMarked)
{
    const QByteArray binary[] = {QByteArray("PK\x03\x04\0\0data", 10),
                                 QByteArray("\xFF\xFEo\0d", 5), // UTF-16 cut short
                                 "verse \xEF\xB7\x90 noncharacter"};
    for (const QByteArray &bytes : binary) {
        TDocumentFormat format;
        TDocumentFile::Decode(bytes, format);
        EXPECT_FALSE(format.Keepable) << bytes.toHex().constData();
    }
}

namespace {
std::string FailedWrite(const QString &path, const QByteArray &bytes)
{
    try {
        TDocumentFile::WriteBytes(path, bytes);
    } catch (const std::runtime_error &error) {
        return error.what();
    }
    return "no error";
}
} // namespace

// Each in a child process: one without rights to the file, one with a full file system of its
// own (where it may mount one).
TEST(DocumentFileTest, SaveFailuresGiveTheSystemsReasonAndKeepTheOldFile)
{
    TempDir dir;
    const QString folder = dir.file(QStringLiteral("small"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/poem.txt");
    const std::string expected = "Cannot save file \"" + path.toStdString() + "\": ";
    Put(path, "old verse");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    EXPECT_EQ(InChild([&] { return DropRoot() ? FailedWrite(path, "new") : std::string(); }),
              expected + "Permission denied.");
    EXPECT_EQ(Get(path), QByteArray("old verse"));

    const std::string full = InChild([&]() -> std::string {
        if (::unshare(CLONE_NEWNS) != 0 && ::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return "skip";
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=16k") != 0)
            return "skip";
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write("old verse") != 9)
            return "skip";
        file.close();
        return FailedWrite(path, QByteArray(256 * 1024, 'a')) +
               (Get(path) == "old verse" ? " (kept)" : " (lost)");
    });
    if (full == "skip")
        GTEST_SKIP() << "no file system of our own can be mounted here";
    EXPECT_EQ(full, expected + "No space left on device. (kept)");
}

namespace {
struct TIdentity
{
    uid_t uid = 0;
    gid_t gid = 0;
    mode_t mode = 0;
    nlink_t links = 0;
    ino_t inode = 0;
};

TIdentity IdentityOf(const QString &path)
{
    struct stat info = {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return {info.st_uid, info.st_gid, mode_t(info.st_mode & 07777), info.st_nlink, info.st_ino};
}

// The value of a user attribute; "<none>" without it, "<unsupported>" where the file system
// has none.
std::string Attribute(const QString &path)
{
    char value[64];
    const ssize_t got =
        ::getxattr(QFile::encodeName(path).constData(), "user.tolvane", value, sizeof value);
    if (got < 0)
        return errno == ENOTSUP ? "<unsupported>" : "<none>";
    return std::string(value, std::size_t(got));
}
} // namespace

// As root, which may give a file to anyone.
TEST(DocumentFileTest, SaveKeepsTheFilesOwnerGroupModeAttributesAndLinks)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to give files to other users";
    const struct
    {
        const char *what;
        uid_t uid;
        gid_t gid;
        mode_t mode;
        bool linked;
    } cases[] = {
        {"another user's file", 1234, 5678, 0640, false},
        {"a hard-linked file", 0, 0, 0604, true},
        {"another user's hard-linked file", 4321, 8765, 0660, true},
        {"a set-group-id file of another user", 1234, 5678, 02750, false},
    };
    for (const auto &c : cases) {
        TempDir dir;
        const QString path = dir.file(QStringLiteral("poem.txt"));
        const QString second = dir.file(QStringLiteral("second name.txt"));
        Put(path, "old verse");
        const QByteArray name = QFile::encodeName(path);
        ASSERT_EQ(::chown(name.constData(), c.uid, c.gid), 0);
        ASSERT_EQ(::chmod(name.constData(), c.mode), 0);
        if (c.linked)
            ASSERT_EQ(::link(name.constData(), QFile::encodeName(second).constData()), 0);
        ::setxattr(name.constData(), "user.tolvane", "kept", 4, 0);
        const std::string attribute = Attribute(path);
        const TIdentity before = IdentityOf(path);

        TDocumentFile::WriteBytes(path, "new verse, longer than the old");

        const TIdentity after = IdentityOf(path);
        EXPECT_EQ(Get(path), QByteArray("new verse, longer than the old")) << c.what;
        EXPECT_EQ(after.uid, c.uid) << c.what;
        EXPECT_EQ(after.gid, c.gid) << c.what;
        EXPECT_EQ(after.mode, c.mode) << c.what;
        EXPECT_EQ(after.links, c.linked ? 2u : 1u) << c.what;
        EXPECT_EQ(Attribute(path), attribute) << c.what;
        if (c.linked) {
            EXPECT_EQ(after.inode, before.inode) << c.what;
            EXPECT_EQ(IdentityOf(second).inode, after.inode) << c.what;
            EXPECT_EQ(Get(second), Get(path)) << c.what;
        }
        QStringList expected{QStringLiteral("poem.txt")};
        if (c.linked)
            expected << QStringLiteral("second name.txt");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), expected)
            << c.what << ": no temporary file or backup is left";
    }
}

// A user who may write the file but not give a copy its group: the file is written in place.
TEST(DocumentFileTest, ASaveThatCannotCopyTheGroupWritesInPlace)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to make a user who is not in the file's group";
    TempDir dir;
    const QString path = dir.file(QStringLiteral("shared.txt"));
    Put(path, "old verse that is long");
    const QByteArray name = QFile::encodeName(path);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    ASSERT_EQ(::chown(name.constData(), 65534, 1234), 0);
    ASSERT_EQ(::chmod(name.constData(), 0664), 0);
    const TIdentity before = IdentityOf(path);
    const std::string result = InChild([&]() -> std::string {
        if (!DropRoot())
            return "no user to be";
        try {
            TDocumentFile::WriteBytes(path, "short");
        } catch (const std::runtime_error &error) {
            return error.what();
        }
        return "saved";
    });
    EXPECT_EQ(result, "saved");
    const TIdentity after = IdentityOf(path);
    EXPECT_EQ(Get(path), QByteArray("short"));
    EXPECT_EQ(after.gid, 1234u);
    EXPECT_EQ(after.uid, 65534u);
    EXPECT_EQ(after.inode, before.inode);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("shared.txt")});
}

// In a child under an alarm: a pipe without a writer would hang an ordinary open for ever.
TEST(DocumentFileTest, OnlyRegularFilesAreReadOrWrittenAndNothingWaits)
{
    TempDir dir;
    const QString fifo = dir.file(QStringLiteral("pipe.txt"));
    const QString device = dir.file(QStringLiteral("device.txt"));
    const QString socket = dir.file(QStringLiteral("socket.txt"));
    const QString folder = dir.file(QStringLiteral("folder.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    ASSERT_TRUE(QDir().mkpath(folder));
    QStringList paths{fifo, folder};
    if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        paths << device;
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    const QByteArray socketName = QFile::encodeName(socket);
    if (socketName.size() < qsizetype(sizeof address.sun_path)) {
        std::memcpy(address.sun_path, socketName.constData(), std::size_t(socketName.size()));
        if (::bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0)
            paths << socket;
    }
    for (const QString &path : paths) {
        const std::string result = InChild([&] {
            ::alarm(10);
            std::string out;
            for (const auto &run :
                 {std::function<void()>([&] { TDocumentFile::ReadBytes(path); }),
                  std::function<void()>([&] { TDocumentFile::WriteBytes(path, "text"); })}) {
                try {
                    run();
                    out += "done;";
                } catch (const std::runtime_error &error) {
                    out += std::string(error.what()) + ";";
                }
            }
            return out;
        });
        const std::string quoted = "\"" + path.toStdString() + "\": \"" +
                                   QFileInfo(path).fileName().toStdString() +
                                   "\" is not a regular file.";
        EXPECT_EQ(result, "Cannot open file " + quoted + ";Cannot save file " + quoted + ";");
    }
    ::close(listener);
    struct stat info = {};
    ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode)) << "the pipe is still a pipe";
}
