// Syllables by every pronunciation and the verse-form check's rhymes, on the data the build
// writes (syllables.dat, rdict.dat) and through tolvane-cli.
#include "DIAnsiStringHash.h"
#include "SyllableTable.h"
#include "VerseFormCheck.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kAppDir = QStringLiteral(TOLVANE_APP_DIR "/");

class VerseCheckData : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        syllables = std::make_unique<TDIAnsiStringHash>();
        syllables->LoadFromFile(kAppDir + "syllables.dat");
        rhymes = std::make_unique<TDIAnsiStringHash>();
        rhymes->LoadFromFile(kAppDir + "rdict.dat");
    }
    static void TearDownTestSuite()
    {
        syllables.reset();
        rhymes.reset();
    }

    static bool Rhyme(const char *a, const char *b)
    {
        const TRhymeMatcher matcher(*rhymes);
        return matcher.Rhyme(matcher.Prepare(QString::fromUtf8(a)),
                             matcher.Prepare(QString::fromUtf8(b)));
    }

    static std::unique_ptr<TDIAnsiStringHash> syllables, rhymes;
};

std::unique_ptr<TDIAnsiStringHash> VerseCheckData::syllables, VerseCheckData::rhymes;

TEST_F(VerseCheckData, EveryPronunciationsCountIsKept)
{
    const TSyllableTable table(syllables.get());
    const struct
    {
        const char *word;
        int shortest, longest;
    } cases[] = {
        {"our", 1, 2},    {"hour", 1, 2},      {"fire", 1, 2},      {"every", 2, 3},
        {"family", 2, 3}, {"different", 2, 3}, {"temperate", 2, 3}, {"heaven", 1, 2},
    };
    for (const auto &c : cases) {
        const TLineCounts counts = table.CountsOfLine(QString::fromUtf8(c.word));
        EXPECT_EQ(counts.min, c.shortest) << c.word;
        EXPECT_EQ(counts.max, c.longest) << c.word;
        // The gutter shows the dictionary's first pronunciation, one of them.
        EXPECT_TRUE(counts.first == c.shortest || counts.first == c.longest) << c.word;
    }
}

TEST_F(VerseCheckData, TheCommandLinePrintsTheRangeOfALine)
{
    const QString line = QStringLiteral("And every fair from fair sometime declines,");
    const TLineCounts counts = TSyllableTable(syllables.get()).CountsOfLine(line);
    ASSERT_LT(counts.min, counts.max);
    QProcess cli;
    cli.start(kAppDir + "tolvane-cli", {"syllables", "--range", line});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(cli.readAllStandardOutput()).trimmed(),
              QStringLiteral("%1-%2").arg(counts.min).arg(counts.max));
}

TEST_F(VerseCheckData, CompoundsElisionsAndHyphensRhymeBothWays)
{
    const struct
    {
        const char *a, *b;
        bool rhyme;
    } pairs[] = {
        {"night", "midnight", true},   {"time", "pantomime", true}, {"air", "everywhere", true},
        {"dimm'd", "untrimm'd", true}, {"ow'st", "grow'st", true},  {"to-day", "may", true},
        {"hated", "heated", false},    {"for", "far", false},       {"day", "night", false},
    };
    for (const auto &p : pairs) {
        EXPECT_EQ(Rhyme(p.a, p.b), p.rhyme) << p.a << " / " << p.b;
        EXPECT_EQ(Rhyme(p.b, p.a), p.rhyme) << p.b << " / " << p.a;
    }
}

// These pairs rhyme once the rhyme keys merge IY R with IH R and AA with AO before consonants.
TEST_F(VerseCheckData, MergedRhymeGroupsReachTheCheck)
{
    for (const auto &[a, b] : {std::pair{"here", "near"}, {"calling", "falling"}}) {
        EXPECT_TRUE(Rhyme(a, b)) << a << " / " << b;
        EXPECT_TRUE(Rhyme(b, a)) << b << " / " << a;
    }
}

} // namespace
