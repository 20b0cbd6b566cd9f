#include "SpellChecker.h"
#include "SpellFiles.h"

#include "AppFolders.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

QStringList Found(const TSpellChecker &checker, const QString &line)
{
    QStringList found;
    for (const TMisspelling &m : checker.CheckLine(line)) {
        EXPECT_EQ(line.mid(m.start, m.length), m.word);
        found << (m.kind == TMisspelling::Repeated ? QStringLiteral("2x ") : QString()) + m.word;
    }
    return found;
}

// A dictionary of a few words in the given character set, for checks of the conversion.
void WriteSmallDictionary(const TempDir &dir, const char *charset, const QByteArray &words,
                          const QByteArray &tryChars = "e")
{
    dir.write(QStringLiteral("small.aff"),
              QByteArray("SET ") + charset + "\nTRY " + tryChars + "\n");
    dir.write(QStringLiteral("small.dic"),
              QByteArray::number(int(words.count('\n'))) + "\n" + words);
}

} // namespace

class SpellCheckerTest : public ::testing::Test
{
protected:
    TSpellChecker English() const
    {
        return TSpellChecker(SystemAffixFile, SystemDictionaryFile,
                             dir.file(QStringLiteral("spellconfig.dic")));
    }
    TempDir dir;
};

TEST_F(SpellCheckerTest, KnownMisspellingSuggestsTheWordMeant)
{
    TSpellChecker checker = English();
    ASSERT_TRUE(checker.IsAvailable());
    EXPECT_FALSE(checker.IsCorrect(QStringLiteral("recieve")));
    const QStringList suggestions = checker.Suggest(QStringLiteral("recieve"));
    EXPECT_TRUE(suggestions.contains(QStringLiteral("receive")))
        << suggestions.join(',').toStdString();
    EXPECT_LE(suggestions.size(), TSpellChecker::MaxSuggestions);
    EXPECT_LE(checker.Suggest(QStringLiteral("teh"), 2).size(), 2);
}

TEST_F(SpellCheckerTest, InitialCapitalAndAllCapitalsAreAcceptedOtherMixturesNot)
{
    TSpellChecker checker = English();
    for (const char *word : {"receive", "Receive", "RECEIVE", "don't", "o'er", "o\u2019er"})
        EXPECT_TRUE(checker.IsCorrect(QString::fromUtf8(word))) << word;
    for (const char *word : {"rECEIVE", "ReCeive", "recieve", "wierd"})
        EXPECT_FALSE(checker.IsCorrect(QString::fromUtf8(word))) << word;
    EXPECT_TRUE(checker.IsCorrect(QString()));
}

TEST_F(SpellCheckerTest, LineCheckFindsMisspelledAndRepeatedWords)
{
    TSpellChecker checker = English();
    EXPECT_EQ(Found(checker, QStringLiteral("I recieve the the wierd gift, that, that")),
              QStringList({"recieve", "2x the", "wierd"}));
    EXPECT_EQ(Found(checker, QStringLiteral("The the end")), QStringList({"2x the"}));
    // Words it leaves alone: digits, capitals, addresses.
    EXPECT_TRUE(Found(checker, QStringLiteral("XYZZY 3rdd www.qwzx.com qwzx@pqrs.org")).isEmpty());
    EXPECT_TRUE(
        Found(checker, QStringLiteral("Shall I compare thee to a summer's day?")).isEmpty());
}

