#include "WordForms.h"
#include "WordNetLemmas.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TWordForms Forms(std::initializer_list<const char *> words)
{
    TWordForms forms;
    for (const char *w : words)
        forms.Add(w);
    return forms;
}

} // namespace

TEST(WordForms, TellsLowerCaseFromCapitalisedSpellings)
{
    TWordForms forms;
    forms.AddWordList("love\r\nLove\nMcDonald\nMcdonald\nREIT\n");
    EXPECT_TRUE(forms.HasLowerCase("love"));
    EXPECT_FALSE(forms.HasLowerCase("mcdonald"));
    EXPECT_TRUE(forms.Known("mcdonald"));
    EXPECT_EQ(forms.CapitalForm("mcdonald"), "McDonald");
    EXPECT_EQ(forms.CapitalForm("reit"), "REIT");
    EXPECT_EQ(forms.CapitalForm("nowhere"), "");
}

TEST(ClassifyWord, RealWhenWrittenInLowerCaseAnywhere)
{
    const TWordForms forms = Forms({"love", "Love", "Paris"});
    const TWordClass love = ClassifyWord("love", forms);
    EXPECT_EQ(love.kind, TWordKind::Real);
    EXPECT_EQ(love.display, "love");
    const TWordClass paris = ClassifyWord("paris", forms);
    EXPECT_EQ(paris.kind, TWordKind::Proper);
    EXPECT_EQ(paris.display, "Paris");
}

TEST(ClassifyWord, AWordFoundNowhereIsANameWithCapitals)
{
    const TWordClass c = ClassifyWord("jean-paul", TWordForms());
    EXPECT_EQ(c.kind, TWordKind::Proper);
    EXPECT_EQ(c.display, "Jean-Paul");
}

TEST(ClassifyWord, CompoundsPossessivesAndElisionsFollowTheirParts)
{
    const TWordForms forms = Forms({"able", "bodied", "Aalborg", "jones"});
    EXPECT_EQ(ClassifyWord("able-bodied", forms).kind, TWordKind::Real);
    const TWordClass city = ClassifyWord("aalborg's", forms);
    EXPECT_EQ(city.kind, TWordKind::Proper);
    EXPECT_EQ(city.display, "Aalborg's");
    EXPECT_EQ(ClassifyWord("jones'", forms).kind, TWordKind::Real);
    EXPECT_EQ(ClassifyWord("'tis", forms).kind, TWordKind::Real);
}

TEST(WordNetLemmas, ReadsTheWordsOfEachSynsetAndSkipsTheLicence)
{
    const std::string data =
        "  1 This software and database is being provided to you\n"
        "00019731 00 s 02 handy 0 ready_to_hand(p) 0 002 & 00019131 a 0000 | easy to reach\n"
        "11132462 18 n 02 Lincoln 0 Abraham_Lincoln 0 003 @i 10249950 n 0000 | president\n";
    std::vector<std::string> lemmas;
    ForEachWordNetLemma(data, [&](std::string_view l) { lemmas.emplace_back(l); });
    EXPECT_EQ(lemmas,
              (std::vector<std::string>{"handy", "ready_to_hand", "Lincoln", "Abraham_Lincoln"}));
}

TEST(WordNetLemmas, MultiWordLemmasAlsoCountAsHyphenatedSpellings)
{
    TWordForms forms;
    AddLemmaForms("ad_hoc", forms);
    EXPECT_TRUE(forms.HasLowerCase("ad-hoc"));
    EXPECT_TRUE(forms.HasLowerCase("ad_hoc"));
}

TEST(PhraseFromLemma, KeepsLowerCaseMultiWordLemmasWithSpaces)
{
    const TWordForms forms = Forms({"arms", "business"});
    EXPECT_EQ(PhraseFromLemma("labor_of_love", forms), "labor of love");
    EXPECT_EQ(PhraseFromLemma("order_arms", forms), "order arms");
    EXPECT_EQ(PhraseFromLemma("o'er_the_top", forms), "o'er the top");
}

TEST(PhraseFromLemma, RejectsSingleWordsNamesNumbersAndTaxonomy)
{
    const TWordForms forms = Forms({"arms"});
    EXPECT_EQ(PhraseFromLemma("love", forms), "");
    EXPECT_EQ(PhraseFromLemma("Abraham_Lincoln", forms), "");
    EXPECT_EQ(PhraseFromLemma("catch-22_situation", forms), "");
    EXPECT_EQ(PhraseFromLemma("a.m._radio", forms), "");
    EXPECT_EQ(PhraseFromLemma("and/or_gate", forms), "");
    EXPECT_EQ(PhraseFromLemma("genus_bombycilla", forms), "");
    EXPECT_EQ(PhraseFromLemma("tribe_synercus", forms), "");
    EXPECT_EQ(PhraseFromLemma("double__space", forms), "");
}
