#include "RhymeDictionaryBuilder.h"
#include "RhymeLineBuilder.h"

#include <gtest/gtest.h>

namespace {

const char *const kCmu = "  \"above\": \"AH0 B AH1 V\",\n"
                         "  \"dove\": \"D AH1 V\",\n"
                         "  \"dove(2)\": \"D OW1 V\",\n"
                         "  \"love\": \"L AH1 V\",\n"
                         "  \"belove\": \"B IH0 L AH1 V\",\n"
                         "  \"a.d.\": \"EY2 D IY1\",\n"
                         "  \"cat\": \"K AE1 T\",\n"
                         "  \"kit\": \"K IH1 T\",\n"
                         "  \"scat\": \"S K AE1 T\",\n"
                         "  \"night\": \"N AY1 T\",\n"
                         "  \"light\": \"L AY1 T\",\n"
                         "  \"labor\": \"L EY1 B ER0\",\n";

class BuilderTest : public ::testing::Test
{
protected:
    BuilderTest()
    {
        cmu.Parse(kCmu);
        for (const char *w : {"above", "dove", "love", "cat", "kit", "scat", "night", "light"}) {
            forms.Add(w);
            dictionary.AddLemma(w);
        }
    }

    TCmuDictionary cmu;
    TWordForms forms;
    TDictionaryWords dictionary;
};

TGcideQuote Quote(std::vector<std::string> lines, std::string attribution)
{
    TGcideQuote q;
    q.lines = std::move(lines);
    q.ends.assign(q.lines.size(), 40);
    q.attribution = std::move(attribution);
    return q;
}

} // namespace

TEST_F(BuilderTest, FilesEveryPronunciationUnderItsGroup)
{
    TRhymeDictionaryBuilder builder(cmu, forms, dictionary);
    builder.AddWords();
    const auto entries = builder.RhymeEntries();
    EXPECT_EQ(entries.at("love"), "AH V");
    EXPECT_EQ(entries.at("dove"), "AH V");
    EXPECT_EQ(entries.at("dove(1)"), "OW V");
    EXPECT_EQ(entries.count("dove(2)"), 0u);
    EXPECT_EQ(entries.at("AH V"), "dove#love#above");
    EXPECT_EQ(entries.at("OW V"), "dove");
}

TEST_F(BuilderTest, ListsNamesAndPhrasesApartAndLeavesOutAbbreviations)
{
    forms.Add("Labor"); // a name only where a word list spells it so
    TRhymeDictionaryBuilder builder(cmu, forms, dictionary);
    builder.AddWords();
    EXPECT_TRUE(builder.AddPhrase("labor of love"));
    EXPECT_FALSE(builder.AddPhrase("state of grace")); // "grace" has no pronunciation here
    const auto entries = builder.RhymeEntries();
    EXPECT_EQ(entries.at("belove"), "AH V");
    EXPECT_EQ(entries.at("AH V[P]"), "labor of love"); // Belove is in no word list: no name
    EXPECT_EQ(entries.count("a.d."), 0u);
    EXPECT_EQ(builder.RealWordCount(), 8u);
    EXPECT_EQ(builder.ProperNounCount(), 1u); // Labor
    EXPECT_EQ(builder.PhraseCount(), 1u);
}

TEST_F(BuilderTest, RoundexListsHoldRealWordsAlphabetically)
{
    TRhymeDictionaryBuilder builder(cmu, forms, dictionary);
    builder.AddWords();
    const auto entries = builder.RoundexEntries();
    EXPECT_EQ(entries.at("T200"), "cat#kit#scat");
    EXPECT_EQ(entries.count("E140"), 1u); // love
    for (const auto &[code, words] : entries)
        EXPECT_EQ(words.find("Belove"), std::string::npos) << code;
}

TEST(FindPronunciations, LooksPastElisionsQuotesAndCompounds)
{
    TCmuDictionary cmu;
    cmu.Parse("  \"light\": \"L AY1 T\",\n  \"goin'\": \"G OW1 IH0 N\",\n");
    EXPECT_NE(FindPronunciations(cmu, "goin'"), nullptr);
    EXPECT_NE(FindPronunciations(cmu, "light'"), nullptr);
    EXPECT_NE(FindPronunciations(cmu, "star-light"), nullptr);
    EXPECT_EQ(FindPronunciations(cmu, "lights"), nullptr);
    EXPECT_EQ(FindPronunciations(cmu, "'"), nullptr);
}

TEST(LastWordOfLine, SkipsPunctuationAndDashes)
{
    EXPECT_EQ(LastWordOfLine("Tyger Tyger, burning bright,"), "bright");
    EXPECT_EQ(LastWordOfLine("What dread hand? & what dread Feet? --"), "feet");
    EXPECT_EQ(LastWordOfLine("\"Doth God exact day-labour, light denied?\""), "denied");
    EXPECT_EQ(LastWordOfLine(". . ."), "");
}

TEST_F(BuilderTest, FilesVerseLinesUnderTheirLastWordsGroupWithTheirSource)
{
    TRhymeLineBuilder builder(cmu);
    builder.AddQuote(
        Quote({"With any passion of inflaming love,", "By day and all the night."}, "Shak."));
    const auto entries = builder.Entries();
    EXPECT_EQ(entries.at("AH V"), "1@With any passion of inflaming love,");
    EXPECT_EQ(entries.at("AY T"), "2@By day and all the night.");
    EXPECT_EQ(entries.at("1[P]"), "William Shakespeare@");
    EXPECT_EQ(entries.at("2[P]"), "William Shakespeare@");
    EXPECT_EQ(builder.LineCount(), 2u);
}

TEST_F(BuilderTest, SkipsProseRepeatsSeparatorsAndUnknownEndings)
{
    TRhymeLineBuilder builder(cmu);
    builder.AddQuote(Quote({"The light of love", "in prose runs on at night"}, "Bacon."));
    builder.AddQuote(Quote({"Of love #1 and light", "Of love @ night"}, "Pope."));
    builder.AddQuote(Quote({"Thy ['e]yes of light", "Do shine with grace"}, "Milton (Comus)."));
    builder.AddQuote(Quote({"Thy ['e]yes of light", "Are bright at night"}, "Gray."));
    builder.AddQuote(Quote({"Come back to love", "Come back tonight"}, "Song lyrics. (?)"));
    const auto entries = builder.Entries();
    ASSERT_EQ(builder.LineCount(), 2u);
    EXPECT_EQ(entries.at("AY T"), "1@Thy \u00e9yes of light#2@Are bright at night");
    EXPECT_EQ(entries.at("1[P]"), "John Milton@Comus");
    EXPECT_EQ(entries.at("2[P]"), "Thomas Gray@");
    EXPECT_EQ(entries.count("AH V"), 0u);
}
