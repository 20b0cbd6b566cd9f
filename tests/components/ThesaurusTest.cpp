#include "Thesaurus.h"
#include "ThesaurusFiles.h"

#include "AppFolders.h"
#include "PorterStem.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {
const QString MythesDir = QStringLiteral("/usr/share/mythes/");

TThesaurus RealThesaurus()
{
    return TThesaurus(MythesDir + "th_en_US_v2.idx", MythesDir + "th_en_US_v2.dat");
}

bool AnyAnnotationLeft(const TThesaurus &thes)
{
    for (const TThesaurusContext &context : thes.Contexts())
        for (const QString &word : context.AllWords())
            if (word.contains(QLatin1Char('(')) || word != word.trimmed())
                return true;
    return false;
}
} // namespace

TEST(ThesaurusRealData, LoveHasItsNounAndVerbMeanings)
{
    TThesaurus thes = RealThesaurus();
    ASSERT_TRUE(thes.Lookup(QStringLiteral("love")));
    EXPECT_EQ(thes.LookupWord(), QStringLiteral("love"));
    ASSERT_EQ(thes.ContextCount(), 10);
    // "(noun)|emotion (generic term)|hate (antonym)": no synonym to name it after
    const TThesaurusContext &first = thes.Context(0);
    EXPECT_EQ(first.word, QStringLiteral("love"));
    EXPECT_EQ(first.kind, QStringLiteral("noun"));
    EXPECT_TRUE(first.lists[0].isEmpty());
    EXPECT_TRUE(first.lists[1].isEmpty());
    EXPECT_EQ(first.lists[2], QStringList{"emotion"});
    EXPECT_EQ(first.lists[3], QStringList{"hate"});
    // "(noun)|passion|object (generic term)"
    EXPECT_EQ(thes.Context(1).word, QStringLiteral("passion"));
    EXPECT_EQ(thes.Context(1).lists[0], QStringList{"passion"});
    EXPECT_EQ(thes.Context(1).lists[2], QStringList{"object"});
    // A multi-word term keeps its spaces.
    EXPECT_TRUE(thes.Context(2).lists[0].contains(QStringLiteral("loved one")));
    bool verb = false;
    for (const TThesaurusContext &context : thes.Contexts())
        verb = verb || context.kind == QStringLiteral("verb");
    EXPECT_TRUE(verb);
    EXPECT_FALSE(AnyAnnotationLeft(thes));
}

TEST(ThesaurusRealData, BrightHasTwelveMeaningsSortedIntoFourLists)
{
    TThesaurus thes = RealThesaurus();
    ASSERT_TRUE(thes.Lookup(QStringLiteral("bright")));
    ASSERT_EQ(thes.ContextCount(), 12);
    const TThesaurusContext &first = thes.Context(0);
    EXPECT_EQ(first.word, QStringLiteral("agleam"));
    EXPECT_EQ(first.kind, QStringLiteral("adj"));
    EXPECT_TRUE(first.lists[0].isEmpty());
    EXPECT_EQ(first.lists[1].first(), QStringLiteral("agleam"));
    EXPECT_TRUE(first.lists[1].contains(QStringLiteral("bright as a new penny")));
    EXPECT_EQ(first.lists[3], QStringList{"dull"});
    // "(adj)|smart|intelligent (similar term)"
    EXPECT_EQ(thes.Context(2).word, QStringLiteral("smart"));
    EXPECT_EQ(thes.Context(2).lists[0], QStringList{"smart"});
    EXPECT_EQ(thes.Context(2).lists[1], QStringList{"intelligent"});
    // "(adj)|undimmed|dimmed (antonym)"
    EXPECT_EQ(thes.Context(6).lists[3], QStringList{"dimmed"});
    const TThesaurusContext &last = thes.Context(11);
    EXPECT_EQ(last.word, QStringLiteral("brilliantly"));
    EXPECT_EQ(last.kind, QStringLiteral("adv"));
    EXPECT_EQ(last.lists[0], QStringList({"brilliantly", "brightly"}));
    EXPECT_FALSE(AnyAnnotationLeft(thes));
}

TEST(ThesaurusRealData, LongestMeaningKeepsAllItsWords)
{
    // The second meaning of "cardinal" is the data's longest line: 392 terms in 8.5 KB.
    TThesaurus thes = RealThesaurus();
    ASSERT_TRUE(thes.Lookup(QStringLiteral("cardinal")));
    ASSERT_GE(thes.ContextCount(), 2);
    const TThesaurusContext &numbers = thes.Context(1);
    EXPECT_EQ(numbers.word, QStringLiteral("zero"));
    EXPECT_EQ(numbers.AllWords().size(), 392);
    EXPECT_EQ(numbers.lists[3].size(), 1);
    EXPECT_TRUE(numbers.lists[1].contains(QStringLiteral("non-zero")));
}

TEST(ThesaurusRealData, InflectedFormIsFoundThroughItsStem)
{
    TThesaurus thes = RealThesaurus();
    EXPECT_FALSE(thes.Lookup(QStringLiteral("loves")));
    EXPECT_EQ(thes.ContextCount(), 0);
    ASSERT_TRUE(thes.Lookup(StemWord(QStringLiteral("loves"))));
    EXPECT_EQ(thes.LookupWord(), QStringLiteral("love"));
    EXPECT_EQ(thes.ContextCount(), 10);
}

