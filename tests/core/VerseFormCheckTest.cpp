// The verse-form check line by line, over a rhyme list of the rdict.dat kind: word -> group
// key, group key -> "#"-list of its words.
#include "VerseFormCheck.h"
#include "DIAnsiStringHash.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class VerseFormCheckTest : public ::testing::Test
{
protected:
    VerseFormCheckTest()
    {
        const std::map<std::string, std::vector<std::string>> groups = {
            {"AY1 T", {"night", "light", "bright", "midnight"}},
            {"IH1 D N AY2 T", {"midnight"}},
            {"EY1", {"day", "may", "away", "stay"}},
            {"UW1", {"you", "few", "view"}},
            {"IY1", {"thee", "see", "sea"}},
            {"IH1 M D", {"dimmed", "trimmed"}},
            {"OW1", {"grow", "owe", "low"}},
            {"AO1 R", {"door", "more"}},
            {"AE0 F EY1", {"cafe", "parfait"}},
        };
        TDIWordListWriter writer;
        for (const auto &[group, list] : groups) {
            std::string joined;
            for (const std::string &word : list) {
                joined += word + '#';
                if (word != "midnight" || group == "IH1 D N AY2 T")
                    writer.Add(word, group);
            }
            writer.Add(group, joined);
        }
        rhymes.LoadFromBytes(writer.Bytes());
        TDIWordListWriter stresses;
        stresses.Add("between", "01");
        words.LoadFromBytes(stresses.Bytes());
    }

    std::vector<TLineCheck> Check(const QStringList &pattern, const QStringList &lines) const
    {
        TVerseFormCheck form;
        form.SetPattern(pattern);
        return TPoemCheck(syllables, rhymes).Check(lines, form);
    }

    static QStringList Verdicts(const std::vector<TLineCheck> &checks)
    {
        QStringList verdicts;
        for (const TLineCheck &check : checks)
            verdicts << check.Verdict();
        return verdicts;
    }

    TDIAnsiStringHash rhymes, words;
    TSyllableTable syllables{&words};
};

TEST(PatternRow, CountsRangesFeminineEndingsRefrainsAndRepeats)
{
    const struct
    {
        const char *text;
        const char *letter;
        char rhyme;
        int min, max;
        bool feminine;
        const char *refrain;
        int repeats;
    } cases[] = {
        {"a 8", "a", 'a', 8, 8, false, "", -1},
        {"a 8-9", "a", 'a', 8, 9, false, "", -1},
        {"b 10+", "b", 'b', 10, 10, true, "", -1},
        {"x 5", "x", 0, 5, 5, false, "", -1},
        {"A1 10 refrain", "A1", 'a', 10, 10, false, "A1", -1},
        {"A 8+ refrain 1", "A", 'a', 8, 8, true, "A#1", -1},
        {"b 8 repeats 2", "b", 'b', 8, 8, false, "", 1},
        {"B..E 10", "", 0, 10, 10, false, "", -1},
        {"8", "", 0, 8, 8, false, "", -1},
        {"c", "c", 'c', -1, -1, false, "", -1},
        {"a 9-8", "a", 'a', 9, 9, false, "", -1},
    };
    for (const auto &c : cases) {
        const TPatternRow row = TVerseFormCheck::ParseRow(QString::fromUtf8(c.text));
        EXPECT_EQ(row.letter, QString::fromUtf8(c.letter)) << c.text;
        EXPECT_EQ(row.rhyme, c.rhyme ? QChar(c.rhyme) : QChar()) << c.text;
        EXPECT_EQ(row.syllables, c.min) << c.text;
        EXPECT_EQ(row.maxSyllables, c.max) << c.text;
        EXPECT_EQ(row.feminine, c.feminine) << c.text;
        EXPECT_EQ(row.refrain, QString::fromUtf8(c.refrain)) << c.text;
        EXPECT_EQ(row.repeats, c.repeats) << c.text;
        EXPECT_FALSE(row.blank) << c.text;
    }
    EXPECT_TRUE(TVerseFormCheck::ParseRow(QStringLiteral("  ")).blank);
}

TEST_F(VerseFormCheckTest, LabelsTakeNoRowAndBlankLinesOnlyThePatternsBreaks)
{
    const auto checks = Check({"a 3", "a 4", "", "b 3", "b 3"},
                              {"[Verse 1]", "It was night", "the light was bright", "", "",
                               "[Chorus]", "all the day", "and I saw the sea", "good"});
    const int rows[] = {-1, 0, 1, 2, -1, -1, 3, 4, -1};
    ASSERT_EQ(checks.size(), std::size(rows));
    for (std::size_t i = 0; i < checks.size(); ++i)
        EXPECT_EQ(checks[i].patternRow, rows[i]) << i;
    EXPECT_TRUE(checks[0].label);
    EXPECT_TRUE(checks[5].label);
    EXPECT_EQ(checks[0].counts.max, 0);
    EXPECT_EQ(Verdicts(checks),
              QStringList({"ok", "ok", "ok", "ok", "ok", "ok", "ok", "count,rhyme", "ok"}));
    // A poem that runs its stanzas on skips the pattern's break.
    const auto runOn = Check({"a 3", "", "a 3"}, {"It was night", "the bright light"});
    EXPECT_EQ(runOn[1].patternRow, 2);
}

