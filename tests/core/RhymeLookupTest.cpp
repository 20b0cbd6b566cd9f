#include "RhymeLookup.h"
#include "DictionaryList.h"
#include "LookupText.h"

#include <gtest/gtest.h>

#include <string>

TEST(FoldLookupText, AccentsApostrophesBlanksAndQuotes)
{
    const struct
    {
        const char *typed, *folded;
    } cases[] = {
        {"café", "cafe"},       {"naïve", "naive"},    {"résumé", "resume"}, {"École", "ecole"},
        {"don’t", "don't"},     {"‘tis", "'tis"},      {" love ", "love"},   {"beard\"", "beard"},
        {"“night”", "night"},   {"'love'", "love"},    {"goin'", "goin'"},   {"'tis", "'tis"},
        {"read(1)", "read(1)"}, {"straße", "strasse"}, {"любовь", "любовь"}, // not Latin: kept
        {"\"\"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FoldLookupText(QString::fromUtf8(c.typed)), QString::fromUtf8(c.folded))
            << c.typed;
}

TEST(LookupWordOf, CutsTheSuffixThenFolds)
{
    EXPECT_EQ(TDictionaryList::LookupWordOf(QStringLiteral("bass (fish)")), "bass");
    EXPECT_EQ(TDictionaryList::LookupWordOf(QString::fromUtf8("café(1)")), "cafe");
    EXPECT_EQ(TDictionaryList::LookupWordOf(QString::fromUtf8(" don’t ")), "don't");
}

namespace {

TDIAnsiStringHash List(std::initializer_list<std::pair<const char *, const char *>> entries)
{
    TDIWordListWriter writer;
    for (const auto &[key, value] : entries)
        writer.Add(key, value);
    TDIAnsiStringHash list;
    list.LoadFromBytes(writer.Bytes(), TDIAnsiStringHash::AllChecks, 0);
    return list;
}

} // namespace

TEST(RhymeLookup, OwnGroupFirstThenLaterStressGroupsEachItemOnce)
{
    const TDIAnsiStringHash rhymes = List({{"midnight", "ID NIGHT"},
                                           {"night", "IGHT"},
                                           {"ID NIGHT", "midnight"},
                                           {"ID NIGHT[S]", "IGHT"},
                                           {"IGHT", "bite#night#midnight"},
                                           {"IGHT[O]", "bite#night#midnight#marked"},
                                           {"IGHT[P]", "good night"},
                                           {"ID NIGHT[P]", "at midnight"}});
    const TDIAnsiStringHash lines = List({{"IGHT", "1@The night is dark"}, {"ID NIGHT", ""}});
    const TRhymeLookup clean(rhymes, &lines, false);
    const std::string group = clean.GroupOf("midnight");
    EXPECT_EQ(clean.Groups(group), (std::vector<std::string>{"ID NIGHT", "IGHT"}));
    EXPECT_EQ(clean.Rhymes(group), "midnight#bite#night");
    EXPECT_EQ(clean.Phrases(group), "at midnight#good night");
    EXPECT_EQ(clean.Lines(group), "1@The night is dark");
    EXPECT_EQ(clean.Rhymes(clean.GroupOf("night")), "bite#night#midnight");

    const TRhymeLookup whole(rhymes, nullptr, true);
    EXPECT_EQ(whole.Rhymes(group), "midnight#bite#night#marked");
    EXPECT_EQ(whole.Lines(group), "");
    EXPECT_EQ(whole.GroupOf("nights", "night"), "IGHT"); // the fallback, a stem
    EXPECT_EQ(whole.Rhymes(whole.GroupOf("nowhere")), "");
}