TEST_F(SpellCheckerTest, AccentedWordsReachHunspellInItsCharacterSet)
{
    // en_US has "cafe" only; the accented form goes through UTF-8 both ways.
    TSpellChecker english = English();
    EXPECT_FALSE(english.IsCorrect(QStringLiteral("caf\u00e9")));
    EXPECT_TRUE(english.Suggest(QStringLiteral("caf\u00e9")).contains(QStringLiteral("cafe")));

    WriteSmallDictionary(dir, "ISO8859-1", "caf\xe9\nna\xefve\n", "\xe9");
    TSpellChecker latin(dir.file(QStringLiteral("small.aff")),
                        dir.file(QStringLiteral("small.dic")),
                        dir.file(QStringLiteral("user.dic")));
    ASSERT_TRUE(latin.IsAvailable());
    EXPECT_TRUE(latin.IsCorrect(QStringLiteral("caf\u00e9")));
    EXPECT_TRUE(latin.IsCorrect(QStringLiteral("Na\u00efve")));
    EXPECT_FALSE(latin.IsCorrect(QStringLiteral("cafe")));
    EXPECT_TRUE(latin.Suggest(QStringLiteral("cafe")).contains(QStringLiteral("caf\u00e9")));
    // Latin-1 cannot hold these: taken as correct rather than guessed at.
    EXPECT_TRUE(latin.IsCorrect(QStringLiteral("\u0142\u00f3d\u017a")));
}

TEST_F(SpellCheckerTest, AddedWordsAreKeptInTheUserDictionaryForTheNextRun)
{
    dir.write(QStringLiteral("spellconfig.dic"), "Tolvane"); // no line end after the last word
    {
        TSpellChecker checker = English();
        EXPECT_TRUE(checker.IsCorrect(QStringLiteral("Tolvane")));
        EXPECT_FALSE(checker.IsCorrect(QStringLiteral("Cadenzio")));
        QString error;
        ASSERT_TRUE(checker.AddWord(QStringLiteral("Cadenzio"), &error)) << error.toStdString();
        ASSERT_TRUE(checker.AddWord(QStringLiteral("caf\u00e9")));
        EXPECT_TRUE(checker.IsCorrect(QStringLiteral("Cadenzio")));
        EXPECT_TRUE(checker.IsCorrect(QStringLiteral("CADENZIO")));
        EXPECT_FALSE(checker.AddWord(QStringLiteral("two words"), &error));
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(dir.read(QStringLiteral("spellconfig.dic")),
              QByteArray("Tolvane\nCadenzio\ncaf\xc3\xa9\n"));
    TSpellChecker next = English();
    EXPECT_TRUE(next.IsCorrect(QStringLiteral("Cadenzio")));
    EXPECT_TRUE(next.IsCorrect(QStringLiteral("caf\u00e9")));
    EXPECT_EQ(Found(next, QStringLiteral("Tolvane and Cadenzio")), QStringList());
}

TEST_F(SpellCheckerTest, IgnoreAllLastsForTheSessionOnly)
{
    {
        TSpellChecker checker = English();
        EXPECT_FALSE(checker.IsCorrect(QStringLiteral("wierd"))); // answered and remembered
        checker.IgnoreAll(QStringLiteral("wierd"));
        EXPECT_TRUE(checker.IsCorrect(QStringLiteral("wierd")));
        EXPECT_TRUE(checker.IsCorrect(QStringLiteral("Wierd")));
        checker.IgnoreAll(QStringLiteral("Qwzx"));
        EXPECT_FALSE(checker.IsCorrect(QStringLiteral("qwzx")));
        EXPECT_TRUE(Found(checker, QStringLiteral("so wierd")).isEmpty());
    }
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("spellconfig.dic"))));
    EXPECT_FALSE(English().IsCorrect(QStringLiteral("wierd")));
}

// Makes a folder unwritable for the test's user, root included, for the object's lifetime.
class TLockedFolder
{
public:
    explicit TLockedFolder(const QString &path) : path_(path)
    {
        if (geteuid() != 0) {
            locked_ = QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            return;
        }
        fd_ = open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        locked_ = fd_ >= 0 && ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0 &&
                  (flags |= FS_IMMUTABLE_FL, ioctl(fd_, FS_IOC_SETFLAGS, &flags) == 0);
    }
    ~TLockedFolder()
    {
        if (fd_ >= 0) {
            int flags = 0;
            if (ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
                flags &= ~FS_IMMUTABLE_FL;
                ioctl(fd_, FS_IOC_SETFLAGS, &flags);
            }
            close(fd_);
        } else {
            QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner);
        }
    }
    bool Locked() const { return locked_; }