TEST(ThesaurusRealData, UnknownWordLeavesNoContexts)
{
    TThesaurus thes = RealThesaurus();
    ASSERT_TRUE(thes.Lookup(QStringLiteral("bright")));
    EXPECT_FALSE(thes.Lookup(QStringLiteral("qwzxvyk")));
    EXPECT_EQ(thes.ContextCount(), 0);
    EXPECT_EQ(thes.LookupWord(), QStringLiteral("qwzxvyk"));
    EXPECT_FALSE(thes.Lookup(QString()));
    EXPECT_EQ(thes.ContextCount(), 0);
}

TEST(ThesaurusRealData, CapitalisedWordFallsBackToLowerCase)
{
    TThesaurus thes = RealThesaurus();
    ASSERT_TRUE(thes.Lookup(QStringLiteral("Love")));
    EXPECT_EQ(thes.LookupWord(), QStringLiteral("Love"));
    EXPECT_EQ(thes.ContextCount(), 10);
    EXPECT_TRUE(thes.Lookup(QStringLiteral("BRIGHT")));
    EXPECT_EQ(thes.ContextCount(), 12);
}

TEST(ThesaurusRealData, LookupAfterClosingTheDataFileGivesTheSameResult)
{
    TThesaurus thes = RealThesaurus();
    ASSERT_TRUE(thes.Lookup(QStringLiteral("bright")));
    const QStringList before = thes.Context(3).AllWords();
    thes.CloseDataFile();
    ASSERT_TRUE(thes.Lookup(QStringLiteral("bright")));
    EXPECT_EQ(thes.Context(3).AllWords(), before);
    // Another engine over the same files is independent of this one's closing.
    TThesaurus other = RealThesaurus();
    thes.CloseDataFile();
    EXPECT_TRUE(other.Lookup(QStringLiteral("love")));
    EXPECT_EQ(thes.ContextCount(), 12);
}

TEST(ThesaurusRealData, BuildCopiesTheDataIntoTheApplicationFolder)
{
    OverrideAppFolder(QStringLiteral(TOLVANE_APP_DIR "/"));
    TThesaurus thes;
    EXPECT_TRUE(thes.Lookup(QStringLiteral("bright")));
    EXPECT_EQ(thes.ContextCount(), 12);
}

TEST(ThesaurusContext, AnnotationsChooseTheListAndAreRemoved)
{
    const TThesaurusContext context = TThesaurus::ContextFromTerms(
        QStringLiteral("(verb)"),
        {"run (generic term)", "sprint", "jog (similar term)", "dash (related term)",
         "walk (antonym)", "race", "move (generic term)", "Bach (composer)"});
    EXPECT_EQ(context.word, QStringLiteral("sprint")); // the first synonym
    EXPECT_EQ(context.kind, QStringLiteral("verb"));
    // An annotation the engine does not know stays part of the word.
    EXPECT_EQ(context.lists[0], QStringList({"sprint", "race", "Bach (composer)"}));
    EXPECT_EQ(context.lists[1], QStringList({"jog", "dash"}));
    EXPECT_EQ(context.lists[2], QStringList({"run", "move"}));
    EXPECT_EQ(context.lists[3], QStringList{"walk"});
    EXPECT_EQ(context.AllWords().size(), 8);
}

TEST(ThesaurusContext, MissingPartOfSpeechGivesAnEmptyKind)
{
    const TThesaurusContext context = TThesaurus::ContextFromTerms(QString(), {"alone"});
    EXPECT_EQ(context.kind, QString());
    EXPECT_EQ(context.word, QStringLiteral("alone"));
}

class ThesaurusFilesTest : public ::testing::Test
{
protected:
    TThesaurus Engine() const
    {
        return TThesaurus(dir.file(QStringLiteral("t.idx")), dir.file(QStringLiteral("t.dat")));
    }
    TempDir dir;
};

TEST_F(ThesaurusFilesTest, MissingFilesFindNothing)
{
    TThesaurus thes = Engine();
    EXPECT_FALSE(thes.Lookup(QStringLiteral("love")));
    EXPECT_EQ(thes.ContextCount(), 0);
}

TEST_F(ThesaurusFilesTest, Utf8WordsSurviveTheRoundTrip)
{
    WriteThesaurus(dir, QStringLiteral("t"),
                   {{"café", {"(noun)|bistro|coffee shop (generic term)"}},
                    {"naïve", {"(adj)|ingénu (similar term)|wise (antonym)"}}});
    TThesaurus thes = Engine();
    ASSERT_TRUE(thes.Lookup(QStringLiteral("café")));
    EXPECT_EQ(thes.Context(0).lists[0], QStringList{"bistro"});
    ASSERT_TRUE(thes.Lookup(QStringLiteral("NAÏVE")));
    EXPECT_EQ(thes.Context(0).word, QStringLiteral("ingénu"));
}

TEST_F(ThesaurusFilesTest, ChangedFilesAreReadAgainAfterClosing)
{
    WriteThesaurus(dir, QStringLiteral("t"), {{"cat", {"(noun)|feline"}}});
    TThesaurus thes = Engine();
    ASSERT_TRUE(thes.Lookup(QStringLiteral("cat")));
    WriteThesaurus(dir, QStringLiteral("t"),
                   {{"cat", {"(noun)|kitty", "(verb)|vomit"}}, {"dog", {"(noun)|canine"}}});
    thes.CloseDataFile();
    ASSERT_TRUE(thes.Lookup(QStringLiteral("cat")));
    ASSERT_EQ(thes.ContextCount(), 2);
    EXPECT_EQ(thes.Context(0).word, QStringLiteral("kitty"));
    EXPECT_TRUE(thes.Lookup(QStringLiteral("dog")));
}