TEST_F(VerseFormCheckTest, CountsFitARangeOrAFeminineEnding)
{
    const auto checks = Check({"x 3-4", "x 3-4", "x 3-4", "x 3+", "x 3+", "x 3+"},
                              {"one two three", "one two three four", "one two three four five",
                               "the rain is", "the rain is thee", "rain rain rain rain"});
    EXPECT_EQ(Verdicts(checks), QStringList({"ok", "ok", "count", "ok", "ok", "ok"}));
    // The extra syllable must be unstressed: "between" ends on its stress.
    EXPECT_EQ(Check({"x 3+"}, {"the rain between"})[0].Verdict(), "count");
    EXPECT_EQ(Check({"x 3+"}, {"the rain is falling"})[0].Verdict(), "count");
}

TEST_F(VerseFormCheckTest, ALineRhymesWithAnyEarlierLineOfItsLetter)
{
    const auto checks = Check({"a 4", "a 4", "a 4", "a 4", "b 4", "b 4", "b 4"},
                              {"all through the night", "and then the door", "the stars so bright",
                               "we waited till midnight", "I bit and grow'st", "for all that I owe",
                               "the cloud was dimm'd"});
    EXPECT_EQ(checks[1].Verdict(), "rhyme");
    EXPECT_EQ(checks[1].otherLine, 0);
    EXPECT_EQ(checks[2].Verdict(), "ok") << "bright rhymes with night, not the door";
    EXPECT_EQ(checks[3].faults & TLineCheck::Rhyme, 0) << "midnight is filed under night";
    EXPECT_EQ(checks[5].faults & TLineCheck::Rhyme, 0) << "grow'st rhymes as grow";
    EXPECT_EQ(checks[6].faults & TLineCheck::Rhyme, TLineCheck::Rhyme);
    EXPECT_EQ(checks[6].otherLine, 4);
}

TEST_F(VerseFormCheckTest, ElidedHyphenatedAndUnknownLastWords)
{
    const TRhymeMatcher matcher(rhymes);
    const struct
    {
        const char *a, *b;
        bool rhyme;
    } pairs[] = {
        {"dimm'd", "untrimm'd", true}, {"to-day", "may", true},        {"thee", "sea", true},
        {"ow'st", "grow'st", true},    {"caf\u00e9", "parfait", true}, {"night", "day", false},
        {"midnight", "light", true},   {"light", "midnight", true},    {"door", "day", false},
    };
    for (const auto &p : pairs)
        EXPECT_EQ(matcher.Rhyme(matcher.Prepare(QString::fromUtf8(p.a)),
                                matcher.Prepare(QString::fromUtf8(p.b))),
                  p.rhyme)
            << p.a << " / " << p.b;

    const auto checks = Check({"a 4", "a 5"}, {"all through the night", "a zorblaxity"});
    EXPECT_EQ(checks[1].Verdict(), "unknown");
    EXPECT_EQ(checks[1].lastWord, "zorblaxity");
}

TEST_F(VerseFormCheckTest, RefrainsAndRepeatedRowsMustRepeatTheirLine)
{
    const QStringList pattern = {"A1 3 refrain",  "b 3",           "A1 3 refrain",
                                 "B 3 refrain 2", "x 3 repeats 2", "B 3 refrain 2"};
    const auto checks = Check(pattern, {"Night, the night!", "I saw you", "night the NIGHT",
                                        "and a few", "I saw you.", "it was day"});
    EXPECT_EQ(Verdicts(checks), QStringList({"ok", "ok", "ok", "ok", "ok", "repeat"}));
    EXPECT_EQ(checks[5].otherLine, 3);
}

TEST_F(VerseFormCheckTest, RhymeLettersOfAPoemStanzaByStanza)
{
    TPoemCheck check(syllables, rhymes);
    const auto checks = check.Scheme({"in the night", "I saw you", "the stars were bright",
                                      "and a few", "", "[Chorus]", "a summer day", "a wooden door",
                                      "far away", "a zorblaxity", "and so I grow"});
    QStringList letters;
    for (const TLineCheck &line : checks)
        letters << line.letter;
    EXPECT_EQ(letters, QStringList({"A", "B", "A", "B", "", "", "A", "x", "A", "?", "x"}));
    EXPECT_EQ(checks[9].Verdict(), "unknown");
}

} // namespace
