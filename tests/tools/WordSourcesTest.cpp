#include "DictionaryWords.h"
#include "WordForms.h"
#include "WordNetLemmas.h"

#include <gtest/gtest.h>

#include <stdexcept>
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

TEST(ClassifyWord, RhymeListsTakeOnlyWordsADictionaryListsInLowerCase)
{
    // The large word list knows every spelling; the dictionaries decide what is a real word.
    TWordForms forms;
    forms.AddWordList("love\nLove\nParis\nb\npc\ncrow\ncrow's\nk\nmart\nGED\nAalborg\n"
                      "it's\nable\nbodied\nable-bodied\nzyzzyva\n");
    TDictionaryWords dictionary;
    dictionary.AddWordList("love\nParis\nb\ncrow\ncrow's\nk\nmart\nit's\nable\nbodied\n");
    dictionary.AddLemma("able_bodied");
    dictionary.AddLemma("pc");

    const struct
    {
        const char *word;
        TWordKind kind;
        const char *display;
    } cases[] = {
        {"love", TWordKind::Real, "love"},
        {"able-bodied", TWordKind::Real, "able-bodied"}, // listed whole
        {"it's", TWordKind::Real, "it's"},               // a contraction, not a possessive
        {"'tis", TWordKind::Real, "'tis"},
        {"paris", TWordKind::Proper, "Paris"},
        {"aalborg's", TWordKind::Proper, "Aalborg's"},
        {"jean-paul", TWordKind::Unlisted, "jean-paul"}, // found nowhere: no name
        {"b", TWordKind::Unlisted, "b"},
        {"pc", TWordKind::Unlisted, "pc"},
        {"crow's", TWordKind::Unlisted, "crow's"},
        {"k-mart", TWordKind::Unlisted, "k-mart"}, // made of words, listed nowhere whole
        {"ged", TWordKind::Unlisted, "GED"},
        {"zyzzyva", TWordKind::Unlisted, "zyzzyva"}, // only in the large list
    };
    for (const auto &c : cases) {
        const TWordClass cls = ClassifyWord(c.word, forms, dictionary);
        EXPECT_EQ(cls.kind, c.kind) << c.word;
        EXPECT_EQ(cls.display, c.display) << c.word;
    }
}

TEST(DictionaryWords, HunspellAddsAffixedFormsOfListedWordsOnly)
{
    TDictionaryWords dictionary;
    dictionary.LoadHunspell("/usr/share/hunspell/en_US");
    dictionary.AddLemma("midnight");
    dictionary.AddWordList("admire\nk\nmart\n");
    EXPECT_TRUE(dictionary.Lists("midnights"));
    EXPECT_TRUE(dictionary.Lists("admired"));
    EXPECT_FALSE(dictionary.Lists("jun")); // a bare Hunspell entry, listed nowhere else
    EXPECT_FALSE(dictionary.Lists("k-mart"));
    EXPECT_THROW(dictionary.LoadHunspell("/nonexistent/en_US"), std::runtime_error);
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
