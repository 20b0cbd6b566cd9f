#include "DocumentFile.h"
#include "ChildProcess.h"
#include "FileBytes.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <csignal>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
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
