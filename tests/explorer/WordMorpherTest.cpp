#include "WordMorpher.h"

#include <gtest/gtest.h>

using namespace WordUtils;

namespace {

TWordMorpher Morpher(bool british)
{
    TWordMorpher m;
    m.SetStrings({"\nchild,children\nfoot,feet\n",
                  "\nbe,was,been,being,is,were,am,are\n"
                  "run,ran,run,running\nsing,sang,sung\n",
                  "\ngood,better,best\nfar,farther,farthest,further,furthest\n",
                  "\nFAST\nHAPPI\nBRIGHT\n", "\nSTOP\nQUIZ\n", "\nTRAVEL\n",
                  "color=colour\nrealize=;realise\ncenter=centre\n"});
    m.British = british;
    return m;
}

TEST(WordUtils, KeysFlagsAndWords)
{
    EXPECT_EQ(SearchKey("Caf\xE9 au lait"), "CAFEAULAIT");
    EXPECT_EQ(SearchKey("word[x]"), "WORD");
    EXPECT_EQ(SearchKey("Rock-'n'-roll"), SearchKey("rock n roll"));
    EXPECT_EQ(UpperKey("o'cl\xF6"
                       "ck[2]"),
              "OCL\xF6"
              "CK[2]");
    EXPECT_EQ(ParseFlags("BAV?"), FlagBrit | FlagUS | FlagVulgar);
    EXPECT_EQ(FlagLetters(ParseFlags("OZ")), "ZO");
    EXPECT_EQ(FlagLabels(ParseFlags("AC")), "N. Amer");
    EXPECT_EQ(FlagLabels(ParseFlags("EUV")), "UK, Austral, vulgar");
    EXPECT_EQ(FlagLabels(ParseFlags("BE")), "Brit");
    EXPECT_EQ(RegionalPart(FlagVulgar), RegionalFlags);
    EXPECT_EQ(FlagsFor("'dog\\v|B=dogge", 'v'), FlagBrit);
    EXPECT_EQ(FlagsFor("'dog\\v|B=dogge", 'n'), 0u);
    EXPECT_EQ(VariantOf("'dog\\v|B=dogge"), "dogge");
    EXPECT_EQ(ContainsWord("run", "Running runs; RUN!"), 15);
    EXPECT_EQ(ContainsWord("run", "rerun"), 0);
    EXPECT_EQ(Split("a;;b;", ';'), (std::vector<std::string>{"a", "", "b"}));
}

TEST(WordUtils, Pronunciations)
{
    const std::string info = "'l\xFAv\n[v]'liv|'lav\\B";
    EXPECT_EQ(PronunciationFor(info, 'n', 0), "'l\xFAv");
    EXPECT_EQ(PronunciationFor(info, 'v', 0), "'liv|'lav");
    EXPECT_EQ(PronunciationFor(info, 'v', 1), "'lav");
    EXPECT_EQ(PronunciationFor(info, 'v', 2), "'liv");
    EXPECT_EQ(ShowPronunciation("'liv|'lav", 0), "'liv [N. Amer], 'lav [Brit]");
    EXPECT_EQ(ShowPronunciation("'DA:\xFF", 0), "'dhey or (y)oo");
    EXPECT_EQ(ShowPronunciation("\xFF\xAE", 1), "yoo(r)");
    EXPECT_EQ(PronunciationKey("'DA", 0, true), "Key: /dh/ that /ey/ day");
    EXPECT_EQ(PronunciationKey("ui", 0, false), "u i\n\nKey: /u/ agree /i/ sit");
}

TEST(TWordMorpher, InflectsByExceptionsRulesAndLists)
{
    const TWordMorpher us = Morpher(false), uk = Morpher(true);
    struct TCase
    {
        const char *word;
        int kind;
        const char *form;
    } cases[] = {{"child", fkPlural, "children"},
                 {"Smith", fkPlural, ""},
                 {"NATO", fkPlural, "NATOs"},
                 {"box", fkPlural, "boxes"},
                 {"day", fkPlural, "days"},
                 {"city", fkPlural, "cities"},
                 {"x", fkPlural, "xs"},
                 {"piece of cake", fkPlural, "pieces of cake"},
                 {"ice cream", fkPlural, ""},
                 {"run", fkPast, "ran"},
                 {"run", fkPastParticiple, "run"},
                 {"sing", fkPastParticiple, "sung"},
                 {"run", fkThirdPerson, "runs"},
                 {"stop", fkPast, "stopped"},
                 {"stop", fkPresentParticiple, "stopping"},
                 {"quiz", fkThirdPerson, "quizzes"},
                 {"travel", fkPast, "traveled"},
                 {"bake", fkPresentParticiple, "baking"},
                 {"die", fkPresentParticiple, "dying"},
                 {"try", fkPast, "tried"},
                 {"play", fkThirdPerson, "plays"},
                 {"go", fkThirdPerson, "goes"},
                 {"wash", fkThirdPerson, "washes"},
                 {"look up", fkPast, "looked up"},
                 {"a", fkPast, ""},
                 {"fast", fkComparative, "faster"},
                 {"happy", fkSuperlative, "happiest"},
                 {"good", fkComparative, "better"},
                 {"unhappy", fkComparative, "less happy"},
                 {"able", fkSuperlative, "most able"},
                 {"bright", fkComparative, "brighter"}};
    for (const TCase &c : cases)
        EXPECT_EQ(us.Inflect(c.word, c.kind), c.form) << c.word << " " << c.kind;
    EXPECT_EQ(uk.Inflect("travel", fkPast), "travelled");
    TWordMorpher forced = us;
    forced.ForcePlural = true;
    EXPECT_EQ(forced.Inflect("Smith", fkPlural), "Smiths");
    std::vector<std::string> list{"Smith", "dog"};
    us.InflectList(list, fkPlural);
    EXPECT_EQ(list, (std::vector<std::string>{"Smith*", "dogs"}));
}

TEST(TWordMorpher, BaseFormsAndTheirKinds)
{
    const TWordMorpher m = Morpher(false);
    struct TCase
    {
        const char *word;
        int pos;
        std::vector<std::string> bases;
        int kind;
    } cases[] = {{"tries", 1, {"try", "trie"}, fkThirdPerson},
                 {"walking", 1, {"walke", "walk"}, fkPresentParticiple},
                 {"stopped", 1, {"stop"}, fkPast},
                 {"baked", 1, {"bake", "bak"}, fkPast},
                 {"ran", 1, {"run"}, fkPast},
                 {"sung", 1, {"sing"}, fkPastParticiple},
                 {"am", 1, {"be"}, fkNone},
                 {"were", 1, {"be"}, fkPast},
                 {"feet", 0, {"foot"}, fkPlural},
                 {"cities", 0, {"city", "citie"}, fkPlural},
                 {"boxes", 0, {"box", "boxe"}, fkPlural},
                 {"dogs", 0, {"dog"}, fkPlural},
                 {"further", 2, {"far"}, fkComparative},
                 {"furthest", 2, {"far"}, fkSuperlative},
                 {"happiest", 2, {"happy", "happi", "happie"}, fkSuperlative},
                 {"faster", 2, {"fast", "faste"}, fkComparative},
                 {"water", 2, {}, fkComparative},
                 {"more happy", 2, {"HAPPY"}, fkComparative}};
    for (const TCase &c : cases) {
        std::vector<std::string> bases;
        int kind = -1;
        EXPECT_EQ(m.BaseForms(c.word, c.pos, bases, true, kind), int(c.bases.size())) << c.word;
        EXPECT_EQ(bases, c.bases) << c.word;
        EXPECT_EQ(kind, c.kind) << c.word;
    }
}

TEST(TWordMorpher, FormsTextAndSpelling)
{
    const TWordMorpher us = Morpher(false), uk = Morpher(true);
    EXPECT_EQ(us.FormsText("travel", 1), "traveled,traveling, or [UK] travelled,travelling");
    EXPECT_EQ(uk.FormsText("travel", 1), "travelled,travelling, or [US] traveled,traveling");
    EXPECT_EQ(us.FormsText("quiz", 1), "quizzes,quizzed,quizzing");
    EXPECT_EQ(us.FormsText("be", 1), "am,are,is,was,were,been,being");
    EXPECT_EQ(us.FormsText("far", 2), "farther,farthest,further,furthest");
    EXPECT_EQ(us.FormsText("happy", 2), "happier,happiest");
    EXPECT_EQ(us.FormsText("walk", 1), "");
    std::vector<std::string> forms;
    us.AllForms("walk", 1, forms);
    EXPECT_EQ(forms, (std::vector<std::string>{"walking", "walks", "walked"}));
    EXPECT_EQ(us.ConvertSpelling("the color of the center; realize it", 0),
              "the colour of the centre; realise it");
    EXPECT_EQ(us.ConvertSpelling("realize the color", 3), "realize the colour");
    EXPECT_EQ(us.ConvertSpelling("the color", 2), "the color");
}

} // namespace