private:
    QString path_;
    int fd_ = -1;
    bool locked_ = false;
};

TEST_F(SpellCheckerTest, FailedSaveReportsTheErrorAndKeepsTheOldFile)
{
    dir.write(QStringLiteral("spellconfig.dic"), "Tolvane\n");
    TSpellChecker checker = English();
    QString error;
    {
        TLockedFolder lock(dir.path());
        if (!lock.Locked() || QFile(dir.file(QStringLiteral("probe"))).open(QIODevice::WriteOnly))
            GTEST_SKIP() << "this file system cannot make a folder unwritable";
        EXPECT_FALSE(checker.AddWord(QStringLiteral("Cadenzio"), &error));
    }
    EXPECT_TRUE(error.contains(dir.file(QStringLiteral("spellconfig.dic")))) << error.toStdString();
    EXPECT_FALSE(checker.IsCorrect(QStringLiteral("Cadenzio")));
    EXPECT_EQ(dir.read(QStringLiteral("spellconfig.dic")), QByteArray("Tolvane\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"spellconfig.dic"}));
}

TEST_F(SpellCheckerTest, MissingDictionaryMakesTheCheckerUnavailableNotFussy)
{
    TSpellChecker checker(dir.file(QStringLiteral("en_US.aff")),
                          dir.file(QStringLiteral("en_US.dic")), dir.file(QStringLiteral("u.dic")));
    EXPECT_FALSE(checker.IsAvailable());
    EXPECT_TRUE(checker.ErrorMessage().contains(dir.file(QStringLiteral("en_US.aff"))));
    EXPECT_TRUE(checker.IsCorrect(QStringLiteral("recieve")));
    EXPECT_TRUE(checker.CheckLine(QStringLiteral("recieve the the")).empty());
    EXPECT_TRUE(checker.Suggest(QStringLiteral("recieve")).isEmpty());
}

TEST_F(SpellCheckerTest, UnknownCharacterSetMakesTheCheckerUnavailable)
{
    WriteSmallDictionary(dir, "NO-SUCH-CHARSET", "cat\n");
    TSpellChecker checker(dir.file(QStringLiteral("small.aff")),
                          dir.file(QStringLiteral("small.dic")), dir.file(QStringLiteral("u.dic")));
    EXPECT_FALSE(checker.IsAvailable());
    EXPECT_TRUE(checker.ErrorMessage().contains(QStringLiteral("NO-SUCH-CHARSET")));
}

TEST_F(SpellCheckerTest, TheInstanceReadsTheApplicationFolder)
{
    TSpellChecker::FreeInstance();
    OverrideAppFolder(QStringLiteral(TOLVANE_APP_DIR "/"));
    EXPECT_TRUE(TSpellChecker::Instance().IsAvailable());
    EXPECT_FALSE(TSpellChecker::Instance().IsCorrect(QStringLiteral("recieve")));
    TSpellChecker::FreeInstance();
    OverrideAppFolder(dir.path());
    EXPECT_FALSE(TSpellChecker::Instance().IsAvailable());
    TSpellChecker::FreeInstance();
}

TEST_F(SpellCheckerTest, DamagedLinesAndHugeWordsAreCheckedWithoutHarm)
{
    TSpellChecker checker = English();
    QString line(QStringLiteral("so "));
    line += QString(5000, QLatin1Char('q'));
    line += QChar(0);
    line += QChar(0xDC00);
    line += QStringLiteral("\x01\x02 fine");
    const std::vector<TMisspelling> found = checker.CheckLine(line);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].length, 5000);
    EXPECT_TRUE(checker.Suggest(found[0].word).isEmpty());
}