// The lists are searched through a sorted view of their lines: order, prefixes, repeated bases,
// lines without a comma and a last line without its line feed must not change the answers.
TEST(TWordMorpher, ExceptionLinesAndKeyListsInAnyOrder)
{
    TWordMorpher m;
    m.SetStrings({"", "sing,sang,sung\nbe-all\nbear,bore,borne\nbe,was\nbe,were\nb,bb", "",
                  "\nHAPPI\nBRIGHT", "ZIP\nSTOP\n", "", ""});
    const std::pair<const char *, std::vector<std::string>> lines[] = {
        {"be", {"be", "was"}}, {"bear", {"bear", "bore", "borne"}},
        {"b", {"b", "bb"}},    {"sing", {"sing", "sang", "sung"}},
        {"be-all", {}},        {"bea", {}},
        {"be,was", {}},        {"sing\nbe", {}}};
    for (const auto &[word, line] : lines)
        EXPECT_EQ(m.ExceptionLine(1, word), line) << word;
    const std::pair<const char *, bool> keys[] = {{"bright", true}, {"happi", true},
                                                  {"zip", true},    {"stop", true},
                                                  {"sto", false},   {"brightest", false}};
    for (const auto &[word, found] : keys)
        EXPECT_EQ(m.InList(word[0] == 'b' || word[0] == 'h' ? TWordMorpher::fsComparableStems
                                                            : TWordMorpher::fsDoublingVerbs,
                           word),
                  found)
            << word;
}
